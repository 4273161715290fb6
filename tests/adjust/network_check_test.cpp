// The network check: one hand-made fault per kind of finding, and the
// validation networks, which are sound for the method their datum asks for.
#include "adjust/network_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

#include "adjust/open_project_command.h"
#include "model/project_file.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/temp_dir.h"
#include "support/validation_list.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::Text;

struct Spot {
  int number;
  double x, y;
  bool fixed;
};

// A project whose observations are computed from the points' true
// positions; the approximate coordinates are the true ones moved by shift
// (point number -> dx, dy).
class Sketch {
 public:
  Sketch() {
    points_ = {{1, 0, 0, true}, {2, 100, 0, true}, {3, 100, 100, false}, {4, 0, 100, false}};
    for (const auto& [a, b] : {std::pair{1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}) Distance(a, b);
    Angle(4, 3, 1);
    Angle(1, 4, 3);
  }
  Sketch& Point(int number, double x, double y, bool fixed = false) {
    points_.push_back({number, x, y, fixed});
    return *this;
  }
  Sketch& Distance(int a, int b) {
    observations_.push_back("-99," + std::to_string(a) + "," + std::to_string(b) + "," +
                            Text(std::hypot(At(b).x - At(a).x, At(b).y - At(a).y)) + ",10000");
    return *this;
  }
  Sketch& Angle(int back, int station, int fore) {
    const auto azimuth = [&](int from, int to) {
      return std::atan2(At(to).x - At(from).x, At(to).y - At(from).y) * 200 / std::numbers::pi;
    };
    const double angle = std::fmod(azimuth(station, fore) - azimuth(station, back) + 800, 400);
    observations_.push_back(std::to_string(back) + "," + std::to_string(station) + "," +
                            std::to_string(fore) + "," + Text(angle) + ",0.01");
    return *this;
  }
  Sketch& Variable(int number) {
    At(number).fixed = false;
    return *this;
  }
  Sketch& Shift(int number, double dx, double dy) {
    shifts_.push_back({number, dx, dy, false});
    return *this;
  }
  NetworkState Load() const {
    std::string text = "0,Ptos," + std::to_string(points_.size()) + ",Ecuaciones," +
                       std::to_string(observations_.size()) + "\r\n";
    for (Spot p : points_) {
      for (const Spot& s : shifts_)
        if (s.number == p.number) p.x += s.x, p.y += s.y;
      text += "00,0," + Text(p.x) + "," + Text(p.y) + (p.fixed ? ",fijo," : ",vble,") +
              std::to_string(p.number) + "\r\n";
    }
    for (std::size_t i = 0; i < observations_.size(); ++i)
      text += std::to_string(i + 1) + "," + observations_[i] + "\r\n";
    // Loaded only: the check forms the equations itself, and reports a
    // system that cannot be formed.
    testing::TempDir dir;
    NetworkState state;
    ScriptedInteraction ui;
    EXPECT_TRUE(LoadProjectFile(state, ui, dir.Write("red.txt", text)));
    return state;
  }

 private:
  Spot& At(int number) {
    for (Spot& p : points_)
      if (p.number == number) return p;
    throw std::logic_error("no such point");
  }
  std::vector<Spot> points_, shifts_;
  std::vector<std::string> observations_;
};

std::set<FindingKind> KindsOf(const std::vector<Finding>& findings) {
  std::set<FindingKind> kinds;
  for (const Finding& f : findings) kinds.insert(f.kind);
  return kinds;
}

std::string Texts(const std::vector<Finding>& findings) {
  std::string all;
  for (const Finding& f : findings) all += f.text + "\n";
  return all;
}

TEST(NetworkCheck, EachFaultGivesItsFindingAndNoOther) {
  // A fixed point renumbered 1 ahead of point 1 in the list, as the editor
  // can leave two points in memory: the observations still reach (0, 0).
  NetworkState duplicate = Sketch().Point(9, 500, 500, true).Load();
  duplicate.Network.PointNumber(5) = 1;
  std::swap(duplicate.Network.PointX(1), duplicate.Network.PointX(5));
  std::swap(duplicate.Network.PointY(1), duplicate.Network.PointY(5));
  const struct {
    const char* fault;
    NetworkState state;
    std::set<FindingKind> expected;
  } cases[] = {
      {"sound", Sketch().Load(), {}},
      {"duplicate", duplicate, {FindingKind::DuplicateNumber}},
      {"one distance",
       Sketch().Point(5, 200, 50).Distance(2, 5).Load(),
       {FindingKind::FewObservations}},
      {"apart",
       Sketch()
           .Point(5, 300, 0)
           .Point(6, 400, 0)
           .Point(7, 350, 80)
           .Distance(5, 6)
           .Distance(6, 7)
           .Distance(5, 7)
           .Angle(6, 5, 7)
           .Load(),
       {FindingKind::Disconnected}},
      {"one fixed point", Sketch().Variable(2).Distance(1, 2).Load(), {FindingKind::Datum}},
      {"uncontrolled",
       Sketch().Point(5, 200, 50).Distance(2, 5).Angle(1, 2, 5).Load(),
       {FindingKind::Uncontrolled}},
      {"far", Sketch().Shift(3, 3, -2).Load(), {FindingKind::FarApproximate}},
      {"between fixed points", Sketch().Distance(1, 2).Load(), {FindingKind::Unformable}},
  };
  for (const auto& c : cases) {
    const std::vector<Finding> findings = CheckActiveNetwork(c.state, {});
    EXPECT_EQ(KindsOf(findings), c.expected) << c.fault << ":\n" << Texts(findings);
  }
}

TEST(NetworkCheck, ValidationNetworksAreSoundForTheirMethod) {
  for (const auto& network : testing::ValidationNetworks()) {
    const NetworkState s = testing::LoadFormed(network.project);
    const auto constrained = CheckActiveNetwork(s, {AdjustmentMethod::Inverse, false});
    const std::set<FindingKind> datum = {FindingKind::Datum};
    EXPECT_EQ(KindsOf(constrained), network.free ? datum : std::set<FindingKind>{})
        << network.name << ":\n"
        << Texts(constrained);
    EXPECT_LE(constrained.size(), 1u) << network.name;
    const AdjustmentMethod own =
        network.free ? AdjustmentMethod::Constraints : AdjustmentMethod::Inverse;
    EXPECT_TRUE(CheckActiveNetwork(s, {own, false}).empty()) << network.name;
    EXPECT_TRUE(CheckActiveNetwork(s, {AdjustmentMethod::Pseudoinverse, false}).empty());
    // Without distances a scale unknown is left undetermined.
    bool distances = false;
    for (int i = 1; i <= s.Network.NumObs; ++i)
      distances |= s.Network.ObsPoints(1, i) == kDistanceMarker;
    if (!distances && !network.free) {
      EXPECT_EQ(KindsOf(CheckActiveNetwork(s, {AdjustmentMethod::Inverse, true})), datum);
    }
  }
}

}  // namespace
}  // namespace ombrel
