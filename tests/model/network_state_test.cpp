// Every way a network becomes active, or gets other unknowns, forgets the
// error figures of the last computation: they belong to another network.
#include "model/network_state.h"

#include <gtest/gtest.h>

#include "model/import_equations.h"
#include "model/project_file.h"
#include "model/project_lists.h"
#include "model/review_lists.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

NetworkState Computed() {
  NetworkState s;
  s.Ellipses.Done = s.Ellipses.ForDesignVertices = s.Figures.SectionsDone = s.Figures.RosettesDone =
      s.Figures.AxisProjDone = true;
  return s;
}

bool AnyFigure(const NetworkState& s) {
  return s.Ellipses.Done || s.Ellipses.ForDesignVertices || s.Figures.SectionsDone ||
         s.Figures.RosettesDone || s.Figures.AxisProjDone;
}

TEST(NetworkStateTest, EveryLoaderForgetsTheFiguresOfTheLastComputation) {
  testing::TempDir dir;
  ScriptedInteraction ui;
  const std::string project = testing::SourceDir() + "/examples/tres_puntos.txt";
  NetworkState loaded = ReadProjectFile(Computed(), project).value();
  EXPECT_FALSE(AnyFigure(loaded));

  NetworkState saved = Computed();
  ASSERT_TRUE(SaveProjectLists(*ProjectLists::FromFile(project), saved, ui, dir.File("c.txt")));
  EXPECT_FALSE(AnyFigure(saved));

  NetworkState imported = Computed();
  imported.Import.MatrixInput = true;
  imported.Import.ImportFileA = dir.Write("A.txt", "1 0\r\n0 1");
  imported.Import.ImportFileK = dir.Write("K.txt", "1\r\n2");
  imported.Import.ImportFileP = dir.Write("P.txt", "1\r\n1");
  FormImportedEquations(imported, ui);
  ASSERT_FALSE(imported.Abandon);
  EXPECT_FALSE(AnyFigure(imported));

  // The review keeps them while the kinds of the points stay.
  loaded.Ellipses.Done = true;
  ReviewLists lists(loaded);
  lists.ApplyFixedPoints(loaded, ui);
  EXPECT_TRUE(loaded.Ellipses.Done);
  lists.SetFixed(2, true);
  lists.ApplyFixedPoints(loaded, ui);
  EXPECT_FALSE(loaded.Ellipses.Done);
}

}  // namespace
}  // namespace ombrel
