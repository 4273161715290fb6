#include "adjust/adjust_by_inverse.h"

#include <string>

#include "adjust/corrections_section.h"
#include "adjust/inversion_check.h"
#include "adjust/row_products.h"
#include "listing/listing_layout.h"
#include "listing/listing_writer.h"
#include "listing/number_format.h"
#include "numeric/checked.h"
#include "numeric/inversion.h"
#include "numeric/run_time_error.h"

namespace ombrel {

namespace {

constexpr const char* kInversionFailure =
    "¡ Se ha producido un error en la inversión de matrices !\r\n\r\n"
    "Quizá se haya intentado resolver una red libre como red ligada\r\n"
    "o se haya introducido la incógnita de escala en un proceso que no la admite.\r\n"
    "También es posible que la red que se ha intentado resolver tenga 0 redundancias.";

// m equations, u unknowns.
struct Sizes {
  int m;
  int u;
};

void WriteOpening(ListingWriter& out, bool full) {
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    *************  RESOLUCION DE LA RED COMO RED LIGADA  *************");
  out.BlankLine();
  out.BlankLine();
  if (full) out.Line("    CORRECCIONES  --->  x = inv( At P A )  At P K ");
}

// factor * m(1..rows, 1..cols), for the variance-covariance matrices.
Matrix Scaled(const Matrix& m, int rows, int cols, double factor) {
  Matrix scaled(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) scaled(i, j) = Mul(factor, m(i, j));
  return scaled;
}

// Qxx = N^-1 by the chosen method, leaving N in InvInput and N^-1 in InvResult.
void InvertNormalMatrix(NetworkState& s, int u) {
  s.InvInput.Redim(u, u);
  s.InvResult.Redim(u, u);
  s.Qxx.Redim(u, u);
  for (int i = 1; i <= u; ++i)
    for (int j = 1; j <= u; ++j) s.InvInput(i, j) = s.NormalMatrix(i, j);
  InvertMatrix(s, u);
  for (int i = 1; i <= u; ++i)
    for (int j = 1; j <= u; ++j) s.Qxx(i, j) = s.InvResult(i, j);
}

void WriteResiduals(ListingWriter& out, const NetworkState& s, int m) {
  WriteHeading(out, "    RESIDUOS PONDERADOS Y RESIDUOS SIN PONDERAR ");
  out.Line("       Ponderados          Sin ponderar ");
  out.Line("       ----------          ------------ ");
  for (int i = 1; i <= m; ++i) {
    const double v = s.Residuals(i);
    out.Line(" " + FormatNumber(Mul(Sqrt(s.P(i, i)), v), 8, 6) + "      " + FormatNumber(v, 8, 6));
  }
}

// sigma0^2 = v^t P v / (m - u); no degrees of freedom is a division by zero.
double VarianceOfUnitWeight(const NetworkState& s, Sizes n) {
  Vector vtP;
  VectorTimesMatrix(s.Residuals, s.P, n.m, n.m, vtP);
  return Div(Dot(vtP, s.Residuals, n.m), n.m - n.u);
}

void WriteVariance(ListingWriter& out, int degreesOfFreedom, double sigma0Sq) {
  out.BlankLine();
  out.Line("    Numero de grados de libertad   r =  " + std::to_string(degreesOfFreedom));
  out.BlankLine();
  out.Line("    Estimador varianza observable peso unidad =" + FormatNumber(sigma0Sq, 6, 8));
  out.Line("    Estimador desviacion tipica" + FormatNumber(Sqrt(sigma0Sq), 4, 6));
  out.BlankLine();
}

// Qvv = P^-1 - A Qxx A^t, with P^-1 the inverse of P's diagonal.
void ComputeResidualCofactors(NetworkState& s, Sizes n) {
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

// b = (Qxx N - I) x: how far rounding in the inverse moves the solution.
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

void Adjust(NetworkState& s) {
  const Sizes n{s.NumObs + s.NumCondEq, s.ProjectUnknowns()};
  const bool full = s.FullOutput;
  s.NumConstraints = 0;
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out, full);

  Matrix at;
  Transpose(s.A, n.m, n.u, at);
  Matrix atp;
  Multiply(at, s.P, n.u, n.m, n.m, atp);
  Multiply(atp, s.A, n.u, n.m, n.u, s.NormalMatrix);
  if (full) {
    WriteHeading(out, "    MATRIZ ( At P A ) ");
    WriteMatrix(out, s.NormalMatrix, n.u, n.u, 8, 6);
    WriteHeading(out, "    MATRIZ COFACTOR Qxx = inv( At P A )");
  }

  InvertNormalMatrix(s, n.u);
  if (full) WriteMatrix(out, s.Qxx, n.u, n.u, 4, 10);
  if (full && s.CheckInversion) WriteInversionCheck(out, s, n.u);

  Vector atpk;
  MultiplyVector(atp, s.K, n.u, n.m, atpk);
  MultiplyVector(s.Qxx, atpk, n.u, n.u, s.Corrections);
  WriteCorrections(out, s, s.Corrections);

  MultiplyVector(s.A, s.Corrections, n.m, n.u, s.Residuals);
  for (int i = 1; i <= n.m; ++i) s.Residuals(i) = Sub(s.Residuals(i), s.K(i));
  WriteResiduals(out, s, n.m);

  s.Sigma0Sq = VarianceOfUnitWeight(s, n);
  WriteVariance(out, n.m - n.u, s.Sigma0Sq);

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
  out.Close();
}

}  // namespace

void AdjustByInverse(NetworkState& state, Interaction& ui) {
  try {
    Adjust(state);
  } catch (const SingularMatrix&) {
    throw;  // the driver reports it with its own message
  } catch (const RunTimeError&) {
    state.MessageText = kInversionFailure;
    ui.MessageBox(state.MessageText, Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
    state.Abandon = true;
  }
}

}  // namespace ombrel
