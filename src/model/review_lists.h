// The two lists of the review dialog: one line per point with its kind
// ("fijo"/"vble") and one per observation with its weight, in fixed columns.
// Changes are previewed in the lines and applied to the network from them,
// so what is applied is exactly what the lists show. Columns count
// characters, not bytes: the lines hold accented letters.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kReviewPointPrompt = "   Use el ratón para seleccionar un vértice:";
inline constexpr const char* kReviewEquationPrompt =
    "   Con el ratón seleccione sólo una ecuación:";

// "   Vértice  7  ......   fijo"
std::string ReviewPointLine(int vertexNumber, bool fixed);
// "   Ecuación 12  ( distancia )" and the weight text right-aligned in 12.
std::string ReviewEquationLine(int equationNumber, bool distance, const std::string& weight);
// A weight as the list first shows it: a leading blank when not negative.
std::string ReviewWeightText(double weight);

// Characters first..last (1-based, inclusive) of a UTF-8 line.
std::string CharColumns(const std::string& line, int first, int last);

class ReviewLists {
 public:
  // The lines of the network's points and observations; item 0 of each list
  // is its prompt, item k is point (observation) k.
  explicit ReviewLists(const NetworkState& state);

  const std::vector<std::string>& PointList() const { return points_; }
  const std::vector<std::string>& EquationList() const { return equations_; }

  bool IsFixed(int k) const;
  bool IsDistance(int i) const;
  // The vertex (equation) number as the line shows it.
  int NumberOf(const std::string& line) const;

  void SetFixed(int k, bool fixed);
  // The weight text, right-aligned in its 12 columns, for one equation or
  // for all; false and nothing changed when the text is not a valid number.
  bool SetWeight(int i, const std::string& text);
  bool SetWeightOfAll(const std::string& text);

  // NumFixed and VariableIndex from the kinds shown, and the main window's
  // point label as the loader writes it. Changed kinds forget the error
  // figures of the last computation (ForgetErrorFigures).
  void ApplyFixedPoints(NetworkState& state, Interaction& ui) const;
  // ObsWeights row 2 from the weights shown.
  void ApplyWeights(NetworkState& state) const;

 private:
  std::vector<std::string> points_;
  std::vector<std::string> equations_;
};

}  // namespace ombrel
