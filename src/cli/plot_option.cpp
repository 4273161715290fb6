#include "cli/plot_option.h"

#include <ostream>

#include "adjust/output_names.h"
#include "cli/cli_app.h"
#include "listing/output_file.h"
#include "plot/plot_file_kind.h"
#include "plot/plot_view.h"
#ifdef OMBREL_PLOT_EXPORT
#include "plot_export/plot_export.h"
#endif

namespace ombrel {

bool ParsePlotFile(std::vector<std::string>& args, std::string& plotFile, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--grafico") continue;
    if (i + 1 >= args.size()) {
      error = "Falta el nombre del fichero tras --grafico.";
      return false;
    }
    plotFile = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    if (!PlotFileKindOf(plotFile)) {
      error = kPlotFileKindRefusal;
      return false;
    }
  }
  return true;
}

int ExportPlot(const NetworkState& state, const std::string& path, std::ostream& err) {
  if (const auto refusal = LateOutputRefusal(state, path)) {
    err << *refusal << '\n';
    return kExitStopped;
  }
#ifdef OMBREL_PLOT_EXPORT
  PlotView view;
  view.ShowAll(state, kExportPictureWidth, kExportPictureHeight);
  view.Shown().absolute = state.Ellipses.Done;
  std::string cause;
  if (WritePlotFile(path, state, view, &cause)) return kExitOk;
  err << CannotWriteText(path, cause) << '\n';
#else
  err << "Esta compilación de ombrel-cli no incluye Qt y no puede dibujar el gráfico " << path
      << ".\n";
#endif
  return kExitStopped;
}

}  // namespace ombrel
