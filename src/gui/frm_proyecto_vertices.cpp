// The "Vértices" tab of the project editor.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "gui/frm_proyecto.h"
#include "gui/frm_proyecto_choices.h"
#include "gui/qt_prompts.h"

namespace ombrel {
namespace {

constexpr const char* kNothingPicked = "Nopico";

}  // namespace

void frmProyecto::ConnectVertexFields() {
  connect(List1, &QListWidget::currentRowChanged, this, &frmProyecto::List1_Click);
  for (QLineEdit* box : {txtX, txtY})
    connect(box, &QLineEdit::textChanged, this, &frmProyecto::UpdateVertexButtons);
  for (QComboBox* box : {Combo1, Combo9})
    connect(box, &QComboBox::currentIndexChanged, this, &frmProyecto::UpdateVertexButtons);
  connect(Check1, &QCheckBox::toggled, this, &frmProyecto::UpdateVertexButtons);
  connect(Combo1, &QComboBox::activated, this, &frmProyecto::Combo1_Click);
  connect(cmdTransfer, &QPushButton::clicked, this, &frmProyecto::cmdTransfer_Click);
  connect(Command3, &QPushButton::clicked, this, &frmProyecto::Command3_Click);
  connect(cmdQui, &QPushButton::clicked, this, &frmProyecto::cmdQui_Click);
}

void frmProyecto::List1_Click() {
  cmdQui->setEnabled(false);
  cmdTransfer->setEnabled(false);
  Command3->setEnabled(false);
  state_.NetworkType = kNothingPicked;
  const int row = List1->currentRow();
  if (row <= 0) {
    ClearVertexFields();
    return;
  }
  cmdQui->setEnabled(true);
  const PointFields fields = ReadPointLine(lists_.PointList()[static_cast<std::size_t>(row)]);
  Check1->setChecked(fields.fixed);
  txtX->setText(ToQt(fields.x));
  txtY->setText(ToQt(fields.y));
  Choose(Combo9, fields.order);
  // The picked vertex's own number is not among the free ones of "Vértice".
  Combo1->setCurrentIndex(-1);
  state_.NetworkType = fields.vertex;
  state_.EditorMode = "Modificar";
  UpdateVertexButtons();
}

void frmProyecto::ClearVertexFields() {
  Combo1->setCurrentIndex(-1);
  Combo9->setCurrentIndex(-1);
  txtX->clear();
  txtY->clear();
  Check1->setChecked(false);
}

void frmProyecto::UpdateVertexButtons() {
  const bool typed = !txtX->text().isEmpty() && !txtY->text().isEmpty();
  cmdTransfer->setEnabled(state_.EditorMode == "Añadir" && typed && HasChoice(Combo1) &&
                          HasChoice(Combo9));
  Command3->setEnabled(state_.EditorMode == "Modificar" && typed && HasChoice(Combo9));
}

void frmProyecto::Combo1_Click() {
  state_.EditorMode = "Añadir";
  {
    const QSignalBlocker blocker(List1);
    List1->setCurrentRow(-1);
  }
  cmdQui->setEnabled(false);
  state_.NetworkType = kNothingPicked;
  UpdateVertexButtons();
}

void frmProyecto::cmdTransfer_Click() {
  if (!Accepts({txtX, txtY})) return;
  const std::string vertex = ChoiceText(Combo1);
  lists_.AddPoint(PointLine(ChoiceText(Combo9), FromQt(txtX->text()), FromQt(txtY->text()),
                            Check1->isChecked(), vertex));
  txtX->clear();
  txtY->clear();
  Check1->setChecked(false);
  for (QComboBox* box : {Combo4, Combo5, Combo6, Combo7, Combo8}) AddNumberChoice(box, vertex);
  RemoveNumberChoice(Combo1, vertex);
  Combo9->setCurrentIndex(-1);
  Combo1->setCurrentIndex(-1);
  txtX->setFocus();
  ShowLists(true);
  ShowCounts();
  state_.EditorMode = "Añadir";
  UpdateVertexButtons();
}

void frmProyecto::Command3_Click() {
  const int row = List1->currentRow();
  if (row <= 0 || !Accepts({txtX, txtY})) return;
  lists_.ReplacePoint(row, PointLine(ChoiceText(Combo9), FromQt(txtX->text()), FromQt(txtY->text()),
                                     Check1->isChecked(), state_.NetworkType));
  ShowLists(true);
  ShowCounts();
  state_.EditorMode = "Añadir";
  state_.NetworkType = kNothingPicked;
  UpdateVertexButtons();
}

// The vertex and the observations that used it give their numbers back, and
// the fields that showed it are emptied: it can no longer be modified.
void frmProyecto::cmdQui_Click() {
  const int row = List1->currentRow();
  if (row <= 0) return;
  const std::string vertex =
      ReadPointLine(lists_.PointList()[static_cast<std::size_t>(row)]).vertex;
  const std::vector<std::string> equations = lists_.RemovePoint(row);
  AddNumberChoice(Combo1, vertex);
  for (QComboBox* box : {Combo4, Combo5, Combo6, Combo7, Combo8}) RemoveNumberChoice(box, vertex);
  for (const std::string& equation : equations) {
    AddNumberChoice(Combo2, equation);
    AddNumberChoice(Combo3, equation);
  }
  ShowLists(true);
  ShowCounts();
  state_.EditorMode = "Añadir";
  state_.NetworkType = kNothingPicked;
  ClearVertexFields();
  UpdateVertexButtons();
}

}  // namespace ombrel
