#include "ui/scripted_interaction.h"

#include <algorithm>

namespace ombrel {

ScriptedInteraction& ScriptedInteraction::Then(Answer answer) {
  queue_.emplace_back(answer);
  return *this;
}
ScriptedInteraction& ScriptedInteraction::Then(const std::string& text) {
  queue_.emplace_back(text);
  return *this;
}
ScriptedInteraction& ScriptedInteraction::Then(OutputType type) {
  queue_.emplace_back(type);
  return *this;
}

ScriptedInteraction::Scripted ScriptedInteraction::Next(const std::string& what) {
  if (queue_.empty()) throw ScriptExhausted("sin respuesta preparada para: " + what);
  Scripted next = queue_.front();
  queue_.pop_front();
  return next;
}

Answer ScriptedInteraction::MessageBox(const std::string& text, Buttons buttons, Icon icon,
                                       int defaultButton, const std::string& title) {
  RecordedCall call{"MessageBox", title, text, buttons, icon, defaultButton, "", ""};
  Answer answer = Answer::Ok;
  if (buttons != Buttons::Ok) {
    calls_.push_back(call);  // recorded even when the script runs dry
    const Scripted next = Next("MessageBox \"" + text + "\"");
    if (!std::holds_alternative<Answer>(next))
      throw ScriptExhausted("se esperaba un botón para: MessageBox \"" + text + "\"");
    answer = std::get<Answer>(next);
    calls_.back().answer = AnswerName(answer);
    return answer;
  }
  call.answer = AnswerName(answer);
  calls_.push_back(call);
  return answer;
}

std::string ScriptedInteraction::InputBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) {
  calls_.push_back({"InputBox", title, prompt, Buttons::Ok, Icon::None, 0, defaultText, ""});
  const Scripted next = Next("InputBox \"" + prompt + "\"");
  if (!std::holds_alternative<std::string>(next))
    throw ScriptExhausted("se esperaba un texto para: InputBox \"" + prompt + "\"");
  calls_.back().answer = std::get<std::string>(next);
  return calls_.back().answer;
}

void ScriptedInteraction::Beep() {
  calls_.push_back({"Beep", "", "", Buttons::Ok, Icon::None, 0, "", ""});
}

void ScriptedInteraction::SetBusy(bool busy) {
  busy_ = busy;
  calls_.push_back({"Busy", "", busy ? "on" : "off", Buttons::Ok, Icon::None, 0, "", ""});
}

OutputType ScriptedInteraction::ChooseOutputType() {
  calls_.push_back({"OutputType", kAppTitle, "", Buttons::Ok, Icon::None, 0, "", ""});
  const Scripted next = Next("OutputType");
  if (!std::holds_alternative<OutputType>(next))
    throw ScriptExhausted("se esperaba un tipo de salida");
  const OutputType type = std::get<OutputType>(next);
  calls_.back().answer = type == OutputType::Full      ? "completa"
                         : type == OutputType::Summary ? "resumida"
                                                       : "cerrado";
  return type;
}

void ScriptedInteraction::OpenInEditor(const std::string& path) {
  calls_.push_back({"Editor", "", path, Buttons::Ok, Icon::None, 0, "", ""});
}

void ScriptedInteraction::ShowLabels(const std::string& project, const std::string& points,
                                     const std::string& equations) {
  calls_.push_back({"Labels", "", project + "\n" + points + "\n" + equations, Buttons::Ok,
                    Icon::None, 0, "", ""});
}

void ScriptedInteraction::SetEnabled(Command command, bool enabled) {
  calls_.push_back(
      {"Enable", "", CommandName(command), Buttons::Ok, Icon::None, 0, "", enabled ? "1" : "0"});
}

ScriptedInteraction& ScriptedInteraction::StopAtProgress(int n) {
  stopAt_ = n;
  return *this;
}

void ScriptedInteraction::ReportProgress(const Progress& progress) {
  progressTexts_.emplace_back(progress.text);
  progress_.push_back(progress);
  progress_.back().text = progressTexts_.back();
  if (static_cast<int>(progress_.size()) == stopAt_) throw ComputationStopped();
}

std::vector<RecordedCall> ScriptedInteraction::Prompts() const {
  std::vector<RecordedCall> out;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out), [](const RecordedCall& c) {
    return c.kind == "MessageBox" || c.kind == "InputBox";
  });
  return out;
}

std::vector<std::string> ScriptedInteraction::Messages() const {
  std::vector<std::string> out;
  for (const auto& c : calls_)
    if (c.kind == "MessageBox") out.push_back(c.text);
  return out;
}

int ScriptedInteraction::Count(const std::string& kind) const {
  return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                        [&](const RecordedCall& c) { return c.kind == kind; }));
}

}  // namespace ombrel
