#include "gui/qt_interaction.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>

#include "gui/output_type_dialog.h"
#include "gui/qt_prompts.h"

namespace ombrel {
namespace {

// While a computation shows a prompt, the pointer over it is the plain arrow;
// the busy pointer comes back when the prompt closes.
class ArrowWhilePrompting {
 public:
  explicit ArrowWhilePrompting(bool busy) : busy_(busy) {
    if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowWhilePrompting() {
    if (busy_) QApplication::restoreOverrideCursor();
  }
  ArrowWhilePrompting(const ArrowWhilePrompting&) = delete;
  ArrowWhilePrompting& operator=(const ArrowWhilePrompting&) = delete;

 private:
  bool busy_;
};

}  // namespace

void QtInteraction::ClearRecord() {
  messages_.clear();
  unanswered_.clear();
  beeps_ = 0;
}

template <typename T>
bool QtInteraction::TakeNext(T& value, const std::string& what) {
  if (!queue_.empty() && std::holds_alternative<T>(queue_.front())) {
    value = std::get<T>(queue_.front());
    queue_.pop_front();
    return true;
  }
  // A queued answer of another kind stays queued: the command asked something
  // the caller did not expect, and unattended that prompt counts as unanswered.
  if (unattended_) unanswered_.push_back(what);
  return false;
}

Answer QtInteraction::MessageBox(const std::string& text, Buttons buttons, Icon icon,
                                 int defaultButton, const std::string& title) {
  messages_.push_back(text);
  Answer answer = Answer::Ok;
  if (buttons == Buttons::Ok) {
    if (!queue_.empty() && std::holds_alternative<Answer>(queue_.front()) &&
        std::get<Answer>(queue_.front()) == Answer::Ok) {
      queue_.pop_front();
      return Answer::Ok;
    }
    if (unattended_) return Answer::Ok;
  } else if (TakeNext(answer, text)) {
    return answer;
  } else if (unattended_) {
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
  ArrowWhilePrompting arrow(busy_);
  return ShowMessageBox(parent_, text, buttons, icon, defaultButton, title);
}

std::string QtInteraction::InputBox(const std::string& prompt, const std::string& title,
                                    const std::string& defaultText) {
  std::string answer;
  if (TakeNext(answer, prompt) || unattended_) return answer;
  ArrowWhilePrompting arrow(busy_);
  if (!ShowInputBox(parent_, prompt, title, defaultText, answer)) answer.clear();
  return answer;
}

void QtInteraction::Beep() {
  ++beeps_;
  if (!unattended_) QApplication::beep();
}

void QtInteraction::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::BusyCursor);
  else
    QApplication::restoreOverrideCursor();
}

OutputType QtInteraction::ChooseOutputType() {
  OutputType type = OutputType::Closed;
  if (TakeNext(type, "Indique el tipo de salida deseada:")) return type;
  // The core asks again after Closed; unattended, that would never end.
  if (unattended_) return OutputType::Summary;
  ArrowWhilePrompting arrow(busy_);
  OutputTypeDialog dialog(parent_);
  dialog.exec();
  return dialog.Choice();
}

void QtInteraction::OpenInEditor(const std::string& path) {
  if (window_) window_->OpenInEditor(path);
}

void QtInteraction::ShowLabels(const std::string& project, const std::string& points,
                               const std::string& equations) {
  if (window_) window_->ShowLabels(project, points, equations);
}

void QtInteraction::SetEnabled(Command command, bool enabled) {
  if (window_) window_->SetEnabled(command, enabled);
}

std::string QtInteraction::ChooseFileToOpen(const QString& title, const QString& filter,
                                            const QString& selected) {
  std::string name;
  if (TakeNext(name, FromQt(title)) || unattended_) return name;
  QString chosen = selected;
  return FromQt(QFileDialog::getOpenFileName(parent_, title, QString(), filter, &chosen));
}

std::string QtInteraction::ChooseFileToSave(const QString& title, const QString& filter,
                                            const QString& selected) {
  std::string name;
  if (TakeNext(name, FromQt(title)) || unattended_) return name;
  QString chosen = selected;
  // The overwrite question is the editor's own.
  return FromQt(QFileDialog::getSaveFileName(parent_, title, QString(), filter, &chosen,
                                             QFileDialog::DontConfirmOverwrite));
}

}  // namespace ombrel
