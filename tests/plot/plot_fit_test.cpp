// The fit of the network to the picture, the reference scale and the zoom.
#include "plot/plot_fit.h"

#include <gtest/gtest.h>

#include "plot/plot_view.h"
#include "plot_network.h"

namespace ombrel {
namespace {

constexpr double kW = 1200.0, kH = 800.0;

TEST(PlotFit, WideAndTallNetworksFillHalfTheirGoverningSide) {
  // Wide: 200 m by 50 m; the X extent spans the middle half of the width.
  const PlotFit wide = FitWindow({100.0, 300.0, -20.0, 30.0}, kW, kH);
  EXPECT_DOUBLE_EQ(wide.scale, 400.0 / kW);
  EXPECT_DOUBLE_EQ(wide.PictureX(100.0), kW / 4);
  EXPECT_DOUBLE_EQ(wide.PictureX(300.0), 3 * kW / 4);
  EXPECT_DOUBLE_EQ(wide.PictureY(-20.0), kW / 4);
  EXPECT_DOUBLE_EQ(wide.unit, 10.0);
  // Tall: 50 m by 400 m; the Y extent spans the middle half of the height.
  const PlotFit tall = FitWindow({0.0, 50.0, 1000.0, 1400.0}, kW, kH);
  EXPECT_DOUBLE_EQ(tall.scale, 800.0 / kH);
  EXPECT_DOUBLE_EQ(tall.PictureY(1000.0), kH / 4);
  EXPECT_DOUBLE_EQ(tall.PictureY(1400.0), 3 * kH / 4);
  EXPECT_DOUBLE_EQ(tall.PictureX(0.0), kH / 4);
  // Ground and picture coordinates convert back and forth.
  EXPECT_NEAR(tall.GroundX(tall.PictureX(37.25)), 37.25, 1e-12);
  EXPECT_NEAR(tall.GroundY(tall.PictureY(1111.5)), 1111.5, 1e-9);
}

TEST(PlotFit, FlatAndSinglePointNetworksGetAFiniteScale) {
  // All points on one northing: the X extent governs.
  const PlotFit flatY = FitWindow({0.0, 60.0, 5.0, 5.0}, kW, kH);
  EXPECT_DOUBLE_EQ(flatY.scale, 120.0 / kW);
  // All on one easting: the Y extent governs, even though 0 / W < dy / H
  // would not otherwise matter.
  const PlotFit flatX = FitWindow({7.0, 7.0, 0.0, 80.0}, kW, kH);
  EXPECT_DOUBLE_EQ(flatX.scale, 160.0 / kH);
  EXPECT_DOUBLE_EQ(flatX.PictureY(80.0), 3 * kH / 4);
  // A single point is shown as one metre across, at the quarter corner.
  const PlotFit single = FitWindow({7.0, 7.0, 9.0, 9.0}, kW, kH);
  EXPECT_DOUBLE_EQ(single.scale, 2.0 / kW);
  EXPECT_NEAR(single.PictureX(7.0), kW / 4, 1e-9);
  EXPECT_NEAR(single.PictureY(9.0), kW / 4, 1e-9);
}

TEST(PlotView, ZoomKeepsTheReferenceScaleAndDisablesDxfUntilFullView) {
  const NetworkState s = testing::PlotNetwork();
  PlotView view;
  view.ShowAll(s, kW, kH);
  const double s0 = view.Fit().scale;
  EXPECT_EQ(view.ReferenceScale(), s0);
  EXPECT_TRUE(view.DxfEnabled());
  // A rectangle a quarter of the width wide and a tenth of it high: the
  // width governs, so the new scale is half the old one.
  view.Shown().absolute = true;
  view.ZoomTo(s, 300.0, 500.0, 600.0, 470.0);
  EXPECT_NEAR(view.Fit().scale, s0 / 2, 1e-12 * s0);
  EXPECT_EQ(view.ReferenceScale(), s0);
  EXPECT_FALSE(view.DxfEnabled());
  EXPECT_FALSE(view.Shown().Any());  // a redraw removes the figures
  // The rectangle's left edge is now a quarter in from the left.
  const double leftGround = FitWindow(NetworkExtent(s), kW, kH).GroundX(300.0);
  EXPECT_NEAR(view.Fit().PictureX(leftGround), kW / 4, 1e-9);
  view.ShowAll(s, kW, kH);
  EXPECT_TRUE(view.DxfEnabled());
  EXPECT_DOUBLE_EQ(view.Fit().scale, s0);
}

// The wheel keeps the ground point under the pointer, dragging moves the
// drawing, a new picture size refits the same ground window; all three keep
// the figures shown.
TEST(PlotView, WheelDragAndNewSizeChangeTheViewButKeepTheFigures) {
  const NetworkState s = testing::PlotNetwork();
  PlotView view;
  view.ShowAll(s, kW, kH);
  view.Shown().absolute = true;
  const PlotFit before = view.Fit();
  view.ZoomAbout(700.0, 300.0, 1.25);
  EXPECT_NEAR(view.Fit().scale, before.scale / 1.25, 1e-12 * before.scale);
  EXPECT_NEAR(view.Fit().GroundX(700.0), before.GroundX(700.0), 1e-9);
  EXPECT_NEAR(view.Fit().GroundY(300.0), before.GroundY(300.0), 1e-9);
  const PlotFit zoomed = view.Fit();
  view.Pan(-40.0, 25.0);
  EXPECT_NEAR(view.Fit().PictureX(1300.0), zoomed.PictureX(1300.0) - 40.0, 1e-9);
  EXPECT_NEAR(view.Fit().PictureY(40.0), zoomed.PictureY(40.0) + 25.0, 1e-9);
  EXPECT_FALSE(view.DxfEnabled());
  const PlotFit panned = view.Fit();
  view.Resize(s, 2 * kW, 2 * kH);
  EXPECT_NEAR(view.Fit().scale, panned.scale / 2, 1e-12 * panned.scale);
  EXPECT_NEAR(view.Fit().GroundX(2 * kW / 4), panned.GroundX(kW / 4), 1e-9);
  EXPECT_TRUE(view.Shown().absolute);
  // The whole network at the new size is the reference again.
  view.ShowAll(s, 2 * kW, 2 * kH);
  EXPECT_DOUBLE_EQ(view.ReferenceScale(), FitWindow(NetworkExtent(s), 2 * kW, 2 * kH).scale);
  view.Resize(s, kW, kH);
  EXPECT_TRUE(view.DxfEnabled());
  EXPECT_DOUBLE_EQ(view.ReferenceScale(), before.scale);
}

TEST(PlotView, SinglePointAndCollinearNetworksDrawWithoutFailure) {
  NetworkState single;
  single.Network.PointX.Redim(1);
  single.Network.PointY.Redim(1);
  single.Network.PointNumber.Redim(1);
  single.Network.VariableIndex.Redim(1);
  testing::AddPoint(single, 4, 10.0, 20.0, 0);
  PlotView view;
  view.ShowAll(single, kW, kH);
  const PlotScene scene = view.Scene(single);
  EXPECT_EQ(scene.texts.size(), 1u);
  EXPECT_EQ(scene.texts[0].text, "Estación 4");
  EXPECT_EQ(scene.lines.size(), 3u);  // the triangle

  NetworkState line = testing::PlotNetwork();
  for (int k = 1; k <= 3; ++k) line.Network.PointX(k) = 500.0;
  view.ShowAll(line, kW, kH);
  EXPECT_GT(view.Fit().scale, 0.0);
  EXPECT_FALSE(view.Scene(line).lines.empty());
}

}  // namespace
}  // namespace ombrel
