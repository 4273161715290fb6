// "--coordenadas FICHERO" beside "--matrices": the approximate coordinates
// of the variable points, as the approximate-coordinates dialog gives them.
#include <gtest/gtest.h>

#include "cli/load_command.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::TempDir;

// Two variable points, each coordinate observed twice so that every
// observation is checked by another.
struct Matrices {
  TempDir dir;
  std::string a = dir.Write("a.txt",
                            "1 0 0 0\r\n0 1 0 0\r\n0 0 1 0\r\n0 0 0 1\r\n"
                            "1 0 0 0\r\n0 1 0 0\r\n0 0 1 0\r\n0 0 0 1");
  std::string k = dir.Write("k.txt", "0.01\r\n0.02\r\n-0.01\r\n0.03\r\n0.02\r\n0.01\r\n0\r\n0.02");
  std::string p = dir.Write("p.txt", "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1");
};

TEST(CoordinatesOption, ParsesOnlyBesideMatrices) {
  NetworkSource source;
  std::vector<std::string> rest;
  EXPECT_TRUE(ParseNetworkSource({"--matrices", "a", "k", "p", "--coordenadas", "c", "--x"}, 0,
                                 source, rest));
  EXPECT_EQ(source.coordinates, "c");
  EXPECT_EQ(rest, std::vector<std::string>{"--x"});

  NetworkSource project;
  rest.clear();
  EXPECT_FALSE(ParseNetworkSource({"--proyecto", "r.txt", "--coordenadas", "c"}, 0, project, rest));
  NetworkSource missing;
  rest.clear();
  EXPECT_FALSE(
      ParseNetworkSource({"--matrices", "a", "k", "p", "--coordenadas"}, 0, missing, rest));
}

TEST(CoordinatesOption, AFaultyFileStopsTheLoadWithItsLine) {
  Matrices m;
  const std::string coords = m.dir.Write("c.txt", "1 100 200\r\n3 1 1\r\n");
  NetworkState state;
  ScriptedInteraction ui;
  EXPECT_FALSE(LoadNetwork(state, ui, {"", {m.a, m.k, m.p}, coords}));
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_NE(ui.Messages().back().find("línea 2"), std::string::npos) << ui.Messages().back();
  EXPECT_FALSE(state.Import.ApproxCoordsGiven);
  EXPECT_FALSE(LoadNetwork(state, ui, {"", {m.a, m.k, m.p}, m.dir.File("no.txt")}));
}

}  // namespace
}  // namespace ombrel
