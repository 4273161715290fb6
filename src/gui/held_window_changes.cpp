#include "gui/held_window_changes.h"

namespace ombrel {

void HeldWindowChanges::Apply() {
  for (const auto& change : held_) change(inner_);
  held_.clear();
}

void HeldWindowChanges::ShowLabels(const std::string& project, const std::string& points,
                                   const std::string& equations) {
  held_.push_back([=](Interaction& ui) { ui.ShowLabels(project, points, equations); });
}

void HeldWindowChanges::SetEnabled(Command command, bool enabled) {
  held_.push_back([=](Interaction& ui) { ui.SetEnabled(command, enabled); });
}

}  // namespace ombrel
