#include "adjust/singular_value_review.h"

#include <string>
#include <utility>

#include "listing/number_format.h"
#include "ui/prompt_text.h"

namespace ombrel {

namespace {

constexpr const char* kCrLf2 = "\r\n\r\n";

const std::string kEm2Prompt =
    "\r\n    PRECISION RELATIVA VALORES SINGULARES :  \r\n\r\n\r\n    ¿  Variable...  em2  ? ";
const std::string kEm6Prompt =
    "\r\n    MINIMO VALOR SINGULAR NO DESPRECIABLE :  \r\n\r\n\r\n    ¿  Variable...  em6  ? ";

bool Eliminated(const NetworkState& s, int i) {
  return i > s.Em7;
}

std::string ValueText(const NetworkState& s, int i, ValueFormat format) {
  return format.lead + FormatNumber(s.SingularValues(i), format.width, format.decimals) +
         (Eliminated(s, i) ? kEliminatedMark : "");
}

// The closing lines of the question, from the em values on.
std::string QuestionTail(const NetworkState& s, const ReviewStyle& style) {
  return "  em2   =   " + PlainNumberText(s.Em2) + "\r\n  em6   =   " + PlainNumberText(s.Em6) +
         kCrLf2 + "  ¿ DESEA REALIZAR UN NUEVO CALCULO ?  " + (style.questionLineEnd ? "\r\n" : "");
}

std::string QuestionText(const NetworkState& s, const std::string& heading, int k,
                         const ReviewStyle& style) {
  std::string text = " \r\n" + heading + kCrLf2 +
                     "  Precisión  relativa  valores  singulares    --->   em2 \r\n"
                     "  Mínimo valor singular no despreciable   --->   em6 " +
                     kCrLf2;
  for (int i = 1; i <= k; ++i) text += ValueText(s, i, style.values) + "\r\n";
  return text + "\r\n" + QuestionTail(s, style);
}

// Asks one precision into em; false when the prompt is cancelled. A text
// that is not a number is refused and asked again.
bool AskPrecision(Interaction& ui, const std::string& prompt, const char* defaultText, double& em) {
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, defaultText);
    if (answer.empty()) return false;
    if (IsTypedNumber(answer)) {
      em = NumericValue(answer);
      return true;
    }
    ui.Beep();
    ui.MessageBox("¡ Número no válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
}

}  // namespace

void SortSingularValues(NetworkState& s, int k) {
  for (int i = k; i >= 2; --i)
    for (int j = i - 1; j >= 1; --j)
      if (s.SingularValues(i) > s.SingularValues(j))
        std::swap(s.SingularValues(i), s.SingularValues(j));
}

std::string PlainNumberText(double value) {
  const std::string text = GeneralText(value);
  return text[0] == ' ' ? text.substr(1) : text;
}

bool ReviewedDecomposition(NetworkState& s, Interaction& ui, const std::string& heading, int k,
                           const std::function<void()>& decompose, const ReviewStyle& style) {
  s.EmUserSet = 0;
  decompose();
  SortSingularValues(s, k);
  std::string question = QuestionText(s, heading, k, style);
  while (ui.MessageBox(question, Buttons::YesNo, Icon::Information, 2, kAppTitle) == Answer::Yes) {
    const std::string* cancelled = nullptr;
    if (!AskPrecision(ui, kEm2Prompt, "0.000000000001", s.Em2))
      cancelled = &kEm2Prompt;
    else if (!AskPrecision(ui, kEm6Prompt, "0.0000000001", s.Em6))
      cancelled = &kEm6Prompt;
    if (cancelled != nullptr) {
      if (style.cancelEnds) return false;
      question = *cancelled + "\r\n" + QuestionTail(s, style);
      continue;
    }
    s.EmUserSet = 1;
    decompose();
    SortSingularValues(s, k);
    question = QuestionText(s, heading, k, style);
  }
  return true;
}

void WriteDecompositionReport(ListingWriter& out, const NetworkState& s, int k, int rankDefect,
                              ValueFormat format) {
  for (int i = 1; i <= k; ++i) out.Line(ValueText(s, i, format));
  out.BlankLine();
  out.Line("    Precision relativa valores singulares -> em2 = " + PlainNumberText(s.Em2));
  out.Line("    Minimo valor singular no despreciable -> em6 = " + PlainNumberText(s.Em6));
  out.BlankLine();
  out.Line("    Numero de  valores singulares no encontrados : " + std::to_string(s.SvdNotFound));
  out.Line("    Maximo elemento descuidado en la subdiagonal : " + PlainNumberText(s.Em3));
  out.Line("    Norma sub-infinito : " + PlainNumberText(s.Em1));
  out.Line("    Numero iteraciones : " + std::to_string(s.Em5));
  out.Line("    Rango de la matriz : " + std::to_string(s.Em7));
  out.Line("    Defecto  de  rango : " + std::to_string(rankDefect));
}

}  // namespace ombrel
