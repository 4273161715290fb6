// The questions of the graphics window: the "I,J" answer, the pairs that a
// figure may be drawn for, the magnification factor, the DXF file name;
// the zoom rectangle.
#include "plot/figure_prompts.h"

#include <gtest/gtest.h>

#include "plot/dxf_writer.h"
#include "plot/pair_answer.h"
#include "plot/rubber_band.h"
#include "plot_network.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using Pair = std::pair<int, int>;

TEST(PairAnswer, TwoWholeNumbersSeparatedByACommaStartingAtOneOrAbove) {
  EXPECT_EQ(ParsePairAnswer("1,2"), Pair(1, 2));
  EXPECT_EQ(ParsePairAnswer("12,3"), Pair(12, 3));
  EXPECT_EQ(ParsePairAnswer("3, 4 "), Pair(3, 4));
  EXPECT_EQ(ParsePairAnswer("9,0"), Pair(9, 0));  // the second number is checked by the caller
  for (const char* refused : {"", "0", " 0", "0,1", " 3,4", "-1,2", "1.5,2", "1,2.", "1;2", "1,",
                              ",2", "a,b", "1,2,3", "12", "1 2,3", "99999,1"})
    EXPECT_FALSE(ParsePairAnswer(refused)) << refused;
}

// Every refusal beeps and says the same thing before asking again.
void ExpectRefusals(const ScriptedInteraction& ui, int count) {
  EXPECT_EQ(ui.Count("Beep"), count);
  const auto messages = ui.Messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(), kInvalidCharacters), count);
}

// Relative ellipses name two different ellipse items (here vertices 2 and
// 3); the other figures two different unknowns 1..m', returned in order.
TEST(FigurePrompts, PairsMustNameTwoDifferentItemsOrUnknowns) {
  NetworkState s = testing::PlotNetwork();
  s.Figures.Unknowns = 4;
  ScriptedInteraction ui;
  ui.Then("1,2").Then("2,2").Then("3,2");
  EXPECT_EQ(AskRelativePair(s, ui), Pair(3, 2));
  ui.Then("5,1").Then("0,2").Then("4,2");
  EXPECT_EQ(AskUnknownPair(s, ui, FigureKind::Section), Pair(2, 4));
  ExpectRefusals(ui, 4);
  const auto prompts = ui.Prompts();
  EXPECT_EQ(prompts[0].text, "\r\nELIPSE RELATIVA ENTRE LOS VERTICES  I,J \r\n\r\n");
  EXPECT_EQ(prompts[0].defaultText, "1,2");
  EXPECT_EQ(prompts.back().text,
            "\r\n1.-  METODO DE LAS SECCIONES \r\n      DEL   HIPERELIPSOIDE  .... \r\n\r\n"
            "      Elipse de error entre las variables  I,J \r\n\r\n");
  ScriptedInteraction cancel;
  cancel.Then("");
  EXPECT_FALSE(AskRelativePair(s, cancel));
}

TEST(FigurePrompts, FactorIsANumberAboveZeroUpToAThousand) {
  NetworkState s;
  ScriptedInteraction ui;
  ui.Then("0").Then("1001").Then("2,5").Then("-3").Then("x").Then("2.5");
  EXPECT_TRUE(AskEllipseFactor(s, ui));
  EXPECT_DOUBLE_EQ(s.Options.EllipseFactor, 2.5);
  ExpectRefusals(ui, 5);
  const RecordedCall first = ui.Prompts().front();
  EXPECT_EQ(first.title, "Escala de las elipses");
  EXPECT_EQ(first.defaultText, "1");

  ScriptedInteraction cancel;
  cancel.Then("");
  EXPECT_FALSE(AskEllipseFactor(s, cancel));
  EXPECT_DOUBLE_EQ(s.Options.EllipseFactor, 2.5);
  EXPECT_EQ(cancel.Prompts().front().defaultText, "2.5");
}

// Yes is taken below, where /dev/full already exists.
TEST(FigurePrompts, AnExistingDxfFileIsNotOverwrittenOnNo) {
  testing::TempDir dir;
  const std::string old = dir.Write("red.dxf", "x");
  const NetworkState s;
  ScriptedInteraction ui;
  ui.Then(old).Then(Answer::No).Then(dir.File("otra.dxf"));
  EXPECT_EQ(AskDxfFileName(s, ui), dir.File("otra.dxf"));
  const auto prompts = ui.Prompts();
  ASSERT_EQ(prompts.size(), 3u);
  EXPECT_EQ(prompts[0].defaultText, "red.dxf");
  EXPECT_EQ(prompts[1].text, "Fichero ya existe.  ¿ Sobrescribir ? ");
  EXPECT_EQ(prompts[1].defaultButton, 2);
}

// The project, a folder and a full disk are refused, and the name asked again.
TEST(FigurePrompts, TheDrawingIsWrittenOnlyWhereItReplacesNoInput) {
  testing::TempDir dir;
  NetworkState s = testing::PlotNetwork();
  s.ProjectName = dir.Write("red.txt", "proyecto");
  ScriptedInteraction ui;
  ui.Then(s.ProjectName).Then(dir.Path().string()).Then("/dev/full").Then(Answer::Yes);
  ui.Then(dir.File("red.dxf"));
  EXPECT_EQ(ExportDxf(s, ui, {}), dir.File("red.dxf"));
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{
                "¡ El fichero " + s.ProjectName +
                    " es uno de los datos del cálculo y no se puede sobrescribir !",
                "No se puede escribir el fichero " + dir.Path().string() + ": es una carpeta.",
                "Fichero ya existe.  ¿ Sobrescribir ? ",
                "No se puede escribir el fichero /dev/full: no queda espacio en el disco."}));
  EXPECT_EQ(testing::ReadBytes(s.ProjectName), "proyecto");
  EXPECT_EQ(testing::ReadBytes(dir.File("red.dxf")), DxfText(s, {}));
}

TEST(RubberBand, CornersAreRoundedAndOnlyACompleteRectangleWithAreaHoldsPoints) {
  RubberBand band;
  band.Press(100.4, 300.6);
  band.Drag(50.0, 50.0);
  EXPECT_FALSE(band.Contains(75.0, 75.0));  // not released yet
  band.Release(200.5, 250.2);
  EXPECT_EQ(band.x1, 100);
  EXPECT_EQ(band.y1, 301);
  EXPECT_EQ(band.x2, 201);  // halves away from zero
  EXPECT_EQ(band.y2, 250);
  EXPECT_TRUE(band.Contains(150.0, 260.0));
  EXPECT_FALSE(band.Contains(99.0, 260.0));
  band.Press(10.0, 10.0);
  band.Release(10.0, 90.0);
  EXPECT_FALSE(band.Contains(10.0, 50.0));  // no area
}

}  // namespace
}  // namespace ombrel
