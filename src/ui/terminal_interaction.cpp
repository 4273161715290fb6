#include "ui/terminal_interaction.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <istream>
#include <ostream>

#include "ui/stop_request.h"

namespace ombrel {
namespace {

Answer ButtonAt(Buttons buttons, int index) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return index == 2 ? Answer::No : Answer::Yes;
    case Buttons::YesNoCancel:
    case Buttons::SaveDiscardCancel:
      return index == 3 ? Answer::Cancel : index == 2 ? Answer::No : Answer::Yes;
  }
  return Answer::Ok;
}

std::string Lower(const std::string& text) {
  std::string t;
  for (char c : text)
    if (c != ' ') t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return t;
}

bool ParseAnswer(const std::string& line, Buttons buttons, bool terse, Answer& answer) {
  const std::string t = Lower(line);
  if (buttons == Buttons::SaveDiscardCancel) {
    if (t == "guardar" || (terse && t == "g"))
      answer = Answer::Yes;
    else if (t == "descartar" || (terse && t == "d"))
      answer = Answer::No;
    else if (t == "cancelar" || (terse && t == "c"))
      answer = Answer::Cancel;
    else
      return false;
    return true;
  }
  if (t == "si" || t == "sí" || t == "sÍ" || (terse && t == "s"))
    answer = Answer::Yes;
  else if (t == "no" || (terse && t == "n"))
    answer = Answer::No;
  else if (buttons == Buttons::YesNoCancel && (t == "cancelar" || (terse && t == "c")))
    answer = Answer::Cancel;
  else
    return false;
  return true;
}

// "Sí / [No] / Cancelar": the buttons with the default marked.
std::string ButtonList(Buttons buttons, int defaultButton) {
  const char* yesNo[] = {"Sí", "No", "Cancelar"};
  const char* save[] = {"Guardar", "Descartar", "Cancelar"};
  const char* const* names = buttons == Buttons::SaveDiscardCancel ? save : yesNo;
  const int count = buttons == Buttons::YesNo ? 2 : buttons == Buttons::Ok ? 0 : 3;
  if (count == 0) return "[Aceptar]";
  std::string list;
  for (int b = 1; b <= count; ++b) {
    if (b > 1) list += " / ";
    list += b == defaultButton ? "[" + std::string(names[b - 1]) + "]" : names[b - 1];
  }
  return list;
}

std::string FirstLine(const std::string& text) {
  const std::string shown = ToTerminalText(text);
  std::size_t start = shown.find_first_not_of("\n ");
  if (start == std::string::npos) return "";
  return shown.substr(start, shown.find('\n', start) - start);
}

}  // namespace

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
                                         std::ostream& err, bool interactive)
    : answers_(answers), out_(out), err_(err), interactive_(interactive) {}

bool TerminalInteraction::PeekLine(std::string& line) {
  if (!peeked_) {
    for (;;) {
      if (!std::getline(answers_, peekedLine_)) return false;
      if (!peekedLine_.empty() && peekedLine_.back() == '\r') peekedLine_.pop_back();
      if (interactive_ || peekedLine_.empty() || peekedLine_[0] != '#') break;
    }
    peeked_ = true;
  }
  line = peekedLine_;
  return true;
}

bool TerminalInteraction::NextLine(std::string& line) {
  if (!PeekLine(line)) return false;
  peeked_ = false;
  return true;
}

std::string TerminalInteraction::Ask(const std::string& shown, const std::string& what) {
  ClearProgressLine();
  if (interactive_) err_ << shown << std::flush;
  std::string line;
  if (!NextLine(line)) {
    if (StopRequested()) throw ComputationStopped();  // Ctrl+C cut the reading short
    throw AnswersExhausted("sin respuesta para " + what);
  }
  return line;
}

void TerminalInteraction::Record(const std::string& kind, const std::string& title,
                                 const std::string& text, const std::string& detail,
                                 const std::string& answer) {
  if (!transcript_) return;
  *transcript_ << "== " << kind << " [" << title << "]\r\n"
               << text << "\r\n"
               << "-- " << detail << "\r\n"
               << "=> " << answer << "\r\n";
}

Answer TerminalInteraction::MessageBox(const std::string& text, Buttons buttons, Icon,
                                       int defaultButton, const std::string& title) {
  const std::string choices = ButtonList(buttons, defaultButton);
  if (buttons == Buttons::Ok) {
    ClearProgressLine();
    err_ << "[" << title << "] " << ToTerminalText(text) << '\n';
    std::string line;
    if (!interactive_ && PeekLine(line) && Lower(line) == "aceptar") NextLine(line);
    Record("Mensaje", title, text, choices, "Aceptar");
    return Answer::Ok;
  }
  const std::string what = "la pregunta «" + FirstLine(text) + "»";
  const std::string shown = "[" + title + "] " + ToTerminalText(text) + "\n(" + choices + ") > ";
  Answer answer = ButtonAt(buttons, defaultButton);
  for (;;) {
    const std::string line = Ask(shown, what);
    if (interactive_ && line.empty()) break;
    if (ParseAnswer(line, buttons, interactive_, answer)) break;
    if (!interactive_) throw AnswersExhausted("respuesta «" + line + "» no válida para " + what);
    err_ << "Responda " << choices << ".\n";
  }
  const char* names[] = {"Aceptar", "Si", "No", "Cancelar"};
  Record("Pregunta", title, text, choices, names[static_cast<int>(answer)]);
  return answer;
}

std::string TerminalInteraction::InputBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) {
  const std::string what = "el cuadro «" + FirstLine(prompt) + "»";
  const std::string shown = "[" + title + "] " + ToTerminalText(prompt) + "\n[" + defaultText +
                            "] (Intro: valor propuesto; !: cancelar) > ";
  std::string line = Ask(shown, what);
  if (interactive_) {
    if (line.empty())
      line = defaultText;
    else if (line == "!")
      line.clear();
  } else if (line == "=") {
    line = defaultText;
  }
  Record("Entrada", title, prompt, "propuesto: " + defaultText, line);
  return line;
}

OutputType TerminalInteraction::ChooseOutputType() {
  const std::string shown =
      "[Ombrel] Indique el tipo de salida deseada:\n([completa] / resumida) > ";
  const std::string what = "el tipo de salida";
  OutputType type = OutputType::Full;
  for (;;) {
    const std::string t = Lower(Ask(shown, what));
    if (t == "completa" || (interactive_ && (t.empty() || t == "c"))) break;
    if (t == "resumida" || (interactive_ && t == "r")) {
      type = OutputType::Summary;
      break;
    }
    if (!interactive_) throw AnswersExhausted("respuesta «" + t + "» no válida para " + what);
  }
  Record("Tipo de salida", kAppTitle, "Indique el tipo de salida deseada:", "completa / resumida",
         type == OutputType::Full ? "completa" : "resumida");
  return type;
}

void TerminalInteraction::OpenInEditor(const std::string& path) {
  if (interactive_) {
    const char* pager = std::getenv("PAGER");
    std::string quoted = "'";
    for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    const std::string command = std::string(pager && *pager ? pager : "less") + " " + quoted;
    if (std::system(command.c_str()) == 0) return;
  }
  out_ << path << '\n';
}

void TerminalInteraction::SetBusy(bool busy) {
  if (!busy) ClearProgressLine();  // the computation is over
}

void TerminalInteraction::ReportProgress(const Progress& progress) {
  if (StopRequested()) {
    ClearProgressLine();
    throw ComputationStopped();
  }
  if (!showProgress_) return;
  // Reports may come far faster than anyone can read them.
  const auto now = std::chrono::steady_clock::now();
  if (progressWidth_ > 0 && now - progressShownAt_ < std::chrono::milliseconds(200)) return;
  progressShownAt_ = now;
  std::string line = std::to_string(static_cast<int>(progress.fraction * 100.0)) + " % ";
  line.insert(0, 6 - std::min<std::size_t>(line.size(), 6), ' ');
  // Within 79 characters, so that the line never wraps and \r rewrites it.
  std::size_t width = line.size();
  for (const char c : progress.text) {
    const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (starts && width == 79) break;
    line += c;
    width += starts ? 1 : 0;
  }
  if (width < progressWidth_) line.append(progressWidth_ - width, ' ');
  progressWidth_ = width;
  err_ << '\r' << line << std::flush;
}

void TerminalInteraction::ClearProgressLine() {
  if (progressWidth_ == 0) return;
  err_ << '\r' << std::string(progressWidth_, ' ') << '\r' << std::flush;
  progressWidth_ = 0;
}

void TerminalInteraction::ShowLabels(const std::string& project, const std::string& points,
                                     const std::string& equations) {
  project_ = project;
  points_ = points;
  equations_ = equations;
}

}  // namespace ombrel
