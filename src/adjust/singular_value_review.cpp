#include "adjust/singular_value_review.h"

#include <string>
#include <utility>

#include "listing/number_format.h"

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

// The closing lines of the question, from the em values on.
std::string QuestionTail(const NetworkState& s) {
  return "  em2   =   " + PlainNumberText(s.Em2) + "\r\n  em6   =   " + PlainNumberText(s.Em6) +
         kCrLf2 + "  ¿ DESEA REALIZAR UN NUEVO CALCULO ?  \r\n";
}

std::string QuestionText(const NetworkState& s, const std::string& heading, int k) {
  std::string text = " \r\n" + heading + kCrLf2 +
                     "  Precisión  relativa  valores  singulares    --->   em2 \r\n"
                     "  Mínimo valor singular no despreciable   --->   em6 " +
                     kCrLf2;
  for (int i = 1; i <= k; ++i)
    text += FormatNumber(s.SingularValues(i), 8, 18) + (Eliminated(s, i) ? kEliminatedMark : "") +
            "\r\n";
  return text + "\r\n" + QuestionTail(s);
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

void ReviewedDecomposition(NetworkState& s, Interaction& ui, const std::string& heading, int k,
                           const std::function<void()>& decompose) {
  s.EmUserSet = 0;
  decompose();
  SortSingularValues(s, k);
  std::string question = QuestionText(s, heading, k);
  while (ui.MessageBox(question, Buttons::YesNo, Icon::Information, 2, kAppTitle) == Answer::Yes) {
    const std::string em2 = ui.InputBox(kEm2Prompt, kAppTitle, "0.000000000001");
    if (em2.empty()) {
      question = kEm2Prompt + "\r\n" + QuestionTail(s);
      continue;
    }
    s.Em2 = NumericValue(em2);
    const std::string em6 = ui.InputBox(kEm6Prompt, kAppTitle, "0.0000000001");
    if (em6.empty()) {
      question = kEm6Prompt + "\r\n" + QuestionTail(s);
      continue;
    }
    s.Em6 = NumericValue(em6);
    s.EmUserSet = 1;
    decompose();
    SortSingularValues(s, k);
    question = QuestionText(s, heading, k);
  }
}

void WriteDecompositionReport(ListingWriter& out, const NetworkState& s, int k, int rankDefect) {
  for (int i = 1; i <= k; ++i)
    out.Line(" " + FormatNumber(s.SingularValues(i), 12, 18) +
             (Eliminated(s, i) ? kEliminatedMark : ""));
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
