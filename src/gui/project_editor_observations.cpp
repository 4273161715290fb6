// The "Observables" tab of the project editor and the save.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "gui/command_guard.h"
#include "gui/number_choices.h"
#include "gui/project_editor_dialog.h"
#include "gui/qt_prompts.h"
#include "gui/working_folder.h"

namespace ombrel {

void ProjectEditorDialog::ConnectObservationFields() {
  connect(observationList_, &QListWidget::currentRowChanged, this,
          &ProjectEditorDialog::pickObservation);
  for (QComboBox* box : {distanceEquationCombo_, angleEquationCombo_, backsightCombo_,
                         stationCombo_, foresightCombo_, distanceFromCombo_, distanceToCombo_})
    connect(box, &QComboBox::currentIndexChanged, this,
            &ProjectEditorDialog::observationFieldChanged);
  for (QLineEdit* box : {angleEdit_, angleWeightEdit_, distanceEdit_, distanceWeightEdit_})
    connect(box, &QLineEdit::textChanged, this, &ProjectEditorDialog::observationFieldChanged);
  connect(addAngleButton_, &QPushButton::clicked, this, &ProjectEditorDialog::addAngle);
  connect(addDistanceButton_, &QPushButton::clicked, this, &ProjectEditorDialog::addDistance);
  connect(removeObservationButton_, &QPushButton::clicked, this,
          &ProjectEditorDialog::removeObservation);
  connect(angleWeightToAllButton_, &QPushButton::clicked, this,
          &ProjectEditorDialog::setAngleWeightOfAll);
  connect(distanceWeightToAllButton_, &QPushButton::clicked, this,
          &ProjectEditorDialog::setDistanceWeightOfAll);
}

void ProjectEditorDialog::pickObservation() {
  removeObservationButton_->setEnabled(false);
  if (observationList_->currentRow() <= 0) return;
  ClearAngleFields();
  removeObservationButton_->setEnabled(true);
}

// Setting a field starts a new observation, so the picked one is let go.
void ProjectEditorDialog::observationFieldChanged() {
  if (!filling_) {
    const QSignalBlocker blocker(observationList_);
    observationList_->setCurrentRow(-1);
    removeObservationButton_->setEnabled(false);
  }
  UpdateObservationButtons();
}

void ProjectEditorDialog::UpdateObservationButtons() {
  const auto chosen = [](std::initializer_list<const QComboBox*> boxes) {
    for (const QComboBox* box : boxes)
      if (!HasChoice(box)) return false;
    return true;
  };
  addAngleButton_->setEnabled(
      !angleEdit_->text().isEmpty() && !angleWeightEdit_->text().isEmpty() &&
      chosen({angleEquationCombo_, backsightCombo_, stationCombo_, foresightCombo_}));
  addDistanceButton_->setEnabled(
      !distanceEdit_->text().isEmpty() && !distanceWeightEdit_->text().isEmpty() &&
      chosen({distanceEquationCombo_, distanceFromCombo_, distanceToCombo_}));
}

void ProjectEditorDialog::ClearAngleFields() {
  filling_ = true;
  for (QComboBox* box : {angleEquationCombo_, backsightCombo_, stationCombo_, foresightCombo_})
    box->setCurrentIndex(-1);
  angleEdit_->clear();
  angleWeightEdit_->clear();
  filling_ = false;
  UpdateObservationButtons();
}

void ProjectEditorDialog::ClearDistanceFields() {
  filling_ = true;
  for (QComboBox* box : {distanceEquationCombo_, distanceFromCombo_, distanceToCombo_})
    box->setCurrentIndex(-1);
  distanceEdit_->clear();
  distanceWeightEdit_->clear();
  filling_ = false;
  UpdateObservationButtons();
}

void ProjectEditorDialog::TakeEquation(const QString& item) {
  filling_ = true;
  RemoveNumberChoice(distanceEquationCombo_, FromQt(item));
  RemoveNumberChoice(angleEquationCombo_, FromQt(item));
  filling_ = false;
  ShowLists(false);
  ShowCounts();
  UpdateObservationButtons();
}

void ProjectEditorDialog::addAngle() {
  if (!Accepts({angleEdit_, angleWeightEdit_})) return;
  const QString equation = angleEquationCombo_->currentText();
  const std::string line = AngleLine(FromQt(equation), ChoiceText(backsightCombo_),
                                     ChoiceText(stationCombo_), ChoiceText(foresightCombo_),
                                     FromQt(angleEdit_->text()), FromQt(angleWeightEdit_->text()));
  if (!Allows(ObservationLineFault(line))) return;
  lists_.AddObservation(line);
  ClearAngleFields();
  TakeEquation(equation);
}

void ProjectEditorDialog::addDistance() {
  if (!Accepts({distanceEdit_, distanceWeightEdit_})) return;
  const QString equation = distanceEquationCombo_->currentText();
  const std::string line =
      DistanceLine(FromQt(equation), ChoiceText(distanceFromCombo_), ChoiceText(distanceToCombo_),
                   FromQt(distanceEdit_->text()), FromQt(distanceWeightEdit_->text()));
  if (!Allows(ObservationLineFault(line))) return;
  lists_.AddObservation(line);
  ClearDistanceFields();
  TakeEquation(equation);
}

void ProjectEditorDialog::removeObservation() {
  const int row = observationList_->currentRow();
  if (row <= 0) return;
  const std::string equation =
      EquationItemOf(lists_.ObservationList()[static_cast<std::size_t>(row)]);
  lists_.RemoveObservation(row);
  filling_ = true;
  AddNumberChoice(distanceEquationCombo_, equation);
  AddNumberChoice(angleEquationCombo_, equation);
  filling_ = false;
  ShowLists(false);
  ShowCounts();
}

void ProjectEditorDialog::setAngleWeightOfAll() {
  if (!Accepts({angleWeightEdit_})) return;
  lists_.SetWeightOfAll(false, FromQt(angleWeightEdit_->text()));
  ShowLists(false);
}

void ProjectEditorDialog::setDistanceWeightOfAll() {
  if (!Accepts({distanceWeightEdit_})) return;
  lists_.SetWeightOfAll(true, FromQt(distanceWeightEdit_->text()));
  ShowLists(false);
}

// A relative name is taken in the working folder and kept whole as the
// project's name, since the project's folder becomes the working folder.
void ProjectEditorDialog::saveAndClose() {
  const std::string path = FromQt(QDir(WorkingFolder()).absoluteFilePath(fileNameEdit_->text()));
  bool saved = false;
  RunGuarded(state_, ui_, [&] { saved = SaveProjectLists(lists_, state_, ui_, path); });
  if (!saved) return;
  savedLines_ = lists_.FileList();
  WorkInFolderOf(path);
  saved_ = true;
  accept();
  ui_.MessageBox(kProjectSaved, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

}  // namespace ombrel
