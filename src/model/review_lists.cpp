#include "model/review_lists.h"

#include "model/decimal_text.h"
#include "model/project_file.h"
#include "model/project_labels.h"
#include "model/project_lists.h"

namespace ombrel {
namespace {

constexpr int kNumberFirst = 12, kNumberLast = 14;
constexpr int kKindFirst = 25, kKindLast = 28;
constexpr int kWeightFirst = 30, kWeightWidth = 12;
constexpr const char* kDistanceKind = " distancia )";

// Byte offset of character column `column` (1-based); the line's size when
// the line is shorter.
std::size_t ByteOfColumn(const std::string& line, int column) {
  std::size_t at = 0;
  for (int col = 1; col < column && at < line.size(); ++col) {
    ++at;
    while (at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80) ++at;
  }
  return at;
}

// The line up to column first - 1 followed by text.
std::string Overwrite(const std::string& line, int first, const std::string& text,
                      const std::string& rest = "") {
  return line.substr(0, ByteOfColumn(line, first)) + text + rest;
}

}  // namespace

std::string CharColumns(const std::string& line, int first, int last) {
  const std::size_t begin = ByteOfColumn(line, first);
  return line.substr(begin, ByteOfColumn(line, last + 1) - begin);
}

std::string ReviewPointLine(int vertexNumber, bool fixed) {
  return "   Vértice " + ComboItem(vertexNumber) + " ......   " + (fixed ? "fijo" : "vble");
}

std::string ReviewEquationLine(int equationNumber, bool distance, const std::string& weight) {
  return "   Ecuación" + ComboItem(equationNumber) + "  (" +
         (distance ? kDistanceKind : " de ángulo )") + RightAlign(weight, kWeightWidth);
}

std::string ReviewWeightText(double weight) {
  return (weight >= 0.0 ? " " : "") + DecimalText(weight);
}

ReviewLists::ReviewLists(const NetworkState& state) {
  points_.push_back(kReviewPointPrompt);
  for (int k = 1; k <= state.Network.NumPoints; ++k)
    points_.push_back(
        ReviewPointLine(state.Network.PointNumber(k), state.Network.VariableIndex(k) == 0));
  equations_.push_back(kReviewEquationPrompt);
  for (int i = 1; i <= state.Network.NumObs; ++i)
    equations_.push_back(ReviewEquationLine(state.Network.ObservationNumber(i),
                                            state.Network.ObsWeights(1, i) == 2.0,
                                            ReviewWeightText(state.Network.ObsWeights(2, i))));
}

bool ReviewLists::IsFixed(int k) const {
  return CharColumns(points_.at(static_cast<std::size_t>(k)), kKindFirst, kKindLast) == "fijo";
}

bool ReviewLists::IsDistance(int i) const {
  const std::string& line = equations_.at(static_cast<std::size_t>(i));
  return CharColumns(line, 18, 29) == kDistanceKind;
}

int ReviewLists::NumberOf(const std::string& line) const {
  return ColumnInteger(CharColumns(line, kNumberFirst, kNumberLast));
}

void ReviewLists::SetFixed(int k, bool fixed) {
  std::string& line = points_.at(static_cast<std::size_t>(k));
  line = Overwrite(line, kKindFirst, fixed ? "fijo" : "vble");
}

bool ReviewLists::SetWeight(int i, const std::string& text) {
  if (!IsValidNumberText(text)) return false;
  std::string& line = equations_.at(static_cast<std::size_t>(i));
  line = Overwrite(line, kWeightFirst, RightAlign(text, kWeightWidth));
  return true;
}

bool ReviewLists::SetWeightOfAll(const std::string& text) {
  if (!IsValidNumberText(text)) return false;
  for (std::size_t i = 1; i < equations_.size(); ++i) SetWeight(static_cast<int>(i), text);
  return true;
}

void ReviewLists::ApplyFixedPoints(NetworkState& state, Interaction& ui) const {
  const IntVector before = state.Network.VariableIndex;
  state.Network.NumFixed = 0;
  int variable = 0;
  for (int k = 1; k <= state.Network.NumPoints; ++k) {
    state.Network.VariableIndex(k) = 0;
    if (IsFixed(k))
      ++state.Network.NumFixed;
    else
      state.Network.VariableIndex(k) = ++variable;
  }
  // Other unknowns: the figures of the last run no longer fit the network.
  if (!(state.Network.VariableIndex == before)) ForgetErrorFigures(state);
  SetLabels(state, ui, state.ProjectLabel,
            PointsLabelText(state.Network.NumPoints, state.Network.NumFixed), state.EquationsLabel);
}

// The weight is the last field of its line: read to the line's end, so that
// a weight shown with more than 12 characters is applied whole.
void ReviewLists::ApplyWeights(NetworkState& state) const {
  for (int i = 1; i <= state.Network.NumObs; ++i) {
    const std::string& line = equations_.at(static_cast<std::size_t>(i));
    state.Network.ObsWeights(2, i) = ColumnValue(line.substr(ByteOfColumn(line, kWeightFirst)));
  }
}

}  // namespace ombrel
