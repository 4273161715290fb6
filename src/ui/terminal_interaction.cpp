#include "ui/terminal_interaction.h"

#include <cctype>
#include <istream>
#include <ostream>

namespace ombrel {

std::string ToTerminalText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

TerminalInteraction::TerminalInteraction(std::istream& answers, std::ostream& out,
                                         std::ostream& err)
    : answers_(answers), out_(out), err_(err) {}

bool TerminalInteraction::ReadLine(std::string& line) {
  if (!std::getline(answers_, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void TerminalInteraction::Log(const std::string& text) {
  if (transcript_) *transcript_ << text << '\n';
}

static Answer ButtonAt(Buttons buttons, int index) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return index == 2 ? Answer::No : Answer::Yes;
    case Buttons::YesNoCancel:
      return index == 3 ? Answer::Cancel : index == 2 ? Answer::No : Answer::Yes;
  }
  return Answer::Ok;
}

static bool ParseAnswer(const std::string& line, Buttons buttons, Answer& answer) {
  std::string t;
  for (char c : line)
    if (c != ' ') t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (t == "s" || t == "si" || t == "sí" || t == "y")
    answer = Answer::Yes;
  else if (t == "n" || t == "no")
    answer = Answer::No;
  else if ((t == "c" || t == "cancelar") && buttons == Buttons::YesNoCancel)
    answer = Answer::Cancel;
  else
    return false;
  return true;
}

Answer TerminalInteraction::MessageBox(const std::string& text, Buttons buttons, Icon,
                                       int defaultButton, const std::string& title) {
  const std::string shown = "[" + title + "] " + ToTerminalText(text);
  err_ << shown << '\n';
  Log(shown);
  if (buttons == Buttons::Ok) return Answer::Ok;
  Answer answer = ButtonAt(buttons, defaultButton);
  std::string line;
  while (ReadLine(line)) {
    if (line.empty() || ParseAnswer(line, buttons, answer)) break;
    err_ << "(responda s o n" << (buttons == Buttons::YesNoCancel ? " o c" : "") << ")\n";
  }
  Log(std::string("> ") + AnswerName(answer));
  return answer;
}

std::string TerminalInteraction::InputBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) {
  const std::string shown = "[" + title + "] " + ToTerminalText(prompt) + " [" + defaultText + "]";
  err_ << shown << '\n';
  Log(shown);
  std::string line;
  if (!ReadLine(line)) {
    Log("> (cancelado)");
    return "";
  }
  if (line.empty()) line = defaultText;
  Log("> " + line);
  return line;
}

OutputType TerminalInteraction::ChooseOutputType() {
  err_ << "[" << kAppTitle << "] Indique el tipo de salida deseada: (c)ompleta o (r)esumida\n";
  std::string line;
  OutputType type = OutputType::Full;
  if (ReadLine(line) && !line.empty() && (line[0] == 'r' || line[0] == 'R'))
    type = OutputType::Summary;
  Log(type == OutputType::Full ? "> Salida completa" : "> Salida resumida");
  return type;
}

void TerminalInteraction::OpenInEditor(const std::string& path) {
  out_ << "Fichero de salida: " << path << '\n';
}

void TerminalInteraction::ShowLabels(const std::string& project, const std::string& points,
                                     const std::string& equations) {
  project_ = project;
  points_ = points;
  equations_ = equations;
}

}  // namespace ombrel
