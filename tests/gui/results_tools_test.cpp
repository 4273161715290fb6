// The results tools from the desktop's menus: the blunder finder's table,
// the export of the results after an adjustment, the network check and the
// export of the project.
#include "gui/results_tools.h"

#include <gtest/gtest.h>

#include <QTableWidget>
#include <filesystem>

#include "gui/main_window.h"
#include "gui_test_support.h"
#include "model/gama_xml.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

TEST(ResultsTools, EachToolReachesTheCoreFromItsMenu) {
  TempDir dir;
  MainWindow window;
  QtInteraction& ui = window.Ui();
  testing::ActivateExample(window, dir);
  // The example network is sound for the inverse; for the matrix E it has
  // too many fixed points.
  for (const auto& [method, clean] : {std::pair{"1", true}, {"2", false}}) {
    ui.SetNextText(method);
    if (clean) ui.SetNextAnswer(Answer::No);  // scale factor
    testing::Trigger(window, "checkNetworkAction");
    EXPECT_EQ(ui.Messages().back().rfind("La red no presenta ningún defecto", 0) == 0, clean)
        << ui.Messages().back();
  }
  ui.SetNextText(dir.File("red.xml"));
  testing::Trigger(window, "exportProjectAction");
  const auto back = ReadGamaLocalXml(testing::ReadBytes(dir.File("red.xml")));
  ASSERT_TRUE(back) << back.error().message;
  EXPECT_EQ(back->points, PlainNetworkOf(window.State()).points);

  ui.SetNextText("4.12");
  ui.SetNextText(dir.File("errores.tmp"));
  ui.SetNextAnswer(Answer::No);  // see the listing now
  std::vector<double> drops;
  testing::WhenModal<BlunderTableDialog>([&](BlunderTableDialog* dialog) {
    const auto* table = testing::Child<QTableWidget>(*dialog, "blunderTable");
    for (int r = 0; r < table->rowCount(); ++r)
      drops.push_back(table->item(r, 5)->text().toDouble());
    dialog->reject();
  });
  testing::Trigger(window, "findBlundersAction");
  EXPECT_EQ(drops.size(), static_cast<std::size_t>(window.State().Network.NumObs));
  EXPECT_TRUE(std::is_sorted(drops.rbegin(), drops.rend()));
  EXPECT_TRUE(std::filesystem::exists(dir.File("errores.tmp")));

  // No results before an adjustment; after one they are written.
  testing::Trigger(window, "exportResultsAction");
  EXPECT_EQ(ui.Messages().back().rfind("¡ No hay resultados", 0), 0u);
  ui.SetNextAnswer(Answer::No);  // scale factor
  ui.SetNextAnswer(Answer::No);  // condition equations
  ui.SetNextText("4.12");
  ui.SetNextAnswer(Answer::No);  // three methods
  ui.SetNextText(dir.File("salida.tmp"));
  ui.SetNextOutputType(OutputType::Summary);
  ui.SetNextAnswer(Answer::No);
  testing::Trigger(window, "adjustInverseAction");
  ui.SetNextText(dir.File("r.geojson"));
  testing::Trigger(window, "exportResultsAction");
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_NE(testing::ReadBytes(dir.File("r.geojson")).find("FeatureCollection"), std::string::npos);
}

}  // namespace
}  // namespace ombrel
