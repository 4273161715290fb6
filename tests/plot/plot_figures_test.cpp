// The figures on the picture: the magnification rule, circles, the ring of
// dots on the ellipse, scale bars and the auxiliary point.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/plot_scene.h"
#include "plot/plot_view.h"
#include "plot_network.h"

namespace ombrel {
namespace {

constexpr double kW = 1200.0, kH = 800.0;

double Length(const PlotLine& l) {
  return std::hypot(l.x2 - l.x1, l.y2 - l.y1);
}

// The absolute ellipses alone (axes first, then two scale bars of three lines).
PlotScene AbsoluteFigures(const NetworkState& s, const PlotView& view) {
  PlotScene scene;
  FigureSelection sel;
  sel.absolute = true;
  AddFigures(scene, s, view.Fit(), view.ReferenceScale(), view.CurrentMagnification(s), sel);
  return scene;
}

TEST(PlotFigures, MeanSemiMajorAxisIsFourUnitsAndFactorTwoDoublesEverything) {
  NetworkState s = testing::PlotNetwork();
  PlotView view;
  view.ShowAll(s, kW, kH);
  const double u = view.Fit().unit;
  const PlotScene one = AbsoluteFigures(s, view);
  ASSERT_EQ(one.lines.size(), 2u + 6u);
  // Semi-major axes 0.02 and 0.04 m: their mean, 0.03 m, is drawn 4u long.
  const double half1 = Length(one.lines[0]) / 2, half2 = Length(one.lines[1]) / 2;
  EXPECT_NEAR((half1 + half2) / 2, 4 * u, 1e-9);
  EXPECT_NEAR(half2 / half1, 2.0, 1e-12);
  // The 1 cm bar is a third of the mean semi-major axis, the 5 cm bar five times that.
  EXPECT_NEAR(Length(one.lines[2]), 4 * u / 3, 1e-9);
  EXPECT_NEAR(Length(one.lines[5]), 20 * u / 3, 1e-9);

  s.Options.EllipseFactor = 2.0;
  const PlotScene two = AbsoluteFigures(s, view);
  for (std::size_t i : {0u, 1u, 2u, 5u})
    EXPECT_NEAR(Length(two.lines[i]), 2 * Length(one.lines[i]), 1e-9) << i;
  // After a zoom the figures keep their picture size: M / s0 does not change.
  s.Options.EllipseFactor = 1.0;
  view.ZoomTo(s, 100.0, 100.0, 700.0, 700.0);
  EXPECT_NEAR(Length(AbsoluteFigures(s, view).lines[0]), Length(one.lines[0]), 1e-9);
}

// The longer bar and its label stay inside the picture: with a large factor
// the bars become 1 mm and 5 mm, or tenths of those, still one to five and
// as long as their labels say.
TEST(PlotFigures, ScaleBarsStayInsideThePictureWhateverTheFactor) {
  NetworkState s = testing::PlotNetwork();
  PlotView view;
  view.ShowAll(s, kW, kH);
  const double u = view.Fit().unit;
  struct Case {
    double factor, shortBar;  // metres
    const char *shortLabel, *longLabel;
  };
  for (const Case& c : {Case{1.0, 0.01, "1 cm", "5 cm"}, Case{20.0, 0.001, "1 mm", "5 mm"},
                        Case{1000.0, 0.0001, "0.1 mm", "0.5 mm"}}) {
    s.Options.EllipseFactor = c.factor;
    const PlotScene scene = AbsoluteFigures(s, view);
    const double k = view.CurrentMagnification(s) / view.ReferenceScale();
    ASSERT_EQ(scene.texts.size(), 2u);
    EXPECT_EQ(scene.texts[0].text, c.shortLabel);
    EXPECT_EQ(scene.texts[1].text, c.longLabel);
    EXPECT_NEAR(Length(scene.lines[2]), c.shortBar * k, 1e-9 * k) << c.factor;
    EXPECT_NEAR(Length(scene.lines[5]), 5 * c.shortBar * k, 1e-9 * k) << c.factor;
    EXPECT_LT(scene.texts[1].x + 8 * u, kW) << c.factor;
  }
}

TEST(PlotFigures, EqualAxesGiveACircleAndTheRingLiesOnTheEllipse) {
  NetworkState s = testing::PlotNetwork();
  PlotView view;
  view.ShowAll(s, kW, kH);
  const PlotScene scene = AbsoluteFigures(s, view);
  const double k = view.CurrentMagnification(s) / view.ReferenceScale();
  // Ring of dots 0, 0.005, ..., up to 2 pi: 1257 per ellipse.
  ASSERT_EQ(scene.dots.size(), 2u * 1257u);
  // Item 2 is a circle of radius 0.04 m about point 3.
  const double cx = view.Fit().PictureX(1250.0), cy = view.Fit().PictureY(100.0);
  for (std::size_t d = 1257; d < scene.dots.size(); ++d)
    ASSERT_NEAR(std::hypot(scene.dots[d].x - cx, scene.dots[d].y - cy), 0.04 * k, 1e-9);
  // Item 1 (0.02, 0.01, azimuth 0.5 rad about point 2): in the frame of its
  // axes (major along the azimuth from +Y towards +X) every dot satisfies
  // (p / A)^2 + (q / B)^2 = 1.
  const double px = view.Fit().PictureX(1300.0), py = view.Fit().PictureY(40.0);
  for (std::size_t d = 0; d < 1257; ++d) {
    const double dx = scene.dots[d].x - px, dy = scene.dots[d].y - py;
    const double along = dx * std::sin(0.5) + dy * std::cos(0.5);
    const double across = dx * std::cos(0.5) - dy * std::sin(0.5);
    ASSERT_NEAR(std::pow(along / (0.02 * k), 2) + std::pow(across / (0.01 * k), 2), 1.0, 1e-9);
  }
  // The axis runs along the azimuth: its ends differ by 2A k (sin, cos).
  EXPECT_NEAR(scene.lines[0].x2 - scene.lines[0].x1, 2 * 0.02 * k * std::sin(0.5), 1e-9);
  EXPECT_NEAR(scene.lines[0].y2 - scene.lines[0].y1, 2 * 0.02 * k * std::cos(0.5), 1e-9);
}

TEST(PlotFigures, FiguresOfTwoPointsSitAtTheMidpointWithTheAuxiliaryMark) {
  NetworkState s = testing::PlotNetwork();
  s.Figures.Unknowns = 4;
  for (Matrix* m :
       {&s.Figures.SectionSemiMajor, &s.Figures.SectionSemiMinor, &s.Figures.SectionAzimuth})
    m->Redim(4, 4);
  s.Figures.SectionSemiMajor(1, 4) = 0.03;
  s.Figures.SectionSemiMinor(1, 4) = 0.0;  // flat: its axis only
  s.Figures.SectionAzimuth(1, 4) = M_PI / 2;
  s.Figures.SectionSemiMajor(1, 2) = 0.03;
  PlotView view;
  view.ShowAll(s, kW, kH);
  view.Shown().sections = {{1, 4}, {1, 2}};
  const PlotScene scene = view.Scene(s);
  // Unknowns 1 (x of point 2) and 4 (y of point 3): the midpoint of 2 and 3.
  const double mx = view.Fit().PictureX(1275.0), my = view.Fit().PictureY(70.0);
  int cyan = 0;
  for (const PlotDot& d : scene.dots)
    if (d.colour == PlotColour::Cyan) {
      ++cyan;
      EXPECT_NEAR(d.x, mx, 1e-9);
      EXPECT_NEAR(d.y, my, 1e-9);
    }
  EXPECT_EQ(cyan, 1);  // the pair (1, 2) belongs to one point
  int marks = 0;
  for (const PlotText& t : scene.texts) marks += t.text == "p.impropio";
  EXPECT_EQ(marks, 1);
  // The flat section is an east-west axis through the midpoint.
  bool found = false;
  for (const PlotLine& l : scene.lines)
    found |= std::abs((l.x1 + l.x2) / 2 - mx) < 1e-9 && std::abs(l.y1 - my) < 1e-9 &&
             std::abs(l.y2 - my) < 1e-9 && l.x2 > l.x1;
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace ombrel
