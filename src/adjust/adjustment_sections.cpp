#include "adjust/adjustment_sections.h"

#include "adjust/row_products.h"
#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "numeric/checked.h"

namespace ombrel {

namespace {

void WriteResiduals(ListingWriter& out, const NetworkState& s, const Vector& residuals, int m,
                    const SectionTexts& texts) {
  WriteHeading(out, "    RESIDUOS PONDERADOS Y RESIDUOS SIN PONDERAR ");
  out.Line(texts.residualColumns);
  out.Line(texts.residualDashes);
  for (int i = 1; i <= m; ++i) {
    const double v = residuals(i);
    out.Line(" " + FormatNumber(Mul(Sqrt(s.Equations.P(i, i)), v), 8, 6) + "      " +
             FormatNumber(v, 8, 6));
  }
}

// Qvv = P^-1 - A Qxx A^t, with P^-1 the inverse of P's diagonal.
Matrix ResidualCofactors(const NetworkState& s, const Matrix& qxx, SystemSizes n) {
  Matrix aq;
  Multiply(s.Equations.A, qxx, n.m, n.u, n.u, aq);
  Matrix aqat;
  MultiplyByTranspose(aq, s.Equations.A, n.m, n.u, n.m, aqat);
  Matrix qvv(n.m, n.m);
  for (int i = 1; i <= n.m; ++i)
    for (int j = 1; j <= n.m; ++j)
      qvv(i, j) = i == j ? Sub(Div(1.0, s.Equations.P(i, i)), aqat(i, i)) : -aqat(i, j);
  return qvv;
}

// QAdjusted = P^-1 - Qvv, with the same diagonal P^-1.
Matrix AdjustedCofactors(const NetworkState& s, const Matrix& qvv, int m) {
  Matrix adjusted(m, m);
  for (int i = 1; i <= m; ++i)
    for (int j = 1; j <= m; ++j)
      adjusted(i, j) = i == j ? Sub(Div(1.0, s.Equations.P(i, i)), qvv(i, i)) : -qvv(i, j);
  return adjusted;
}

// b = (Qxx N - I) x: how far rounding in the inverse (or, for a free
// network, the datum) moves the solution.
Vector ResidualBias(const AdjustmentSolution& solution, int u) {
  Matrix bias;
  Multiply(solution.Qxx, solution.NormalMatrix, u, u, u, bias);
  for (int i = 1; i <= u; ++i) bias(i, i) = Sub(bias(i, i), 1.0);
  Vector b;
  MultiplyVector(bias, solution.Corrections, u, u, b);
  return b;
}

void WriteScaledSection(ListingWriter& out, const std::string& heading, const Matrix& m, int size,
                        double sigma0Sq) {
  WriteHeading(out, heading);
  WriteMatrix(out, Scaled(m, size, size, sigma0Sq), size, size, 6, 8);
}

}  // namespace

SectionTexts ConstrainedSectionTexts() {
  return {"       Ponderados          Sin ponderar ", "       ----------          ------------ ",
          "    Estimador varianza observable peso unidad ="};
}

SectionTexts FreeNetworkSectionTexts() {
  return {"       Ponderados         Sin ponderar ", "       ----------         ------------ ",
          "    Estimador varianza  observable peso unidad ="};
}

NormalEquations FormNormalEquations(const EquationSystem& e, SystemSizes n) {
  Matrix at;
  Transpose(e.A, n.m, n.u, at);
  NormalEquations equations;
  Multiply(at, e.P, n.u, n.m, n.m, equations.atp);
  Multiply(equations.atp, e.A, n.u, n.m, n.u, equations.normal);
  return equations;
}

Matrix Scaled(const Matrix& m, int rows, int cols, double factor) {
  Matrix scaled(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) scaled(i, j) = Mul(factor, m(i, j));
  return scaled;
}

namespace {

Vector ComputeAndWriteResiduals(ListingWriter& out, const NetworkState& s, const Vector& x,
                                SystemSizes n, const SectionTexts& texts) {
  Vector residuals;
  MultiplyVector(s.Equations.A, x, n.m, n.u, residuals);
  for (int i = 1; i <= n.m; ++i) residuals(i) = Sub(residuals(i), s.Equations.K(i));
  WriteResiduals(out, s, residuals, n.m, texts);
  return residuals;
}

double ComputeAndWriteVariance(ListingWriter& out, const NetworkState& s, const Vector& residuals,
                               int m, int degreesOfFreedom, const SectionTexts& texts) {
  Vector vtP;
  VectorTimesMatrix(residuals, s.Equations.P, m, m, vtP);
  const double sigma0Sq = Div(Dot(vtP, residuals, m), degreesOfFreedom);
  out.BlankLine();
  out.Line("    Numero de grados de libertad   r =  " + std::to_string(degreesOfFreedom));
  out.BlankLine();
  out.Line(texts.varianceLabel + FormatNumber(sigma0Sq, 6, 8));
  out.Line("    Estimador desviacion tipica" + FormatNumber(Sqrt(sigma0Sq), 4, 6));
  out.BlankLine();
  return sigma0Sq;
}

void WriteClosingSections(ListingWriter& out, const NetworkState& s, SystemSizes n,
                          AdjustmentSolution& solution) {
  const bool full = s.Options.FullOutput;
  out.BlankLine();
  out.Line("    MATRIZ VARIANZA-COVARIANZA VARIABLES O PARAMETROS CORREGIDOS ");
  out.BlankLine();
  WriteMatrix(out, Scaled(solution.Qxx, n.u, n.u, solution.Sigma0Sq), n.u, n.u, 6, 8);

  solution.Qvv = ResidualCofactors(s, solution.Qxx, n);
  if (full)
    WriteScaledSection(out, "    MATRIZ VARIANZA-COVARIANZA A POSTERIORI DE LOS RESIDUOS ",
                       solution.Qvv, n.m, solution.Sigma0Sq);
  solution.QAdjusted = AdjustedCofactors(s, solution.Qvv, n.m);
  if (full)
    WriteScaledSection(out,
                       "    MATRIZ VARIANZA-COVARIANZA A POSTERIORI DE LOS OBSERVABLES "
                       "CORREGIDOS ",
                       solution.QAdjusted, n.m, solution.Sigma0Sq);

  const Vector bias = ResidualBias(solution, n.u);
  if (full) {
    WriteHeading(out, "    SESGO RESIDUAL ");
    WriteVector(out, bias, n.u, 6, 27);
  }
}

}  // namespace

AdjustmentSolution CompleteSolution(ListingWriter& out, const NetworkState& s, SystemSizes n,
                                    AdjustmentSolution solution, int degreesOfFreedom,
                                    const SectionTexts& texts) {
  solution.Residuals = ComputeAndWriteResiduals(out, s, solution.Corrections, n, texts);
  solution.DegreesOfFreedom = degreesOfFreedom;
  solution.Sigma0Sq =
      ComputeAndWriteVariance(out, s, solution.Residuals, n.m, degreesOfFreedom, texts);
  WriteClosingSections(out, s, n, solution);
  return solution;
}

}  // namespace ombrel
