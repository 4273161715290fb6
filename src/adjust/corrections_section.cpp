#include "adjust/corrections_section.h"

#include <algorithm>
#include <string>
#include <vector>

#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "model/angle_units.h"
#include "numeric/checked.h"

namespace ombrel {

namespace {

// The point of each variable index 1..count.
std::vector<int> PointsByVariableIndex(const NetworkState& state, int count) {
  std::vector<int> points(static_cast<std::size_t>(count) + 1, 0);
  for (int p = 1; p <= state.Network.NumPoints; ++p) {
    const int k = state.Network.VariableIndex(p);
    if (k >= 1 && k <= count) points[static_cast<std::size_t>(k)] = p;
  }
  return points;
}

std::string CorrectionText(double correction, int decimals) {
  return " " + FormatNumber(correction, 8, decimals);
}

// Corrections of fewer than six decimals are padded to the width of six.
std::string Padding(int decimals) {
  return std::string(static_cast<std::size_t>(std::max(0, 6 - decimals)), ' ');
}

std::string CoordinateLine(char axis, int pointNumber, double approximate, double correction,
                           int decimals) {
  return CorrectionText(correction, decimals) + Padding(decimals) + "       " + axis + "(" +
         LeftAlignedNumberLabel(pointNumber) + " ) " +
         FormatNumber(Add(approximate, correction), 6, decimals);
}

void WriteWithCoordinates(ListingWriter& out, const NetworkState& state, const Vector& x,
                          int variablePoints) {
  WriteHeading(out, "    CORRECCIONES A LAS VARIABLES Y VARIABLES COMPENSADAS ");
  out.Line("      Correcciones     Variables compensadas ");
  out.Line("      ------------     --------------------- ");
  const std::vector<int> points = PointsByVariableIndex(state, variablePoints);
  const int decimals = state.Options.OutputDecimals;
  for (int k = 1; k <= variablePoints; ++k) {
    const int p = points[static_cast<std::size_t>(k)];
    const int number = state.Network.PointNumber(p);
    out.Line(CoordinateLine('X', number, state.Network.PointX(p), x(2 * k - 1), decimals));
    out.Line(CoordinateLine('Y', number, state.Network.PointY(p), x(2 * k), decimals));
  }
}

void WriteCorrectionsOnly(ListingWriter& out, const NetworkState& state, const Vector& x,
                          int variablePoints) {
  WriteHeading(out, "    CORRECCIONES A LAS VARIABLES ");
  out.Line("      Correcciones ");
  out.Line("      ------------ ");
  for (int i = 1; i <= 2 * variablePoints; ++i)
    out.Line(CorrectionText(x(i), state.Options.OutputDecimals) + "       ");
}

void WriteScaleFactor(ListingWriter& out, double scale) {
  out.Line(" " + FormatNumber(scale, 8, 6) +
           "  -->  factor =  " + FormatNumber(Mul(scale, kPartsPerMillion), 4, 2) + " ppm");
}

}  // namespace

void WriteCorrections(ListingWriter& out, const NetworkState& state, const Vector& x,
                      bool withScaleLine) {
  const int variablePoints = state.Network.NumPoints - state.Network.NumFixed;
  if (!state.Import.MatrixInput || state.Import.ApproxCoordsGiven)
    WriteWithCoordinates(out, state, x, variablePoints);
  else
    WriteCorrectionsOnly(out, state, x, variablePoints);
  if (withScaleLine && state.Equations.ScaleUnknown == 1)
    WriteScaleFactor(out, x(state.ProjectUnknowns()));
}

}  // namespace ombrel
