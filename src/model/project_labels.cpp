#include "model/project_labels.h"

namespace ombrel {

void SetLabels(NetworkState& state, Interaction& ui, const std::string& project,
               const std::string& points, const std::string& equations) {
  state.ProjectLabel = project;
  state.PointsLabel = points;
  state.EquationsLabel = equations;
  ui.ShowLabels(project, points, equations);
}

std::string SignedText(long value) {
  return (value >= 0 ? " " : "") + std::to_string(value);
}

}  // namespace ombrel
