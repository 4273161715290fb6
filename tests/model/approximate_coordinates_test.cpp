#include "model/approximate_coordinates.h"

#include <gtest/gtest.h>

namespace ombrel {
namespace {

// An imported network of three variable points: A has 6 columns and the
// import adds two fixed points.
NetworkState ImportedNetwork() {
  NetworkState state;
  state.Import.MatrixInput = true;
  state.Import.ImportA.cols = 6;
  state.Network.NumPoints = 5;
  state.Network.PointX.Redim(5);
  state.Network.PointY.Redim(5);
  state.Network.PointX(1) = 99.0;  // left over from an earlier network
  return state;
}

TEST(ApproxCoordinatesTest, FirstOpeningStartsFromZerosForEveryVariablePoint) {
  NetworkState state = ImportedNetwork();
  BeginApproxCoordinates(state);
  EXPECT_EQ(state.Import.ApproxCount, 3);
  EXPECT_EQ(state.Import.ApproxX.Size(), 3);
  EXPECT_EQ(state.Import.ApproxX(1), 0.0);
  EXPECT_EQ(state.Network.PointX(1), 0.0);
  EXPECT_EQ(state.Network.PointX.Size(), 5);
  EXPECT_FALSE(state.Import.ApproxCoordsGiven);
}

TEST(ApproxCoordinatesTest, AppliedCoordinatesReachThePointsAndSurviveReopening) {
  NetworkState state = ImportedNetwork();
  ApplyApproxCoordinates(state, {{1, 10.5, 20.5}, {3, -1.0, 2.0}});
  EXPECT_TRUE(state.Import.ApproxCoordsGiven);
  EXPECT_EQ(state.Network.PointX(1), 10.5);
  EXPECT_EQ(state.Network.PointY(1), 20.5);
  EXPECT_EQ(state.Network.PointX(2), 0.0);
  EXPECT_EQ(state.Network.PointX(3), -1.0);
  EXPECT_EQ(state.Network.PointY(3), 2.0);
  EXPECT_EQ(state.Network.PointX(4), 0.0);  // the fixed points the import adds stay at 0
  // Once given, opening again starts from them instead of zeros.
  BeginApproxCoordinates(state);
  EXPECT_EQ(state.Import.ApproxX(1), 10.5);
  EXPECT_EQ(state.Import.ApproxY(3), 2.0);
}

TEST(ApproxCoordinatesTest, FileGivesOneLinePerPointAndNamesTheFaultyLine) {
  const auto points = ReadApproxCoordinates("1 100.5 200\r\n\r\n3, -4, 5.25\n", 3);
  ASSERT_TRUE(points) << points.error().message;
  ASSERT_EQ(points->size(), 2u);
  EXPECT_EQ((*points)[1].number, 3);
  EXPECT_EQ((*points)[1].x, -4.0);
  EXPECT_EQ((*points)[1].y, 5.25);

  const std::pair<const char*, const char*> faults[] = {
      {"1 2\n", "línea 1"},
      {"1 2 3\n2 x 3\n", "línea 2"},
      {"4 1 1\n", "no es un punto variable"},
      {"0 1 1\n", "no es un punto variable"},
      {"1.5 1 1\n", "no es un dato numérico"},
      {"1 2 3 4\n", "se esperan"},
  };
  for (const auto& [text, message] : faults) {
    const auto read = ReadApproxCoordinates(text, 3);
    ASSERT_FALSE(read) << text;
    EXPECT_NE(read.error().message.find(message), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace ombrel
