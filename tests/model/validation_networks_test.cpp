// Every validation network loads and forms its equations without a message.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/form_equations.h"
#include "model/project_file.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

TEST(ValidationNetworks, LoadAndFormEquationsSilently) {
  int networks = 0;
  for (const auto& entry : std::filesystem::directory_iterator(testing::ValidationDir())) {
    if (!entry.is_directory()) continue;
    const std::string path = (entry.path() / "project.txt").string();
    NetworkState s;
    ScriptedInteraction ui;
    ASSERT_TRUE(LoadProjectFile(s, ui, path)) << path;
    DimensionProjectSystem(s);
    FormEquations(s, ui);
    EXPECT_FALSE(s.Abandon) << path;
    EXPECT_TRUE(ui.Messages().empty()) << path;
    EXPECT_EQ(s.NumUnknowns, 2 * (s.NumPoints - s.NumFixed)) << path;
    for (int i = 1; i <= s.NumObs; ++i) EXPECT_GT(s.P(i, i), 0.0) << path;
    ++networks;
  }
  EXPECT_GE(networks, 9);
}

}  // namespace
}  // namespace ombrel
