#include "adjust/hyperellipsoid_methods.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "adjust/hyperellipsoid_axis_ellipse.h"
#include "adjust/plane_figures.h"
#include "listing/ellipse_columns.h"
#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "model/angle_units.h"
#include "numeric/checked.h"
#include "numeric/jacobi.h"
#include "ui/progress_meter.h"

namespace ombrel {

namespace {

constexpr double kRadianPerGon = kPi / kGonPerHalfCircle;
const std::string kAxisColumns =
    "    Nro Eje   Semieje mayor  Acimut semieje    Semieje menor  Acimut semieje ";

// The four numbers of a table row, after its labels, appended to line.
void AppendAxes(std::string& line, const PlaneFigure& f) {
  line += "     ";
  AppendEllipseColumns(line, f.semiMajor, f.azimuthMajor, f.semiMinor, f.azimuthMinor);
}

std::string Axes(const PlaneFigure& f) {
  std::string text;
  AppendAxes(text, f);
  return text;
}

std::string PairLine(const std::string& head, int i, int j, const std::string& tail) {
  return head + FigureLabel(i) + "  -" + FigureLabel(j) + tail;
}

void Head(TwinListing& out, const std::string& title) {
  out.BothBlank(4);
  out.Both(StarLine() + " ");
  out.Both(title);
  out.Both(StarLine() + " ");
}

// A section writes some twenty lines to the second file, a projected
// ellipse one or two: a report every few hundred kilobytes, cheap beside
// the writing.
constexpr std::uint64_t kSectionStride = 256;
constexpr std::uint64_t kEllipseStride = 1024;

ProgressMeter EllipseMeter(Interaction& ui, const TwinListing& out, const char* method,
                           std::uint64_t total, std::uint64_t stride) {
  return ProgressMeter(ui, method, "elipses", total, stride, [&out] { return out.BytesWritten(); });
}

std::uint64_t PairCount(int count) {
  return count < 2 ? 0 : static_cast<std::uint64_t>(count) * (count - 1) / 2;
}

// Azimuth (gon) of an axis from its eigenvector components along i and j.
double EigenvectorAzimuth(double ei, double ej) {
  double angle =
      ej == 0.0 ? kGonPerQuarterCircle : std::atan(Div(ei, ej)) * kGonPerHalfCircle / kPi;
  if (angle < 0.0) angle += kGonPerHalfCircle;
  return angle;
}

PlaneFigure Section(TwinListing& out, const Matrix& n, int i, int j) {
  out.SecondBlank(2);
  out.Second(StarLine() + " ");
  out.Second(PairLine("    **********************  VARIABLES", i, j, "  ********************** "));
  out.Second(StarLine() + " ");
  out.SecondBlank(2);
  out.Second("    DATOS DE Sij ");
  out.SecondBlank();
  out.Second("    Sii = " + FormatNumber(n(i, i), 6, 8));
  out.Second("    Sjj = " + FormatNumber(n(j, j), 6, 8));
  out.Second("    Sij = " + FormatNumber(n(i, j), 6, 8));
  Matrix block(2, 2);
  block(1, 1) = n(i, i);
  block(1, 2) = block(2, 1) = n(i, j);
  block(2, 2) = n(j, j);
  const EigenResult eigen = Jacobi(block, 2);
  const double l1 = eigen.values(1), l2 = eigen.values(2);
  const Matrix& e = eigen.vectors;
  out.Second("    MATRIZ DIAGONALIZADA AUTOVALORES       MATRIZ  DE  AUTOVECTORES ");
  out.Second(FormatNumber(l1, 7, 8) + " " + FormatNumber(0.0, 7, 8) + " " + "       " +
             FormatNumber(e(1, 1), 3, 8) + " " + FormatNumber(e(1, 2), 3, 8) + " ");
  out.Second(FormatNumber(0.0, 7, 8) + " " + FormatNumber(l2, 7, 8) + " " + "       " +
             FormatNumber(e(2, 1), 3, 8) + " " + FormatNumber(e(2, 2), 3, 8) + " ");
  out.Second("    Numero de iteraciones : " + std::to_string(eigen.sweeps));
  out.Second("    SUMA terminos 'nulos' : " + GeneralText(eigen.offDiagonalSum).substr(1));
  out.Second("    RAIZ CUADRADA AUTOVALOR i  =" + FormatNumber(Sqrt(l1), 6, 8));
  out.Second("    RAIZ CUADRADA AUTOVALOR j  =" + FormatNumber(Sqrt(l2), 6, 8));
  const bool secondMajor = Sqrt(l2) < Sqrt(l1);
  const int major = secondMajor ? 2 : 1, minor = secondMajor ? 1 : 2;
  PlaneFigure f;
  f.semiMajor = Div(1.0, Sqrt(secondMajor ? l2 : l1));
  f.semiMinor = Div(1.0, Sqrt(secondMajor ? l1 : l2));
  f.azimuthMajor = EigenvectorAzimuth(e(1, major), e(2, major));
  f.azimuthMinor = EigenvectorAzimuth(e(1, minor), e(2, minor));
  out.Second("    Semieje mayor =" + FormatNumber(f.semiMajor, 3, 4) + " mts " +
             "   Azimut del eje mayor =" + FormatNumber(f.azimuthMajor, 5, 4) + " gra ");
  out.Second("    Semieje menor =" + FormatNumber(f.semiMinor, 3, 4) + " mts " +
             "   Azimut del eje menor =" + FormatNumber(f.azimuthMinor, 5, 4) + " gra ");
  out.SecondBlank();
  return f;
}

void WriteSectionTable(TwinListing& out, const std::vector<std::string>& rows) {
  const char* heading = "    ELIPSES DE ERROR   CUADRO DE RESULTADOS EN HIPERELIPSOIDE STANDARD ";
  const char* columns =
      "   Variables  Semieje mayor  Acimut semieje    Semieje menor  Acimut semieje ";
  out.ListingBlank();
  out.Listing(heading);
  out.ListingBlank();
  out.Listing(columns);
  out.ListingBlank();
  out.SecondBlank(2);
  out.Second(StarLine() + " ");
  out.Second("    ****************  CUADRO Y RESUMEN DE RESULTADOS  **************** ");
  out.Second(StarLine() + " ");
  out.SecondBlank(2);
  out.SecondBlank();
  out.Second(heading);
  out.SecondBlank();
  out.Second(columns);
  out.SecondBlank();
  for (const std::string& row : rows) out.Both(row);
}

// Coefficients of the projection onto (i, j) of the section by (i, j, q).
struct Projection {
  double cii, cjj, twoCij;
};

Projection Project(const Matrix& n, int i, int j, int q, double c) {
  const double sqq = n(q, q);
  const double scale = Mul(sqq, Mul(c, c));
  return {Div(Sub(Mul(n(i, i), sqq), Mul(n(i, q), n(i, q))), scale),
          Div(Sub(Mul(n(j, j), sqq), Mul(n(j, q), n(j, q))), scale),
          Div(Mul(2.0, Sub(Mul(n(i, j), sqq), Mul(n(i, q), n(j, q)))), scale)};
}

// The figures of one pair through every third unknown, stored and written.
void Rosette(TwinListing& out, HyperellipsoidFigureSet& figures, const Matrix& n, int i, int j,
             double c, const std::string& listingTitle, const std::string& secondTitle,
             ProgressMeter& meter) {
  const int count = figures.Unknowns;
  const int row = FigurePairIndex(i, j, count);
  out.ListingBlank(2);
  out.Listing(listingTitle);
  out.ListingBlank();
  out.Listing(kAxisColumns);
  out.ListingBlank();
  out.SecondBlank(3);
  out.Second(StarLine() + " ");
  out.Second(secondTitle);
  out.Second(StarLine() + " ");
  out.SecondBlank(2);
  out.Second("    ELIPSE    cii Xi Xi  +  cjj Xj Xj  +  2cij Xi Xj  =  1 ");
  out.SecondBlank();
  out.Second(
      "     i  j  m      Sii         Sjj         Sij         Sim         Sjm         Smm        "
      "cii        cjj       2cij ");
  out.SecondBlank();
  std::vector<std::string> rows;
  const std::string pair = "   " + FigureLabel(i) + FigureLabel(j);
  std::string line;
  for (int q = 1; q <= count; ++q) {
    if (q == i || q == j) continue;
    const Projection p = Project(n, i, j, q, c);
    line = pair + FigureLabel(q);
    for (const double value : {n(i, i), n(j, j), n(i, j), n(i, q), n(j, q), n(q, q)})
      AppendNumber(line, value, 6, 5);
    for (const double value : {p.cii, p.cjj, p.twoCij}) AppendNumber(line, value, 4, 6);
    out.Second(line);
    const PlaneFigure f = ProjectedFigure(p.cii, p.cjj, p.twoCij);
    figures.RosetteSemiMajor(row, q) = Div(f.semiMajor, c);
    figures.RosetteSemiMinor(row, q) = Div(f.semiMinor, c);
    figures.RosetteAzimuth(row, q) = f.azimuthMajor * kRadianPerGon;
    rows.push_back("      " + FigureLabel(q) + Axes(f));
    meter.Advance();
  }
  out.SecondBlank();
  out.Second(kAxisColumns);
  out.SecondBlank();
  for (const std::string& line : rows) out.Both(line);
}

}  // namespace

std::string FigureLabel(int number) {
  return RightAlignedNumberLabel(number);
}

void WriteSections(TwinListing& out, HyperellipsoidFigureSet& figures, const Matrix& n,
                   Interaction& ui) {
  const int count = figures.Unknowns;
  ProgressMeter meter = EllipseMeter(ui, out, "Método de las secciones del hiperelipsoide",
                                     PairCount(count), kSectionStride);
  Head(out, "    ********  1.- METODO DE LAS SECCIONES DEL HIPERELIPSOIDE  ******** ");
  out.BothBlank();
  figures.SectionSemiMajor.Redim(count, count);
  figures.SectionSemiMinor.Redim(count, count);
  figures.SectionAzimuth.Redim(count, count);
  std::vector<std::string> rows;
  for (int i = 1; i < count; ++i)
    for (int j = i + 1; j <= count; ++j) {
      const PlaneFigure f = Section(out, n, i, j);
      figures.SectionSemiMajor(i, j) = f.semiMajor;
      figures.SectionSemiMinor(i, j) = f.semiMinor;
      figures.SectionAzimuth(i, j) = f.azimuthMajor * kRadianPerGon;
      const std::string head =
          j == i + 1 ? "  " + FigureLabel(i) + " " + FigureLabel(j) : "      " + FigureLabel(j);
      rows.push_back(head + Axes(f));
      meter.Advance();
    }
  WriteSectionTable(out, rows);
}

void WriteRosettes(TwinListing& out, const NetworkState& s, HyperellipsoidFigureSet& figures,
                   const Matrix& n, double c, Interaction& ui) {
  const int count = figures.Unknowns;
  ProgressMeter meter = EllipseMeter(
      ui, out, "Método de las proyecciones del hiperelipsoide",
      PairCount(count) * static_cast<std::uint64_t>(std::max(count - 2, 0)), kEllipseStride);
  Head(out, "    ******  2.- METODO DE LAS PROYECCIONES DEL HIPERELIPSOIDE  ******* ");
  out.BothBlank(2);
  out.Both("    ROSETAS DE ERROR CON FACTOR HOMOTECIA =" + GeneralText(c));
  const int pairs = count * (count - 1) / 2;
  figures.RosetteSemiMajor.Redim(pairs, count);
  figures.RosetteSemiMinor.Redim(pairs, count);
  figures.RosetteAzimuth.Redim(pairs, count);
  for (int p = 1; p <= s.Network.NumPoints; ++p) {
    const int k = s.Network.VariableIndex(p);
    if (k == 0) continue;
    const std::string label = FigureLabel(s.Network.PointNumber(p));
    Rosette(out, figures, n, 2 * k - 1, 2 * k, c,
            "    ROSETA CON SIMETRIA CENTRAL DEL VERTICE NUMERO" + label,
            "    *******  ROSETA CON SIMETRIA CENTRAL DEL VERTICE NUMERO" + label + "  ****** ",
            meter);
  }
  for (int i = 1; i < count; ++i)
    for (int j = i + 1; j <= count; ++j) {
      if (i % 2 == 1 && j == i + 1) continue;  // a vertex, written above
      Rosette(out, figures, n, i, j, c,
              PairLine("    ROSETA CON SIMETRIA CENTRAL DE LAS VARIABLES", i, j, ""),
              PairLine("    *****  ROSETA CON SIMETRIA CENTRAL DE LAS VARIABLES", i, j, "  **** "),
              meter);
    }
}

void WriteAxisProjections(TwinListing& out, HyperellipsoidFigureSet& figures, Interaction& ui) {
  const int count = figures.Unknowns;
  const std::string stars = "    " + std::string(60, '*') + " ";
  out.BothBlank(4);
  out.Both(stars);
  out.Both("    *****  3.- METODO DE LAS PROYECCIONES DE LOS SEMIEJES  ***** ");
  out.Both(stars);
  out.BothBlank();
  const int kept = figures.AxisProjSemiAxes;
  figures.AxisProjCount = kept * (kept - 1) / 2;
  std::string line;  // one line at a time, its storage kept
  // Each pair's table numbers its ellipses 1, 2, ...: the heads of its lines.
  std::vector<std::string> heads(static_cast<std::size_t>(figures.AxisProjCount) + 1);
  for (int t = 1; t <= figures.AxisProjCount; ++t)
    heads[static_cast<std::size_t>(t)] = "      " + FigureLabel(t);
  ProgressMeter meter = EllipseMeter(
      ui, out, "Método de las proyecciones de los semiejes",
      PairCount(count) * static_cast<std::uint64_t>(std::max(figures.AxisProjCount, 0)),
      kEllipseStride);
  for (int i = 1; i < count; ++i)
    for (int j = i + 1; j <= count; ++j) {
      out.BothBlank(2);
      out.Both("    ROSETA CON SIMETRIA CENTRAL DE LAS VARIABLES" + GeneralText(i) + "  -" +
               GeneralText(j));
      out.BothBlank();
      out.Both(kAxisColumns);
      out.BothBlank();
      const Matrix& u = figures.SemiAxisVectors;
      int t = 0;
      for (int p = 1; p < kept; ++p)
        for (int q = p + 1; q <= kept; ++q) {
          const PlaneFigure f = AxisPairEllipse(u(i, p), u(j, p), u(i, q), u(j, q));
          line = heads[static_cast<std::size_t>(++t)];
          AppendAxes(line, f);
          out.Both(line);
          meter.Advance();
        }
    }
}

}  // namespace ombrel
