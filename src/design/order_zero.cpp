#include "design/order_zero.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "adjust/adjustment_sections.h"
#include "adjust/row_products.h"
#include "design/design_algebra.h"
#include "design/design_outcome.h"
#include "design/design_review.h"
#include "design/vertex_prompts.h"
#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "numeric/checked.h"
#include "numeric/inversion.h"
#include "ui/prompt_text.h"

namespace ombrel {

namespace {

constexpr const char* kReducedTitle = "  VALORES SINGULARES  ( M22 - M21 inv(M11) M12 )";
constexpr ValueFormat kValueFormat{8, 18};

// The variable points split into the group a and the chosen group b, each in
// increasing variable index.
struct Groups {
  std::vector<int> a;  // point indices
  std::vector<int> b;
};

void WriteOpening(ListingWriter& out) {
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    ***************  PROBLEMA DE DISENO DE ORDEN CERO  *************** ", true);
  out.BlankLine();
  out.BlankLine();
  out.Line("    PRECISION INTRINSECA EN DETERMINADOS VERTICES ");
}

// The count b; nullopt when cancelled.
std::optional<int> AskCount(Interaction& ui, int variablePoints) {
  const std::string prompt =
      "\r\nNúmero de vértices de la red en los \r\nque  busca correcciones mínimas : \r\n\r\n";
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, "1");
    if (answer.empty()) return std::nullopt;
    // Group a is never empty: at most u - 1 vertices can be chosen.
    if (IsDesignWholeNumber(answer) && NumericValue(answer) < variablePoints)
      return static_cast<int>(NumericValue(answer));
    RefuseNumber(ui);
  }
}

// The count and the vertices, listed as they are accepted; an empty vertex
// answer asks the count again. Returns false when the count is cancelled.
bool AskChosenVertices(const NetworkState& s, Interaction& ui, ListingWriter& out,
                       std::vector<int>& chosen) {
  const int u = s.Network.NumPoints - s.Network.NumFixed;
  for (;;) {
    const std::optional<int> count = AskCount(ui, u);
    if (!count) return false;
    out.BlankLine();
    out.BlankLine();
    out.Line("    Los vertices en los que se buscan ");
    out.Line("    correcciones minimas son ... " + std::to_string(*count));
    chosen.clear();
    for (int k = 1; k <= *count; ++k) {
      const std::optional<int> number = AskDesignVertex(s, ui, k, false, chosen, true);
      if (!number) break;
      chosen.push_back(*number);
      out.Line("    Numero de vertice : " + std::to_string(*number));
    }
    if (static_cast<int>(chosen.size()) == *count) return true;
  }
}

Groups SplitPoints(const NetworkState& s, const std::vector<int>& chosen) {
  Groups g;
  for (int c = 1; c <= s.Network.NumPoints - s.Network.NumFixed; ++c) {
    const int p = VariablePoint(s, c);
    const bool inB =
        std::find(chosen.begin(), chosen.end(), s.Network.PointNumber(p)) != chosen.end();
    (inB ? g.b : g.a).push_back(p);
  }
  return g;
}

// The points in the order of the new unknowns: group a, then group b.
std::vector<int> NewOrder(const Groups& g) {
  std::vector<int> order = g.a;
  order.insert(order.end(), g.b.begin(), g.b.end());
  return order;
}

// The design matrix with its columns in the new order (n x 2u).
Matrix ReorderedDesign(const NetworkState& s, const std::vector<int>& order, int n) {
  Matrix a(n, 2 * static_cast<int>(order.size()));
  for (std::size_t j = 0; j < order.size(); ++j) {
    const int from = 2 * s.Network.VariableIndex(order[j]) - 1;
    const int to = 2 * static_cast<int>(j) + 1;
    for (int i = 1; i <= n; ++i) {
      a(i, to) = s.Equations.A(i, from);
      a(i, to + 1) = s.Equations.A(i, from + 1);
    }
  }
  return a;
}

void WriteReorderedDesign(ListingWriter& out, const NetworkState& s, const std::vector<int>& order,
                          const Matrix& a, int n) {
  WriteHeading(out, "    NUEVA MATRIZ DE DISENO ( A )");
  std::string labels = "   ";
  std::string rules = "   ";
  for (const int p : order) {
    const std::string label = LeftAlignedNumberLabel(s.Network.PointNumber(p));
    labels += " Vble X(" + label + " )  " + " Vble Y(" + label + " )  ";
    rules += " ------------   ------------  ";
  }
  out.Line(labels);
  out.Line(rules);
  WriteMatrix(out, a, n, 2 * static_cast<int>(order.size()), 8, 6);
}

void WriteMatrixSection(ListingWriter& out, const std::string& heading, const Matrix& m, int rows,
                        int cols, int w, int d) {
  WriteHeading(out, heading);
  WriteMatrix(out, m, rows, cols, w, d);
}

void WriteVectorSection(ListingWriter& out, const std::string& heading, const Vector& v, int n) {
  WriteHeading(out, heading);
  WriteVector(out, v, n, 8, 6);
}

// Correction and adjusted coordinate lines of a group; the coordinates only
// when they are known.
void WriteGroupCorrections(ListingWriter& out, const NetworkState& s, const std::string& name,
                           const std::vector<int>& points, const Vector& x, bool coordinates) {
  const int decimals = s.Options.OutputDecimals;
  out.BlankLine();
  if (coordinates) {
    out.Line("      Correcciones " + name + "     Variables compensadas ");
    out.Line("      ---------------     --------------------- ");
  } else {
    out.Line("      Correcciones " + name + " ");
    out.Line("      --------------- ");
  }
  for (std::size_t j = 0; j < points.size(); ++j) {
    const int p = points[j];
    const std::string label = LeftAlignedNumberLabel(s.Network.PointNumber(p));
    for (int axis = 0; axis < 2; ++axis) {
      const double correction = x(2 * static_cast<int>(j) + 1 + axis);
      std::string line = "       " + std::string(axis == 0 ? "X(" : "Y(") + label + " ) " +
                         FormatNumber(correction, 6, decimals);
      if (coordinates) {
        const double approximate = axis == 0 ? s.Network.PointX(p) : s.Network.PointY(p);
        line += "     " + FormatNumber(Add(approximate, correction), 6, decimals);
      }
      out.Line(line);
    }
  }
}

void WriteCorrections(ListingWriter& out, const NetworkState& s, const Groups& g, const Vector& xa,
                      const Vector& xb) {
  WriteHeading(out, "    CORRECCIONES A LAS VARIABLES Y VARIABLES COMPENSADAS");
  const bool coordinates = !s.Import.MatrixInput || s.Import.ApproxCoordsGiven;
  WriteGroupCorrections(out, s, "Xa", g.a, xa, coordinates);
  WriteGroupCorrections(out, s, "Xb", g.b, xb, coordinates);
}

// v = A x - K (n), listed weighted and unweighted.
Vector ComputeAndWriteResiduals(ListingWriter& out, const EquationSystem& e, const Matrix& a,
                                const Vector& x, int n, int unknowns) {
  Vector v;
  MultiplyVector(a, x, n, unknowns, v);
  for (int i = 1; i <= n; ++i) v(i) = Sub(v(i), e.K(i));
  WriteHeading(out, "    RESIDUOS PONDERADOS Y RESIDUOS SIN PONDERAR");
  out.Line("       Ponderados          Sin ponderar");
  out.Line("       ----------          ------------");
  for (int i = 1; i <= n; ++i)
    out.Line(" " + FormatNumber(Mul(Sqrt(e.P(i, i)), v(i)), 8, 6) + "      " +
             FormatNumber(v(i), 8, 6));
  return v;
}

// Sigma0Sq = v^t P v / r. With no redundancy (r <= 0) there is no estimate:
// only r is listed and Sigma0Sq is the a-priori unit variance 1, so that the
// covariances and ellipses that follow are the cofactors themselves.
double ComputeAndWriteVariance(ListingWriter& out, const Matrix& p, const Vector& v, int n, int r) {
  out.BlankLine();
  double sigma0Sq = 1.0;
  if (r > 0) {
    Vector vtP;
    VectorTimesMatrix(v, p, n, n, vtP);
    sigma0Sq = Div(Dot(vtP, v, n), r);
    out.Line("    Estimador varianza  observable peso unidad =" + FormatNumber(sigma0Sq, 6, 8));
    out.Line("    Estimador desviacion tipica" + FormatNumber(Sqrt(sigma0Sq), 4, 4));
  }
  out.Line("    Numero de grados de libertad   r =  " + std::to_string(r));
  return sigma0Sq;
}

// (Q S - I) x: what the pseudoinverse leaves unreproduced of the solution.
Vector ResidualBias(const Matrix& q, const Matrix& s, const Vector& x, int order) {
  Matrix qs;
  Multiply(q, s, order, order, order, qs);
  for (int i = 1; i <= order; ++i) qs(i, i) = Sub(qs(i, i), 1.0);
  Vector bias;
  MultiplyVector(qs, x, order, order, bias);
  return bias;
}

IntVector ChosenNumbers(const SurveyNetwork& network, const Groups& g) {
  const int b = static_cast<int>(g.b.size());
  IntVector numbers(b);
  for (int k = 1; k <= b; ++k)
    numbers(k) = network.PointNumber(g.b[static_cast<std::size_t>(k - 1)]);
  return numbers;
}

}  // namespace

std::optional<OrderZeroResult> DesignOrderZero(const NetworkState& s, SvdTolerances& tolerances,
                                               Interaction& ui) {
  const int n = s.Network.NumObs + s.Equations.NumCondEq;
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out);
  std::vector<int> chosen;
  if (!AskChosenVertices(s, ui, out, chosen))
    return AbandonDesign(out, DesignProblem::OrderZero, 2);
  ui.SetBusy(true);

  const Groups g = SplitPoints(s, chosen);
  const int a2 = 2 * static_cast<int>(g.a.size());
  const int b2 = 2 * static_cast<int>(g.b.size());
  const int m = a2 + b2;
  const std::vector<int> order = NewOrder(g);
  const Matrix a = ReorderedDesign(s, order, n);
  WriteReorderedDesign(out, s, order, a, n);

  const Matrix atp = TransposeTimesWeights(a, s.Equations.P, n, m);
  Matrix normal;
  Multiply(atp, a, m, n, m, normal);
  Vector l;
  MultiplyVector(atp, s.Equations.K, m, n, l);
  const Matrix m11 = Block(normal, 1, 1, a2, a2);
  const Matrix m12 = Block(normal, 1, a2 + 1, a2, b2);
  const Matrix m21 = Block(normal, a2 + 1, 1, b2, a2);
  const Matrix m22 = Block(normal, a2 + 1, a2 + 1, b2, b2);
  const Vector la = Segment(l, 1, a2);
  const Vector lb = Segment(l, a2 + 1, b2);
  WriteMatrixSection(out, "    MATRIZ M11 ", m11, a2, a2, 8, 6);
  WriteMatrixSection(out, "    MATRIZ M12 ", m12, a2, b2, 8, 6);
  WriteMatrixSection(out, "    MATRIZ M21 ", m21, b2, a2, 8, 6);
  WriteMatrixSection(out, "    MATRIZ M22 ", m22, b2, b2, 8, 6);
  WriteVectorSection(out, "    VECTOR La ", la, a2);
  WriteVectorSection(out, "    VECTOR Lb ", lb, b2);

  const Matrix m11Inverse = Invert(m11, a2, s.Options.Inversion);
  WriteMatrixSection(out, "    MATRIZ inv(M11) ", m11Inverse, a2, a2, 4, 10);
  Matrix t;
  Multiply(m21, m11Inverse, b2, a2, a2, t);
  Matrix tm12;
  Multiply(t, m12, b2, a2, b2, tm12);
  const Matrix reduced = Difference(m22, tm12, b2, b2);
  Vector tla;
  MultiplyVector(t, la, b2, a2, tla);
  const Vector reducedL = Difference(lb, tla, b2);
  WriteMatrixSection(out, "    MATRIZ  ( M22 - M21 inv(M11) M12 ) ", reduced, b2, b2, 8, 6);
  WriteHeading(out, "    VALORES SINGULARES DE LA MATRIZ  ( M22 - M21 inv(M11) M12 ) ");

  Matrix q;
  const std::optional<SvdResult> svd =
      ReviewedPseudoinverse(tolerances, ui, reduced, b2, b2, kReducedTitle, kValueFormat, q);
  if (!svd) return AbandonDesign(out, DesignProblem::OrderZero, 2);
  const int defect = b2 - svd->rank;
  WriteDesignDecomposition(out, tolerances, *svd, b2, kValueFormat);
  WriteMatrixSection(out, "    MATRIZ PSEUDOINVERSA Qxbxb = Pseudo( M22 - M21 inv(M11) M12 ) ", q,
                     b2, b2, 4, 10);

  Vector xb;
  MultiplyVector(q, reducedL, b2, b2, xb);
  Vector m12xb;
  MultiplyVector(m12, xb, a2, b2, m12xb);
  Vector xa;
  MultiplyVector(m11Inverse, Difference(la, m12xb, a2), a2, a2, xa);
  WriteCorrections(out, s, g, xa, xb);

  Vector x(m);
  for (int i = 1; i <= a2; ++i) x(i) = xa(i);
  for (int i = 1; i <= b2; ++i) x(a2 + i) = xb(i);
  OrderZeroResult result;
  AdjustmentSolution& solution = result.solution;
  solution.RankDefect = defect;
  solution.DegreesOfFreedom = n - m + defect;
  solution.Residuals = ComputeAndWriteResiduals(out, s.Equations, a, x, n, m);
  solution.Sigma0Sq =
      ComputeAndWriteVariance(out, s.Equations.P, solution.Residuals, n, solution.DegreesOfFreedom);
  result.aPrioriVariance = solution.DegreesOfFreedom <= 0;

  WriteHeading(out, "    MATRIZ VARIANZA-COVARIANZA DEL GRUPO PARAMETROS Xb ");
  WriteMatrix(out, Scaled(q, b2, b2, solution.Sigma0Sq), b2, b2, 6, 8);
  WriteHeading(out, "    SESGO RESIDUAL");
  WriteVector(out, ResidualBias(q, reduced, xb, b2), b2, 6, 27);
  solution.Qxx = Block(q, 1, 1, b2, b2);
  result.vertices = ChosenNumbers(s.Network, g);
  out.Close();
  return result;
}

}  // namespace ombrel
