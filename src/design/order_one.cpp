#include "design/order_one.h"

#include <optional>
#include <string>
#include <vector>

#include "adjust/adjustment_sections.h"
#include "adjust/constraint_matrix.h"
#include "adjust/row_products.h"
#include "design/criterion_matrix.h"
#include "design/design_algebra.h"
#include "design/design_outcome.h"
#include "design/design_review.h"
#include "design/vertex_prompts.h"
#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "model/form_equations.h"
#include "numeric/checked.h"
#include "ui/progress_meter.h"
#include "ui/prompt_text.h"

namespace ombrel {

namespace {

constexpr ValueFormat kNormalValues{6, 17};
constexpr ValueFormat kDeltaValues{14, 9};
constexpr int kCofactorWidth = 5, kCofactorDecimals = 10;

// A chosen vertex and the cofactor minors of its shifted coordinates.
struct Vertex {
  int point;   // index in the point list
  int number;  // vertex number
  Matrix shiftedX, shiftedY;
  Matrix derivativeX, derivativeY;
};

std::string Number(int n) {
  return GeneralText(n);
}

void WriteOpening(ListingWriter& out) {
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    ****************  PROBLEMA DE DISENO DE ORDEN UNO  ***************");
  out.BlankLine();
  out.BlankLine();
}

// The count, at most the variable points, as each vertex shifted must be a
// different one; nullopt when cancelled, as every prompt here may be.
std::optional<int> AskCount(Interaction& ui, int variablePoints) {
  const std::string prompt =
      "\r\nNúmero vértices cuyas coordenadas \r\naproximadas  se  desea  mejorar : \r\n\r\n";
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, "1");
    if (answer.empty()) return std::nullopt;
    if (IsDesignWholeNumber(answer) && NumericValue(answer) >= 1.0 &&
        NumericValue(answer) <= variablePoints)
      return static_cast<int>(NumericValue(answer));
    RefuseNumber(ui);
  }
}

std::optional<double> AskIncrement(Interaction& ui, const std::string& first,
                                   const std::string& second) {
  const std::string prompt =
      "\r\n" + first + "\r\n" + second + "\r\n\r\nIndique el incremento (mts) : ";
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, "");
    if (answer.empty()) return std::nullopt;
    if (answer.find(',') == std::string::npos && IsTypedNumber(answer) &&
        NumericValue(answer) > 0.0)
      return NumericValue(answer);
    RefuseNumber(ui);
  }
}

std::optional<std::vector<Vertex>> AskVertices(const NetworkState& s, Interaction& ui,
                                               ListingWriter& out) {
  const std::optional<int> count = AskCount(ui, s.Network.NumPoints - s.Network.NumFixed);
  if (!count) return std::nullopt;
  out.Line("    OPTIMIZACION DE LA RED A TRAVES DE LA MEJORA DEL VECTOR Xa ");
  out.Line("    EL NUMERO DE VERTICES CUYAS COORDENADAS ");
  out.Line("    APROXIMADAS SE DESEA MEJORAR  ES ... " + std::to_string(*count));
  out.BlankLine();
  std::vector<int> chosen;
  std::vector<Vertex> vertices;
  for (int k = 1; k <= *count; ++k) {
    const std::optional<int> number = AskDesignVertex(s, ui, k, true, chosen, true);
    if (!number) return std::nullopt;
    chosen.push_back(*number);
    vertices.push_back({PointWithNumber(s, *number), *number, {}, {}, {}, {}});
    out.Line("    Numero de vertice : " + std::to_string(*number));
  }
  return vertices;
}

// Re-forms the equations and the free-network cofactor matrix for the
// current coordinates. The manual E of type 8 is asked once and kept;
// nullopt when the person cancels it.
std::optional<Matrix> FreeCofactors(NetworkState& s, Interaction& ui, bool first) {
  DimensionProjectSystem(s);
  for (int r = 1; r <= s.Equations.NumCondEq && r <= s.Equations.CondTerms.Size(); ++r)
    s.Equations.K(s.Network.NumObs + r) = s.Equations.CondTerms(r);
  FormEquations(s, ui);
  if (s.Abandon) throw RunTimeError("No se pueden formar las ecuaciones de la red.");
  if (first || s.Options.Datum != DatumType::Type8) return EnterConstraintMatrix(s, ui);
  return FreeNetworkCofactors(s);
}

// Restores a shifted coordinate however the re-formation ends.
class ShiftedCoordinate {
 public:
  ShiftedCoordinate(double& coordinate, double delta)
      : coordinate_(coordinate), saved_(coordinate) {
    coordinate_ = Add(coordinate_, delta);
  }
  ~ShiftedCoordinate() { coordinate_ = saved_; }
  ShiftedCoordinate(const ShiftedCoordinate&) = delete;
  ShiftedCoordinate& operator=(const ShiftedCoordinate&) = delete;

 private:
  double& coordinate_;
  double saved_;
};

Matrix ShiftedCofactors(NetworkState& s, Interaction& ui, double& coordinate, double delta) {
  ShiftedCoordinate shift(coordinate, delta);
  // Only the first formation asks anything, so this one cannot be cancelled.
  return FreeCofactors(s, ui, false).value();
}

void WriteShifted(ListingWriter& out, const Matrix& q, int order, char axis, int number,
                  double delta) {
  const std::string p = Number(number);
  out.BlankLine();
  out.Line("    Sea  " + std::string(1, axis) + "(" + p + " ) = " + axis + "(" + p + " ) +" +
           FormatNumber(delta, 3, 6) + " mts : ");
  out.BlankLine();
  out.Line("    MATRIZ COFACTOR Qxx OBTENIDA TRAS INCREMENTAR LA ");
  out.Line("    COORDENADA " + std::string(1, axis) + " DEL VERTICE" + p + " EN" +
           FormatNumber(delta, 3, 6) + "  METROS ");
  out.BlankLine();
  WriteMatrix(out, q, order, order, kCofactorWidth, kCofactorDecimals);
}

// Rows and columns 2v - 1, 2v of q for the variable index v of each vertex.
Matrix Minor(const NetworkState& s, const Matrix& q, const std::vector<Vertex>& vertices) {
  const int order = 2 * static_cast<int>(vertices.size());
  std::vector<int> index;
  for (const Vertex& v : vertices) {
    index.push_back(2 * s.Network.VariableIndex(v.point) - 1);
    index.push_back(2 * s.Network.VariableIndex(v.point));
  }
  Matrix m(order, order);
  for (int i = 1; i <= order; ++i)
    for (int j = 1; j <= order; ++j)
      m(i, j) = q(index[static_cast<std::size_t>(i - 1)], index[static_cast<std::size_t>(j - 1)]);
  return m;
}

Matrix Derivative(const Matrix& shifted, const Matrix& base, int order, double delta) {
  Matrix d(order, order);
  for (int i = 1; i <= order; ++i)
    for (int j = 1; j <= order; ++j) d(i, j) = Div(Sub(shifted(i, j), base(i, j)), delta);
  return d;
}

void WriteMinors(ListingWriter& out, const std::vector<Vertex>& vertices, const Matrix& base,
                 int order, double delta) {
  WriteHeading(out, "    LISTADO DIVERSOS MENORES MATRICES COFACTOR TENIENDO EN CUENTA ");
  out.Line("    LOS VERTICES CUYAS COORDENADAS APROXIMADAS SE DESEA MODIFICAR ");
  WriteHeading(out, "    MATRIZ MENOR  MQxx ");
  WriteMatrix(out, base, order, order, kCofactorWidth, kCofactorDecimals);
  for (const Vertex& v : vertices) {
    for (int axis = 0; axis < 2; ++axis) {
      const std::string a = axis == 0 ? "X" : "Y";
      const std::string p = Number(v.number);
      out.BlankLine();
      out.Line("    " + a + "(" + p + " ) = " + a + "(" + p + " ) +" + FormatNumber(delta, 3, 6) +
               " mts ");
      WriteHeading(out, "    MATRIZ MENOR  MQxx ");
      WriteMatrix(out, axis == 0 ? v.shiftedX : v.shiftedY, order, order, kCofactorWidth,
                  kCofactorDecimals);
      WriteHeading(out, "    DIFERENCIAL  DMQxx ");
      WriteMatrix(out, axis == 0 ? v.derivativeX : v.derivativeY, order, order, kCofactorWidth,
                  kCofactorDecimals);
    }
  }
}

// The criterion minor; nullopt when the person cancels.
std::optional<Matrix> AskCriterion(Interaction& ui, const std::string& listingFile,
                                   const Matrix& base, int order) {
  static const std::vector<std::string> options{
      " 1.  Cálculo  automático  de todos los  elementos.  ",
      " 2.  Matriz está almacenada en un fichero  ASCII.  ",
      " 3.  Deseo introducir los elementos manualmente.  "};
  for (;;) {
    const std::optional<int> option =
        AskCriterionOption(ui, "Indique cual es su opción :     ( 1 - 2 ) ", options, "1");
    if (!option) return std::nullopt;
    if (*option == 1) return MeansCriterion(base, order);
    if (*option == 2) {
      std::optional<CriterionFile> file = AskCriterionFile(ui, listingFile, order);
      if (file) return std::move(file->matrix);
      continue;
    }
    Matrix e = base;
    if (!EnterCriterionByHand(ui, order, e)) return std::nullopt;
    return e;
  }
}

double Trace(const Matrix& m, int order) {
  double t = 0.0;
  for (int i = 1; i <= order; ++i) t = Add(t, m(i, i));
  return t;
}

// The linearised problem: A x = K over the distinct elements of the minor,
// with J x <= W.
struct System {
  int q = 0, unknowns = 0, inequalities = 0;
  Matrix a, j;
  Vector k, w;
};

System FormSystem(const std::vector<Vertex>& vertices, const Matrix& base, const Matrix& target,
                  double bound) {
  System sys;
  const int c = static_cast<int>(vertices.size());
  const int order = 2 * c;
  sys.unknowns = order;
  sys.q = order * (order + 1) / 2;
  sys.inequalities = 2 * order + 1;
  sys.a.Redim(sys.q, order);
  sys.k.Redim(sys.q);
  int row = 0;
  for (int i = 1; i <= order; ++i)
    for (int j = i; j <= order; ++j) {
      ++row;
      for (int v = 1; v <= c; ++v) {
        const Vertex& vertex = vertices[static_cast<std::size_t>(v - 1)];
        sys.a(row, 2 * v - 1) = vertex.derivativeX(i, j);
        sys.a(row, 2 * v) = vertex.derivativeY(i, j);
      }
      sys.k(row) = Sub(target(i, j), base(i, j));
    }
  sys.w.Redim(sys.inequalities);
  sys.j.Redim(sys.inequalities, order);
  for (int v = 1; v <= c; ++v) {
    const Vertex& vertex = vertices[static_cast<std::size_t>(v - 1)];
    sys.j(1, 2 * v - 1) = Trace(vertex.derivativeX, order);
    sys.j(1, 2 * v) = Trace(vertex.derivativeY, order);
  }
  for (int i = 1; i <= order; ++i) {
    sys.w(2 * i) = bound;
    sys.w(2 * i + 1) = bound;
    sys.j(2 * i, i) = 1.0;
    sys.j(2 * i + 1, i) = -1.0;
  }
  return sys;
}

void WriteSystem(ListingWriter& out, const System& sys, const Matrix& base, const Matrix& target) {
  WriteHeading(out, "    SISTEMA DE ECUACIONES     PROBLEMA DE DISENO DE ORDEN UNO ");
  WriteHeading(out, "    MATRIZ DE DISENO ( A ) ");
  WriteMatrix(out, sys.a, sys.q, sys.unknowns, 6, 12);
  WriteHeading(out, "    VECTOR DE TERMINOS INDEPENDIENTES   K = MQxxE - MQxx ");
  int row = 0;
  for (int i = 1; i <= sys.unknowns; ++i)
    for (int j = i; j <= sys.unknowns; ++j) {
      ++row;
      out.Line("    (" + RightAlignedNumberLabel(i) + "," + RightAlignedNumberLabel(j) + " ) " +
               FormatNumber(target(i, j), 4, 12) + "  -" + FormatNumber(base(i, j), 4, 12) + "  =" +
               FormatNumber(sys.k(row), 4, 12));
    }
  WriteHeading(out, "    VECTOR ( W ) ");
  WriteVector(out, sys.w, sys.inequalities, 12, 4);
  WriteHeading(out, "    MATRIZ ( J ) ");
  WriteMatrix(out, Block(sys.j, 1, 1, 1, sys.unknowns), 1, sys.unknowns, 4, 10);
  WriteMatrix(out, Block(sys.j, 2, 1, sys.inequalities - 1, sys.unknowns), sys.inequalities - 1,
              sys.unknowns, 10, 4);
}

void WriteLagrange(ListingWriter& out, const Vector& lambda, int n) {
  WriteHeading(out, "    PARAMETROS DE LAGRANGE :  ");
  for (int i = 1; i <= n; ++i)
    out.Line(FormatNumber(lambda(i), 10, 17) + (lambda(i) > 0.0 ? "  -->  POSITIVO " : ""));
}

// One pass of the multipliers over the inequality rows given: lambda =
// Delta+ Omega, Omega = W - J x0, Delta = J M J^t. Returns false when a
// review is abandoned.
bool LagrangePass(SvdTolerances& tolerances, Interaction& ui, ListingWriter& out, const Matrix& j,
                  const Vector& w, int rows, int unknowns, const Matrix& m, const Vector& x0,
                  bool second, Vector& lambda) {
  const std::string tag = second ? "(b)" : "";
  Vector jx0;
  MultiplyVector(j, x0, rows, unknowns, jx0);
  const Vector omega = Difference(w, jx0, rows);
  WriteHeading(out, second ? "    VECTOR OMEGA(b)   Omega(b) = (W)b - (J)b (M) trasp(A) (K) "
                           : "    VECTOR OMEGA       Omega = (W) - (J) (M) trasp(A) (K) ");
  WriteVector(out, omega, rows, 12, 8);
  Matrix jm;
  Multiply(j, m, rows, unknowns, unknowns, jm);
  Matrix delta;
  MultiplyByTranspose(jm, j, rows, unknowns, rows, delta);
  WriteHeading(out, second ? "    MATRIZ DELTA(b)   Delta(b) = (J)b (M) trasp(J)b "
                           : "    MATRIZ DELTA      Delta = (J) (M) trasp(J) ");
  WriteMatrix(out, delta, rows, rows, 15, 6);
  WriteHeading(
      out, second ? "    VALORES SINGULARES DE LA MATRIZ DELTA(b)   Delta(b) = (J)b (M) trasp(J)b "
                  : "    VALORES SINGULARES DE LA MATRIZ DELTA      Delta = (J) (M) trasp(J) ");
  Matrix deltaPlus;
  const std::optional<SvdResult> svd = ReviewedPseudoinverse(
      tolerances, ui, delta, rows, rows, "  VALORES SINGULARES DE LA MATRIZ  Delta" + tag + " ",
      kDeltaValues, deltaPlus);
  if (!svd) return false;
  WriteDesignDecomposition(out, tolerances, *svd, rows, kDeltaValues);
  WriteHeading(out, "    MATRIZ PSEUDOINVERSA DE LA MATRIZ DELTA" + tag + " ");
  WriteMatrix(out, deltaPlus, rows, rows, 4, 19);
  MultiplyVector(deltaPlus, omega, rows, rows, lambda);
  WriteLagrange(out, lambda, rows);
  return true;
}

void WriteRule(ListingWriter& out, const Vector& lambda, int n) {
  out.BlankLine();
  out.Line("    LA CONDICION FUNDAMENTAL DE MINIMO IMPLICA QUE  LOS PARAMETROS ");
  out.Line("    DE LAGRANGE RESULTEN TODOS ELLOS NEGATIVOS O NULOS, DEBIENDOSE ");
  out.Line("    HACER NULOS AQUELLOS QUE HAYAN RESULTADO MAYORES QUE CERO .... ");
  WriteHeading(out, "    PARAMETROS DE LAGRANGE ANULADOS LOS POSITIVOS :  ");
  for (int i = 1; i <= n; ++i)
    if (lambda(i) < 0.0)
      out.Line("    " + RightAlignedNumberLabel(i) + FormatNumber(lambda(i), 10, 17));
}

// Lists the shifts and the improved coordinates, and returns the shifts.
std::vector<VertexShift> WriteCorrections(ListingWriter& out, const NetworkState& s,
                                          const std::vector<Vertex>& vertices, const Vector& free,
                                          const Vector& bounded) {
  std::vector<VertexShift> shifts;
  WriteHeading(out, "    CORRECCIONES A LAS VARIABLES Y VARIABLES COMPENSADAS");
  out.Line("      Correcciones = MAtK + MJ(b)tLAGRAN(b)     Variables compensadas ");
  out.Line("      -------------------------------------     --------------------- ");
  for (std::size_t v = 0; v < vertices.size(); ++v) {
    const Vertex& vertex = vertices[v];
    VertexShift& shift = shifts.emplace_back(VertexShift{vertex.number, 0.0, 0.0});
    for (int axis = 0; axis < 2; ++axis) {
      const int i = 2 * static_cast<int>(v) + 1 + axis;
      const std::string a = axis == 0 ? "X(" : "Y(";
      const std::string p = LeftAlignedNumberLabel(vertex.number);
      const double total = Add(free(i), bounded(i));
      (axis == 0 ? shift.dx : shift.dy) = total;
      const double coordinate =
          axis == 0 ? s.Network.PointX(vertex.point) : s.Network.PointY(vertex.point);
      out.Line("            " + a + p + " ) " + FormatNumber(total, 6, 4) + "  =" +
               FormatNumber(free(i), 6, 4) + "  +" + FormatNumber(bounded(i), 6, 4) + "      " + a +
               p + " ) " + FormatNumber(Add(coordinate, total), 6, s.Options.OutputDecimals));
    }
  }
  return shifts;
}

// The rows of the inequalities whose first-pass multiplier was negative.
std::vector<int> ActiveRows(const Vector& lambda, int n) {
  std::vector<int> rows;
  for (int i = 1; i <= n; ++i)
    if (lambda(i) < 0.0) rows.push_back(i);
  return rows;
}

// x = M A^t K + M J(b)^t lambda(b): the two parts. Returns false when a
// review is abandoned.
bool Solve(SvdTolerances& tolerances, Interaction& ui, ListingWriter& out, const System& sys,
           Vector& free, Vector& bounded) {
  const int n = sys.unknowns;
  Matrix at;
  Transpose(sys.a, sys.q, n, at);
  Matrix ata;
  Multiply(at, sys.a, n, sys.q, n, ata);
  WriteHeading(out, "    MATRIZ  ( At * A ) ");
  WriteMatrix(out, ata, n, n, 5, 18);
  WriteHeading(out, "    VALORES SINGULARES DE LA MATRIZ  ( At * A ) ");
  Matrix m;
  const std::optional<SvdResult> svd =
      ReviewedPseudoinverse(tolerances, ui, ata, n, n,
                            "  VALORES SINGULARES DE LA MATRIZ  ( At * A ) ", kNormalValues, m);
  if (!svd) return false;
  WriteDesignDecomposition(out, tolerances, *svd, n, kNormalValues);
  WriteHeading(out, "    MATRIZ PSEUDOINVERSA     ( M ) = Pseudo( At * A ) ");
  WriteMatrix(out, m, n, n, 15, 6);
  Vector atk;
  MultiplyVector(at, sys.k, n, sys.q, atk);
  MultiplyVector(m, atk, n, n, free);

  Vector lambda;
  if (!LagrangePass(tolerances, ui, out, sys.j, sys.w, sys.inequalities, n, m, free, false, lambda))
    return false;
  WriteRule(out, lambda, sys.inequalities);
  bounded.Redim(n);
  const std::vector<int> active = ActiveRows(lambda, sys.inequalities);
  if (active.empty()) return true;
  const int b = static_cast<int>(active.size());
  Matrix jb(b, n);
  Vector wb(b);
  for (int r = 1; r <= b; ++r) {
    const int from = active[static_cast<std::size_t>(r - 1)];
    wb(r) = sys.w(from);
    for (int c = 1; c <= n; ++c) jb(r, c) = sys.j(from, c);
  }
  Vector lambdaB;
  if (!LagrangePass(tolerances, ui, out, jb, wb, b, n, m, free, true, lambdaB)) return false;
  Vector jtl;
  VectorTimesMatrix(lambdaB, jb, b, n, jtl);
  MultiplyVector(m, jtl, n, n, bounded);
  return true;
}

// The two passes guess the active set from the signs of one set of
// multipliers, and an inconsistent or overdetermined set (both bounds of a
// shift, or the trace row with every bound) is only solved in the
// least-squares sense, so the shifts can leave [-h, h]. They are held
// there; the bounded part takes up the difference so that the listed sum
// still holds. Returns whether some shift had to be held.
bool HoldWithinBound(const Vector& free, Vector& bounded, int n, double h) {
  bool held = false;
  for (int i = 1; i <= n; ++i) {
    const double total = Add(free(i), bounded(i));
    if (total > h || total < -h) {
      bounded(i) = Sub(total > h ? h : -h, free(i));
      held = true;
    }
  }
  return held;
}

}  // namespace

std::optional<std::vector<VertexShift>> DesignOrderOne(const NetworkState& s,
                                                       SvdTolerances& tolerances, Interaction& ui) {
  const int u2 = 2 * (s.Network.NumPoints - s.Network.NumFixed);
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out);
  std::optional<std::vector<Vertex>> chosen = AskVertices(s, ui, out);
  if (!chosen) return AbandonDesign(out, DesignProblem::OrderOne, 1);
  std::vector<Vertex>& vertices = *chosen;
  const int order = 2 * static_cast<int>(vertices.size());

  const std::optional<double> typedBound =
      AskIncrement(ui, "El vector de parámetros x  no puede variar, por ",
                   "arriba o por abajo, más allá de cierta  cantidad : ");
  if (!typedBound) return AbandonDesign(out, DesignProblem::OrderOne, 1);
  const double bound = *typedBound;
  out.BlankLine();
  out.Line("    El vector de parametros x no puede variar, por arriba o ");
  out.Line("    por abajo, mas alla de una cierta cantidad (INECUACION) ");
  out.Line("    El incremento adoptado ha sido de" + FormatNumber(bound, 3, 4) + "  metros  ");
  const std::optional<double> typedDelta =
      AskIncrement(ui, "Para calcular los elementos de la matriz (A) hay ",
                   "que realizar la  'derivada' de diversas matrices : ");
  if (!typedDelta) return AbandonDesign(out, DesignProblem::OrderOne, 1);
  const double delta = *typedDelta;
  out.BlankLine();
  out.Line("    Para calcular los elementos de la matriz de diseno  (A) ");
  out.Line("    hay que realizar la   'derivada'   de diversas matrices ");
  out.Line("    El incremento adoptado ha sido de" + FormatNumber(delta, 2, 6) + " metros  ");

  // The network is formed anew with each coordinate shifted in turn; the
  // state the design was asked on keeps its coordinates and equations.
  NetworkState shifted = s;
  shifted.Options.Datum = DatumType::None;
  if (!AskNetworkType(shifted, ui, "CÁLCULO COLUMNAS MATRIZ  ( A )  .... "))
    return AbandonDesign(out, DesignProblem::OrderOne, 1);
  ui.SetBusy(true);
  // Each cofactor matrix forms and inverts the whole network again.
  ProgressMeter meter(ui, "Diseño de orden 1", "matrices cofactor", 2 * vertices.size() + 1, 1);
  const std::optional<Matrix> cofactors = FreeCofactors(shifted, ui, true);
  if (!cofactors) return AbandonDesign(out, DesignProblem::OrderOne, 1);
  const Matrix& q = *cofactors;
  meter.Advance();
  WriteHeading(
      out, "    MATRIZ COFACTOR Qxx = inv( At p A  +  Et E )   -   Et inv( E Et ) inv( E Et ) E");
  WriteMatrix(out, q, u2, u2, kCofactorWidth, kCofactorDecimals);
  const Matrix base = Minor(s, q, vertices);
  for (Vertex& v : vertices) {
    const Matrix qx = ShiftedCofactors(shifted, ui, shifted.Network.PointX(v.point), delta);
    meter.Advance();
    WriteShifted(out, qx, u2, 'X', v.number, delta);
    const Matrix qy = ShiftedCofactors(shifted, ui, shifted.Network.PointY(v.point), delta);
    meter.Advance();
    WriteShifted(out, qy, u2, 'Y', v.number, delta);
    v.shiftedX = Minor(s, qx, vertices);
    v.shiftedY = Minor(s, qy, vertices);
    v.derivativeX = Derivative(v.shiftedX, base, order, delta);
    v.derivativeY = Derivative(v.shiftedY, base, order, delta);
  }
  WriteMinors(out, vertices, base, order, delta);

  const std::optional<Matrix> criterion = AskCriterion(ui, s.ListingFileName, base, order);
  if (!criterion) return AbandonDesign(out, DesignProblem::OrderOne, 1);
  const Matrix& target = *criterion;
  WriteHeading(out, "    MATRIZ MENOR DE CRITERIO OBJETIVO   MQxxE ");
  WriteMatrix(out, target, order, order, kCofactorWidth, kCofactorDecimals);
  const System sys = FormSystem(vertices, base, target, bound);
  WriteSystem(out, sys, base, target);
  Vector free, bounded;
  if (!Solve(tolerances, ui, out, sys, free, bounded))
    return AbandonDesign(out, DesignProblem::OrderOne, 1);
  const bool held = HoldWithinBound(free, bounded, order, bound);
  std::vector<VertexShift> shifts = WriteCorrections(out, s, vertices, free, bounded);
  if (held) {
    out.BlankLine();
    out.Line("    CORRECCIONES LIMITADAS AL INCREMENTO ADOPTADO ( INECUACION ) ");
  }
  out.Close();
  return shifts;
}

}  // namespace ombrel
