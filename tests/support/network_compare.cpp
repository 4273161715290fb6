#include "support/network_compare.h"

#include <gtest/gtest.h>

namespace ombrel::testing {

void ExpectSameNetwork(const NetworkState& a, const NetworkState& b, const std::string& name) {
  EXPECT_EQ(a.ProjectName, b.ProjectName) << name;
  EXPECT_EQ(a.Network.NumPoints, b.Network.NumPoints) << name;
  EXPECT_EQ(a.Network.NumFixed, b.Network.NumFixed) << name;
  EXPECT_EQ(a.Network.NumObs, b.Network.NumObs) << name;
  EXPECT_TRUE(a.Network.PointX == b.Network.PointX) << name;
  EXPECT_TRUE(a.Network.PointY == b.Network.PointY) << name;
  EXPECT_TRUE(a.Network.VariableIndex == b.Network.VariableIndex) << name;
  EXPECT_TRUE(a.Network.PointNumber == b.Network.PointNumber) << name;
  EXPECT_TRUE(a.Network.ObsPoints == b.Network.ObsPoints) << name;
  EXPECT_TRUE(a.Network.ObsValue == b.Network.ObsValue) << name;
  EXPECT_TRUE(a.Network.ObsWeights == b.Network.ObsWeights) << name;
  EXPECT_TRUE(a.Network.ObservationNumber == b.Network.ObservationNumber) << name;
  EXPECT_TRUE(a.Equations.K == b.Equations.K) << name;
  EXPECT_EQ(a.ProjectLabel, b.ProjectLabel) << name;
  EXPECT_EQ(a.PointsLabel, b.PointsLabel) << name;
  EXPECT_EQ(a.EquationsLabel, b.EquationsLabel) << name;
}

}  // namespace ombrel::testing
