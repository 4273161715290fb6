#include "line_answers.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace ombrel::fuzzing {
namespace {

char FirstLower(const std::string& line) {
  return line.empty() ? '\0' : static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
}

Answer DefaultButton(Buttons buttons, int defaultButton) {
  if (defaultButton == 1) return Answer::Yes;
  if (defaultButton == 3 && buttons == Buttons::YesNoCancel) return Answer::Cancel;
  return Answer::No;
}

}  // namespace

bool LineAnswers::NextLine(std::string& line) {
  if (rest_.empty()) return false;  // a last line ends at the end of the text or its LF
  const std::size_t end = rest_.find('\n');
  line = std::string(rest_.substr(0, end));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
  return true;
}

Answer LineAnswers::MessageBox(const std::string& text, Buttons buttons, Icon icon,
                               int defaultButton, const std::string& title) {
  std::string line;
  if (buttons != Buttons::Ok && NextLine(line)) {
    const char c = FirstLower(line);
    if (c == 's')
      Then(Answer::Yes);
    else if (c == 'n' || (c == 'c' && buttons == Buttons::YesNo))
      Then(Answer::No);
    else if (c == 'c')
      Then(Answer::Cancel);
    else
      Then(DefaultButton(buttons, defaultButton));
  }
  return ScriptedInteraction::MessageBox(text, buttons, icon, defaultButton, title);
}

std::string LineAnswers::InputBox(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
  std::string line;
  if (NextLine(line)) {
    line.erase(std::remove(line.begin(), line.end(), '/'), line.end());
    Then(line == "=" ? defaultText : line);
  }
  return ScriptedInteraction::InputBox(prompt, title, defaultText);
}

OutputType LineAnswers::ChooseOutputType() {
  std::string line;
  if (NextLine(line)) {
    const char c = FirstLower(line);
    Then(c == 'r' ? OutputType::Summary : c == 'x' ? OutputType::Closed : OutputType::Full);
  }
  return ScriptedInteraction::ChooseOutputType();
}

void LineAnswers::Trace() const {
  for (const RecordedCall& call : Calls()) {
    if (call.kind != "MessageBox" && call.kind != "InputBox" && call.kind != "OutputType") continue;
    std::fprintf(stderr, "== %s\n%s\n=> %s\n", call.kind.c_str(), call.text.c_str(),
                 call.answer.c_str());
  }
}

}  // namespace ombrel::fuzzing
