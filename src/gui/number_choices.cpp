#include "gui/number_choices.h"

#include <QComboBox>

#include "gui/qt_prompts.h"
#include "model/project_lists.h"

namespace ombrel {

void FillNumberChoices(QComboBox* box, int last) {
  box->clear();
  for (int number = 1; number <= last; ++number) box->addItem(ToQt(ComboItem(number)));
  box->setCurrentIndex(-1);
}

void AddNumberChoice(QComboBox* box, const std::string& item) {
  if (box->findText(ToQt(item)) >= 0) return;
  const int number = ColumnInteger(item);
  int at = 0;
  while (at < box->count() && ColumnInteger(FromQt(box->itemText(at))) < number) ++at;
  const int chosen = box->currentIndex();
  box->insertItem(at, ToQt(item));
  // Inserting before the chosen item must not change which number is chosen.
  if (chosen < 0) box->setCurrentIndex(-1);
}

void RemoveNumberChoice(QComboBox* box, const std::string& item) {
  const int at = box->findText(ToQt(item));
  if (at < 0) return;
  const bool wasChosen = at == box->currentIndex();
  box->removeItem(at);
  if (wasChosen) box->setCurrentIndex(-1);
}

bool HasChoice(const QComboBox* box) {
  return box->currentIndex() >= 0;
}

std::string ChoiceText(const QComboBox* box) {
  return HasChoice(box) ? FromQt(box->currentText()) : std::string();
}

void Choose(QComboBox* box, const std::string& item) {
  box->setCurrentIndex(box->findText(ToQt(item)));
}

}  // namespace ombrel
