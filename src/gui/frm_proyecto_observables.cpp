// The "Observables" tab of the project editor and the save.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "gui/frm_proyecto.h"
#include "gui/frm_proyecto_choices.h"
#include "gui/qt_prompts.h"

namespace ombrel {

void frmProyecto::ConnectObservationFields() {
  connect(List2, &QListWidget::currentRowChanged, this, &frmProyecto::List2_Click);
  for (QComboBox* box : {Combo2, Combo3, Combo4, Combo5, Combo6, Combo7, Combo8})
    connect(box, &QComboBox::currentIndexChanged, this, &frmProyecto::ObservationFieldSet);
  for (QLineEdit* box : {txtAn, Text1, txtDi, Text2})
    connect(box, &QLineEdit::textChanged, this, &frmProyecto::ObservationFieldSet);
  connect(cmdAn, &QPushButton::clicked, this, &frmProyecto::cmdAn_Click);
  connect(cmdDi, &QPushButton::clicked, this, &frmProyecto::cmdDi_Click);
  connect(cmdQuitar, &QPushButton::clicked, this, &frmProyecto::cmdQuitar_Click);
  connect(Command1, &QPushButton::clicked, this, &frmProyecto::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmProyecto::Command2_Click);
}

void frmProyecto::List2_Click() {
  cmdQuitar->setEnabled(false);
  if (List2->currentRow() <= 0) return;
  ClearAngleFields();
  cmdQuitar->setEnabled(true);
}

// Setting a field starts a new observation, so the picked one is let go.
void frmProyecto::ObservationFieldSet() {
  if (!filling_) {
    const QSignalBlocker blocker(List2);
    List2->setCurrentRow(-1);
    cmdQuitar->setEnabled(false);
  }
  UpdateObservationButtons();
}

void frmProyecto::UpdateObservationButtons() {
  const auto chosen = [](std::initializer_list<const QComboBox*> boxes) {
    for (const QComboBox* box : boxes)
      if (!HasChoice(box)) return false;
    return true;
  };
  cmdAn->setEnabled(!txtAn->text().isEmpty() && !Text1->text().isEmpty() &&
                    chosen({Combo3, Combo4, Combo5, Combo6}));
  cmdDi->setEnabled(!txtDi->text().isEmpty() && !Text2->text().isEmpty() &&
                    chosen({Combo2, Combo7, Combo8}));
}

void frmProyecto::ClearAngleFields() {
  filling_ = true;
  for (QComboBox* box : {Combo3, Combo4, Combo5, Combo6}) box->setCurrentIndex(-1);
  txtAn->clear();
  Text1->clear();
  filling_ = false;
  UpdateObservationButtons();
}

void frmProyecto::ClearDistanceFields() {
  filling_ = true;
  for (QComboBox* box : {Combo2, Combo7, Combo8}) box->setCurrentIndex(-1);
  txtDi->clear();
  Text2->clear();
  filling_ = false;
  UpdateObservationButtons();
}

void frmProyecto::TakeEquation(const QString& item) {
  filling_ = true;
  RemoveNumberChoice(Combo2, FromQt(item));
  RemoveNumberChoice(Combo3, FromQt(item));
  filling_ = false;
  ShowLists(false);
  ShowCounts();
  UpdateObservationButtons();
}

void frmProyecto::cmdAn_Click() {
  if (!Accepts({txtAn, Text1})) return;
  const QString equation = Combo3->currentText();
  lists_.AddObservation(AngleLine(FromQt(equation), ChoiceText(Combo4), ChoiceText(Combo5),
                                  ChoiceText(Combo6), FromQt(txtAn->text()),
                                  FromQt(Text1->text())));
  ClearAngleFields();
  TakeEquation(equation);
}

void frmProyecto::cmdDi_Click() {
  if (!Accepts({txtDi, Text2})) return;
  const QString equation = Combo2->currentText();
  lists_.AddObservation(DistanceLine(FromQt(equation), ChoiceText(Combo7), ChoiceText(Combo8),
                                     FromQt(txtDi->text()), FromQt(Text2->text())));
  ClearDistanceFields();
  TakeEquation(equation);
}

void frmProyecto::cmdQuitar_Click() {
  const int row = List2->currentRow();
  if (row <= 0) return;
  const std::string equation =
      EquationItemOf(lists_.ObservationList()[static_cast<std::size_t>(row)]);
  lists_.RemoveObservation(row);
  filling_ = true;
  AddNumberChoice(Combo2, equation);
  AddNumberChoice(Combo3, equation);
  filling_ = false;
  ShowLists(false);
  ShowCounts();
}

void frmProyecto::Command1_Click() {
  if (!Accepts({Text1})) return;
  lists_.SetWeightOfAll(false, FromQt(Text1->text()));
  ShowLists(false);
}

void frmProyecto::Command2_Click() {
  if (!Accepts({Text2})) return;
  lists_.SetWeightOfAll(true, FromQt(Text2->text()));
  ShowLists(false);
}

void frmProyecto::cmdSalvar_Click() {
  if (!SaveProjectLists(lists_, state_, ui_, FromQt(txtName->text()))) return;
  state_.EditorExit = "Abandonar";
  accept();
  ui_.MessageBox(kProjectSaved, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

}  // namespace ombrel
