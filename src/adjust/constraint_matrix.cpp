#include "adjust/constraint_matrix.h"

#include <array>
#include <optional>
#include <vector>

#include "adjust/adjustment_sections.h"
#include "adjust/row_products.h"
#include "listing/number_format.h"
#include "numeric/checked.h"
#include "numeric/inversion.h"
#include "ui/prompt_text.h"

namespace ombrel {

namespace {

enum class Row { TranslationX, TranslationY, Rotation, Scale };

struct NetworkKind {
  DatumType type;
  const char* line;
  bool hasScale;  // false: the type leaves the scale free, which a distance defines
  std::vector<Row> rows;
};

const std::array<NetworkKind, 8>& Kinds() {
  static const std::array<NetworkKind, 8> kinds{{
      {DatumType::Type1,
       " 1.  d=4  Sin punto fijo y sin orientación  ni  escala.  ",
       false,
       {Row::TranslationX, Row::TranslationY, Row::Rotation, Row::Scale}},
      {DatumType::Type2,
       " 2.  d=3  Sin punto fijo y sin orientación. Con escala.  ",
       true,
       {Row::TranslationX, Row::TranslationY, Row::Rotation}},
      {DatumType::Type3,
       " 3.  d=3  Sin punto fijo y sin escala. Con orientación.  ",
       false,
       {Row::TranslationX, Row::TranslationY, Row::Scale}},
      {DatumType::Type4,
       " 4.  d=2  Sin punto fijo.  Con escala, con orientación.  ",
       true,
       {Row::TranslationX, Row::TranslationY}},
      {DatumType::Type5,
       " 5.  d=2  Sin escala, sin orientación.  Con punto fijo.  ",
       false,
       {Row::Rotation, Row::Scale}},
      {DatumType::Type6,
       " 6.  d=1  Sin orientación. Con punto fijo y con escala.  ",
       true,
       {Row::Rotation}},
      {DatumType::Type7,
       " 7.  d=1  Sin escala. Con punto fijo y con orientación.  ",
       false,
       {Row::Scale}},
      {DatumType::Type8, " 8.  Introducción de la  matriz ( E ) manualmente.  ", true, {}},
  }};
  return kinds;
}

const NetworkKind* KindOf(DatumType type) {
  for (const NetworkKind& kind : Kinds())
    if (type == kind.type) return &kind;
  return nullptr;
}

bool HasDistance(const NetworkState& s) {
  for (int i = 1; i <= s.Network.NumObs + s.Equations.NumCondEq; ++i)
    if (s.Network.ObsWeights(1, i) == 2.0) return true;
  return false;
}

std::string NetworkTypePrompt() {
  std::string prompt =
      "\r\nMATRIZ DE CONSTREÑIMIENTOS ( E ) \r\n\r\n"
      "Indique cual es su tipo de red :     ( 1 - 8 ) \r\n\r\n";
  for (const NetworkKind& kind : Kinds()) prompt += std::string(kind.line) + "\r\n";
  return prompt;
}

// The point whose VariableIndex is k.
int VariablePoint(const NetworkState& s, int k) {
  for (int p = 1; p <= s.Network.NumPoints; ++p)
    if (s.Network.VariableIndex(p) == k) return p;
  return 0;
}

// Origin of the rotation and scale rows: the fixed point when there is
// exactly one, since the free rotation and scale then act about it.
void RowOrigin(const NetworkState& s, double& x0, double& y0) {
  x0 = y0 = 0.0;
  if (s.Network.NumFixed != 1) return;
  for (int p = 1; p <= s.Network.NumPoints; ++p)
    if (s.Network.VariableIndex(p) == 0) {
      x0 = s.Network.PointX(p);
      y0 = s.Network.PointY(p);
    }
}

// Columns 2k - 1 and 2k of the rows for variable point k at (x, y) from the
// rows' origin; `one` is the element of the translation rows.
void FillPoint(Matrix& e, const std::vector<Row>& rows, int k, double x, double y, double one) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    double cx = 0.0, cy = 0.0;
    switch (rows[r]) {
      case Row::TranslationX:
        cx = one;
        break;
      case Row::TranslationY:
        cy = one;
        break;
      case Row::Rotation:
        cx = -y;
        cy = x;
        break;
      case Row::Scale:
        cx = x;
        cy = y;
        break;
    }
    e(static_cast<int>(r) + 1, 2 * k - 1) = cx;
    e(static_cast<int>(r) + 1, 2 * k) = cy;
  }
}

bool HasTranslations(const std::vector<Row>& rows) {
  return rows.front() == Row::TranslationX;
}

void FillRows(NetworkState& s, const std::vector<Row>& rows, int points) {
  s.Equations.NumConstraints = static_cast<int>(rows.size());
  s.Equations.E.Redim(s.Equations.NumConstraints, 2 * points);
  double x0 = 0.0, y0 = 0.0;
  // The types without translation rows are those of a network with a fixed point.
  if (!HasTranslations(rows)) RowOrigin(s, x0, y0);
  for (int k = 1; k <= points; ++k) {
    const int p = VariablePoint(s, k);
    FillPoint(s.Equations.E, rows, k, Sub(s.Network.PointX(p), x0), Sub(s.Network.PointY(p), y0),
              1.0);
  }
}

// An element index in the type-8 prompts: general text, with a space
// appended when it is two characters long.
std::string IndexText(int i) {
  const std::string text = GeneralText(i);
  return text.size() == 2 ? text + " " : text;
}

void RefuseNumber(Interaction& ui) {
  ui.Beep();
  ui.MessageBox("¡ Número no válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
}

// Asks until the answer is a number accepted by valid; nullopt when cancelled.
template <typename Valid>
std::optional<double> AskNumber(Interaction& ui, const std::string& prompt,
                                const std::string& title, const std::string& defaultText,
                                Valid valid) {
  for (;;) {
    const std::string answer = ui.InputBox(prompt, title, defaultText);
    if (answer.empty()) return std::nullopt;
    if (IsTypedNumber(answer) && valid(NumericValue(answer))) return NumericValue(answer);
    RefuseNumber(ui);
  }
}

// The rows of E typed element by element: their count (1 .. unknowns), then
// each element. False when a prompt is cancelled.
bool TypeRows(NetworkState& s, Interaction& ui, const std::string& title, int unknowns) {
  const std::optional<double> count =
      AskNumber(ui, "    Número de constreñimientos ( 1 por defecto ) ? ", title, "1",
                [unknowns](double d) { return d >= 0.5 && d < unknowns + 0.5; });
  if (!count) return false;
  const int d = ToInteger(*count);
  s.Equations.NumConstraints = d;
  s.Equations.E.Redim(d, unknowns);
  for (int i = 1; i <= d; ++i)
    for (int j = 1; j <= unknowns; ++j) {
      const std::optional<double> element = AskNumber(
          ui,
          "    Elemento   E (" + IndexText(i) + "  ," + IndexText(j) +
              "  )\r\n    ..........................",
          "Introducción de la matriz de constreñimientos", "0", [](double) { return true; });
      if (!element) return false;
      s.Equations.E(i, j) = *element;
    }
  return true;
}

void Centroid(const NetworkState& s, int points, double& x0, double& y0) {
  x0 = y0 = 0.0;
  for (int k = 1; k <= points; ++k) {
    x0 = Add(x0, s.Network.PointX(VariablePoint(s, k)));
    y0 = Add(y0, s.Network.PointY(VariablePoint(s, k)));
  }
  x0 = Div(x0, points);
  y0 = Div(y0, points);
}

// The rows E x = 0 that the cofactor matrix is computed with. Rows formed
// from coordinates in metres (types 1 to 7) give E^t E elements of the
// coordinates squared, far from those of N, and inv(N + E^t E) loses some
// seven digits. When the rows are a basis of the datum defect (translations
// with no fixed point, rotation and scale about the single fixed point) the
// cofactor matrix depends only on the space they span, so they are taken
// instead about the centroid of the variable points (or the fixed point),
// divided by the points' RMS distance from it and weighted by the mean
// diagonal of N: the same space, with orthogonal rows and E^t E of the size
// of N. Any other E (typed, imported, or a type that does not match the
// fixed points) is used as it stands.
Matrix SolutionRows(const NetworkState& s, const Matrix& normal, int u) {
  const NetworkKind* kind = KindOf(s.Options.Datum);
  if (kind == nullptr || kind->rows.empty()) return s.Equations.E;
  const bool translations = HasTranslations(kind->rows);
  if (s.Network.NumFixed != (translations ? 0 : 1)) return s.Equations.E;
  const int points = u / 2;
  double x0 = 0.0, y0 = 0.0;
  if (translations)
    Centroid(s, points, x0, y0);
  else
    RowOrigin(s, x0, y0);
  double spread = 0.0, trace = 0.0;
  for (int k = 1; k <= points; ++k) {
    const int p = VariablePoint(s, k);
    const double x = Sub(s.Network.PointX(p), x0), y = Sub(s.Network.PointY(p), y0);
    spread = Add(spread, Add(Mul(x, x), Mul(y, y)));
  }
  for (int i = 1; i <= u; ++i) trace = Add(trace, normal(i, i));
  const double length = spread > 0.0 ? Sqrt(Div(spread, points)) : 1.0;
  const double weight = trace > 0.0 ? Sqrt(Div(trace, Mul(u, points))) : 1.0;
  Matrix e(s.Equations.NumConstraints, u);
  for (int k = 1; k <= points; ++k) {
    const int p = VariablePoint(s, k);
    FillPoint(e, kind->rows, k, Mul(weight, Div(Sub(s.Network.PointX(p), x0), length)),
              Mul(weight, Div(Sub(s.Network.PointY(p), y0), length)), weight);
  }
  return e;
}

// Inverse of the order-n matrix m by the chosen method.
Matrix Inverse(const NetworkState& s, const Matrix& m, int n) {
  return Invert(m, n, s.Options.Inversion);
}

}  // namespace

bool AskNetworkType(NetworkState& s, Interaction& ui, const std::string& leadingLine) {
  const std::string prompt =
      leadingLine.empty() ? NetworkTypePrompt() : leadingLine + "\r\n" + NetworkTypePrompt();
  const bool distances = HasDistance(s);
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, "2");
    if (answer.empty()) return false;
    if (answer.size() == 1 && answer[0] >= '1' && answer[0] <= '8') {
      const NetworkKind& kind = Kinds()[static_cast<std::size_t>(answer[0] - '1')];
      if (kind.hasScale || !distances) {
        s.Options.Datum = kind.type;
        return true;
      }
    }
    ui.Beep();
    ui.MessageBox("¡ Número no válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
}

bool FormConstraintMatrix(NetworkState& s, Interaction& ui, const std::string& type8Title) {
  const NetworkKind* kind = KindOf(s.Options.Datum);
  if (kind == nullptr) return true;
  const int points = s.Network.NumPoints - s.Network.NumFixed;
  if (kind->rows.empty()) return TypeRows(s, ui, type8Title, 2 * points);
  FillRows(s, kind->rows, points);
  return true;
}

Matrix ConstraintCofactors(const NetworkState& s, const Matrix& normal, int u) {
  const int d = s.Equations.NumConstraints;
  const Matrix e = SolutionRows(s, normal, u);
  Matrix ete;
  Matrix et;
  Transpose(e, d, u, et);
  Multiply(et, e, u, d, u, ete);
  for (int i = 1; i <= u; ++i)
    for (int j = 1; j <= u; ++j) ete(i, j) = Add(ete(i, j), normal(i, j));
  const Matrix gInverse = Inverse(s, ete, u);

  Matrix eet;
  MultiplyByTranspose(e, e, d, u, d, eet);
  const Matrix hInverse = Inverse(s, eet, d);
  Matrix f, l, m;
  Multiply(et, hInverse, u, d, d, f);
  Multiply(hInverse, e, d, d, u, l);
  Multiply(f, l, u, d, u, m);
  Matrix qxx(u, u);
  for (int i = 1; i <= u; ++i)
    for (int j = 1; j <= u; ++j) qxx(i, j) = Sub(gInverse(i, j), m(i, j));
  return qxx;
}

Matrix FreeNetworkCofactors(const NetworkState& s) {
  const int u = 2 * (s.Network.NumPoints - s.Network.NumFixed);
  return ConstraintCofactors(
      s, FormNormalEquations(s.Equations, {s.Network.NumObs + s.Equations.NumCondEq, u}).normal, u);
}

std::optional<Matrix> EnterConstraintMatrix(NetworkState& s, Interaction& ui) {
  if (!FormConstraintMatrix(s, ui, kDesignConstraintMatrixTitle)) return std::nullopt;
  return FreeNetworkCofactors(s);
}

}  // namespace ombrel
