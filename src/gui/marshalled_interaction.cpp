#include "gui/marshalled_interaction.h"

namespace ombrel {

Answer MarshalledInteraction::MessageBox(const std::string& text, Buttons buttons, Icon icon,
                                         int defaultButton, const std::string& title) {
  return Prompt([&] { return gui_.MessageBox(text, buttons, icon, defaultButton, title); });
}

std::string MarshalledInteraction::InputBox(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText) {
  return Prompt([&] { return gui_.InputBox(prompt, title, defaultText); });
}

void MarshalledInteraction::Beep() {
  OnGuiThread([&] { gui_.Beep(); });
}

void MarshalledInteraction::SetBusy(bool busy) {
  OnGuiThread([&] { gui_.SetBusy(busy); });
}

OutputType MarshalledInteraction::ChooseOutputType() {
  return Prompt([&] { return gui_.ChooseOutputType(); });
}

void MarshalledInteraction::OpenInEditor(const std::string& path) {
  Prompt([&] { gui_.OpenInEditor(path); });
}

void MarshalledInteraction::ShowLabels(const std::string& project, const std::string& points,
                                       const std::string& equations) {
  OnGuiThread([&] { gui_.ShowLabels(project, points, equations); });
}

void MarshalledInteraction::SetEnabled(Command command, bool enabled) {
  OnGuiThread([&] { gui_.SetEnabled(command, enabled); });
}

void MarshalledInteraction::ReportProgress(const Progress& progress) {
  if (stopRequested_) throw ComputationStopped();
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!latest_) latest_.emplace();
  latest_->fraction = progress.fraction;
  latest_->text.assign(progress.text);
  latest_->bytesWritten = progress.bytesWritten;
  latest_->bytesExpected = progress.bytesExpected;
}

std::optional<ProgressSnapshot> MarshalledInteraction::Latest() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return latest_;
}

}  // namespace ombrel
