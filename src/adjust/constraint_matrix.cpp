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
  const char* word;
  const char* line;
  bool hasScale;  // false: the type leaves the scale free, which a distance defines
  std::vector<Row> rows;
};

const std::array<NetworkKind, 8>& Kinds() {
  static const std::array<NetworkKind, 8> kinds{{
      {"Uno",
       " 1.  d=4  Sin punto fijo y sin orientación  ni  escala.  ",
       false,
       {Row::TranslationX, Row::TranslationY, Row::Rotation, Row::Scale}},
      {"Dos",
       " 2.  d=3  Sin punto fijo y sin orientación. Con escala.  ",
       true,
       {Row::TranslationX, Row::TranslationY, Row::Rotation}},
      {"Tres",
       " 3.  d=3  Sin punto fijo y sin escala. Con orientación.  ",
       false,
       {Row::TranslationX, Row::TranslationY, Row::Scale}},
      {"Cuatro",
       " 4.  d=2  Sin punto fijo.  Con escala, con orientación.  ",
       true,
       {Row::TranslationX, Row::TranslationY}},
      {"Cinco",
       " 5.  d=2  Sin escala, sin orientación.  Con punto fijo.  ",
       false,
       {Row::Rotation, Row::Scale}},
      {"Seis", " 6.  d=1  Sin orientación. Con punto fijo y con escala.  ", true, {Row::Rotation}},
      {"Siete", " 7.  d=1  Sin escala. Con punto fijo y con orientación.  ", false, {Row::Scale}},
      {"Ocho", " 8.  Introducción de la  matriz ( E ) manualmente.  ", true, {}},
  }};
  return kinds;
}

const NetworkKind* KindOf(const std::string& word) {
  for (const NetworkKind& kind : Kinds())
    if (word == kind.word) return &kind;
  return nullptr;
}

bool HasDistance(const NetworkState& s) {
  for (int i = 1; i <= s.NumObs + s.NumCondEq; ++i)
    if (s.ObsWeights(1, i) == 2.0) return true;
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
  for (int p = 1; p <= s.NumPoints; ++p)
    if (s.VariableIndex(p) == k) return p;
  return 0;
}

// Origin of the rotation and scale rows: the fixed point when there is
// exactly one, since the free rotation and scale then act about it.
void RowOrigin(const NetworkState& s, double& x0, double& y0) {
  x0 = y0 = 0.0;
  if (s.NumFixed != 1) return;
  for (int p = 1; p <= s.NumPoints; ++p)
    if (s.VariableIndex(p) == 0) {
      x0 = s.PointX(p);
      y0 = s.PointY(p);
    }
}

void FillRows(NetworkState& s, const std::vector<Row>& rows, int points) {
  const int d = static_cast<int>(rows.size());
  s.NumConstraints = d;
  s.E.Redim(d, 2 * points);
  double x0 = 0.0, y0 = 0.0;
  // The types without translation rows are those of a network with a fixed point.
  if (rows.front() != Row::TranslationX) RowOrigin(s, x0, y0);
  for (int k = 1; k <= points; ++k) {
    const int p = VariablePoint(s, k);
    const double x = Sub(s.PointX(p), x0);
    const double y = Sub(s.PointY(p), y0);
    for (int r = 1; r <= d; ++r) {
      double cx = 0.0, cy = 0.0;
      switch (rows[static_cast<std::size_t>(r - 1)]) {
        case Row::TranslationX:
          cx = 1.0;
          break;
        case Row::TranslationY:
          cy = 1.0;
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
      s.E(r, 2 * k - 1) = cx;
      s.E(r, 2 * k) = cy;
    }
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
  s.NumConstraints = d;
  s.E.Redim(d, unknowns);
  for (int i = 1; i <= d; ++i)
    for (int j = 1; j <= unknowns; ++j) {
      const std::optional<double> element = AskNumber(
          ui,
          "    Elemento   E (" + IndexText(i) + "  ," + IndexText(j) +
              "  )\r\n    ..........................",
          "Introducción de la matriz de constreñimientos", "0", [](double) { return true; });
      if (!element) return false;
      s.E(i, j) = *element;
    }
  return true;
}

// Inverse of the order-n matrix m through the kernel's shared operands.
Matrix Inverse(NetworkState& s, const Matrix& m, int n) {
  s.InvInput.Redim(n, n);
  s.InvResult.Redim(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) s.InvInput(i, j) = m(i, j);
  InvertMatrix(s, n);
  Matrix inverse(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) inverse(i, j) = s.InvResult(i, j);
  return inverse;
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
        s.NetworkType = kind.word;
        return true;
      }
    }
    ui.Beep();
    ui.MessageBox("¡ Número no válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
}

bool FormConstraintMatrix(NetworkState& s, Interaction& ui, const std::string& type8Title) {
  const NetworkKind* kind = KindOf(s.NetworkType);
  if (kind == nullptr) return true;
  const int points = s.NumPoints - s.NumFixed;
  if (kind->rows.empty()) return TypeRows(s, ui, type8Title, 2 * points);
  FillRows(s, kind->rows, points);
  return true;
}

void ConstraintCofactors(NetworkState& s, int u, Matrix& qxx) {
  const int d = s.NumConstraints;
  Matrix ete;
  Matrix et;
  Transpose(s.E, d, u, et);
  Multiply(et, s.E, u, d, u, ete);
  for (int i = 1; i <= u; ++i)
    for (int j = 1; j <= u; ++j) ete(i, j) = Add(ete(i, j), s.NormalMatrix(i, j));
  const Matrix gInverse = Inverse(s, ete, u);

  Matrix eet;
  MultiplyByTranspose(s.E, s.E, d, u, d, eet);
  const Matrix hInverse = Inverse(s, eet, d);
  Matrix f, l, m;
  Multiply(et, hInverse, u, d, d, f);
  Multiply(hInverse, s.E, d, d, u, l);
  Multiply(f, l, u, d, u, m);
  qxx.Redim(u, u);
  for (int i = 1; i <= u; ++i)
    for (int j = 1; j <= u; ++j) qxx(i, j) = Sub(gInverse(i, j), m(i, j));
}

bool EnterConstraintMatrix(NetworkState& s, Interaction& ui) {
  if (!FormConstraintMatrix(s, ui, kDesignConstraintMatrixTitle)) return false;
  const int u = 2 * (s.NumPoints - s.NumFixed);
  FormNormalMatrix(s, {s.NumObs + s.NumCondEq, u});
  ConstraintCofactors(s, u, s.QxxE);
  return true;
}

}  // namespace ombrel
