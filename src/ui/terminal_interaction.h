// Interaction on a terminal: messages go to the error stream with their
// title; questions and input boxes read one line each from the answer stream.
// An empty line takes the default (button or text); the end of the answers
// cancels an input box and takes the default button of a question.
#pragma once

#include <iosfwd>
#include <string>

#include "ui/interaction.h"

namespace ombrel {

class TerminalInteraction : public Interaction {
 public:
  TerminalInteraction(std::istream& answers, std::ostream& out, std::ostream& err);

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, int defaultButton,
                    const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void Beep() override {}
  void SetBusy(bool) override {}
  OutputType ChooseOutputType() override;
  void OpenInEditor(const std::string& path) override;
  void ShowLabels(const std::string& project, const std::string& points,
                  const std::string& equations) override;
  void SetEnabled(Command, bool) override {}

  // Optional copy of every prompt and answer, for a transcript file.
  void SetTranscript(std::ostream* transcript) { transcript_ = transcript; }

  const std::string& ProjectLabel() const { return project_; }
  const std::string& PointsLabel() const { return points_; }
  const std::string& EquationsLabel() const { return equations_; }

 private:
  bool ReadLine(std::string& line);
  void Log(const std::string& text);

  std::istream& answers_;
  std::ostream& out_;
  std::ostream& err_;
  std::ostream* transcript_ = nullptr;
  std::string project_, points_, equations_;
};

// Replaces every CR LF by a plain line feed, for display on a terminal.
std::string ToTerminalText(const std::string& text);

}  // namespace ombrel
