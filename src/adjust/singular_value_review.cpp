#include "adjust/singular_value_review.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "listing/number_format.h"
#include "numeric/run_time_error.h"
#include "ui/prompt_text.h"

namespace ombrel {

namespace {

constexpr const char* kCrLf2 = "\r\n\r\n";

const std::string kEm2Prompt =
    "\r\n    PRECISION RELATIVA VALORES SINGULARES :  \r\n\r\n\r\n    ¿  Variable...  em2  ? ";
const std::string kEm6Prompt =
    "\r\n    MINIMO VALOR SINGULAR NO DESPRECIABLE :  \r\n\r\n\r\n    ¿  Variable...  em6  ? ";

bool Eliminated(const SvdResult& svd, int i) {
  return i > svd.rank;
}

std::string ValueText(const SvdResult& svd, int i, ValueFormat format) {
  return format.lead + FormatNumber(svd.singularValues(i), format.width, format.decimals) +
         (Eliminated(svd, i) ? kEliminatedMark : "");
}

// The closing lines of the question, from the em values on.
std::string QuestionTail(const SvdTolerances& t, const ReviewStyle& style) {
  return "  em2   =   " + PlainNumberText(t.relativePrecision) +
         "\r\n  em6   =   " + PlainNumberText(t.smallestSingularValue) + kCrLf2 +
         "  ¿ DESEA REALIZAR UN NUEVO CALCULO ?  " + (style.questionLineEnd ? "\r\n" : "");
}

std::string QuestionText(const SvdResult& svd, const SvdTolerances& t, const std::string& heading,
                         int k, const ReviewStyle& style) {
  std::string text = " \r\n" + heading + kCrLf2 +
                     "  Precisión  relativa  valores  singulares    --->   em2 \r\n"
                     "  Mínimo valor singular no despreciable   --->   em6 " +
                     kCrLf2;
  for (int i = 1; i <= k; ++i) text += ValueText(svd, i, style.values) + "\r\n";
  return text + "\r\n" + QuestionTail(t, style);
}

// The value of a typed precision, or 0 when it is not a positive number
// that a double holds.
double PositiveValue(const std::string& answer) {
  if (!IsTypedNumber(answer)) return 0.0;
  try {
    return std::max(NumericValue(answer), 0.0);
  } catch (const RunTimeError&) {
    return 0.0;  // beyond the range of a double
  }
}

// Asks one precision into em, refusing anything but a positive number;
// false when the prompt is cancelled.
bool AskPrecision(Interaction& ui, const std::string& prompt, const std::string& defaultText,
                  double& em) {
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, defaultText);
    if (answer.empty()) return false;
    if (const double value = PositiveValue(answer); value > 0.0) {
      em = value;
      return true;
    }
    ui.Beep();
    ui.MessageBox("¡ Número no válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
}

// The default em6 of a relative style for the k singular values of the last
// decomposition; the kernel's fixed default when they are all zero.
double RelativeEm6(const SvdResult& svd, int k, double share) {
  double largest = 0.0;
  for (int i = 1; i <= k; ++i) largest = std::max(largest, svd.singularValues(i));
  if (largest == 0.0) return 1e-10;
  char text[32];
  std::snprintf(text, sizeof text, "%.1e", share * largest);
  return std::strtod(text, nullptr);
}

std::string Em6Default(const SvdResult& svd, int k, const ReviewStyle& style) {
  return style.relativeEm6 > 0.0 ? PlainNumberText(RelativeEm6(svd, k, style.relativeEm6))
                                 : "0.0000000001";
}

}  // namespace

void SortSingularValues(Vector& values, int k) {
  for (int i = k; i >= 2; --i)
    for (int j = i - 1; j >= 1; --j)
      if (values(i) > values(j)) std::swap(values(i), values(j));
}

std::string PlainNumberText(double value) {
  const std::string text = GeneralText(value);
  return text[0] == ' ' ? text.substr(1) : text;
}

std::optional<SvdResult> ReviewedDecomposition(
    SvdTolerances& t, Interaction& ui, const std::string& heading, int k,
    const std::function<SvdResult(const SvdTolerances&)>& decompose, const ReviewStyle& style) {
  t = SvdTolerances{};
  SvdResult svd = decompose(t);
  if (style.relativeEm6 > 0.0) {
    t.smallestSingularValue = RelativeEm6(svd, k, style.relativeEm6);
    svd = decompose(t);
  }
  SortSingularValues(svd.singularValues, k);
  std::string question = QuestionText(svd, t, heading, k, style);
  while (ui.MessageBox(question, Buttons::YesNo, Icon::Information, 2, kAppTitle) == Answer::Yes) {
    const std::string* cancelled = nullptr;
    if (!AskPrecision(ui, kEm2Prompt, "0.000000000001", t.relativePrecision))
      cancelled = &kEm2Prompt;
    else if (!AskPrecision(ui, kEm6Prompt, Em6Default(svd, k, style), t.smallestSingularValue))
      cancelled = &kEm6Prompt;
    if (cancelled != nullptr) {
      if (style.cancelEnds) return std::nullopt;
      question = *cancelled + "\r\n" + QuestionTail(t, style);
      continue;
    }
    svd = decompose(t);
    SortSingularValues(svd.singularValues, k);
    question = QuestionText(svd, t, heading, k, style);
  }
  return svd;
}

void WriteDecompositionReport(ListingWriter& out, const SvdTolerances& t, const SvdResult& svd,
                              int k, int rankDefect, ValueFormat format) {
  for (int i = 1; i <= k; ++i) out.Line(ValueText(svd, i, format));
  out.BlankLine();
  out.Line("    Precision relativa valores singulares -> em2 = " +
           PlainNumberText(t.relativePrecision));
  out.Line("    Minimo valor singular no despreciable -> em6 = " +
           PlainNumberText(t.smallestSingularValue));
  out.BlankLine();
  out.Line("    Numero de  valores singulares no encontrados : " + std::to_string(svd.notFound));
  out.Line("    Maximo elemento descuidado en la subdiagonal : " +
           PlainNumberText(svd.largestNeglected));
  out.Line("    Norma sub-infinito : " + PlainNumberText(svd.norm));
  out.Line("    Numero iteraciones : " + std::to_string(svd.iterations));
  out.Line("    Rango de la matriz : " + std::to_string(svd.rank));
  out.Line("    Defecto  de  rango : " + std::to_string(rankDefect));
}

}  // namespace ombrel
