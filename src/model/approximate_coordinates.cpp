#include "model/approximate_coordinates.h"

#include <cmath>
#include <sstream>

#include "model/field_reader.h"

namespace ombrel {
namespace {

std::vector<std::string> Words(std::string line) {
  for (char& c : line)
    if (c == ',' || c == '\t' || c == '\r') c = ' ';
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

Failure LineError(int line, const std::string& what) {
  return {"línea " + std::to_string(line) + ": " + what};
}

}  // namespace

void BeginApproxCoordinates(NetworkState& state) {
  state.Import.ApproxCount = state.Import.ImportA.cols / 2;
  if (!state.Import.ApproxCoordsGiven) {
    state.Network.PointX.Redim(state.Network.NumPoints);
    state.Network.PointY.Redim(state.Network.NumPoints);
    state.Import.ApproxX.Redim(state.Import.ApproxCount);
    state.Import.ApproxY.Redim(state.Import.ApproxCount);
  }
  for (int k = 1; k <= state.Import.ApproxCount; ++k) {
    state.Import.ApproxX(k) = state.Network.PointX(k);
    state.Import.ApproxY(k) = state.Network.PointY(k);
  }
}

void AcceptApproxCoordinates(NetworkState& state) {
  state.Import.ApproxCoordsGiven = true;
  for (int k = 1; k <= state.Import.ApproxCount; ++k) {
    state.Network.PointX(k) = state.Import.ApproxX(k);
    state.Network.PointY(k) = state.Import.ApproxY(k);
  }
}

Result<std::vector<ApproxPoint>> ReadApproxCoordinates(const std::string& text, int approxCount) {
  std::vector<ApproxPoint> points;
  std::istringstream in(text);
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const auto words = Words(line);
    if (words.empty()) continue;
    if (words.size() != 3) return LineError(lineNumber, "se esperan número, X e Y");
    const auto number = ParseNumberField(words[0]);
    const auto x = ParseNumberField(words[1]);
    const auto y = ParseNumberField(words[2]);
    if (!number || !x || !y || *number != std::floor(*number))
      return LineError(lineNumber, "no es un dato numérico");
    if (*number < 1 || *number > approxCount)
      return LineError(lineNumber, "el punto " + words[0] + " no es un punto variable (1 a " +
                                       std::to_string(approxCount) + ")");
    points.push_back({static_cast<int>(*number), *x, *y});
  }
  return points;
}

void ApplyApproxCoordinates(NetworkState& state, const std::vector<ApproxPoint>& points) {
  BeginApproxCoordinates(state);
  for (const ApproxPoint& p : points) {
    state.Import.ApproxX(p.number) = p.x;
    state.Import.ApproxY(p.number) = p.y;
  }
  AcceptApproxCoordinates(state);
}

}  // namespace ombrel
