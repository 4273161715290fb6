#include "design/design_review.h"

#include <algorithm>

#include "adjust/row_products.h"
#include "adjust/singular_value_review.h"
#include "listing/number_format.h"
#include "numeric/svd.h"
#include "ui/prompt_text.h"

namespace ombrel {

namespace {

std::string ValueLines(const NetworkState& s, int k, ValueFormat format) {
  std::string lines;
  for (int i = 1; i <= k; ++i)
    lines += FormatNumber(s.SingularValues(i), format.width, format.decimals) +
             (i > s.Em7 ? kEliminatedMark : "") + "\r\n";
  return lines;
}

std::string QuestionText(const NetworkState& s, const std::string& titleLine, int k,
                         ValueFormat format) {
  return " \r\n" + titleLine +
         "\r\n\r\n"
         "  Precisión  relativa  valores  singulares    --->   em2 \r\n"
         "  Mínimo valor singular no despreciable   --->   em6 \r\n\r\n" +
         ValueLines(s, k, format) + "\r\n  em2   =   " + PlainNumberText(s.Em2) +
         "\r\n  em6   =   " + PlainNumberText(s.Em6) +
         "\r\n\r\n  ¿ DESEA REALIZAR UN NUEVO CALCULO ?  ";
}

const std::string& Em2Prompt() {
  static const std::string prompt =
      HeadingPrompt("    PRECISION RELATIVA VALORES SINGULARES :  ", "    ¿  Variable...  em2  ? ");
  return prompt;
}

const std::string& Em6Prompt() {
  static const std::string prompt =
      HeadingPrompt("    MINIMO VALOR SINGULAR NO DESPRECIABLE :  ", "    ¿  Variable...  em6  ? ");
  return prompt;
}

void CopyBlock(const Matrix& from, int rows, int cols, Matrix& to) {
  to.Redim(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) to(i, j) = from(i, j);
}

bool AllZero(const Matrix& m, int rows, int cols) {
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j)
      if (m(i, j) != 0.0) return false;
  return true;
}

// The decomposition of an exactly zero matrix, which the iteration cannot
// take (its tolerances scale with the norm, here 0): every singular value
// is 0, the rank 0 and the pseudoinverse, already sized to zeros, stays so.
void ZeroDecomposition(NetworkState& s, int k) {
  if (s.EmUserSet == 0) {
    s.Em2 = 1e-12;
    s.Em6 = 1e-10;
  }
  s.SingularValues.Redim(k);
  s.Em1 = 0.0;
  s.Em3 = 0.0;
  s.Em5 = 0;
  s.Em7 = 0;
  s.SvdNotFound = 0;
}

}  // namespace

bool ReviewDesignDecomposition(NetworkState& s, Interaction& ui, const std::string& titleLine,
                               int k, ValueFormat format, const std::function<void()>& decompose) {
  s.EmUserSet = 0;
  decompose();
  SortSingularValues(s, k);
  while (ui.MessageBox(QuestionText(s, titleLine, k, format), Buttons::YesNo, Icon::Information, 2,
                       kAppTitle) == Answer::Yes) {
    const std::string em2 = ui.InputBox(Em2Prompt(), kAppTitle, "0.000000000001");
    if (em2.empty()) return false;
    const std::string em6 = ui.InputBox(Em6Prompt(), kAppTitle, "0.0000000001");
    if (em6.empty()) return false;
    s.Em2 = NumericValue(em2);
    s.Em6 = NumericValue(em6);
    s.EmUserSet = 1;
    decompose();
    SortSingularValues(s, k);
  }
  s.NumConstraints = k - s.Em7;
  return true;
}

void WriteDesignDecomposition(ListingWriter& out, const NetworkState& s, int k,
                              ValueFormat format) {
  for (int i = 1; i <= k; ++i)
    out.Line(FormatNumber(s.SingularValues(i), format.width, format.decimals) +
             (i > s.Em7 ? kEliminatedMark : ""));
  out.BlankLine();
  out.Line("    Precision relativa valores singulares -> em2 = " + PlainNumberText(s.Em2));
  out.Line("    Minimo valor singular no despreciable -> em6 = " + PlainNumberText(s.Em6));
  out.BlankLine();
  out.Line("    Numero de  valores singulares no encontrados : " + std::to_string(s.SvdNotFound));
  out.Line("    Maximo elemento descuidado en la subdiagonal : " + PlainNumberText(s.Em3));
  out.Line("    Norma sub-infinito : " + PlainNumberText(s.Em1));
  out.Line("    Numero iteraciones : " + std::to_string(s.Em5));
  out.Line("    Rango de la matriz : " + std::to_string(s.Em7));
  out.Line("    Defecto  de  rango : " + std::to_string(s.NumConstraints));
}

bool ReviewedPseudoinverse(NetworkState& s, Interaction& ui, const Matrix& m, int rows, int cols,
                           const std::string& titleLine, ValueFormat format, Matrix& result) {
  const bool transposed = rows < cols;
  const int k = std::min(rows, cols);
  const bool zero = AllZero(m, rows, cols);
  const bool accepted = ReviewDesignDecomposition(s, ui, titleLine, k, format, [&] {
    if (zero) {
      s.InvResult.Redim(cols, rows);
      ZeroDecomposition(s, k);
    } else if (transposed) {
      Transpose(m, rows, cols, s.InvInput);
      s.InvResult.Redim(rows, cols);
      int scratch = rows;
      Pseudoinverse(s, cols, scratch);
    } else {
      CopyBlock(m, rows, cols, s.InvInput);
      s.InvResult.Redim(cols, rows);
      int scratch = cols;
      Pseudoinverse(s, rows, scratch);
    }
  });
  if (!accepted) return false;
  if (transposed && !zero)
    Transpose(s.InvResult, rows, cols, result);
  else
    CopyBlock(s.InvResult, cols, rows, result);
  return true;
}

}  // namespace ombrel
