// "ombrel-cli compensar --grafico": the whole network with its absolute
// ellipses as a picture file, drawn without a display.
#include <gtest/gtest.h>

#include <numeric>

#include "cli/cli_app.h"
#include "support/cli_run.h"
#include "support/listing_reader.h"
#include "support/temp_dir.h"

#ifdef OMBREL_PLOT_EXPORT
namespace ombrel {
namespace {

using testing::Axes;
using testing::TempDir;

testing::CliRun Compensar(const std::string& project, const std::string& listing,
                          const std::string& picture, const TempDir& dir) {
  const std::string answers =
      dir.Write("respuestas.txt", "No\nNo\n=\nNo\n" + listing + "\ncompleta\nNo\n");
  return testing::RunCliInProcess({"compensar", "--proyecto", project, "--metodo", "inversa",
                                   "--respuestas", answers, "--grafico", picture});
}

// The number of the attribute name="..." in an element's text (-1 without).
double Attribute(const std::string& element, const std::string& name) {
  const auto at = element.find(" " + name + "=\"");
  return at == std::string::npos ? -1.0 : std::stod(element.substr(at + name.size() + 3));
}

// The figures of an SVG written by Qt are <ellipse> elements, their centre
// and turn in the transform of the group around them.
TEST(CompensarPlotFile, SvgEllipsesAreTheListedSemiAxesTimesTheMagnification) {
  TempDir dir;
  const std::string listing = dir.File("salida.tmp"), svg = dir.File("red.svg");
  const auto run =
      Compensar(testing::ValidationDir() + "/ghilani14_5/project.txt", listing, svg, dir);
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::vector<Axes> listed = testing::ListedAxes(testing::ListingLines(listing));
  ASSERT_EQ(listed.size(), 2u);
  const std::string text = testing::ReadBytes(svg);
  // The drawing's width in its own units: viewBox="0 0 width height".
  const double width = testing::Numbers(text.substr(text.find("viewBox=\"") + 9))[2];
  // Factor 1 draws the mean semi-major axis 4 units long, a unit being a
  // 120th of the drawing's width.
  const double mean = std::accumulate(listed.begin(), listed.end(), 0.0,
                                      [](double sum, const Axes& e) { return sum + e.a; }) /
                      static_cast<double>(listed.size());
  const double perMetre = 4.0 * width / 120.0 / mean;
  std::vector<Axes> drawn;
  for (auto at = text.find("<ellipse"); at != std::string::npos;
       at = text.find("<ellipse", at + 1)) {
    const std::string element = text.substr(at, text.find('>', at) - at);
    drawn.push_back({Attribute(element, "rx"), Attribute(element, "ry")});
  }
  ASSERT_EQ(drawn.size(), listed.size());
  for (std::size_t k = 0; k < listed.size(); ++k) {
    EXPECT_NEAR(drawn[k].a, listed[k].a * perMetre, 0.1) << k;
    EXPECT_NEAR(drawn[k].b, listed[k].b * perMetre, 0.1) << k;
  }
  for (const char* legend :
       {"Factor de ampliación de las figuras: 1 ", "probabilidad de unos 39 %"})
    EXPECT_NE(text.find(legend), std::string::npos) << legend;
}

TEST(CompensarPlotFile, PngAndPdfAreWrittenAndOtherNamesRefused) {
  TempDir dir;
  const std::string project = testing::ValidationDir() + "/ghilani16_1/project.txt";
  const std::pair<const char*, std::string> kinds[] = {{"red.PNG", "\x89PNG"}, {"red.pdf", "%PDF"}};
  for (const auto& [name, magic] : kinds) {
    const auto run = Compensar(project, dir.File(std::string(name) + ".tmp"), dir.File(name), dir);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(testing::ReadBytes(dir.File(name)).substr(0, magic.size()), magic) << name;
  }
  const auto refused = Compensar(project, dir.File("jpg.tmp"), dir.File("red.jpg"), dir);
  EXPECT_EQ(refused.status, kExitUsage);
  EXPECT_NE(refused.err.find(".svg, .png o .pdf"), std::string::npos);
}

}  // namespace
}  // namespace ombrel
#endif  // OMBREL_PLOT_EXPORT
