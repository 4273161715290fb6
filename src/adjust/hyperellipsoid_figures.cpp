#include "adjust/hyperellipsoid_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "adjust/adjustment_sections.h"
#include "adjust/hyperellipsoid_methods.h"
#include "adjust/row_products.h"
#include "adjust/singular_value_review.h"
#include "adjust/twin_listing.h"
#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "numeric/checked.h"
#include "numeric/jacobi.h"
#include "ui/prompt_text.h"

namespace ombrel {

const char* const kFigureFailure =
    "¡ Se ha producido un error en la formación de figuras de error !\r\n\r\n"
    "Quizá se haya introducido la incógnita de escala en este\r\n"
    "proceso, que no la admite.";

namespace {

constexpr double kKeptEigenvalue = 1e-4;

// How far from zero an eigenvalue of N may lie and still be a zero of N
// (the datum defect of a free network) that rounding has moved: a small
// multiple of m eps |N|, |N| being the largest |eigenvalue|, which is what
// the rotations leave on each eigenvalue (the defect's zeros come out
// within 0.1 m eps |N| on the free networks tried). A bound far above
// rounding would take for zeros the small but real eigenvalues of a
// network whose eigenvalues span more than 1e10, as long sides with the
// scale unknown give.
double ZeroTolerance(const Vector& values, int m) {
  double largest = 0.0;
  for (int i = 1; i <= m; ++i) largest = std::max(largest, std::fabs(values(i)));
  return 8.0 * m * std::numeric_limits<double>::epsilon() * largest;
}

// A rounding-level negative eigenvalue is shown (and rooted) as positive.
double Shown(double lambda, double zero) {
  return lambda < 0.0 && -lambda < zero ? -lambda : lambda;
}

void Refuse(Interaction& ui, const char* text) {
  ui.Beep();
  ui.MessageBox(text, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

void WriteAbandon(TwinListing& out) {
  out.BothBlank();
  out.Both("    --> CALCULO DE LAS ELIPSES DE ERROR ABANDONADO PREMATURAMENTE ");
  out.BothBlank();
}

// Asks with the busy pointer cleared, as the person must see the prompt.
std::string Ask(Interaction& ui, const std::string& prompt, const std::string& defaultText) {
  ui.SetBusy(false);
  const std::string answer = ui.InputBox(prompt, kAppTitle, defaultText);
  ui.SetBusy(true);
  return answer;
}

// The number of eigenvalues to keep, 1..m; "" when cancelled.
std::string AskKept(Interaction& ui, const Vector& values, int m) {
  std::string prompt = "\r\nIndique el numero VALORES PROPIOS a conservar : \r\n\r\n";
  for (int i = 1; i <= m; ++i) prompt += FormatNumber(values(i), 8, 18) + "\r\n";
  for (;;) {
    const std::string answer = Ask(ui, prompt, "1");
    if (answer.empty()) return answer;
    if (answer[0] >= '1' && IsTypedWholeNumber(answer) && NumericValue(answer) <= m) return answer;
    Refuse(ui, "¡ Número no válido !");
  }
}

std::string AskFactor(Interaction& ui) {
  for (;;) {
    const std::string answer =
        Ask(ui, "\r\n\r\nFactor homotecia para el hiperelipsoide homotético : ", "1");
    if (answer.empty() || (IsTypedNumber(answer) && NumericValue(answer) >= 0.0)) return answer;
    Refuse(ui, "¡ Algún carácter no es válido !");
  }
}

void WriteDecomposition(TwinListing& out, const EigenResult& eigen, int m, double zero) {
  const Matrix& v = eigen.vectors;
  out.FullBlank();
  out.Full("    MATRIZ DE AUTOVECTORES  V ");
  out.FullBlank();
  for (int i = 1; i <= m; ++i) {
    std::string row;
    for (int j = 1; j <= m; ++j) row += FormatNumber(v(i, j), 6, 8);
    out.Full(row);
  }
  out.FullBlank();
  out.Full("    DIAGONAL DE LA MATRIZ DE AUTOVALORES ");
  out.FullBlank();
  for (int i = 1; i <= m; ++i) out.Full(FormatNumber(Shown(eigen.values(i), zero), 12, 18) + " ");
  out.FullBlank();
  out.Full("    Numero de iteraciones : " + std::to_string(eigen.sweeps));
  out.Full("    SUMA terminos 'nulos' : " + PlainNumberText(eigen.offDiagonalSum));
}

void WriteRoots(TwinListing& out, HyperellipsoidFigureSet& figures, const Vector& values, int m,
                double zero) {
  out.BothBlank();
  out.Both("    VECTOR DE RAICES CUADRADAS DE AUTOVALORES ");
  out.BothBlank();
  figures.InvSqrtEigen.Redim(m, m);
  for (int j = 1; j <= m; ++j) {
    const double lambda = values(j);
    out.Both(FormatNumber(Sqrt(Shown(lambda, zero)), 12, 18) + " ");
    if (lambda >= kKeptEigenvalue) figures.InvSqrtEigen(j, j) = Div(1.0, Sqrt(lambda));
  }
}

void WriteAxes(TwinListing& out, const Vector& values, int k, double c, double zero) {
  out.BothBlank();
  out.Both("    EJES DEL HIPERELIPSOIDE STANDARD Y HOMOTETICO ");
  out.BothBlank();
  out.Both("    --->  Factor de homotecia para el HH :  " + GeneralText(c));
  out.BothBlank();
  out.Both("    Hiperelipsoide Standard      Hiperelipsoide Homotetico ");
  out.Both("    -----------------------      ------------------------- ");
  for (int p = 1; p <= k; ++p) {
    // A kept zero of N, whatever sign rounding gave it, has no finite axis.
    const double lambda = values(p);
    const double axis = Div(1.0, std::fabs(lambda) < zero ? 0.0 : Sqrt(lambda));
    out.Both("    " + FormatNumber(axis, 4, 8) + "  metros" + "         " +
             FormatNumber(Mul(c, axis), 4, 8) + "  metros");
  }
}

// SemiAxisVectors = V InvSqrtEigen over the first m' rows and columns.
void FormSemiAxisVectors(HyperellipsoidFigureSet& figures, const Matrix& v, int coordinates) {
  figures.SemiAxisVectors.Redim(coordinates, coordinates);
  for (int i = 1; i <= coordinates; ++i)
    for (int p = 1; p <= coordinates; ++p)
      figures.SemiAxisVectors(i, p) = Mul(v(i, p), figures.InvSqrtEigen(p, p));
}

void Figures(const NetworkState& s, Interaction& ui, TwinListing& out,
             HyperellipsoidFigureSet& figures) {
  const int m = s.ProjectUnknowns();
  const int coordinates = 2 * (s.Network.NumPoints - s.Network.NumFixed);
  figures.Unknowns = coordinates;
  out.BothBlank(4);
  out.Both(StarLine() + " ");
  out.Both("    ************  DESCOMPOSICION DE LA MATRIZ ( At P A )  ************ ");
  out.Both(StarLine() + " ");
  out.BothBlank();

  const Matrix n =
      FormNormalEquations(s.Equations, {s.Network.NumObs + s.Equations.NumCondEq, m}).normal;
  out.FullBlank();
  out.Full("    MATRIZ  ( At P A ) ");
  out.FullBlank();
  for (int i = 1; i <= m; ++i) {
    std::string row;
    for (int j = 1; j <= m; ++j) row += FormatNumber(n(i, j), 8, 6);
    out.Full(row);
  }
  out.FullBlank();
  out.Full("    BUSQUEDA DE LOS VALORES PROPIOS DE LA MATRIZ  ( At P A ) ");
  out.FullBlank();
  out.Full("      ( At P A )  =   Vt  D  V ");
  out.Full("      D  =   matriz diagonal de VALORES PROPIOS ");
  out.Full("      V  =   matriz ortogonal cuyas columnas son los autovectores ");

  const EigenResult eigen = Jacobi(n, m);
  const Matrix& v = eigen.vectors;
  const double zero = ZeroTolerance(eigen.values, m);
  WriteDecomposition(out, eigen, m, zero);

  const std::string kept = AskKept(ui, eigen.values, m);
  if (kept.empty()) return WriteAbandon(out);
  const int k = ToInteger(NumericValue(kept));
  const int defect = m - k;
  out.Both("    Numero VALORES PROPIOS conservados :  " + kept);
  out.Both("    El  defecto de rango de la red  es : " + FigureLabel(defect));
  WriteRoots(out, figures, eigen.values, m, zero);

  const std::string factor = AskFactor(ui);
  if (factor.empty()) return WriteAbandon(out);
  const double c = NumericValue(factor);
  WriteAxes(out, eigen.values, k, c, zero);

  WriteSections(out, figures, n, ui);
  figures.SectionsDone = true;
  WriteRosettes(out, s, figures, n, c, ui);
  figures.RosettesDone = true;
  FormSemiAxisVectors(figures, v, coordinates);
  figures.AxisProjSemiAxes = coordinates - defect;
  WriteAxisProjections(out, figures, ui);
  figures.AxisProjDone = true;
  out.BothBlank();
}

}  // namespace

FigureRun HyperellipsoidFigures(const NetworkState& s, Interaction& ui) {
  FigureRun run;
  try {
    TwinListing out(s.ListingFileName, SecondReportPath(s.ListingFileName), s.Options.FullOutput);
    Figures(s, ui, out, run.figures);
    out.Close();
  } catch (const RunTimeError&) {
    ui.SetBusy(true);
    ui.MessageBox(kFigureFailure, Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
    run.failed = true;
  }
  return run;
}

}  // namespace ombrel
