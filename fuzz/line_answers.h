// A scripted interaction that takes the answer of each prompt from the next
// line of a text, whatever the prompt, so that any text is a script that
// runs a command as far as its lines go:
//   question        "s..." Sí, "n..." No, "c..." Cancelar (No when the box
//                   has no Cancel), any other line the default button;
//   output type     "r..." resumida, "x..." the dialog closed without a
//                   choice, any other line completa;
//   input box       the line as typed ("" cancels), "=" the proposed value;
//                   every "/" is dropped, so a file named stays in the
//                   current folder.
// When the lines run out a prompt throws ScriptExhausted, as a script that
// runs dry does.
#pragma once

#include <string>
#include <string_view>

#include "ui/scripted_interaction.h"

namespace ombrel::fuzzing {

class LineAnswers : public ScriptedInteraction {
 public:
  explicit LineAnswers(std::string_view text) : rest_(text) {}

  // Takes the next line (its CR dropped); false when none is left.
  bool NextLine(std::string& line);

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, int defaultButton,
                    const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  OutputType ChooseOutputType() override;

  // The prompts met and their answers, on stderr, to follow a reproducer.
  void Trace() const;

 private:
  std::string_view rest_;
};

}  // namespace ombrel::fuzzing
