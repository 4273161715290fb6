#include "model/equation_checks.h"

#include <gtest/gtest.h>

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
  Matrix a(4, 3);
  a(1, 1) = 1.0;
  a(2, 3) = 5.0;  // beyond the two columns checked: row 2 counts as zero
  a(4, 2) = -1e-300;
  EXPECT_EQ(CheckZeroRows(a, 1, 2), std::nullopt);
  EXPECT_EQ(CheckZeroRows(a, 4, 2),
            (Failure{std::string(kZeroRow) + "2", Icon::Information, true}));
}

TEST(EquationChecks, WeightsChecksTheFirstRowsOfTheDiagonalOnly) {
  Matrix p(4, 4);
  for (int i = 1; i <= 3; ++i) p(i, i) = 0.5 * i;
  p(1, 2) = -3.0;                               // off the diagonal: not a weight
  EXPECT_EQ(CheckWeights(p, 3), std::nullopt);  // P(4, 4) = 0 lies beyond the rows checked
  p(3, 3) = -0.0;
  EXPECT_EQ(CheckWeights(p, 4), (Failure{std::string(kWeight) + "3", Icon::Information, true}));
}

}  // namespace
}  // namespace ombrel
