#include "gui/plot_saving.h"

#include <filesystem>

#include "adjust/output_names.h"
#include "listing/output_file.h"
#include "plot/plot_file_kind.h"
#include "plot_export/plot_export.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

const QString kPictureFilter = QStringLiteral(
    "Imagen SVG (*.svg);;Imagen PNG (*.png);;Documento PDF (*.pdf);;Todos los archivos (*)");

std::optional<std::string> Refusal(const NetworkState& state, const std::string& name) {
  if (!PlotFileKindOf(name)) return std::string(kPlotFileKindRefusal);
  if (auto refusal = LateOutputRefusal(state, name)) return refusal;
  return OutputNameRefusal(state, name);
}

}  // namespace

std::string SavePlotPicture(const NetworkState& state, QtInteraction& ui, const PlotView& view) {
  for (;;) {
    const std::string name = ui.ChooseFileToSave(QStringLiteral("Guardar gráfico"), kPictureFilter,
                                                 QStringLiteral("Imagen SVG (*.svg)"));
    if (name.empty()) return "";
    if (const auto refusal = Refusal(state, name)) {
      ui.Beep();
      ui.MessageBox(*refusal, Buttons::Ok, Icon::Information, 1, kAppTitle);
      continue;
    }
    std::error_code error;
    if (std::filesystem::exists(name, error) &&
        ui.MessageBox("Fichero ya existe.  ¿ Sobrescribir ? ", Buttons::YesNo, Icon::Information, 2,
                      kAppTitle) != Answer::Yes)
      continue;
    std::string cause;
    if (WritePlotFile(name, state, view, &cause)) return name;
    ui.MessageBox(CannotWriteText(name, cause), Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
  }
}

}  // namespace ombrel
