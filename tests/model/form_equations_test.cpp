#include "model/form_equations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/geometry.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Builds a project network in the state directly: points (x, y, fixed) with
// vertex numbers 10, 11, ... and observations given by vertex numbers.
class Network {
 public:
  void Point(double x, double y, bool fixed) { pts_.push_back({x, y, fixed}); }
  void Angle(int b, int s, int f, double value, double weight = 1.0) {
    obs_.push_back({b, s, f, value, weight});
  }
  void Dist(int s, int f, double value, double weight = 1.0) {
    obs_.push_back({kDistanceMarker, s, f, value, weight});
  }
  NetworkState Build(int scale = 0) const {
    NetworkState st;
    st.NumPoints = static_cast<int>(pts_.size());
    st.PointX.Redim(st.NumPoints);
    st.PointY.Redim(st.NumPoints);
    st.VariableIndex.Redim(st.NumPoints);
    st.PointNumber.Redim(st.NumPoints);
    int v = 0;
    for (int k = 1; k <= st.NumPoints; ++k) {
      st.PointX(k) = pts_[k - 1].x;
      st.PointY(k) = pts_[k - 1].y;
      st.PointNumber(k) = 9 + k;
      if (pts_[k - 1].fixed)
        ++st.NumFixed;
      else
        st.VariableIndex(k) = ++v;
    }
    st.NumObs = static_cast<int>(obs_.size());
    st.ObsPoints.Redim(3, st.NumObs);
    st.ObsValue.Redim(st.NumObs);
    st.ObservationNumber.Redim(st.NumObs + 7);
    for (int i = 1; i <= st.NumObs; ++i) {
      const auto& o = obs_[i - 1];
      st.ObsPoints(1, i) = o.b;
      st.ObsPoints(2, i) = o.s;
      st.ObsPoints(3, i) = o.f;
      st.ObsValue(i) = o.value;
      st.ObsWeights(1, i) = o.b == kDistanceMarker ? 2.0 : 1.0;
      st.ObsWeights(2, i) = o.weight;
      st.ObservationNumber(i) = i;
    }
    st.Equations.ScaleUnknown = scale;
    DimensionProjectSystem(st);
    return st;
  }

 private:
  struct P {
    double x, y;
    bool fixed;
  };
  struct O {
    int b, s, f;
    double value, weight;
  };
  std::vector<P> pts_;
  std::vector<O> obs_;
};

// Independent oracle: the azimuth in gon from atan2, in [0, 400).
double AzimuthGon(double dx, double dy) {
  double t = std::atan2(dx, dy) * 200.0 / kPi;
  return t < 0 ? t + 400.0 : t;
}

// The computed value of observation i from the coordinates, in the units of
// its row: angles in 1e-4 gon (clockwise from back-sight to fore-sight),
// distances in metres.
double ComputedValue(const NetworkState& s, int i, int back, int station, int fore) {
  const auto dx = [&](int a, int b) { return s.PointX(b) - s.PointX(a); };
  const auto dy = [&](int a, int b) { return s.PointY(b) - s.PointY(a); };
  if (back == 0) return std::hypot(dx(station, fore), dy(station, fore));
  double a = AzimuthGon(dx(station, fore), dy(station, fore)) -
             AzimuthGon(dx(station, back), dy(station, back));
  (void)i;
  return a * 1e4;
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
    const double az = AzimuthOf(dx, dy);
    EXPECT_GE(az, 0.0);
    EXPECT_LT(az, 400.0);
    EXPECT_NEAR(az, AzimuthGon(dx, dy), 1e-9);
  }
}

// Every coefficient of A is the derivative of the computed observation with
// respect to that coordinate: checked by central differences on random
// networks (this catches sign, unit and column errors).
TEST(FormEquations, CoefficientsAreDerivativesOfTheComputedObservation) {
  std::mt19937 gen(11);
  std::uniform_real_distribution<double> coord(0.0, 2000.0);
  int checked = 0;
  for (int trial = 0; trial < 20; ++trial) {
    Network net;
    const int n = 6;
    for (int k = 0; k < n; ++k) net.Point(coord(gen), coord(gen), k == 0 || k == 3);
    std::uniform_int_distribution<int> pick(10, 9 + n);
    for (int i = 0; i < 12; ++i) {
      int b = pick(gen), s = pick(gen), f = pick(gen);
      while (s == b) s = pick(gen);
      while (f == s) f = pick(gen);
      if (i % 2)
        net.Dist(s, f, 100.0);
      else
        net.Angle(b, s, f, 100.0);
    }
    NetworkState st = net.Build();
    ScriptedInteraction ui;
    FormEquations(st, ui);
    if (st.Abandon) continue;  // a random row between the two fixed points
    for (int i = 1; i <= st.NumObs; ++i) {
      const bool distance = st.ObsPoints(1, i) == kDistanceMarker;
      const int back = distance ? 0 : st.ObsPoints(1, i) - 9;
      const int station = st.ObsPoints(2, i) - 9, fore = st.ObsPoints(3, i) - 9;
      for (int k = 1; k <= n; ++k) {
        const int j = st.VariableIndex(k);
        if (j == 0) continue;
        for (int axis = 0; axis < 2; ++axis) {
          const double h = 1e-4;
          NetworkState plus = st, minus = st;
          (axis == 0 ? plus.PointX(k) : plus.PointY(k)) += h;
          (axis == 0 ? minus.PointX(k) : minus.PointY(k)) -= h;
          double diff = ComputedValue(plus, i, back, station, fore) -
                        ComputedValue(minus, i, back, station, fore);
          if (!distance && std::fabs(diff) > 2e6) diff -= std::copysign(4e6, diff);  // wrap
          const double numeric = diff / (2 * h);
          const double a = st.Equations.A(i, 2 * j - 1 + axis);
          ++checked;
          EXPECT_NEAR(a, numeric, 1e-5 * (1.0 + std::fabs(numeric)))
              << "ecuación " << i << " punto " << k << " eje " << axis;
        }
      }
    }
  }
}

TEST(FormEquations, IndependentTermsScaleColumnAndWeights) {
  Network net;
  net.Point(0, 0, true);
  net.Point(300, 400, false);
  net.Point(-200, 100, false);
  net.Dist(10, 11, 500.25, 4.0);
  net.Angle(11, 10, 12, 123.4567, 2.0);
  NetworkState st = net.Build(/*scale=*/1);
  ScriptedInteraction ui;
  FormEquations(st, ui);
  ASSERT_FALSE(st.Abandon);
  EXPECT_EQ(st.Equations.NumUnknowns, 5);
  EXPECT_DOUBLE_EQ(st.Equations.A(1, 5), -500.0);
  EXPECT_EQ(st.Equations.A(2, 5), 0.0);
  EXPECT_NEAR(st.Equations.K(1), 0.25, 1e-12);
  const double alpha = AzimuthGon(-200, 100) - AzimuthGon(300, 400);
  EXPECT_NEAR(st.Equations.K(2), (123.4567 - alpha) * 1e4, 1e-6);
  EXPECT_EQ(st.Equations.P(1, 1), 4.0);
  EXPECT_EQ(st.Equations.P(2, 2), 2.0);
  EXPECT_EQ(st.Equations.P(1, 2), 0.0);
  EXPECT_TRUE(ui.Calls().empty());
}

TEST(FormEquations, AngleIsNotReducedModulo400) {
  Network net;
  net.Point(0, 0, false);
  net.Point(0, 100, true);
  net.Point(100 * std::sin(0.001 * kPi / 200), 100 * std::cos(0.001 * kPi / 200), true);
  net.Angle(11, 10, 12, 399.999);
  NetworkState st = net.Build();
  ScriptedInteraction ui;
  FormEquations(st, ui);
  EXPECT_NEAR(st.Equations.K(1), 3999980.0, 1e-3);
}

TEST(FormEquations, MessagesForFixedRowsWeightsAndUnknownVertices) {
  struct Case {
    std::function<void(Network&)> observations;
    int scale;
    std::string message;
  };
  const auto base = [](Network& n) {
    n.Point(0, 0, true);
    n.Point(100, 0, true);
    n.Point(50, 80, false);
  };
  const std::vector<Case> cases = {
      {[](Network& n) {
         n.Dist(10, 12, 94.3);
         n.Dist(10, 11, 100.0);
       },
       0,
       "¡ Existe un problema en la matriz A importada !\r\n\r\n"
       "Se ha intentado formar una ecuación entre puntos fijos.\r\n"
       "Hay una fila de ceros: Fila 2"},
      {[](Network& n) {
         n.Dist(10, 12, 94.3);
         n.Dist(11, 12, 94.3);
         n.Dist(10, 11, 100.0, 0.0);
       },
       1, "¡ Existe un problema con los pesos !\r\n\r\nHay un peso negativo o nulo: Fila 3"},
      {[](Network& n) {
         n.Dist(10, 12, 94.3);
         n.Angle(10, 12, 77, 50.0);
       },
       0,
       "¡ Existe un problema con los vértices de las observaciones !\r\n\r\n"
       "La ecuación 2 cita el vértice 77, que no figura en el proyecto."},
      // Vertex 13 stands where 12 does: no direction joins them.
      {[](Network& n) {
         n.Point(50, 80, false);
         n.Dist(10, 12, 94.3);
         n.Dist(13, 12, 0.01);
       },
       0,
       "¡ Existe un problema con los vértices de las observaciones !\r\n\r\n"
       "La ecuación 2 une los vértices 13 y 12, que tienen las mismas coordenadas aproximadas."},
      {[](Network& n) {
         n.Point(0, 0, false);
         n.Angle(12, 10, 13, 50.0);
       },
       0,
       "¡ Existe un problema con los vértices de las observaciones !\r\n\r\n"
       "La ecuación 1 une los vértices 10 y 13, que tienen las mismas coordenadas aproximadas."},
      {[](Network& n) {
         n.Dist(10, 12, 94.3);
         n.Angle(12, 10, 12, 0.0);
       },
       0,
       "¡ Existe un problema con los vértices de las observaciones !\r\n\r\n"
       "La ecuación 2 cita dos veces el vértice 12."},
  };
  for (const auto& c : cases) {
    Network net;
    base(net);
    c.observations(net);
    NetworkState st = net.Build(c.scale);
    ScriptedInteraction ui;
    FormEquations(st, ui);
    EXPECT_TRUE(st.Abandon);
    const auto prompts = ui.Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].text, c.message);
    EXPECT_EQ(prompts[0].icon, Icon::Information);
    EXPECT_EQ(prompts[0].buttons, Buttons::Ok);
    EXPECT_EQ(ui.Calls().front().kind, "Beep");
  }
}

TEST(FormEquations, CoefficientErrorBoundsFollowTheDigitRules) {
  // Distance (0,0) -> (300,400) with 2 cm coordinates. By hand: dX = 300
  // keeps 4 digits (limit 1/3000), d = 500 with relative error 5.6e-5 keeps
  // 4 (1/5000); the sum 5.33e-4 leaves sin = 0.6 three digits (1/600), so the
  // bound is 0.6/600 = 0.001; likewise 0.8/800 for the Y column.
  Network net;
  net.Point(0, 0, false);
  net.Point(300, 400, true);
  net.Point(0, 500, true);
  net.Dist(10, 11, 500.0);
  net.Angle(12, 10, 11, 40.0);
  NetworkState st = net.Build();
  st.StudyApprox = true;
  st.ApproxPrecision = 0.02;
  ScriptedInteraction ui;
  FormEquations(st, ui);
  ASSERT_FALSE(st.Abandon);
  EXPECT_NEAR(st.Equations.CoefficientErrors(1, 1), 0.001, 1e-15);
  EXPECT_NEAR(st.Equations.CoefficientErrors(1, 2), 0.001, 1e-15);
  // Angle at station (0,0): back-sight (0,500) has dX = 0, so only the
  // fore-sight quotient carries error in the Y column's X term; bounds are
  // positive, below the coefficient, and zero for no coefficient.
  for (int c = 1; c <= 2; ++c) {
    if (st.Equations.A(2, c) == 0.0) {
      EXPECT_EQ(st.Equations.CoefficientErrors(2, c), 0.0);
    } else {
      EXPECT_GT(st.Equations.CoefficientErrors(2, c), 0.0);
      EXPECT_LT(st.Equations.CoefficientErrors(2, c), std::fabs(st.Equations.A(2, c)));
    }
  }
  NetworkState off = net.Build();
  FormEquations(off, ui);
  EXPECT_EQ(off.Equations.CoefficientErrors(1, 1), 0.0);  // the study is off
}

}  // namespace
}  // namespace ombrel
