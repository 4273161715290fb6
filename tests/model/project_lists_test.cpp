#include "model/project_lists.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/project_file.h"
#include "model/text_file.h"
#include "support/network_compare.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::ExpectSameNetwork;
using testing::ReadBytes;
using testing::TempDir;

TEST(ProjectListsTest, EveryValidationProjectSavesByteIdenticalAndRebuildsTheLoadedNetwork) {
  TempDir dir;
  std::vector<std::pair<std::filesystem::path, std::string>> sources;
  for (const auto& entry : std::filesystem::directory_iterator(testing::ValidationDir()))
    if (std::filesystem::exists(entry.path() / "project.txt"))
      sources.emplace_back(entry.path() / "project.txt", entry.path().filename().string());
  EXPECT_GE(sources.size(), 9u);
  // Numbers with an exponent, in a coordinate and in a weight.
  std::string exponents = ReadBytes(sources[0].first.string());
  exponents.replace(exponents.find("\r\n00 ,") + 12, 10, "    1.5e-3");
  exponents.replace(exponents.rfind(",") + 1, 10, "   1.0E+04");
  sources.emplace_back(dir.Write("exponentes.src", exponents), "exponentes");
  for (const auto& [source, name] : sources) {
    const auto lists = ProjectLists::FromFile(source.string());
    ASSERT_TRUE(lists) << name;

    const std::string copy = dir.File(name + ".txt");
    ScriptedInteraction ui;
    NetworkState saved;
    ASSERT_TRUE(SaveProjectLists(*lists, saved, ui, copy)) << name;
    EXPECT_EQ(ReadBytes(copy), ReadBytes(source.string())) << name;

    const Result<NetworkState> loaded = ReadProjectFile({}, copy);
    ASSERT_TRUE(loaded) << name;
    ExpectSameNetwork(saved, *loaded, name);
    EXPECT_GT(saved.Network.NumObs, 0) << name;
  }
  const NetworkState last = ReadProjectFile({}, sources.back().first.string()).value();
  EXPECT_EQ(last.Network.PointX(1), 1.5e-3);
  EXPECT_EQ(last.Network.ObsWeights(2, last.Network.NumObs), 1.0e4);
}

TEST(ProjectListsTest, LinesKeepTheColumnsOfTheFile) {
  EXPECT_EQ(ComboItem(7), " 7 ");
  EXPECT_EQ(ComboItem(12), " 12");
  EXPECT_EQ(EquationField(" 7 "), "7 ");
  EXPECT_EQ(EquationField(" 12"), "12");
  EXPECT_EQ(EquationField("  7"), "07");
  EXPECT_EQ(PointLine(" 1 ", "1000.00", "1000.00", true, " 1 "),
            "00 ,  1  ,   1000.00 ,   1000.00 ,      fijo ,        1 ");
  EXPECT_EQ(AngleLine(" 1 ", " 2 ", " 1 ", " 3 ", "64.2311", "1"),
            "1  ,  2  ,        1  ,        3  ,   64.2311 ,         1");
  EXPECT_EQ(DistanceLine(" 12", " 1 ", " 3 ", "522.131", "1"),
            "12 , -99 ,        1  ,        3  ,   522.131 ,         1");

  const PointFields fields = ReadPointLine(PointLine(" 3 ", "-5.5", "7", false, " 42"));
  EXPECT_EQ(fields.order, " 3 ");
  EXPECT_EQ(fields.x, "-5.5");
  EXPECT_EQ(fields.y, "7");
  EXPECT_FALSE(fields.fixed);
  EXPECT_EQ(fields.vertex, " 42");
}

TEST(ProjectListsTest, TypedNumbersAreRefusedWithACommaOrTwoPoints) {
  for (const char* good : {"1500.25", "-3", "0.5", ".5", "12"})
    EXPECT_TRUE(IsValidNumberText(good)) << good;
  for (const char* bad : {"1500,25", "1.500.25", "", "12a", "1e3", "-", "."})
    EXPECT_FALSE(IsValidNumberText(bad)) << bad;
}

TEST(ProjectListsTest, VerticesSortByTheirOrderAndAreNumberedSoWhenLoaded) {
  ProjectLists lists;
  lists.AddObservation(DistanceLine(" 1 ", " 7 ", " 5 ", "10", "1"));
  // Vertex 7 third, 5 first and 9 second in the vector of unknowns.
  EXPECT_EQ(lists.AddPoint(PointLine(" 3 ", "30", "31", false, " 7 ")), 1);
  EXPECT_EQ(lists.AddPoint(PointLine(" 1 ", "10", "11", false, " 5 ")), 1);
  EXPECT_EQ(lists.AddPoint(PointLine(" 2 ", "20", "21", false, " 9 ")), 2);
  ASSERT_EQ(lists.NumPoints(), 3);
  EXPECT_EQ(lists.PointList()[0], kPointPrompt);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(lists.FileList()[static_cast<std::size_t>(k)],
              lists.PointList()[static_cast<std::size_t>(k)]);
    EXPECT_EQ(ReadPointLine(lists.PointList()[static_cast<std::size_t>(k)]).order, ComboItem(k));
  }
  // Added after the distance, still before it in the file.
  EXPECT_EQ(lists.FileList()[4], lists.ObservationList()[1]);
  EXPECT_EQ(lists.FileList()[0], " 0 ,Ptos ,       3   ,Ecuaciones ,       1  ");

  TempDir dir;
  ScriptedInteraction ui;
  NetworkState state;
  ASSERT_TRUE(SaveProjectLists(lists, state, ui, dir.File("orden.txt")));
  NetworkState loaded = ReadProjectFile({}, dir.File("orden.txt")).value();
  for (NetworkState* s : {&state, &loaded}) {
    EXPECT_EQ(s->Network.PointNumber(1), 5);
    EXPECT_EQ(s->Network.PointNumber(2), 9);
    EXPECT_EQ(s->Network.PointNumber(3), 7);
    EXPECT_EQ(s->Network.VariableIndex(3), 3);
    EXPECT_EQ(s->Network.PointX(2), 20.0);
  }
  ExpectSameNetwork(state, loaded, "orden");
}

TEST(ProjectListsTest, EquationsSortAsTextInTheListAndTheFile) {
  ProjectLists lists;
  lists.AddPoint(PointLine(" 1 ", "0", "0", true, " 1 "));
  for (int equation : {1, 2, 10})
    lists.AddObservation(DistanceLine(ComboItem(equation), " 1 ", " 2 ", "5", "1"));
  ASSERT_EQ(lists.NumObs(), 3);
  const std::vector<std::string> expected = {"1 ", "10", "2 "};
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(lists.ObservationList()[static_cast<std::size_t>(j)].substr(0, 2),
              expected[static_cast<std::size_t>(j - 1)]);
    EXPECT_EQ(lists.FileList()[static_cast<std::size_t>(1 + j)],
              lists.ObservationList()[static_cast<std::size_t>(j)]);
  }
  NetworkState state;
  lists.Rebuild(state, "x");
  EXPECT_EQ(state.Network.ObservationNumber(2), 10);
  EXPECT_EQ(state.Network.ObservationNumber(3), 2);
  EXPECT_EQ(state.Network.ObsWeights(1, 1), 2.0);
}

TEST(ProjectListsTest, DeletingAVertexRemovesEveryObservationThatUsesIt) {
  ProjectLists lists;
  for (int v : {2, 4, 12}) lists.AddPoint(PointLine(ComboItem(v), "1", "1", false, ComboItem(v)));
  lists.AddObservation(AngleLine(" 1 ", " 4 ", " 2 ", " 12", "10", "1"));  // back-sight
  lists.AddObservation(AngleLine(" 2 ", " 2 ", " 4 ", " 12", "10", "1"));  // station
  lists.AddObservation(AngleLine(" 3 ", " 12", " 2 ", " 4 ", "10", "1"));  // fore-sight
  lists.AddObservation(DistanceLine(" 4 ", " 4 ", " 2 ", "10", "1"));      // from
  lists.AddObservation(DistanceLine(" 5 ", " 12", " 4 ", "10", "1"));      // to
  lists.AddObservation(DistanceLine(" 14", " 2 ", " 12", "10", "1"));      // kept
  lists.AddObservation(AngleLine(" 6 ", " 12", " 2 ", " 2 ", "14", "1"));  // kept: 14 is no 4
  ASSERT_EQ(lists.NumObs(), 7);

  // As text the order 12 sorts before 2 and 4, so vertex 4 is the last line.
  ASSERT_EQ(ReadPointLine(lists.PointList()[3]).vertex, " 4 ");
  const auto removed = lists.RemovePoint(3);
  EXPECT_EQ(removed, (std::vector<std::string>{" 1 ", " 2 ", " 3 ", " 4 ", " 5 "}));
  EXPECT_EQ(lists.NumPoints(), 2);
  ASSERT_EQ(lists.NumObs(), 2);
  EXPECT_EQ(lists.ObservationList()[1].substr(0, 2), "14");
  EXPECT_EQ(lists.ObservationList()[2].substr(0, 2), "6 ");
  ASSERT_EQ(lists.FileList().size(), 5u);
  EXPECT_EQ(lists.FileList()[3], lists.ObservationList()[1]);
  EXPECT_EQ(Columns(lists.FileList()[0], 18, 20), "2  ");
  EXPECT_EQ(Columns(lists.FileList()[0], 42, 44), "2  ");
}

TEST(ProjectListsTest, ModifyingAndRemovingKeepTheListsInStep) {
  ProjectLists lists;
  lists.AddPoint(PointLine(" 1 ", "1", "1", true, " 1 "));
  lists.AddPoint(PointLine(" 2 ", "2", "2", false, " 2 "));
  lists.AddObservation(DistanceLine(" 1 ", " 1 ", " 2 ", "5", "1"));
  // Moving vertex 1 behind vertex 2 in the vector of unknowns.
  EXPECT_EQ(lists.ReplacePoint(1, PointLine(" 3 ", "1", "1", false, " 1 ")), 2);
  EXPECT_EQ(ReadPointLine(lists.PointList()[1]).vertex, " 2 ");
  EXPECT_EQ(lists.FileList()[2], lists.PointList()[2]);
  EXPECT_EQ(lists.FileList()[3], lists.ObservationList()[1]);
  lists.RemoveObservation(1);
  EXPECT_EQ(lists.NumObs(), 0);
  EXPECT_EQ(lists.FileList().size(), 3u);
  EXPECT_EQ(Columns(lists.FileList()[0], 42, 44), "0  ");
}

TEST(ProjectListsTest, WeightToAllChangesOnlyItsKindOfObservation) {
  ProjectLists lists;
  lists.AddPoint(PointLine(" 1 ", "1", "1", true, " 1 "));
  lists.AddObservation(AngleLine(" 1 ", " 2 ", " 1 ", " 3 ", "64.2311", "1"));
  lists.AddObservation(DistanceLine(" 2 ", " 1 ", " 2 ", "500.652", "1"));
  lists.SetWeightOfAll(true, "0.25");
  EXPECT_EQ(Columns(lists.ObservationList()[1], 47, 56), "         1");
  EXPECT_EQ(Columns(lists.ObservationList()[2], 47, 56), "      0.25");
  EXPECT_EQ(lists.FileList()[3], lists.ObservationList()[2]);
  lists.SetWeightOfAll(false, "4");
  EXPECT_EQ(Columns(lists.FileList()[2], 47, 56), "         4");
  EXPECT_EQ(Columns(lists.FileList()[3], 47, 56), "      0.25");
}

TEST(ProjectListsTest, ANewProjectSavedAtOnceIsOneLineAndLoadsEmpty) {
  TempDir dir;
  ScriptedInteraction ui;
  NetworkState state;
  ASSERT_TRUE(SaveProjectLists(ProjectLists(), state, ui, dir.File("vacio.txt")));
  EXPECT_EQ(ReadBytes(dir.File("vacio.txt")), std::string(kNewHeader) + "\r\n");
  EXPECT_EQ(state.Network.NumPoints, 0);
  EXPECT_EQ(state.Network.NumObs, 0);
  EXPECT_EQ(state.PointsLabel, "Número de vértices:   0   ( 0 fijos )");
  EXPECT_TRUE(state.HasActiveProject());
}

TEST(ProjectListsTest, SavingOverAFileAsksAndNoChangesNothing) {
  TempDir dir;
  const std::string path = dir.Write("red.txt", "viejo\r\n");
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then(Answer::Yes);
  NetworkState state;
  ProjectLists lists;
  lists.AddPoint(PointLine(" 1 ", "1", "1", true, " 1 "));
  EXPECT_FALSE(SaveProjectLists(lists, state, ui, path));
  EXPECT_EQ(ReadBytes(path), "viejo\r\n");
  EXPECT_EQ(state.Network.NumPoints, 0);
  EXPECT_FALSE(state.HasActiveProject());
  const auto asked = ui.Prompts();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Fichero ya existe. Sobrescribir ?");
  EXPECT_EQ(asked[0].buttons, Buttons::YesNo);
  EXPECT_EQ(asked[0].defaultButton, 2);
  // Yes writes the lists, in the project's code page and line ends.
  EXPECT_TRUE(SaveProjectLists(lists, state, ui, path));
  std::string expected;
  for (const std::string& line : lists.FileList()) expected += Utf8ToCp1252(line) + "\r\n";
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_EQ(state.Network.NumPoints, 1);
}

// The reason given is the loader's for the same file.
TEST(ProjectListsTest, AFileShorterThanItsHeaderCannotBeOpened) {
  TempDir dir;
  const std::string missing = dir.File("no-existe.txt");
  const std::string path =
      dir.Write("corto.txt",
                " 0 ,Ptos ,         2 ,Ecuaciones ,         0\r\n"
                "00 ,  1  ,   1000.00 ,   1000.00 ,      fijo ,        1 \r\n");
  const std::string many = dir.Write("muchos.txt", " 0 ,Ptos , 99 ,Ecuaciones , 0\r\n");
  for (const std::string& file : {missing, path, many}) {
    const Result<ProjectLists> lists = ProjectLists::FromFile(file);
    const Result<NetworkState> read = ReadProjectFile({}, file);
    ASSERT_FALSE(lists || read) << file;
    EXPECT_EQ(read.error(), lists.error()) << file;
  }
}

// What the editor refuses to add: a place in the vector x already taken
// (but a vertex may keep its own), and observations that name a vertex
// twice.
TEST(ProjectListsTest, AdditionsThatCannotBeAdjustedAreNamed) {
  ProjectLists lists;
  lists.AddPoint(PointLine(ComboItem(1), "0", "0", true, ComboItem(7)));
  lists.AddPoint(PointLine(ComboItem(2), "5", "0", false, ComboItem(8)));
  EXPECT_EQ(lists.PositionFault(PointLine(ComboItem(2), "1", "1", false, ComboItem(9)), 0),
            "¡ La posición 2 de la ordenación del vector x ya es la del vértice 8 !");
  EXPECT_EQ(lists.PositionFault(PointLine(ComboItem(2), "1", "1", false, ComboItem(8)), 2), "");
  EXPECT_EQ(lists.PositionFault(PointLine(ComboItem(3), "1", "1", false, ComboItem(9)), 0), "");

  const std::string heading =
      "¡ Existe un problema con los vértices de las observaciones !\r\n\r\n";
  const auto angle = [](int back, int station, int fore) {
    return AngleLine(ComboItem(12), ComboItem(back), ComboItem(station), ComboItem(fore), "1", "1");
  };
  const std::pair<std::string, std::string> cases[] = {
      {angle(7, 8, 9), ""},
      {angle(8, 8, 9), "La ecuación 12 es un ángulo cuyo punto inicial es su estación, 8."},
      {angle(7, 8, 8), "La ecuación 12 es un ángulo cuyo punto final es su estación, 8."},
      {angle(9, 8, 9),
       "La ecuación 12 es un ángulo cuyos puntos inicial y final son el mismo "
       "vértice, 9."},
      {DistanceLine(ComboItem(3), ComboItem(7), ComboItem(8), "1", "1"), ""},
      {DistanceLine(ComboItem(3), ComboItem(7), ComboItem(7), "1", "1"),
       "La ecuación 3 es una distancia del vértice 7 a sí mismo."},
  };
  for (const auto& [line, fault] : cases)
    EXPECT_EQ(ObservationLineFault(line), fault.empty() ? fault : heading + fault) << line;
}

}  // namespace
}  // namespace ombrel
