// Interaction for tests: answers prompts from a queue and records every call
// verbatim. Message boxes with only an OK button answer themselves; any other
// prompt with no answer left throws ScriptExhausted naming the prompt.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "ui/interaction.h"

namespace ombrel {

class ScriptExhausted : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

struct RecordedCall {
  std::string
      kind;  // "MessageBox", "InputBox", "Beep", "Busy", "OutputType", "Editor", "Labels", "Enable"
  std::string title;
  std::string text;  // message or prompt, full text with its CR LF
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  int defaultButton = 0;
  std::string defaultText;
  std::string answer;  // the answer given, as text
};

class ScriptedInteraction : public Interaction {
 public:
  using Scripted = std::variant<Answer, std::string, OutputType>;

  // Queues the answer to the next prompt that is not an OK-only box.
  ScriptedInteraction& Then(Answer answer);
  ScriptedInteraction& Then(const std::string& text);
  ScriptedInteraction& Then(const char* text) { return Then(std::string(text)); }
  ScriptedInteraction& Then(OutputType type);
  // The n-th progress report (1-based) throws ComputationStopped, as when
  // the person presses Cancelar.
  ScriptedInteraction& StopAtProgress(int n);

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
  void ReportProgress(const Progress& progress) override;

  const std::vector<RecordedCall>& Calls() const { return calls_; }
  // Only the message boxes and input boxes, in order.
  std::vector<RecordedCall> Prompts() const;
  // The texts of all message boxes, in order.
  std::vector<std::string> Messages() const;
  int Count(const std::string& kind) const;
  bool Busy() const { return busy_; }
  std::size_t Pending() const { return queue_.size(); }
  void Clear() { calls_.clear(); }
  // The progress reports, kept apart from Calls() so that prompt checks
  // need not know how often a computation reports.
  const std::vector<Progress>& ProgressReports() const { return progress_; }

 private:
  Scripted Next(const std::string& what);

  std::deque<Scripted> queue_;
  std::vector<RecordedCall> calls_;
  bool busy_ = false;
  std::vector<Progress> progress_;  // texts point into progressTexts_
  std::deque<std::string> progressTexts_;
  int stopAt_ = 0;
};

}  // namespace ombrel
