#include "gui/number_choices.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>

#include "gui/qt_prompts.h"
#include "model/project_lists.h"

namespace ombrel {
namespace {

class TypedNumberFilter : public QObject {
 public:
  explicit TypedNumberFilter(QComboBox* box) : QObject(box), box_(box) {
    setObjectName(QStringLiteral("typedNumberFilter"));
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() != 1 || !text[0].isDigit()) {
      typed_.clear();
      return false;
    }
    if (clock_.isValid() && clock_.elapsed() > QApplication::keyboardInputInterval())
      typed_.clear();
    clock_.start();
    int row = Find(typed_ + text);
    typed_ += text;
    if (row < 0 && typed_.size() > 1) {
      typed_ = text;
      row = Find(typed_);
    }
    if (row < 0) return true;
    if (watched == box_->view()) {
      box_->view()->setCurrentIndex(box_->model()->index(row, box_->modelColumn()));
    } else {
      box_->setCurrentIndex(row);
      emit box_->activated(row);
    }
    return true;
  }

 private:
  // The item of that number, else the first whose number starts with it.
  int Find(const QString& digits) const {
    int prefix = -1;
    for (int i = 0; i < box_->count(); ++i) {
      const QString number = box_->itemText(i).trimmed();
      if (number == digits) return i;
      if (prefix < 0 && number.startsWith(digits)) prefix = i;
    }
    return prefix;
  }

  QComboBox* box_;
  QString typed_;
  QElapsedTimer clock_;
};

}  // namespace

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

void AcceptTypedNumbers(QComboBox* box) {
  if (box->findChild<QObject*>(QStringLiteral("typedNumberFilter"), Qt::FindDirectChildrenOnly))
    return;
  auto* filter = new TypedNumberFilter(box);
  box->installEventFilter(filter);
  box->view()->installEventFilter(filter);
}

}  // namespace ombrel
