#include "model/equation_checks.h"

#include <gtest/gtest.h>

#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

const char* const kZeroRow =
    "¡ Existe un problema en la matriz A importada !\r\n\r\n"
    "Se ha intentado formar una ecuación entre puntos fijos.\r\n"
    "Hay una fila de ceros: Fila ";
const char* const kWeight =
    "¡ Existe un problema con los pesos !\r\n\r\n"
    "Hay un peso negativo o nulo: Fila ";

TEST(EquationChecks, ZeroRowLooksOnlyAtTheGivenColumnsAndNamesTheFirstRow) {
  NetworkState state;
  ScriptedInteraction ui;
  state.Equations.A.Redim(4, 3);
  state.Equations.A(1, 1) = 1.0;
  state.Equations.A(2, 3) = 5.0;  // beyond the two columns checked: row 2 counts as zero
  state.Equations.A(4, 2) = -1e-300;
  EXPECT_TRUE(CheckZeroRows(state, ui, 1, 2));
  EXPECT_FALSE(state.Abandon);
  EXPECT_TRUE(ui.Calls().empty());

  EXPECT_FALSE(CheckZeroRows(state, ui, 4, 2));
  EXPECT_TRUE(state.Abandon);
  ASSERT_EQ(ui.Calls().size(), 2u);
  EXPECT_EQ(ui.Calls()[0].kind, "Beep");
  EXPECT_EQ(ui.Calls()[1].text, std::string(kZeroRow) + "2");
}

TEST(EquationChecks, WeightsChecksTheFirstRowsOfTheDiagonalOnly) {
  NetworkState state;
  ScriptedInteraction ui;
  state.Equations.P.Redim(4, 4);
  for (int i = 1; i <= 3; ++i) state.Equations.P(i, i) = 0.5 * i;
  state.Equations.P(1, 2) = -3.0;           // off the diagonal: not a weight
  EXPECT_TRUE(CheckWeights(state, ui, 3));  // P(4, 4) = 0 lies beyond the rows checked
  EXPECT_TRUE(ui.Calls().empty());

  state.Equations.P(3, 3) = -0.0;
  EXPECT_FALSE(CheckWeights(state, ui, 4));
  EXPECT_TRUE(state.Abandon);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], std::string(kWeight) + "3");
}

}  // namespace
}  // namespace ombrel
