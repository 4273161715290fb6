#include "model/review_lists.h"

#include <gtest/gtest.h>

#include "model/decimal_text.h"
#include "support/adjusted_network.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

NetworkState Loaded(const char* example) {
  return testing::Loaded(testing::SourceDir() + "/examples/" + example);
}

TEST(ReviewListsTest, LinesHaveTheirFixedColumns) {
  const ReviewLists lists(Loaded("tres_puntos.txt"));
  ASSERT_EQ(lists.PointList().size(), 4u);
  EXPECT_EQ(lists.PointList()[0], kReviewPointPrompt);
  EXPECT_EQ(lists.PointList()[1], "   Vértice  1  ......   fijo");
  EXPECT_EQ(CharColumns(lists.PointList()[2], 25, 28), "vble");
  ASSERT_EQ(lists.EquationList().size(), 4u);
  EXPECT_EQ(lists.EquationList()[1], "   Ecuación 1   ( de ángulo )           1");
  EXPECT_EQ(CharColumns(lists.EquationList()[2], 18, 41), " distancia )           1");
  EXPECT_TRUE(lists.IsDistance(2));
  EXPECT_FALSE(lists.IsDistance(1));
  EXPECT_EQ(lists.NumberOf(lists.EquationList()[3]), 3);
  EXPECT_EQ(ReviewEquationLine(12, true, "-2.5"), "   Ecuación 12  ( distancia )        -2.5");
}

TEST(ReviewListsTest, AppliedKindsRenumberTheVariablePoints) {
  NetworkState state = Loaded("tres_puntos.txt");
  ReviewLists lists(state);
  lists.SetFixed(2, true);
  ScriptedInteraction ui;
  lists.ApplyFixedPoints(state, ui);
  EXPECT_EQ(state.Network.NumFixed, 2);
  EXPECT_EQ(state.Network.VariableIndex(2), 0);
  EXPECT_EQ(state.Network.VariableIndex(3), 1);
  EXPECT_EQ(state.PointsLabel, "Número de vértices:   3   ( 2 fijos )");
}

// 400, 156.25 and 0.00011664 are the weights of the example; 1/3 needs more
// characters than its columns hold.
TEST(ReviewListsTest, WeightsShownApplyBackUnchanged) {
  NetworkState state = Loaded("ghilani16_1.txt");
  state.Network.ObsWeights(2, 5) = 1.0 / 3.0;
  const NetworkState before = state;
  ReviewLists(state).ApplyWeights(state);
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(state.Network.ObsWeights(2, i), before.Network.ObsWeights(2, i)) << i;
  EXPECT_EQ(CharColumns(ReviewLists(before).EquationList()[3], 30, 41), "  0.00011664");
}

TEST(ReviewListsTest, OnlyNumbersBecomeWeights) {
  NetworkState state = Loaded("ghilani16_1.txt");
  ReviewLists lists(state);
  const auto line = lists.EquationList()[2];
  for (const char* refused : {"", "1,5", "1.2.3", "2a"}) {
    EXPECT_FALSE(lists.SetWeight(2, refused)) << refused;
    EXPECT_FALSE(lists.SetWeightOfAll(refused)) << refused;
  }
  EXPECT_EQ(lists.EquationList()[2], line);
  ASSERT_TRUE(lists.SetWeight(2, "2.5"));
  ASSERT_TRUE(lists.SetWeight(4, "7"));
  lists.ApplyWeights(state);
  EXPECT_EQ(state.Network.ObsWeights(2, 1), 400.0);
  EXPECT_EQ(state.Network.ObsWeights(2, 2), 2.5);
  EXPECT_EQ(state.Network.ObsWeights(2, 4), 7.0);
  ASSERT_TRUE(lists.SetWeightOfAll("0.5"));
  lists.ApplyWeights(state);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(state.Network.ObsWeights(2, i), 0.5) << i;
}

TEST(DecimalTextTest, ShortestTextWithoutExponent) {
  EXPECT_EQ(DecimalText(400.0), "400");
  EXPECT_EQ(DecimalText(-0.00011664), "-0.00011664");
  EXPECT_EQ(DecimalText(1e-7), "0.0000001");
  EXPECT_EQ(ReviewWeightText(156.25), " 156.25");
  EXPECT_EQ(ReviewWeightText(-1.0), "-1");
}

}  // namespace
}  // namespace ombrel
