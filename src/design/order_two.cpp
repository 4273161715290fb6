#include "design/order_two.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "adjust/adjustment_sections.h"
#include "adjust/row_products.h"
#include "adjust/singular_value_review.h"
#include "design/criterion_matrix.h"
#include "design/design_algebra.h"
#include "design/design_outcome.h"
#include "design/design_review.h"
#include "design/vertex_prompts.h"
#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "model/geometry.h"
#include "numeric/checked.h"
#include "ui/prompt_text.h"

namespace ombrel {

namespace {

constexpr ValueFormat kDialogFormat{8, 18};
constexpr ValueFormat kListingFormat{12, 18};

struct Sizes {
  int n;  // observations and condition equations
  int m;  // coordinate unknowns, 2u
};

void WriteOpening(ListingWriter& out) {
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    ****************  PROBLEMA DE DISENO DE ORDEN DOS  *************** ", true);
  out.BlankLine();
  out.BlankLine();
  out.Line("    OPTIMIZACION DE LA MATRIZ DE LOS PESOS A PRIORI POR EL PRIMER ");
  out.Line("    PROCEDIMIENTO  -->  vec diag ( P ) = (At o At)+  vec ( Qxx )+ ");
  out.Line("    CALCULO PRELIMINAR DE LA MATRIZ COFACTOR  Qxx ");
  out.Line("    MEDIANTE ALGORITMO DE MATRICES PSEUDOINVERSAS ");
}

// sqrt(P) times the rows of A (P is diagonal).
Matrix WeightedDesign(const EquationSystem& e, Sizes z) {
  Matrix b(z.n, z.m);
  for (int i = 1; i <= z.n; ++i) {
    const double root = Sqrt(e.P(i, i));
    for (int j = 1; j <= z.m; ++j) b(i, j) = Mul(root, e.A(i, j));
  }
  return b;
}

// The preliminary solution x = (sqrt(P) A)+ sqrt(P) K: its cofactor matrix
// Pseudo(A^t P A) in Qxx, its Residuals and its variance estimate in
// Sigma0Sq. nullopt when a review is abandoned.
std::optional<AdjustmentSolution> PreliminarySolution(const EquationSystem& e,
                                                      SvdTolerances& tolerances, Interaction& ui,
                                                      ListingWriter& out, Sizes z) {
  const Matrix b = WeightedDesign(e, z);
  const bool transposed = z.n < z.m;
  const std::string title = transposed ? "  VALORES SINGULARES DE LA MATRIZ  trasp( Sqr(P) A ) "
                                       : "  VALORES SINGULARES DE LA MATRIZ ( Sqr(P) A ) ";
  WriteHeading(out, "  " + title);
  Matrix bPlus;
  const std::optional<SvdResult> svdB =
      ReviewedPseudoinverse(tolerances, ui, b, z.n, z.m, title, kDialogFormat, bPlus);
  if (!svdB) return std::nullopt;
  WriteDesignDecomposition(out, tolerances, *svdB, std::min(z.n, z.m), kDialogFormat);

  const Matrix atp = TransposeTimesWeights(e.A, e.P, z.n, z.m);
  Matrix normal;
  Multiply(atp, e.A, z.m, z.n, z.m, normal);
  WriteHeading(out, "    VALORES SINGULARES DE LA MATRIZ  ( At P A )  ");
  AdjustmentSolution preliminary;
  const std::optional<SvdResult> svdN = ReviewedPseudoinverse(
      tolerances, ui, normal, z.m, z.m, "  VALORES SINGULARES DE LA MATRIZ  ( At P A )  ",
      kDialogFormat, preliminary.Qxx);
  if (!svdN) return std::nullopt;
  const int rank = svdN->rank;
  WriteDesignDecomposition(out, tolerances, *svdN, z.m, kDialogFormat);
  WriteHeading(out, "    MATRIZ COFACTOR  Qxx = Pseudo( At P A ) ");
  WriteMatrix(out, preliminary.Qxx, z.m, z.m, 4, 10);

  Vector rootK(z.n);
  for (int i = 1; i <= z.n; ++i) rootK(i) = Mul(Sqrt(e.P(i, i)), e.K(i));
  Vector x;
  MultiplyVector(bPlus, rootK, z.m, z.n, x);
  Vector& v = preliminary.Residuals;
  MultiplyVector(e.A, x, z.n, z.m, v);
  for (int i = 1; i <= z.n; ++i) v(i) = Sub(v(i), e.K(i));
  const int r = z.n - rank;
  out.BlankLine();
  if (r > 0) {
    Vector vtP;
    VectorTimesMatrix(v, e.P, z.n, z.n, vtP);
    preliminary.Sigma0Sq = Div(Dot(vtP, v, z.n), r);
    out.Line("    Estimador varianza  observable peso unidad =" +
             FormatNumber(preliminary.Sigma0Sq, 6, 8));
  } else {
    // No redundancy, no estimate: the a-priori unit variance is offered.
    preliminary.Sigma0Sq = 1.0;
    out.Line("    Numero de grados de libertad   r =  " + std::to_string(r));
  }
  return preliminary;
}

// nullopt when cancelled.
std::optional<double> AskAprioriVariance(Interaction& ui, double estimate) {
  const std::string prompt = HeadingPrompt(
      "    VARIANZA A PRIORI  ", "    Indique la varianza del observable de peso unidad : ");
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, FormatNumber(estimate, 4, 8));
    if (answer.empty()) return std::nullopt;
    if (answer.find(',') == std::string::npos && IsTypedNumber(answer) &&
        NumericValue(answer) > 0.0)
      return NumericValue(answer);
    ui.Beep();
    ui.MessageBox("¡ Algún carácter no es válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
}

// A value asked with a proposed default; "," or a non-number is refused.
// nullopt when cancelled.
std::optional<double> AskValue(Interaction& ui, const std::string& prompt, double proposed) {
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, PlainNumberText(proposed));
    if (answer.empty()) return std::nullopt;
    if (answer.find(',') == std::string::npos && IsTypedNumber(answer)) return NumericValue(answer);
    RefuseNumber(ui);
  }
}

// Distance between the i-th and j-th variable points, whose blocks of the
// criterion matrix it fills, whatever their places in the point list.
double VariableDistance(const NetworkState& s, int i, int j) {
  return Distance(s.Network, VariablePoint(s, i), VariablePoint(s, j));
}

// Baarda's absolute criterion matrix: every variance d, and between points
// at distance l the covariance Sigma0Sq d - 2 k² l of like coordinates.
// nullopt when one of its values is cancelled.
std::optional<Matrix> BaardaCriterion(const NetworkState& s, Interaction& ui,
                                      const AdjustmentSolution& preliminary, double variance,
                                      Sizes z) {
  const int u = z.m / 2;
  double trace = 0.0;
  for (int i = 1; i <= z.m; ++i) trace = Add(trace, preliminary.Qxx(i, i));
  const std::optional<double> d =
      AskValue(ui, " Valor medio de la diagonal de la matriz Qxx : ", Div(trace, z.m));
  if (!d) return std::nullopt;
  double sum = 0.0;
  int pairs = 0;
  for (int i = 1; i <= u; ++i)
    for (int j = i + 1; j <= u; ++j, ++pairs) sum = Add(sum, VariableDistance(s, i, j));
  const std::optional<double> meanDistance = AskValue(
      ui, " Valor medio de las distancias de los ejes : ", pairs > 0 ? Div(sum, pairs) : 0.0);
  if (!meanDistance) return std::nullopt;
  const std::optional<double> k = AskValue(
      ui,
      " Valor para la constante K : ", Div(Sqrt(Mul(variance, *d)), Mul(2.0, Sqrt(*meanDistance))));
  if (!k) return std::nullopt;
  ui.MessageBox(
      JoinLines({" El error kilometrico ha resultado :  ", "",
                 "    error / Km  = " + PlainNumberText(Mul(Mul(2.0, *k), Sqrt(1000.0)))}),
      Buttons::Ok, Icon::Information, 1, kAppTitle);
  Matrix e(z.m, z.m);
  for (int i = 1; i <= z.m; ++i) e(i, i) = *d;
  for (int i = 1; i <= u; ++i)
    for (int j = i + 1; j <= u; ++j) {
      const double c =
          Sub(Mul(preliminary.Sigma0Sq, *d), Mul(Mul(2.0, Mul(*k, *k)), VariableDistance(s, i, j)));
      for (int axis = 0; axis < 2; ++axis) {
        e(2 * i - 1 + axis, 2 * j - 1 + axis) = c;
        e(2 * j - 1 + axis, 2 * i - 1 + axis) = c;
      }
    }
  return e;
}

// The criterion matrix QxxE; nullopt when the person cancels. A criterion
// file read is kept in criterionFile.
std::optional<Matrix> AskCriterion(const NetworkState& s, Interaction& ui,
                                   const AdjustmentSolution& preliminary, double variance, Sizes z,
                                   std::string& criterionFile) {
  static const std::vector<std::string> options{" 1.  Matriz de criterio absoluta de Baarda.  ",
                                                " 2.  Un  cálculo automático con las medias.  ",
                                                " 3.  Matriz almacenada en un fichero ASCII.  ",
                                                " 4.  Introducción de la matriz manualmente.  "};
  for (;;) {
    const std::optional<int> option =
        AskCriterionOption(ui, "Indique cual es su opción :     ( 1 - 4 ) ", options, "4");
    if (!option) return std::nullopt;
    if (*option == 1 && s.Import.MatrixInput && !s.Import.ApproxCoordsGiven) {
      ui.MessageBox("¡ Opción no válida al no estar disponibles las coordenadas aproximadas !",
                    Buttons::Ok, Icon::Information, 1, kAppTitle);
      continue;
    }
    // Baarda's matrix rests on the mean distance between variable points.
    if (*option == 1 && z.m < 4) {
      ui.MessageBox("¡ Opción no válida con menos de dos puntos variables !", Buttons::Ok,
                    Icon::Information, 1, kAppTitle);
      continue;
    }
    if (*option == 1) return BaardaCriterion(s, ui, preliminary, variance, z);
    if (*option == 2) return MeansCriterion(preliminary.Qxx, z.m);
    if (*option == 3) {
      std::optional<CriterionFile> file = AskCriterionFile(ui, s.ListingFileName, z.m);
      if (!file) continue;
      criterionFile = file->path;
      return std::move(file->matrix);
    }
    Matrix e = preliminary.Qxx;
    if (!EnterCriterionByHand(ui, z.m, e)) return std::nullopt;
    return e;
  }
}

// Column i of the Khatri-Rao product is a_i (x) a_i, a_i the i-th row of A.
Matrix KhatriRao(const Matrix& a, Sizes z) {
  Matrix kr(z.m * z.m, z.n);
  for (int i = 1; i <= z.n; ++i)
    for (int r = 1; r <= z.m; ++r)
      for (int c = 1; c <= z.m; ++c) kr((r - 1) * z.m + c, i) = Mul(a(i, r), a(i, c));
  return kr;
}

void WriteWeights(ListingWriter& out, const NetworkState& s, const Vector& p, double variance,
                  int n) {
  WriteHeading(out, "    VECTOR DIAGONAL DE LOS PESOS   vec diag ( P ) ");
  WriteVector(out, p, n, 8, 15);
  WriteHeading(out, "    FORMA LINEAL      vec diag ( PESOS )      NRO OBSERVACIONES ");
  for (int i = 1; i <= n; ++i) {
    const double ratio = Div(p(i), Mul(s.Equations.P(i, i), variance));
    out.Line("    " + RightAlignedNumberLabel(s.Network.ObservationNumber(i)) + "   " +
             FormatNumber(p(i), 12, 12) + "   " + FormatNumber(ratio, 8, 14));
  }
}

// The problem itself; a criterion file read is kept in criterionFile.
std::optional<AdjustmentSolution> SolveOrderTwo(const NetworkState& s, SvdTolerances& tolerances,
                                                Interaction& ui, std::string& criterionFile) {
  const Sizes z{s.Network.NumObs + s.Equations.NumCondEq,
                2 * (s.Network.NumPoints - s.Network.NumFixed)};
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out);
  std::optional<AdjustmentSolution> solution =
      PreliminarySolution(s.Equations, tolerances, ui, out, z);
  if (!solution) return AbandonDesign(out, DesignProblem::OrderTwo, 1);

  const std::optional<double> apriori = AskAprioriVariance(ui, solution->Sigma0Sq);
  if (!apriori) return AbandonDesign(out, DesignProblem::OrderTwo, 1);
  const double variance = *apriori;
  out.BlankLine();
  out.Line("    Varianza a posteriori del observable de peso unidad " +
           FormatNumber(solution->Sigma0Sq, 4, 8));
  out.Line("    Varianza 'a priori' del observable de peso unidad = " +
           FormatNumber(variance, 4, 8));

  std::optional<Matrix> criterion = AskCriterion(s, ui, *solution, variance, z, criterionFile);
  if (!criterion) return AbandonDesign(out, DesignProblem::OrderTwo, 1);
  solution->Qxx = std::move(*criterion);
  WriteHeading(out, "    MATRIZ COFACTOR DESEADA  QxxE ");
  WriteMatrix(out, solution->Qxx, z.m, z.m, 4, 10);

  WriteHeading(out, "    VALORES SINGULARES DE LA MATRIZ  QxxE ");
  Matrix criterionPlus;
  const std::optional<SvdResult> svdC = ReviewedPseudoinverse(
      tolerances, ui, solution->Qxx, z.m, z.m, "  VALORES SINGULARES DE LA MATRIZ  QxxE ",
      kDialogFormat, criterionPlus);
  if (!svdC) return AbandonDesign(out, DesignProblem::OrderTwo, 1);
  WriteDesignDecomposition(out, tolerances, *svdC, z.m, kListingFormat);
  WriteHeading(out, "    MATRIZ PSEUDOINVERSA   ( QxxE )+ ");
  WriteMatrix(out, criterionPlus, z.m, z.m, 8, 6);

  const int rows = z.m * z.m;
  const Matrix kr = KhatriRao(s.Equations.A, z);
  WriteHeading(out, "    MATRIZ PRODUCTO  Khatri-Rao   ( trasp(A) o trasp(A) ) ");
  WriteMatrix(out, kr, rows, z.n, 8, 10);
  WriteHeading(out,
               "    VALORES SINGULARES DE LA MATRIZ PRODUCTO  Khatri-Rao   "
               "( trasp(A) o trasp(A) ) ");
  Matrix krPlus;
  const std::optional<SvdResult> svdK = ReviewedPseudoinverse(
      tolerances, ui, kr, rows, z.n, "  VALORES SINGULARES DE LA MATRIZ  ( trasp(A) o trasp(A) ) ",
      kDialogFormat, krPlus);
  if (!svdK) return AbandonDesign(out, DesignProblem::OrderTwo, 1);
  WriteDesignDecomposition(out, tolerances, *svdK, std::min(rows, z.n), kListingFormat);
  WriteHeading(out, "    MATRIZ  PSEUDOINVERSA     ( trasp(A) o trasp(A) )+  ");
  out.Line("    ( Se imprime la matriz traspuesta por comodidad )   ");
  out.BlankLine();
  Matrix krPlusT;
  Transpose(krPlus, z.n, rows, krPlusT);
  WriteMatrix(out, krPlusT, rows, z.n, 6, 10);

  Vector vecCriterion(rows);
  for (int r = 1; r <= z.m; ++r)
    for (int c = 1; c <= z.m; ++c) vecCriterion((r - 1) * z.m + c) = criterionPlus(r, c);
  Vector p;
  MultiplyVector(krPlus, vecCriterion, z.n, rows, p);
  WriteWeights(out, s, p, variance, z.n);
  out.Close();
  return solution;
}

}  // namespace

OrderTwoRun DesignOrderTwo(const NetworkState& s, SvdTolerances& tolerances, Interaction& ui) {
  OrderTwoRun run;
  run.solution = SolveOrderTwo(s, tolerances, ui, run.criterionFile);
  return run;
}

}  // namespace ombrel
