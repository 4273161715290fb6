// The graphics window offscreen: button enabling, zoom and the DXF button,
// the coordinate readout, the rendered ellipses and the DXF export of the
// figures shown.
#include "gui/plot_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "adjust/adjustment_driver.h"
#include "adjust/open_project_command.h"
#include "gui/main_window.h"
#include "gui/plot_picture.h"
#include "gui/qt_interaction.h"
#include "gui_test_support.h"
#include "listing/number_format.h"
#include "plot/dxf_writer.h"
#include "plot/ellipse_outline.h"
#include "plot/figure_prompts.h"
#include "plot/plot_network.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::TempDir;

QPushButton* Button(const PlotWindow& window, const char* name) {
  return testing::Child<QPushButton>(window, name);
}

class PlotWindowTest : public ::testing::Test {
 protected:
  PlotWindowTest() { ui.SetUnattended(true); }

  void Load(const std::string& network, ScriptedInteraction& script) {
    ASSERT_TRUE(
        LoadProjectFile(state, script, testing::ValidationDir() + "/" + network + "/project.txt"));
  }
  // A constrained network adjusted with the inverse: absolute and relative ellipses.
  void AdjustConstrained(const std::string& network) {
    ScriptedInteraction script;
    Load(network, script);
    script.Then(Answer::No).Then(Answer::No).Then("4.12").Then(Answer::No);
    script.Then(dir.File("salida.tmp")).Then(OutputType::Full).Then(Answer::No);
    ASSERT_EQ(RunAdjustment(state, script, AdjustmentMethod::Inverse), CommandOutcome::Completed);
  }
  // A constrained network adjusted with the hyperellipsoid figures too,
  // keeping every eigenvalue.
  void AdjustWithFigures(const std::string& network) {
    ScriptedInteraction script;
    Load(network, script);
    script.Then(Answer::No).Then(Answer::No).Then("4.12").Then(Answer::Yes);
    script.Then(dir.File("salida.tmp")).Then(OutputType::Full);
    script.Then(std::to_string(state.ProjectUnknowns())).Then("1").Then(Answer::No);
    ASSERT_EQ(RunAdjustment(state, script, AdjustmentMethod::Inverse), CommandOutcome::Completed);
    ASSERT_TRUE(state.Figures.AxisProjDone);
  }

  TempDir dir;
  NetworkState state;
  QtInteraction ui;
};

TEST_F(PlotWindowTest, FigureButtonsFollowTheAvailabilityFlagsAfterTheFullView) {
  AdjustConstrained("benning82");
  for (int flags = 0; flags < 16; ++flags) {
    auto flag = [&](int bit) { return (flags & bit) != 0; };
    state.Ellipses.Done = flag(1);
    state.Figures.RosettesDone = flag(2);
    state.Figures.SectionsDone = flag(4);
    state.Figures.AxisProjDone = flag(8);
    PlotWindow window(state, ui);
    EXPECT_FALSE(Button(window, "absoluteEllipsesButton")->isEnabled() ||
                 Button(window, "dxfButton")->isEnabled());
    Button(window, "showAllButton")->click();
    SCOPED_TRACE(flags);
    EXPECT_EQ(Button(window, "absoluteEllipsesButton")->isEnabled(), (flags & 1) != 0);
    EXPECT_EQ(Button(window, "relativeEllipsesButton")->isEnabled(), (flags & 1) != 0);
    EXPECT_EQ(Button(window, "rosettesButton")->isEnabled(), (flags & 2) != 0);
    EXPECT_EQ(Button(window, "sectionsButton")->isEnabled(), (flags & 4) != 0);
    EXPECT_EQ(Button(window, "projectionsButton")->isEnabled(), (flags & 8) != 0);
    EXPECT_TRUE(Button(window, "dxfButton")->isEnabled());
  }
}

// With no printer but the PDF file, the drawing is printed there.
TEST_F(PlotWindowTest, TheDrawingPrintsToAPdfFile) {
  AdjustConstrained("benning82");
  PlotWindow window(state, ui);
  Button(window, "showAllButton")->click();
  const std::string pdf = dir.File("red.pdf");
  testing::PrintToPdfWhenAsked(pdf);
  Button(window, "printButton")->click();
  EXPECT_EQ(testing::ReadBytes(pdf).substr(0, 5), "%PDF-");
  EXPECT_EQ(ui.Messages().back(), "Documento guardado en " + pdf);
}

// The mouse reaches the view: the readout follows the pointer, a rectangle
// drawn with the left button and a right click inside it zoom (the DXF button
// waits for the full view), the window's size refits, the wheel zooms and a
// right drag pans, keeping the ellipses; the view is saved with its legend.
TEST_F(PlotWindowTest, TheMouseAndTheWindowSizeDriveTheViewWhichIsSavedWithItsLegend) {
  AdjustConstrained("benning82");
  PlotWindow window(state, ui);
  window.show();
  Button(window, "showAllButton")->click();
  PlotPicture* picture = testing::Child<PlotPicture>(window, "picture");
  QTest::mouseMove(picture, {300, 200});
  EXPECT_EQ(picture->ReadoutX().toStdString(),
            " x =" + FormatNumber(window.View().Fit().GroundX(picture->PictureX(300)), 9, 2));
  const double s0 = window.View().ReferenceScale();
  QTest::mousePress(picture, Qt::LeftButton, {}, {200, 150});
  QTest::mouseRelease(picture, Qt::LeftButton, {}, {500, 400});
  QTest::mousePress(picture, Qt::RightButton, {}, {600, 450});  // outside: nothing
  EXPECT_TRUE(Button(window, "dxfButton")->isEnabled());
  QTest::mousePress(picture, Qt::RightButton, {}, {350, 300});
  EXPECT_FALSE(Button(window, "dxfButton")->isEnabled());
  EXPECT_LT(window.View().Fit().scale, s0);
  Button(window, "showAllButton")->click();
  EXPECT_TRUE(Button(window, "dxfButton")->isEnabled());

  Button(window, "absoluteEllipsesButton")->click();
  const int width = picture->width();
  window.resize(window.width() + 300, window.height() + 200);
  QApplication::processEvents();
  ASSERT_GT(picture->width(), width);
  EXPECT_EQ(window.View().Fit().width, picture->width());
  const PlotFit before = window.View().Fit();
  QWheelEvent wheel(QPointF(300, 200), picture->mapToGlobal(QPointF(300, 200)), {}, {0, 120},
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(picture, &wheel);
  EXPECT_LT(window.View().Fit().scale, before.scale);
  const PlotFit zoomed = window.View().Fit();
  QTest::mousePress(picture, Qt::RightButton, {}, {300, 200});
  QMouseEvent drag(QEvent::MouseMove, QPointF(340, 170), picture->mapToGlobal(QPointF(340, 170)),
                   Qt::NoButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(picture, &drag);
  QTest::mouseRelease(picture, Qt::RightButton, {}, {340, 170});
  EXPECT_NEAR(window.View().Fit().ox, zoomed.ox + 40.0, 1e-6);
  EXPECT_TRUE(window.View().Shown().absolute);

  const std::string svg = dir.File("vista.svg");
  ui.SetNextText(dir.File("vista.jpg"));  // refused, and asked again
  ui.SetNextText(svg);
  Button(window, "saveButton")->click();
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_NE(testing::ReadBytes(svg).find("Se dibuja: la red; elipses absolutas"),
            std::string::npos);
}

bool Dark(const QImage& image, int x, int y) {
  return image.valid(x, y) && qGray(image.pixel(x, y)) < 128;
}

bool DarkAround(const QImage& image, int x, int y) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (Dark(image, x + dx, y + dy)) return true;
  return false;
}

TEST_F(PlotWindowTest, RenderedAbsoluteEllipsesLieWhereTheGeometryPutsThem) {
  AdjustConstrained("benning82");
  PlotWindow window(state, ui);
  window.show();
  Button(window, "showAllButton")->click();
  Button(window, "absoluteEllipsesButton")->click();
  const QImage image = testing::Child<PlotPicture>(window, "picture")->grab().toImage();
  const int w = image.width(), h = image.height();
  ASSERT_EQ(w, testing::Child<PlotPicture>(window, "picture")->width());

  const PlotView& view = window.View();
  const PlotFit& fit = view.Fit();
  const double enlargement = view.CurrentMagnification(state) / view.ReferenceScale();
  const auto figures = PlaceFigures(state, view.Shown());
  ASSERT_EQ(static_cast<int>(figures.size()), EllipseItemCount(state));
  int checked = 0;
  for (const PlacedEllipse& e : figures) {
    const EllipseOutline o = OutlineEllipse(fit.PictureX(e.cx), fit.PictureY(e.cy), e.semiMajor,
                                            e.semiMinor, e.azimuth, enlargement, kPlotEllipseStep);
    for (std::size_t k = 0; k < o.dots.size(); k += 20, ++checked) {
      const int x = static_cast<int>(std::floor(o.dots[k].x));
      const int y = static_cast<int>(std::floor(h - o.dots[k].y));
      EXPECT_TRUE(DarkAround(image, x, y)) << x << "," << y;
    }
  }
  EXPECT_GT(checked, 100);  // two ellipses of 1257 dots

  // Nothing strays: the right tenth and the bottom strip below the network
  // and its symbols stay white, and the ink is a small part of the picture.
  int ink = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!Dark(image, x, y)) continue;
      ++ink;
      EXPECT_FALSE(x > 0.9 * w || y > h - 40) << x << "," << y;
      if (x > 0.9 * w || y > h - 40) return;
    }
  EXPECT_LT(ink, w * h / 20);
}

// The figures asked for are exported as drawn; invalid pairs are asked
// again, and a new factor clears the figures.
TEST_F(PlotWindowTest, FiguresAskedForAreExportedAsDrawnUntilANewFactor) {
  AdjustWithFigures("benning82");  // variable vertices 3 and 4, unknowns 1 to 4
  PlotWindow window(state, ui);
  Button(window, "showAllButton")->click();
  Button(window, "absoluteEllipsesButton")->click();
  for (const char* answer : {"3,3", "4,3"}) ui.SetNextText(answer);
  Button(window, "relativeEllipsesButton")->click();
  EXPECT_EQ(ui.Beeps(), 1);
  ui.SetNextText("1,3");
  Button(window, "rosettesButton")->click();
  ui.SetNextText("1,2");
  Button(window, "sectionsButton")->click();
  ui.SetNextText("4,3");
  Button(window, "projectionsButton")->click();
  const FigureSelection& shown = window.View().Shown();
  EXPECT_EQ(shown.relative, (std::vector<std::pair<int, int>>{{4, 3}}));
  EXPECT_EQ(shown.sections, (std::vector<std::pair<int, int>>{{1, 2}}));
  EXPECT_EQ(shown.rosettes, (std::vector<std::pair<int, int>>{{1, 3}}));
  EXPECT_EQ(shown.projections, (std::vector<std::pair<int, int>>{{3, 4}}));
  EXPECT_EQ(ui.Pending(), 0u);

  const std::string file = dir.File("red.dxf");
  ui.SetNextText(file);
  Button(window, "dxfButton")->click();
  const std::string expected = DxfText(state, shown);
  EXPECT_NE(expected.find(" 62\r\n1\r\n"), std::string::npos);  // a rosette on the file
  EXPECT_TRUE(testing::ReadBytes(file) == expected);

  // A new factor ("0" refused) redraws the network without figures.
  ui.SetNextText("0");
  ui.SetNextText("2.5");
  Button(window, "ellipseScaleButton")->click();
  EXPECT_DOUBLE_EQ(state.Options.EllipseFactor, 2.5);
  EXPECT_FALSE(window.View().Shown().Any());
  EXPECT_TRUE(Button(window, "dxfButton")->isEnabled());
  EXPECT_EQ(ui.Beeps(), 2);
}

// Ellipses said to be done whose matrices no computation sized.
TEST_F(PlotWindowTest, ARunTimeErrorWhileDrawingIsReportedAndTheWindowGoesOn) {
  ScriptedInteraction script;
  Load("benning82", script);
  state.Ellipses.Done = true;
  PlotWindow window(state, ui);
  Button(window, "showAllButton")->click();
  Button(window, "absoluteEllipsesButton")->click();
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].rfind("¡ Se ha producido un error en el cálculo !", 0), 0u);
  EXPECT_FALSE(state.Abandon);
  Button(window, "showAllButton")->click();
  EXPECT_TRUE(Button(window, "dxfButton")->isEnabled());
}

// Two variable points with approximate coordinates, and the two fixed
// points that stand for the datum of the matrices, at the origin.
TEST_F(PlotWindowTest, ANetworkEnteredAsMatricesShowsOnlyItsPointsAndSaysWhy) {
  state = testing::PlotNetwork();
  state.Import.MatrixInput = true;
  state.Import.ApproxCoordsGiven = true;
  state.Import.ApproxCount = 2;
  for (int k = 1; k <= 3; ++k) state.Network.VariableIndex(k) = k <= 2 ? k : 0;
  state.Network.PointX(3) = state.Network.PointY(3) = 0.0;
  PlotWindow window(state, ui);
  Button(window, "showAllButton")->click();
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0],
            "    Cuando la entrada ha sido mediante matrices    \r\n"
            "    no se dispone de datos sobre los puntos fijos,    \r\n"
            "    ni sobre las observaciones realizadas.    \r\n"
            "    Por ello no se dibujan en el menú gráfico.    ");
  const PlotScene scene = window.View().Scene(state);
  EXPECT_TRUE(scene.lines.empty());
  EXPECT_EQ(scene.texts.size(), 2u);
  EXPECT_EQ(DxfText(state, {}).find("LINE\r\n"), std::string::npos);
  // The extent is that of the two points: the taller one spans the middle half.
  EXPECT_NEAR(window.View().Fit().PictureY(40.0), 0.75 * kPictureHeight, 1e-9);
}

// The window is not modal: the main window goes on while it is open, a
// second " &Ver " raises the same window, and it follows the commands that
// change the network.
TEST(PlotWindowFromMenu, ViewOpensOneWindowThatIsNotModalAndFollowsTheNetwork) {
  TempDir dir;
  MainWindow main;
  testing::ActivateExample(main, dir);
  testing::Trigger(main, "plotAction");
  testing::Trigger(main, "plotAction");
  const auto windows = main.findChildren<PlotWindow*>();
  ASSERT_EQ(windows.size(), 1);
  PlotWindow* window = windows[0];
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(window->windowTitle().toStdString(), " Menú  Gráfico");
  Button(*window, "showAllButton")->click();
  EXPECT_FALSE(Button(*window, "absoluteEllipsesButton")->isEnabled());  // nothing adjusted yet
  // An adjustment from the main window offers its ellipses in the open window.
  QtInteraction& ui = main.Ui();
  ui.SetNextAnswer(Answer::No);
  ui.SetNextAnswer(Answer::No);
  ui.SetNextText("4.12");
  ui.SetNextAnswer(Answer::No);
  ui.SetNextText(dir.File("salida.tmp"));
  ui.SetNextOutputType(OutputType::Full);
  ui.SetNextAnswer(Answer::No);
  testing::Trigger(main, "adjustInverseAction");
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_TRUE(Button(*window, "absoluteEllipsesButton")->isEnabled());
}

}  // namespace
}  // namespace ombrel
