// The desktop's Interaction: Qt message boxes with Spanish buttons, an input
// box, the beep, the busy pointer, the output-type dialog and the main
// window's labels, enabling and editor.
//
// Answers can be queued for the next prompts (SetNextAnswer and friends); a
// prompt with a queued answer shows no window. In unattended mode (the GUI
// tests) OK-only boxes answer themselves and a prompt with nothing queued is
// recorded in Unanswered() and cancelled instead of waiting for a person.
#pragma once

#include <QString>
#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "ui/interaction.h"

class QWidget;

namespace ombrel {

// What the interaction shows in the main window.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  virtual void ShowLabels(const std::string& project, const std::string& points,
                          const std::string& equations) = 0;
  virtual void SetEnabled(Command command, bool enabled) = 0;
  virtual void OpenInEditor(const std::string& path) = 0;
};

class QtInteraction : public Interaction {
 public:
  explicit QtInteraction(QWidget* parent = nullptr) : parent_(parent) {}

  void SetWindow(MainWindowPort* window) { window_ = window; }
  void SetParent(QWidget* parent) { parent_ = parent; }

  void SetNextAnswer(Answer answer) { queue_.emplace_back(answer); }
  // Input boxes and file dialogs take a text; "" stands for Cancel.
  void SetNextText(const std::string& text) { queue_.emplace_back(text); }
  void SetNextOutputType(OutputType type) { queue_.emplace_back(type); }
  void SetUnattended(bool unattended) { unattended_ = unattended; }

  std::size_t Pending() const { return queue_.size(); }
  // Texts of every message box, answered or shown, in order.
  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<std::string>& Unanswered() const { return unanswered_; }
  int Beeps() const { return beeps_; }
  bool Busy() const { return busy_; }
  void ClearRecord();

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, int defaultButton,
                    const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void Beep() override;
  void SetBusy(bool busy) override;
  OutputType ChooseOutputType() override;
  void OpenInEditor(const std::string& path) override;
  void ShowLabels(const std::string& project, const std::string& points,
                  const std::string& equations) override;
  void SetEnabled(Command command, bool enabled) override;

  // File dialogs of the desktop; "" when cancelled. filter uses Qt's
  // "Name (*.ext);;..." form and selected names the entry chosen at start.
  std::string ChooseFileToOpen(const QString& title, const QString& filter,
                               const QString& selected);
  std::string ChooseFileToSave(const QString& title, const QString& filter,
                               const QString& selected);

 private:
  using Queued = std::variant<Answer, std::string, OutputType>;
  template <typename T>
  bool TakeNext(T& value, const std::string& what);

  QWidget* parent_;
  MainWindowPort* window_ = nullptr;
  std::deque<Queued> queue_;
  bool unattended_ = false;
  bool busy_ = false;
  int beeps_ = 0;
  std::vector<std::string> messages_;
  std::vector<std::string> unanswered_;
};

}  // namespace ombrel
