#include "adjust/network_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>

#include "adjust/least_squares.h"
#include "model/form_equations.h"

namespace ombrel {
namespace {

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// "7", "7 y 9", "7, 9 y 12".
std::string Enumeration(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += i + 1 == numbers.size() ? " y " : ", ";
    text += std::to_string(numbers[i]);
  }
  return text;
}

std::string ObservationName(const PlainObservation& o) {
  std::string points;
  for (const int p : PointsOf(o)) points += (points.empty() ? "" : "-") + std::to_string(p);
  return "la ecuación " + std::to_string(o.number) + " (" + KindName(o.kind) + " " + points + ")";
}

// The one line of a message of the formation: its line breaks made blanks.
std::string OneLine(const std::string& text) {
  std::string line;
  for (const char c : text) {
    const bool isBreak = c == '\r' || c == '\n';
    if (isBreak && (line.empty() || line.back() == ' ')) continue;
    line += isBreak ? ' ' : c;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

class Checker {
 public:
  Checker(const PlainNetwork& network, const CheckSettings& settings)
      : net_(network), settings_(settings), excluded_(network.points.size(), false) {
    for (std::size_t k = 0; k < net_.points.size(); ++k)
      lastIndex_[net_.points[k].number] = static_cast<int>(k);
    for (const PlainObservation& o : net_.observations) {
      std::vector<int> points;
      for (const int number : PointsOf(o)) {
        const auto found = lastIndex_.find(number);
        points.push_back(found == lastIndex_.end() ? -1 : found->second);
      }
      resolved_.push_back(points);
    }
  }

  void Duplicates() {
    std::map<int, std::vector<int>> positions;
    for (std::size_t k = 0; k < net_.points.size(); ++k)
      positions[net_.points[k].number].push_back(static_cast<int>(k) + 1);
    for (const auto& [number, at] : positions) {
      if (at.size() < 2) continue;
      Add(FindingKind::DuplicateNumber,
          "El número de vértice " + std::to_string(number) + " lo llevan " +
              std::to_string(at.size()) + " puntos (los puntos " + Enumeration(at) +
              " de la lista): las observaciones solo llegan al último.");
      for (std::size_t i = 0; i + 1 < at.size(); ++i) excluded_[at[i] - 1] = true;
    }
  }

  void FewObservations() {
    std::vector<int> count(net_.points.size(), 0);
    for (const auto& points : resolved_) {
      std::vector<int> distinct = points;
      std::sort(distinct.begin(), distinct.end());
      distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
      for (const int k : distinct)
        if (k >= 0) ++count[k];
    }
    for (std::size_t k = 0; k < net_.points.size(); ++k) {
      if (excluded_[k] || net_.points[k].fixed || count[k] >= 2) continue;
      const std::string how = count[k] == 0 ? "ninguna observación" : "solo 1 observación";
      Add(FindingKind::FewObservations, "El vértice " + std::to_string(net_.points[k].number) +
                                            " es variable y tiene " + how +
                                            " para sus dos coordenadas.");
      excluded_[k] = true;
    }
  }

  void Parts() {
    std::vector<int> parent(net_.points.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto root = [&](int k) {
      while (parent[k] != k) k = parent[k] = parent[parent[k]];
      return k;
    };
    for (const auto& points : resolved_) {
      int first = -1;
      for (const int k : points) {
        if (k < 0 || excluded_[k]) continue;
        if (first < 0)
          first = k;
        else
          parent[root(k)] = root(first);
      }
    }
    std::map<int, std::vector<int>> parts;  // root -> point indices
    for (std::size_t k = 0; k < net_.points.size(); ++k)
      if (!excluded_[k]) parts[root(static_cast<int>(k))].push_back(static_cast<int>(k));
    if (parts.size() < 2) return;
    // The main part holds the most fixed points, then the most points.
    const auto weight = [&](const std::vector<int>& part) {
      const long fixed =
          std::count_if(part.begin(), part.end(), [&](int k) { return net_.points[k].fixed; });
      return std::make_pair(fixed, static_cast<long>(part.size()));
    };
    const auto mainPart = std::max_element(
        parts.begin(), parts.end(),
        [&](const auto& a, const auto& b) { return weight(a.second) < weight(b.second); });
    for (const auto& [r, part] : parts) {
      if (r == mainPart->first) continue;
      std::vector<int> numbers;
      for (const int k : part) {
        numbers.push_back(net_.points[k].number);
        excluded_[k] = true;
      }
      Add(FindingKind::Disconnected,
          (numbers.size() == 1 ? "El vértice " + Enumeration(numbers) + " no está unido"
                               : "Los vértices " + Enumeration(numbers) + " no están unidos") +
              " por ninguna observación con el resto de la red.");
    }
  }

  void Datum() {
    int fixed = 0;
    for (std::size_t k = 0; k < net_.points.size(); ++k)
      if (net_.points[k].fixed && lastIndex_.at(net_.points[k].number) == static_cast<int>(k))
        ++fixed;
    const bool distances =
        std::any_of(net_.observations.begin(), net_.observations.end(),
                    [](const PlainObservation& o) { return o.kind == ObservationKind::Distance; });
    const std::string count =
        std::to_string(fixed) + (fixed == 1 ? " punto fijo" : " puntos fijos");
    if (settings_.method == AdjustmentMethod::Inverse && fixed < 2)
      Add(FindingKind::Datum, "La red tiene " + count +
                                  ": la compensación con matriz inversa necesita al menos dos "
                                  "(una red libre se compensa con la matriz E o con la "
                                  "pseudoinversa).");
    if (settings_.method == AdjustmentMethod::Inverse && settings_.scaleUnknown && !distances)
      Add(FindingKind::Datum,
          "La red no tiene distancias: con el factor de escala como incógnita, la escala queda "
          "sin determinar.");
    if (settings_.method == AdjustmentMethod::Constraints && fixed >= 2)
      Add(FindingKind::Datum, "La red tiene " + count +
                                  ": la compensación con la matriz E es para redes libres y "
                                  "admite como mucho uno.");
  }

  void Numerical(const FormedSystem& system) {
    const LeastSquaresSolution solution =
        SolveLeastSquares(system.a, system.k, system.weights, system.rows, system.cols);
    for (std::size_t i = 0; i < net_.observations.size(); ++i) {
      if (!Included(resolved_[i])) continue;
      const double r = std::max(0.0, solution.redundancy(static_cast<int>(i) + 1));
      if (r < kControlledRedundancy)
        Add(FindingKind::Uncontrolled, "El número de redundancia de " +
                                           ObservationName(net_.observations[i]) + " es " +
                                           Fixed(r, 4) + ": ninguna otra observación la controla.");
    }
    int variable = 0;
    for (std::size_t k = 0; k < net_.points.size(); ++k) {
      if (net_.points[k].fixed) continue;
      ++variable;  // the unknowns follow the variable points in file order
      if (excluded_[k]) continue;
      const double shift =
          std::hypot(solution.corrections(2 * variable - 1), solution.corrections(2 * variable));
      const double side = ShortestSide(static_cast<int>(k));
      if (side > 0.0 && shift > kFarFraction * side)
        Add(FindingKind::FarApproximate,
            "Las coordenadas aproximadas del vértice " + std::to_string(net_.points[k].number) +
                " distan unos " + Fixed(shift, 3) +
                " m de las que indican las observaciones (el lado más corto que llega a él mide " +
                Fixed(side, 3) + " m).");
    }
  }

  void Add(FindingKind kind, const std::string& text) { findings_.push_back({kind, text}); }
  std::vector<Finding> Findings() const { return findings_; }

 private:
  bool Included(const std::vector<int>& points) const {
    return std::all_of(points.begin(), points.end(),
                       [&](int k) { return k >= 0 && !excluded_[k]; });
  }

  // The shortest line of an observation from or to point k, in metres.
  double ShortestSide(int k) const {
    double shortest = 0.0;
    for (const auto& points : resolved_) {
      if (std::find(points.begin(), points.end(), k) == points.end()) continue;
      for (const int other : points) {
        if (other < 0 || other == k) continue;
        const PlainPoint &a = net_.points[k], &b = net_.points[other];
        const double d = std::hypot(b.x - a.x, b.y - a.y);
        if (d > 0.0 && (shortest == 0.0 || d < shortest)) shortest = d;
      }
    }
    return shortest;
  }

  const PlainNetwork& net_;
  CheckSettings settings_;
  std::map<int, int> lastIndex_;
  std::vector<std::vector<int>> resolved_;  // point indices of each observation, -1 unknown
  std::vector<bool> excluded_;              // points already named by a finding
  std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckNetwork(const PlainNetwork& network, const CheckSettings& settings,
                                  const std::optional<FormedSystem>& system,
                                  const std::string& formationMessage) {
  Checker checker(network, settings);
  checker.Duplicates();
  checker.FewObservations();
  checker.Parts();
  checker.Datum();
  if (!system)
    checker.Add(FindingKind::Unformable, OneLine(formationMessage));
  else if (system->rows > 0 && system->cols > 0)
    checker.Numerical(*system);
  return checker.Findings();
}

std::vector<Finding> CheckActiveNetwork(const NetworkState& state, const CheckSettings& settings) {
  NetworkState work = state;
  work.Options.StudyApprox = false;
  work.Equations.NumCondEq = 0;
  work.Equations.ScaleUnknown =
      settings.method == AdjustmentMethod::Inverse && settings.scaleUnknown;
  DimensionProjectSystem(work);
  std::optional<FormedSystem> system;
  std::string message;
  // A system that cannot be formed becomes a finding with the formation's message.
  const Result<EquationSystem> formed =
      FormProjectEquations(work.Network, work.Equations, work.Options);
  if (!formed) {
    message = formed.error().message;
  } else {
    const int rows = work.Network.NumObs;
    system = FormedSystem{formed->A, formed->K, Vector(rows), rows, formed->NumUnknowns};
    for (int i = 1; i <= rows; ++i) system->weights(i) = formed->P(i, i);
  }
  return CheckNetwork(PlainNetworkOf(state), settings, system, message);
}

std::string MethodTitle(const CheckSettings& settings) {
  switch (settings.method) {
    case AdjustmentMethod::Inverse:
      return settings.scaleUnknown ? "compensación con matriz inversa y factor de escala"
                                   : "compensación con matriz inversa";
    case AdjustmentMethod::Constraints:
      return "compensación con la matriz E";
    case AdjustmentMethod::Pseudoinverse:
      return "compensación con la pseudoinversa";
  }
  return "";
}

std::string CleanNetworkText(const CheckSettings& settings) {
  return "La red no presenta ningún defecto para la " + MethodTitle(settings) + ".";
}

}  // namespace ombrel
