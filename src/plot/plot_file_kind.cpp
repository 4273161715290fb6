#include "plot/plot_file_kind.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace ombrel {

std::optional<PlotFileKind> PlotFileKindOf(const std::string& name) {
  std::string extension = std::filesystem::path(name).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".svg") return PlotFileKind::Svg;
  if (extension == ".png") return PlotFileKind::Png;
  if (extension == ".pdf") return PlotFileKind::Pdf;
  return std::nullopt;
}

}  // namespace ombrel
