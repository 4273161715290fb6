#include "design/criterion_matrix.h"

#include <cmath>
#include <optional>
#include <utility>

#include "adjust/output_names.h"
#include "adjust/singular_value_review.h"
#include "design/vertex_prompts.h"
#include "listing/file_error.h"
#include "listing/number_format.h"
#include "listing/output_file.h"
#include "model/text_file.h"
#include "numeric/checked.h"
#include "ui/prompt_text.h"

namespace ombrel {

namespace {

std::string OptionPrompt(const std::string& question, const std::vector<std::string>& options) {
  std::string prompt =
      "\r\nELECCION DE LA MATRIZ DE CRITERIO  QxxE \r\n\r\n" + question + "\r\n\r\n";
  for (const std::string& option : options) prompt += option + "\r\n";
  return prompt;
}

// An element index of the entry prompts: below 10 padded with a blank.
std::string IndexText(int i) {
  return (i < 10 ? " " : "") + std::to_string(i);
}

// nullopt when cancelled; a decimal comma or a text that is not a number is
// refused and asked again.
std::optional<double> AskElement(Interaction& ui, int i, int j, double current) {
  const std::string prompt = " QxxE (" + IndexText(i) + " ," + IndexText(j) + " ) .... ";
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, PlainNumberText(current));
    if (answer.empty()) return std::nullopt;
    if (answer.find(',') == std::string::npos && IsTypedNumber(answer)) return NumericValue(answer);
    RefuseNumber(ui);
  }
}

// Asks element (i, j) into m and its mirror; false when cancelled.
bool AskSymmetric(Interaction& ui, int i, int j, Matrix& m) {
  const std::optional<double> value = AskElement(ui, i, j, m(i, j));
  if (!value) return false;
  m(i, j) = *value;
  m(j, i) = *value;
  return true;
}

void SetSymmetric(Matrix& m, int i, int j, double value) {
  m(i, j) = value;
  m(j, i) = value;
}

// One index of an "I,J" answer: digits only, 1 .. order.
bool ParseIndex(const std::string& text, int order, int& index) {
  if (!IsTypedWholeNumber(text)) return false;
  const double value = NumericValue(text);
  if (value < 1.0 || value > order) return false;
  index = static_cast<int>(value);
  return true;
}

// The element to correct; false when the prompt is cancelled.
bool AskElementToCorrect(Interaction& ui, int order, int& i, int& j) {
  for (;;) {
    const std::string answer =
        ui.InputBox("ELEMENTO QUE DESEA RECTIFICAR ...  I,J ", kAppTitle, "1,2");
    if (answer.empty()) return false;
    const std::size_t comma = answer.find(',');
    if (comma != std::string::npos && answer.find('.') == std::string::npos &&
        static_cast<unsigned char>(answer[0]) >= static_cast<unsigned char>('1') &&
        ParseIndex(answer.substr(0, comma), order, i) &&
        ParseIndex(answer.substr(comma + 1), order, j)) {
      if (i > j) std::swap(i, j);
      return true;
    }
    ui.Beep();
    ui.MessageBox("¡ Algún carácter no válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
}

}  // namespace

std::optional<int> AskCriterionOption(Interaction& ui, const std::string& question,
                                      const std::vector<std::string>& options,
                                      const std::string& defaultOption) {
  const std::string prompt = OptionPrompt(question, options);
  const char last = static_cast<char>('0' + options.size());
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, defaultOption);
    if (answer.empty()) return std::nullopt;
    if (answer.size() == 1 && answer[0] >= '1' && answer[0] <= last) return answer[0] - '0';
    RefuseNumber(ui);
  }
}

Matrix MeansCriterion(const Matrix& q, int order) {
  Matrix e(order, order);
  const int points = order / 2;
  for (int i = 1; i <= points; ++i) {
    const int xi = 2 * i - 1, yi = 2 * i;
    const double variance = Div(Add(q(xi, xi), q(yi, yi)), 2.0);
    e(xi, xi) = variance;
    e(yi, yi) = variance;
    for (int j = i + 1; j <= points; ++j) {
      const int xj = 2 * j - 1, yj = 2 * j;
      const double a = Div(Add(q(xi, xj), q(yi, yj)), 2.0);
      const double b = Div(Add(q(yi, xj), q(xi, yj)), 2.0);
      SetSymmetric(e, xi, xj, a);
      SetSymmetric(e, yi, yj, a);
      SetSymmetric(e, yi, xj, b);
      SetSymmetric(e, xi, yj, -b);
    }
  }
  return e;
}

Matrix ReadCriterionFile(const std::string& path, int order) {
  const std::optional<std::string> text = ReadTextFile(path);
  if (!text) throw FileError(FileError::Kind::CannotRead, path);
  std::vector<double> values;
  std::size_t at = 0;
  const char* separators = ", \t\r\n";
  for (;;) {
    at = text->find_first_not_of(separators, at);
    if (at == std::string::npos) break;
    const std::size_t end = text->find_first_of(separators, at);
    values.push_back(Checked(NumericValue(text->substr(at, end - at))));
    at = end;
  }
  const std::size_t needed = static_cast<std::size_t>(order) * (order + 1) / 2;
  if (values.size() < needed) throw FileError(FileError::Kind::UnexpectedEnd, path);
  Matrix m(order, order);
  std::size_t next = 0;
  for (int i = 1; i <= order; ++i)
    for (int j = i; j <= order; ++j) SetSymmetric(m, i, j, values[next++]);
  return m;
}

static std::string AskCriterionPath(Interaction& ui) {
  return ui.InputBox(HeadingPrompt("    MATRIZ DE CRITERIO  QxxE  ",
                                   "    Indique el fichero con los elementos de la matriz : "),
                     kAppTitle, "QxxE.txt");
}

std::optional<CriterionFile> AskCriterionFile(Interaction& ui, const std::string& listingFile,
                                              int order) {
  for (;;) {
    const std::string path = AskCriterionPath(ui);
    if (path.empty()) return std::nullopt;
    if (SameFile(path, listingFile)) {
      ui.Beep();
      ui.MessageBox(ListingFileRefusal(path), Buttons::Ok, Icon::Information, 1, kAppTitle);
      continue;
    }
    return CriterionFile{path, ReadCriterionFile(path, order)};
  }
}

bool EnterCriterionByHand(Interaction& ui, int order, Matrix& qxxe) {
  ui.Beep();
  ui.MessageBox(JoinLines({" MATRIZ SIMETRICA  ", "¡ Introduzca solo triangular superior ! "}),
                Buttons::Ok, Icon::Information, 1, kAppTitle);
  for (int i = 1; i <= order; ++i)
    for (int j = i; j <= order; ++j)
      if (!AskSymmetric(ui, i, j, qxxe)) return false;
  while (ui.MessageBox("  ¿ Desea rectificar algún elemento ? ", Buttons::YesNo, Icon::Information,
                       1, kAppTitle) == Answer::Yes) {
    int i = 0, j = 0;
    if (AskElementToCorrect(ui, order, i, j) && !AskSymmetric(ui, i, j, qxxe)) return false;
  }
  return true;
}

}  // namespace ombrel
