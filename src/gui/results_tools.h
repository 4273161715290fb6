// The desktop's commands beside the adjustment: " Archivo " › "Exportar
// resultados..." and "Exportar proyecto...", " Revisar " › "Comprobar la red"
// and "Buscar errores groseros", whose ranking is shown in a table.
#pragma once

#include <QDialog>

#include "adjust/blunder_command.h"
#include "model/network_state.h"
#include "ui/interaction.h"

class QMainWindow;

namespace ombrel {

// The ranking of the blunder finder, one row per observation in the order
// of the drop of v^t P v (largest first).
class BlunderTableDialog : public QDialog {
  Q_OBJECT

 public:
  BlunderTableDialog(const BlunderReport& report, QWidget* parent = nullptr);
};

// Adds the four menu items to the window's menus "fileMenu" (before the
// separator of "quitAction") and "reviewMenu", each running its command
// through RunGuarded on the window's state.
void AddResultsTools(QMainWindow& window, NetworkState& state, Interaction& ui);

}  // namespace ombrel
