// An Interaction that passes every prompt on at once but holds back what a
// command would change in the main window (the project frame's labels and
// the enabling of commands) until Apply(): a command that fails part-way
// then leaves the window exactly as it was.
#pragma once

#include <functional>
#include <vector>

#include "ui/interaction.h"

namespace ombrel {

class HeldWindowChanges : public Interaction {
 public:
  explicit HeldWindowChanges(Interaction& inner) : inner_(inner) {}

  // Makes the held changes on the window, in the order they were asked.
  void Apply();

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, int defaultButton,
                    const std::string& title) override {
    return inner_.MessageBox(text, buttons, icon, defaultButton, title);
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override {
    return inner_.InputBox(prompt, title, defaultText);
  }
  void Beep() override { inner_.Beep(); }
  void SetBusy(bool busy) override { inner_.SetBusy(busy); }
  OutputType ChooseOutputType() override { return inner_.ChooseOutputType(); }
  void OpenInEditor(const std::string& path) override { inner_.OpenInEditor(path); }
  void ShowLabels(const std::string& project, const std::string& points,
                  const std::string& equations) override;
  void SetEnabled(Command command, bool enabled) override;

 private:
  Interaction& inner_;
  std::vector<std::function<void(Interaction&)>> held_;
};

}  // namespace ombrel
