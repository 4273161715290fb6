#include "model/equation_checks.h"

#include <string>
#include <utility>

namespace ombrel {
namespace {

Failure Refusal(const std::string& text) {
  return Failure{text, Icon::Information, true};
}

std::string VerticesFault(const SurveyNetwork& network, int i, const std::string& detail) {
  return "¡ Existe un problema con los vértices de las observaciones !\r\n\r\nLa ecuación " +
         std::to_string(network.ObservationNumber(i)) + " " + detail;
}

}  // namespace

bool IsZeroRow(const Matrix& a, int row, int cols) {
  for (int c = 1; c <= cols; ++c)
    if (a(row, c) != 0.0) return false;
  return true;
}

std::optional<Failure> CheckObservationPoints(const SurveyNetwork& network, int i,
                                              const ObservationPoints& p) {
  const int points[] = {0, p.back, p.station, p.fore};  // by entry of ObsPoints
  const std::pair<int, int> pairs[] = {{1, 2}, {2, 3}, {1, 3}};
  for (const auto& [e1, e2] : pairs) {
    if (e1 == 1 && p.back == 0) continue;  // a distance has no back-sight
    const int a = points[e1], b = points[e2];
    const std::string vertex = std::to_string(network.ObsPoints(e1, i));
    if (a == b)
      return Refusal(VerticesFault(network, i, "cita dos veces el vértice " + vertex + "."));
    if (network.PointX(a) == network.PointX(b) && network.PointY(a) == network.PointY(b))
      return Refusal(VerticesFault(network, i,
                                   "une los vértices " + vertex + " y " +
                                       std::to_string(network.ObsPoints(e2, i)) +
                                       ", que tienen las mismas coordenadas aproximadas."));
  }
  return std::nullopt;
}

std::optional<Failure> CheckZeroRows(const Matrix& a, int rows, int cols) {
  for (int i = 1; i <= rows; ++i) {
    if (IsZeroRow(a, i, cols))
      return Refusal(
          "¡ Existe un problema en la matriz A importada !\r\n\r\n"
          "Se ha intentado formar una ecuación entre puntos fijos.\r\n"
          "Hay una fila de ceros: Fila " +
          std::to_string(i));
  }
  return std::nullopt;
}

std::optional<Failure> CheckWeights(const Matrix& p, int rows) {
  for (int i = 1; i <= rows; ++i) {
    if (p(i, i) <= 0.0)
      return Refusal(
          "¡ Existe un problema con los pesos !\r\n\r\n"
          "Hay un peso negativo o nulo: Fila " +
          std::to_string(i));
  }
  return std::nullopt;
}

}  // namespace ombrel
