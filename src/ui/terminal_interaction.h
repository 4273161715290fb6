// Interaction on a terminal. Message boxes go to the error stream with their
// title. Questions, input boxes and the output-type choice are answered
// either by a person at the terminal (Enter takes the default) or from an
// answers script, one answer per line in prompt order:
//   message boxes  "Si", "No", "Cancelar" ("Aceptar" for an OK-only box is
//                  optional: such a box needs no answer)
//   output type    "completa" or "resumida"
//   input boxes    the literal text; an empty line is the empty answer
//                  (cancel) and "=" alone takes the default
//   "#" at the start of a line marks a comment.
// A script that runs out, or holds an answer that does not fit the prompt,
// throws AnswersExhausted naming the prompt.
// Progress is one line on the error stream, rewritten in place, when that
// stream is a terminal (ShowProgress); a stop request (Ctrl+C, see
// ui/stop_request.h) stops the computation at its next progress report or
// at a prompt whose reading the interrupt cut short.
#pragma once

#include <chrono>
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "ui/interaction.h"

namespace ombrel {

class AnswersExhausted : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TerminalInteraction : public Interaction {
 public:
  // interactive: a person answers at the terminal (prompts are shown on err,
  // and the listing is paged at the end); otherwise `answers` is a script.
  TerminalInteraction(std::istream& answers, std::ostream& out, std::ostream& err,
                      bool interactive = false);

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, int defaultButton,
                    const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void Beep() override {}
  void SetBusy(bool busy) override;
  OutputType ChooseOutputType() override;
  void OpenInEditor(const std::string& path) override;
  void ShowLabels(const std::string& project, const std::string& points,
                  const std::string& equations) override;
  void SetEnabled(Command, bool) override {}
  void ReportProgress(const Progress& progress) override;

  // Whether progress lines are shown on err: only when it is a terminal.
  void ShowProgress(bool show) { showProgress_ = show; }

  // Copy of every prompt and the answer given, for a transcript file.
  void SetTranscript(std::ostream* transcript) { transcript_ = transcript; }

  const std::string& ProjectLabel() const { return project_; }
  const std::string& PointsLabel() const { return points_; }
  const std::string& EquationsLabel() const { return equations_; }

 private:
  bool NextLine(std::string& line);  // next answer line, comments skipped
  bool PeekLine(std::string& line);  // the same without consuming it
  std::string Ask(const std::string& shown, const std::string& what);
  void ClearProgressLine();  // before anything else goes to err
  void Record(const std::string& kind, const std::string& title, const std::string& text,
              const std::string& detail, const std::string& answer);

  std::istream& answers_;
  std::ostream& out_;
  std::ostream& err_;
  bool interactive_;
  std::ostream* transcript_ = nullptr;
  bool peeked_ = false;
  std::string peekedLine_;
  std::string project_, points_, equations_;
  bool showProgress_ = false;
  std::size_t progressWidth_ = 0;  // characters of the line shown, 0 when none
  std::chrono::steady_clock::time_point progressShownAt_;
};

// Replaces every CR LF by a plain line feed, for display on a terminal.
std::string ToTerminalText(const std::string& text);

}  // namespace ombrel
