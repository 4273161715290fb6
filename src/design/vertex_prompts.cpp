#include "design/vertex_prompts.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "listing/number_format.h"
#include "ui/prompt_text.h"

namespace ombrel {

bool IsDesignWholeNumber(const std::string& text) {
  if (text.empty() || text == "0" || text == " 0") return false;
  if (text.find_first_of(",.") != std::string::npos) return false;
  if (static_cast<unsigned char>(text[0]) < static_cast<unsigned char>('1')) return false;
  return IsTypedNumber(text) && NumericValue(text) >= 0.0;
}

std::string VertexHeading(int k, bool padded) {
  static const std::array<const char*, 8> ordinals{"PRIMER", "SEGUNDO", "TERCER",  "CUARTO",
                                                   "QUINTO", "SEXTO",   "SEPTIMO", "OCTAVO"};
  const std::string word =
      k >= 1 && k <= 8 ? ordinals[static_cast<std::size_t>(k - 1)] : "SIGUIENTE";
  std::string heading = word + " VERTICE ";
  if (!padded) return heading + "....";
  heading.resize(std::max<std::size_t>(heading.size() + 2, 20), '.');
  return heading;
}

int PointWithNumber(const NetworkState& s, int number) {
  for (int p = 1; p <= s.Network.NumPoints; ++p)
    if (s.Network.PointNumber(p) == number) return p;
  return 0;
}

int VariablePoint(const NetworkState& s, int k) {
  for (int p = 1; p <= s.Network.NumPoints; ++p)
    if (s.Network.VariableIndex(p) == k) return p;
  return 0;
}

void RefuseNumber(Interaction& ui) {
  ui.Beep();
  ui.MessageBox("¡ Número no válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
}

std::optional<int> AskDesignVertex(const NetworkState& s, Interaction& ui, int k, bool padded,
                                   const std::vector<int>& chosen, bool cancellable) {
  const std::string prompt = HeadingPrompt(VertexHeading(k, padded), "¿ Número de vértice ? ");
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, "1");
    if (answer.empty() && cancellable) return std::nullopt;
    const double value = IsDesignWholeNumber(answer) ? NumericValue(answer) : 0.0;
    if (value >= 1.0 && value <= kMaxProjectPoints && value == std::floor(value)) {
      const int number = static_cast<int>(value);
      const int point = PointWithNumber(s, number);
      // A fixed or repeated vertex would leave the chosen group short of
      // unknowns, so only new variable points are taken.
      if (point != 0 && s.Network.VariableIndex(point) != 0 &&
          std::find(chosen.begin(), chosen.end(), number) == chosen.end())
        return number;
    }
    RefuseNumber(ui);
  }
}

}  // namespace ombrel
