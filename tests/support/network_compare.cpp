#include "support/network_compare.h"

#include <gtest/gtest.h>

namespace ombrel::testing {

void ExpectSameNetwork(const NetworkState& a, const NetworkState& b, const std::string& name) {
  EXPECT_EQ(a.ProjectName, b.ProjectName) << name;
  EXPECT_EQ(a.NumPoints, b.NumPoints) << name;
  EXPECT_EQ(a.NumFixed, b.NumFixed) << name;
  EXPECT_EQ(a.NumObs, b.NumObs) << name;
  EXPECT_TRUE(a.PointX == b.PointX) << name;
  EXPECT_TRUE(a.PointY == b.PointY) << name;
  EXPECT_TRUE(a.VariableIndex == b.VariableIndex) << name;
  EXPECT_TRUE(a.PointNumber == b.PointNumber) << name;
  EXPECT_TRUE(a.ObsPoints == b.ObsPoints) << name;
  EXPECT_TRUE(a.ObsValue == b.ObsValue) << name;
  EXPECT_TRUE(a.ObsWeights == b.ObsWeights) << name;
  EXPECT_TRUE(a.ObservationNumber == b.ObservationNumber) << name;
  EXPECT_TRUE(a.Equations.K == b.Equations.K) << name;
  EXPECT_EQ(a.ProjectLabel, b.ProjectLabel) << name;
  EXPECT_EQ(a.PointsLabel, b.PointsLabel) << name;
  EXPECT_EQ(a.EquationsLabel, b.EquationsLabel) << name;
}

}  // namespace ombrel::testing
