#include "adjust/adjustment_sections.h"

#include "adjust/row_products.h"
#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "numeric/checked.h"

namespace ombrel {

namespace {

void WriteResiduals(ListingWriter& out, const NetworkState& s, int m, const SectionTexts& texts) {
  WriteHeading(out, "    RESIDUOS PONDERADOS Y RESIDUOS SIN PONDERAR ");
  out.Line(texts.residualColumns);
  out.Line(texts.residualDashes);
  for (int i = 1; i <= m; ++i) {
    const double v = s.Residuals(i);
    out.Line(" " + FormatNumber(Mul(Sqrt(s.P(i, i)), v), 8, 6) + "      " + FormatNumber(v, 8, 6));
  }
}

// Qvv = P^-1 - A Qxx A^t, with P^-1 the inverse of P's diagonal.
void ComputeResidualCofactors(NetworkState& s, SystemSizes n) {
  Matrix aq;
  Multiply(s.A, s.Qxx, n.m, n.u, n.u, aq);
  Matrix aqat;
  MultiplyByTranspose(aq, s.A, n.m, n.u, n.m, aqat);
  s.Qvv.Redim(n.m, n.m);
  for (int i = 1; i <= n.m; ++i)
    for (int j = 1; j <= n.m; ++j)
      s.Qvv(i, j) = i == j ? Sub(Div(1.0, s.P(i, i)), aqat(i, i)) : -aqat(i, j);
}

// QAdjusted = P^-1 - Qvv, with the same diagonal P^-1.
void ComputeAdjustedCofactors(NetworkState& s, int m) {
  s.QAdjusted.Redim(m, m);
  for (int i = 1; i <= m; ++i)
    for (int j = 1; j <= m; ++j)
      s.QAdjusted(i, j) = i == j ? Sub(Div(1.0, s.P(i, i)), s.Qvv(i, i)) : -s.Qvv(i, j);
}

// b = (Qxx N - I) x: how far rounding in the inverse (or, for a free
// network, the datum) moves the solution.
Vector ResidualBias(const NetworkState& s, int u) {
  Matrix bias;
  Multiply(s.Qxx, s.NormalMatrix, u, u, u, bias);
  for (int i = 1; i <= u; ++i) bias(i, i) = Sub(bias(i, i), 1.0);
  Vector b;
  MultiplyVector(bias, s.Corrections, u, u, b);
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

Matrix FormNormalMatrix(NetworkState& s, SystemSizes n) {
  Matrix at;
  Transpose(s.A, n.m, n.u, at);
  Matrix atp;
  Multiply(at, s.P, n.u, n.m, n.m, atp);
  Multiply(atp, s.A, n.u, n.m, n.u, s.NormalMatrix);
  return atp;
}

Matrix Scaled(const Matrix& m, int rows, int cols, double factor) {
  Matrix scaled(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) scaled(i, j) = Mul(factor, m(i, j));
  return scaled;
}

void ComputeAndWriteResiduals(ListingWriter& out, NetworkState& s, SystemSizes n,
                              const SectionTexts& texts) {
  MultiplyVector(s.A, s.Corrections, n.m, n.u, s.Residuals);
  for (int i = 1; i <= n.m; ++i) s.Residuals(i) = Sub(s.Residuals(i), s.K(i));
  WriteResiduals(out, s, n.m, texts);
}

void ComputeAndWriteVariance(ListingWriter& out, NetworkState& s, int m, int degreesOfFreedom,
                             const SectionTexts& texts) {
  Vector vtP;
  VectorTimesMatrix(s.Residuals, s.P, m, m, vtP);
  s.Sigma0Sq = Div(Dot(vtP, s.Residuals, m), degreesOfFreedom);
  out.BlankLine();
  out.Line("    Numero de grados de libertad   r =  " + std::to_string(degreesOfFreedom));
  out.BlankLine();
  out.Line(texts.varianceLabel + FormatNumber(s.Sigma0Sq, 6, 8));
  out.Line("    Estimador desviacion tipica" + FormatNumber(Sqrt(s.Sigma0Sq), 4, 6));
  out.BlankLine();
}

void WriteClosingSections(ListingWriter& out, NetworkState& s, SystemSizes n) {
  const bool full = s.FullOutput;
  out.BlankLine();
  out.Line("    MATRIZ VARIANZA-COVARIANZA VARIABLES O PARAMETROS CORREGIDOS ");
  out.BlankLine();
  WriteMatrix(out, Scaled(s.Qxx, n.u, n.u, s.Sigma0Sq), n.u, n.u, 6, 8);

  ComputeResidualCofactors(s, n);
  if (full)
    WriteScaledSection(out, "    MATRIZ VARIANZA-COVARIANZA A POSTERIORI DE LOS RESIDUOS ", s.Qvv,
                       n.m, s.Sigma0Sq);
  ComputeAdjustedCofactors(s, n.m);
  if (full)
    WriteScaledSection(out,
                       "    MATRIZ VARIANZA-COVARIANZA A POSTERIORI DE LOS OBSERVABLES "
                       "CORREGIDOS ",
                       s.QAdjusted, n.m, s.Sigma0Sq);

  const Vector bias = ResidualBias(s, n.u);
  if (full) {
    WriteHeading(out, "    SESGO RESIDUAL ");
    WriteVector(out, bias, n.u, 6, 27);
  }
}

}  // namespace ombrel
