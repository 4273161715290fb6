#include "adjust/output_prompt.h"

#include "adjust/output_names.h"
#include "model/text_file.h"
#include "ui/prompt_text.h"

namespace ombrel {

void RefuseWithBeep(Interaction& ui, const std::string& text) {
  ui.Beep();
  ui.MessageBox(text, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

std::string AskOutputFileName(
    const NetworkState& state, Interaction& ui, const std::string& heading,
    const std::string& defaultName,
    const std::function<std::optional<std::string>(const std::string&)>& check) {
  const std::string prompt =
      HeadingPrompt("    " + heading + "  ", "    Indique el nombre del fichero de salida : ");
  for (;;) {
    const std::string name = ui.InputBox(prompt, kAppTitle, defaultName);
    if (name.empty()) return "";
    std::optional<std::string> refusal = check ? check(name) : std::nullopt;
    if (!refusal) refusal = OutputNameRefusal(state, name);
    if (refusal) {
      RefuseWithBeep(ui, *refusal);
      continue;
    }
    if (!FileExists(name) || ui.MessageBox("Fichero ya existe.  ¿ Sobrescribir ? ", Buttons::YesNo,
                                           Icon::Information, 2, kAppTitle) == Answer::Yes)
      return name;
  }
}

}  // namespace ombrel
