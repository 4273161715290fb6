#include "model/form_equations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "model/geometry.h"
#include "support/adjusted_network.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Point {
  double x, y;
  bool fixed;
};
// back 0 for a distance.
struct Observation {
  int back, station, fore;
  double value, weight = 1.0;
};

// The project of the points, numbered 10, 11, ... in order, loaded and its
// equations formed (the messages go to ui).
NetworkState Formed(const std::vector<Point>& points, const std::vector<Observation>& obs,
                    ScriptedInteraction& ui, int scale = 0, double studyPrecision = 0.0) {
  std::ostringstream text;
  text.precision(17);
  text << "0,Ptos," << points.size() << ",Ecuaciones," << obs.size() << "\r\n";
  for (std::size_t k = 0; k < points.size(); ++k)
    text << "00," << k + 1 << "," << points[k].x << "," << points[k].y << ","
         << (points[k].fixed ? "fijo," : "vble,") << 10 + k << "\r\n";
  for (std::size_t i = 0; i < obs.size(); ++i)
    text << i + 1 << "," << (obs[i].back == 0 ? kDistanceMarker : obs[i].back) << ","
         << obs[i].station << "," << obs[i].fore << "," << obs[i].value << "," << obs[i].weight
         << "\r\n";
  testing::TempDir dir;
  NetworkState s = testing::Loaded(dir.Write("proyecto.txt", text.str()));
  s.Equations.ScaleUnknown = scale;
  s.Options.StudyApprox = studyPrecision > 0.0;
  s.Options.ApproxPrecision = studyPrecision;
  DimensionProjectSystem(s);
  FormEquations(s, ui);
  return s;
}

// Independent oracle: the azimuth in gon from atan2, in [0, 400).
double AzimuthGon(double dx, double dy) {
  double t = std::atan2(dx, dy) * 200.0 / kPi;
  return t < 0 ? t + 400.0 : t;
}

// The computed value of an observation from the coordinates of points
// (indices from 1) in the units of its row: angles in 1e-4 gon (clockwise
// from back-sight to fore-sight), distances in metres.
double ComputedValue(const NetworkState& s, int back, int station, int fore) {
  const auto dx = [&](int a, int b) { return s.Network.PointX(b) - s.Network.PointX(a); };
  const auto dy = [&](int a, int b) { return s.Network.PointY(b) - s.Network.PointY(a); };
  if (back == 0) return std::hypot(dx(station, fore), dy(station, fore));
  return (AzimuthGon(dx(station, fore), dy(station, fore)) -
          AzimuthGon(dx(station, back), dy(station, back))) *
         1e4;
}

TEST(Azimuth, QuadrantsAndAxes) {
  struct Case {
    double dx, dy, expected;
  };
  const Case cases[] = {{10, 0, 100},   {0, -10, 200},  {-10, 0, 300},   {0, 10, 0}, {10, 10, 50},
                        {-10, 10, 350}, {10, -10, 150}, {-10, -10, 250}, {0, 0, 0}};
  for (const auto& c : cases)
    EXPECT_NEAR(AzimuthOf(c.dx, c.dy), c.expected, 1e-12) << c.dx << "," << c.dy;
  std::mt19937 gen(5);
  std::uniform_real_distribution<double> u(-1000, 1000);
  for (int n = 0; n < 2000; ++n) {
    const double dx = u(gen), dy = u(gen);
    EXPECT_NEAR(AzimuthOf(dx, dy), AzimuthGon(dx, dy), 1e-9);  // the oracle lies in [0, 400)
  }
}

// Every coefficient of A is the derivative of the computed observation with
// respect to that coordinate: checked by central differences on random
// networks (this catches sign, unit and column errors).
TEST(FormEquations, CoefficientsAreDerivativesOfTheComputedObservation) {
  std::mt19937 gen(11);
  std::uniform_real_distribution<double> coord(0.0, 2000.0);
  const int n = 6;
  int checked = 0;
  for (int trial = 0; trial < 20; ++trial) {
    std::vector<Point> points;
    for (int k = 0; k < n; ++k) points.push_back({coord(gen), coord(gen), k == 0 || k == 3});
    std::vector<Observation> obs;
    std::uniform_int_distribution<int> pick(10, 9 + n);
    for (int i = 0; i < 12; ++i) {
      int b = pick(gen), s = pick(gen), f = pick(gen);
      while (s == b) s = pick(gen);
      while (f == s) f = pick(gen);
      obs.push_back({i % 2 ? 0 : b, s, f, 100.0});
    }
    ScriptedInteraction ui;
    const NetworkState st = Formed(points, obs, ui);
    if (st.Abandon) continue;  // a random row between the two fixed points
    for (int i = 1; i <= st.Network.NumObs; ++i) {
      const Observation& o = obs[i - 1];
      const int back = o.back == 0 ? 0 : o.back - 9;
      for (int k = 1; k <= n; ++k) {
        const int j = st.Network.VariableIndex(k);
        if (j == 0) continue;
        for (int axis = 0; axis < 2; ++axis) {
          const double h = 1e-4;
          NetworkState plus = st, minus = st;
          (axis == 0 ? plus.Network.PointX(k) : plus.Network.PointY(k)) += h;
          (axis == 0 ? minus.Network.PointX(k) : minus.Network.PointY(k)) -= h;
          double diff = ComputedValue(plus, back, o.station - 9, o.fore - 9) -
                        ComputedValue(minus, back, o.station - 9, o.fore - 9);
          if (back != 0 && std::fabs(diff) > 2e6) diff -= std::copysign(4e6, diff);  // wrap
          const double numeric = diff / (2 * h);
          ++checked;
          EXPECT_NEAR(st.Equations.A(i, 2 * j - 1 + axis), numeric,
                      1e-5 * (1.0 + std::fabs(numeric)))
              << "ecuación " << i << " punto " << k << " eje " << axis;
        }
      }
    }
  }
  EXPECT_GT(checked, 500);  // most random networks form
}

// The terms and weights of a project are printed in the golden listing; the
// scale column is not.
TEST(FormEquations, ScaleColumnHoldsMinusTheDistance) {
  ScriptedInteraction ui;
  const NetworkState st = Formed({{0, 0, true}, {300, 400, false}, {-200, 100, false}},
                                 {{0, 10, 11, 500.25}, {11, 10, 12, 123.4567}}, ui, 1);
  ASSERT_FALSE(st.Abandon);
  EXPECT_EQ(st.Equations.NumUnknowns, 5);
  EXPECT_DOUBLE_EQ(st.Equations.A(1, 5), -500.0);
  EXPECT_EQ(st.Equations.A(2, 5), 0.0);
  EXPECT_TRUE(ui.Calls().empty());
}

TEST(FormEquations, AngleIsNotReducedModulo400) {
  ScriptedInteraction ui;
  const double t = 0.001 * kPi / 200;
  const NetworkState st =
      Formed({{0, 0, false}, {0, 100, true}, {100 * std::sin(t), 100 * std::cos(t), true}},
             {{11, 10, 12, 399.999}}, ui);
  EXPECT_NEAR(st.Equations.K(1), 3999980.0, 1e-3);
}

TEST(FormEquations, MessagesForFixedRowsWeightsAndUnknownVertices) {
  const std::string vertices =
      "¡ Existe un problema con los vértices de las observaciones !\r\n\r\n";
  const struct {
    std::vector<Observation> obs;
    int scale;
    std::string message;
  } cases[] = {
      {{{0, 10, 12, 94.3}, {0, 10, 11, 100.0}},
       0,
       "¡ Existe un problema en la matriz A importada !\r\n\r\n"
       "Se ha intentado formar una ecuación entre puntos fijos.\r\n"
       "Hay una fila de ceros: Fila 2"},
      {{{0, 10, 12, 94.3}, {0, 11, 12, 94.3}, {0, 10, 11, 100.0, 0.0}},
       1,
       "¡ Existe un problema con los pesos !\r\n\r\nHay un peso negativo o nulo: Fila 3"},
      {{{0, 10, 12, 94.3}, {10, 12, 77, 50.0}},
       0,
       vertices + "La ecuación 2 cita el vértice 77, que no figura en el proyecto."},
      // Vertex 13 stands where 12 does: no direction joins them.
      {{{0, 10, 12, 94.3}, {0, 13, 12, 0.01}},
       0,
       vertices + "La ecuación 2 une los vértices 13 y 12, que tienen las mismas coordenadas "
                  "aproximadas."},
      {{{12, 10, 14, 50.0}},
       0,
       vertices + "La ecuación 1 une los vértices 10 y 14, que tienen las mismas coordenadas "
                  "aproximadas."},
      {{{0, 10, 12, 94.3}, {12, 10, 12, 0.0}},
       0,
       vertices + "La ecuación 2 cita dos veces el vértice 12."},
  };
  for (const auto& c : cases) {
    ScriptedInteraction ui;
    const NetworkState st =
        Formed({{0, 0, true}, {100, 0, true}, {50, 80, false}, {50, 80, false}, {0, 0, false}},
               c.obs, ui, c.scale);
    EXPECT_TRUE(st.Abandon);
    const auto prompts = ui.Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].text, c.message);
    EXPECT_EQ(prompts[0].icon, Icon::Information);
    EXPECT_EQ(prompts[0].buttons, Buttons::Ok);
    EXPECT_EQ(ui.Calls().front().kind, "Beep");
  }
}

// The bounds of the distance rows are worked out digit by digit in the
// tests of the study, on a network formed the same way.
TEST(FormEquations, AngleCoefficientErrorsAreBoundsBelowTheirCoefficients) {
  const std::vector<Point> points = {{0, 0, false}, {300, 400, true}, {0, 500, true}};
  const std::vector<Observation> obs = {{12, 10, 11, 40.0}};
  ScriptedInteraction ui;
  const NetworkState st = Formed(points, obs, ui, 0, 0.02);
  ASSERT_FALSE(st.Abandon);
  for (int c = 1; c <= 2; ++c) {
    EXPECT_GT(st.Equations.CoefficientErrors(1, c), 0.0);
    EXPECT_LT(st.Equations.CoefficientErrors(1, c), std::fabs(st.Equations.A(1, c)));
  }
  EXPECT_EQ(Formed(points, obs, ui).Equations.CoefficientErrors(1, 1), 0.0);  // the study is off
}

}  // namespace
}  // namespace ombrel
