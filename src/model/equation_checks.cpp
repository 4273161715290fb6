#include "model/equation_checks.h"

#include <string>

namespace ombrel {
namespace {

bool Refuse(NetworkState& state, Interaction& ui, const std::string& text) {
  ui.Beep();
  ui.MessageBox(text, Buttons::Ok, Icon::Information);
  state.Abandon = true;
  return false;
}

bool IsZeroRow(const Matrix& a, int row, int cols) {
  for (int c = 1; c <= cols; ++c)
    if (a(row, c) != 0.0) return false;
  return true;
}

}  // namespace

bool CheckZeroRows(NetworkState& state, Interaction& ui, int rows, int cols) {
  for (int i = 1; i <= rows; ++i) {
    if (IsZeroRow(state.A, i, cols))
      return Refuse(state, ui,
                    "¡ Existe un problema en la matriz A importada !\r\n\r\n"
                    "Se ha intentado formar una ecuación entre puntos fijos.\r\n"
                    "Hay una fila de ceros: Fila " +
                        std::to_string(i));
  }
  return true;
}

bool CheckWeights(NetworkState& state, Interaction& ui, int rows) {
  for (int i = 1; i <= rows; ++i) {
    if (state.P(i, i) <= 0.0)
      return Refuse(state, ui,
                    "¡ Existe un problema con los pesos !\r\n\r\n"
                    "Hay un peso negativo o nulo: Fila " +
                        std::to_string(i));
  }
  return true;
}

}  // namespace ombrel
