// The "Vértices" tab of the project editor.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "gui/number_choices.h"
#include "gui/project_editor_dialog.h"
#include "gui/qt_prompts.h"

namespace ombrel {

void ProjectEditorDialog::ConnectVertexFields() {
  connect(vertexList_, &QListWidget::currentRowChanged, this, &ProjectEditorDialog::pickVertex);
  for (QLineEdit* box : {xEdit_, yEdit_})
    connect(box, &QLineEdit::textChanged, this, &ProjectEditorDialog::updateVertexButtons);
  for (QComboBox* box : {vertexCombo_, orderCombo_})
    connect(box, &QComboBox::currentIndexChanged, this, &ProjectEditorDialog::updateVertexButtons);
  connect(fixedCheck_, &QCheckBox::toggled, this, &ProjectEditorDialog::updateVertexButtons);
  connect(vertexCombo_, &QComboBox::activated, this, &ProjectEditorDialog::startNewVertex);
  connect(addVertexButton_, &QPushButton::clicked, this, &ProjectEditorDialog::addVertex);
  connect(modifyVertexButton_, &QPushButton::clicked, this, &ProjectEditorDialog::modifyVertex);
  connect(removeVertexButton_, &QPushButton::clicked, this, &ProjectEditorDialog::removeVertex);
}

void ProjectEditorDialog::pickVertex() {
  removeVertexButton_->setEnabled(false);
  addVertexButton_->setEnabled(false);
  modifyVertexButton_->setEnabled(false);
  pickedVertex_.clear();
  const int row = vertexList_->currentRow();
  if (row <= 0) {
    ClearVertexFields();
    return;
  }
  removeVertexButton_->setEnabled(true);
  const PointFields fields = ReadPointLine(lists_.PointList()[static_cast<std::size_t>(row)]);
  fixedCheck_->setChecked(fields.fixed);
  xEdit_->setText(ToQt(fields.x));
  yEdit_->setText(ToQt(fields.y));
  Choose(orderCombo_, fields.order);
  // The picked vertex's own number is not among the free ones of "Vértice".
  vertexCombo_->setCurrentIndex(-1);
  pickedVertex_ = fields.vertex;
  vertexMode_ = VertexMode::Modify;
  updateVertexButtons();
}

void ProjectEditorDialog::ClearVertexFields() {
  vertexCombo_->setCurrentIndex(-1);
  orderCombo_->setCurrentIndex(-1);
  xEdit_->clear();
  yEdit_->clear();
  fixedCheck_->setChecked(false);
}

void ProjectEditorDialog::updateVertexButtons() {
  const bool typed = !xEdit_->text().isEmpty() && !yEdit_->text().isEmpty();
  addVertexButton_->setEnabled(vertexMode_ == VertexMode::Add && typed && HasChoice(vertexCombo_) &&
                               HasChoice(orderCombo_));
  modifyVertexButton_->setEnabled(vertexMode_ == VertexMode::Modify && typed &&
                                  HasChoice(orderCombo_));
}

void ProjectEditorDialog::startNewVertex() {
  vertexMode_ = VertexMode::Add;
  {
    const QSignalBlocker blocker(vertexList_);
    vertexList_->setCurrentRow(-1);
  }
  removeVertexButton_->setEnabled(false);
  pickedVertex_.clear();
  updateVertexButtons();
}

void ProjectEditorDialog::addVertex() {
  if (!Accepts({xEdit_, yEdit_})) return;
  const std::string vertex = ChoiceText(vertexCombo_);
  const std::string line = PointLine(ChoiceText(orderCombo_), FromQt(xEdit_->text()),
                                     FromQt(yEdit_->text()), fixedCheck_->isChecked(), vertex);
  if (!Allows(lists_.PositionFault(line, 0))) return;
  lists_.AddPoint(line);
  xEdit_->clear();
  yEdit_->clear();
  fixedCheck_->setChecked(false);
  for (QComboBox* box :
       {backsightCombo_, stationCombo_, foresightCombo_, distanceFromCombo_, distanceToCombo_})
    AddNumberChoice(box, vertex);
  RemoveNumberChoice(vertexCombo_, vertex);
  orderCombo_->setCurrentIndex(-1);
  vertexCombo_->setCurrentIndex(-1);
  xEdit_->setFocus();
  ShowLists(true);
  ShowCounts();
  vertexMode_ = VertexMode::Add;
  updateVertexButtons();
}

void ProjectEditorDialog::modifyVertex() {
  const int row = vertexList_->currentRow();
  if (row <= 0 || !Accepts({xEdit_, yEdit_})) return;
  const std::string line =
      PointLine(ChoiceText(orderCombo_), FromQt(xEdit_->text()), FromQt(yEdit_->text()),
                fixedCheck_->isChecked(), pickedVertex_);
  if (!Allows(lists_.PositionFault(line, row))) return;
  lists_.ReplacePoint(row, line);
  ShowLists(true);
  ShowCounts();
  vertexMode_ = VertexMode::Add;
  pickedVertex_.clear();
  updateVertexButtons();
}

// The vertex and the observations that used it give their numbers back, and
// the fields that showed it are emptied: it can no longer be modified. The
// person confirms first, told how many observations go with it.
void ProjectEditorDialog::removeVertex() {
  const int row = vertexList_->currentRow();
  if (row <= 0) return;
  const std::string vertex =
      ReadPointLine(lists_.PointList()[static_cast<std::size_t>(row)]).vertex;
  const int uses = lists_.ObservationsOf(vertex);
  const std::string question =
      "¿ Desea eliminar el vértice" + vertex.substr(0, vertex.find_last_not_of(' ') + 1) +
      (uses == 0 ? std::string(" ?")
                 : " y sus " + std::to_string(uses) + " observables asociados ?");
  if (ui_.MessageBox(question, Buttons::YesNo, Icon::Exclamation, 2, kAppTitle) != Answer::Yes)
    return;
  const std::vector<std::string> equations = lists_.RemovePoint(row);
  AddNumberChoice(vertexCombo_, vertex);
  for (QComboBox* box :
       {backsightCombo_, stationCombo_, foresightCombo_, distanceFromCombo_, distanceToCombo_})
    RemoveNumberChoice(box, vertex);
  for (const std::string& equation : equations) {
    AddNumberChoice(distanceEquationCombo_, equation);
    AddNumberChoice(angleEquationCombo_, equation);
  }
  ShowLists(true);
  ShowCounts();
  vertexMode_ = VertexMode::Add;
  pickedVertex_.clear();
  ClearVertexFields();
  updateVertexButtons();
}

}  // namespace ombrel
