#include "support/adjusted_network.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <random>

#include "model/form_equations.h"
#include "model/project_file.h"
#include "support/eigen_bridge.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel::testing {

NetworkState Loaded(const std::string& projectPath) {
  const Result<NetworkState> read = ReadProjectFile({}, projectPath);
  EXPECT_TRUE(read) << projectPath;
  return read ? *read : NetworkState();
}

void FormAnew(NetworkState& state) {
  ScriptedInteraction ui;
  DimensionProjectSystem(state);
  FormEquations(state, ui);
  EXPECT_FALSE(state.Abandon) << state.ProjectName;
}

NetworkState LoadFormed(const std::string& projectPath) {
  NetworkState state = Loaded(projectPath);
  FormAnew(state);
  return state;
}

NetworkState LoadFormedText(const std::string& projectText) {
  TempDir dir;
  NetworkState state = LoadFormed(dir.Write("proyecto.txt", projectText));
  state.ProjectName = "proyecto.txt";
  return state;
}

namespace {

void FromEigen(const Eigen::MatrixXd& e, Matrix& m) {
  m.Redim(static_cast<int>(e.rows()), static_cast<int>(e.cols()));
  for (int i = 1; i <= e.rows(); ++i)
    for (int j = 1; j <= e.cols(); ++j) m(i, j) = e(i - 1, j - 1);
}

}  // namespace

void SolveWithEigen(NetworkState& s) {
  const int n = s.Network.NumObs + s.Equations.NumCondEq;
  const int u = s.Equations.NumUnknowns;
  const Eigen::MatrixXd a = ToEigen(s.Equations.A, n, u);
  const Eigen::MatrixXd p = ToEigen(s.Equations.P, n, n);
  const Eigen::VectorXd k = ToEigen(s.Equations.K, n);
  const Eigen::MatrixXd normal = a.transpose() * p * a;
  const Eigen::MatrixXd qxx = normal.inverse();
  const Eigen::VectorXd x = qxx * a.transpose() * p * k;
  const Eigen::VectorXd v = a * x - k;
  Eigen::MatrixXd pinv = Eigen::MatrixXd::Zero(n, n);
  for (int i = 0; i < n; ++i) pinv(i, i) = 1.0 / p(i, i);
  const Eigen::MatrixXd qvv = pinv - a * qxx * a.transpose();
  FromEigen(normal, s.Solution.NormalMatrix);
  FromEigen(qxx, s.Solution.Qxx);
  FromEigen(qvv, s.Solution.Qvv);
  FromEigen(pinv - qvv, s.Solution.QAdjusted);
  s.Solution.Corrections.Redim(u);
  s.Solution.Residuals.Redim(n);
  for (int i = 1; i <= u; ++i) s.Solution.Corrections(i) = x(i - 1);
  for (int i = 1; i <= n; ++i) s.Solution.Residuals(i) = v(i - 1);
  s.Solution.Sigma0Sq = v.dot(p * v) / (n - u);
  const int points = s.Network.NumPoints - s.Network.NumFixed;
  s.Ellipses.SemiMajor.Redim(points, points);
  s.Ellipses.SemiMinor.Redim(points, points);
  s.Ellipses.Azimuth.Redim(points, points);
}

NetworkState RandomSystem(unsigned seed, int variable, int obs, int scale) {
  std::mt19937_64 rng(seed);
  std::normal_distribution<double> normal;
  std::uniform_real_distribution<double> weight(0.5, 4.0);
  NetworkState s;
  s.Network.NumFixed = 2;
  s.Network.NumPoints = variable + 2;
  s.Equations.ScaleUnknown = scale;
  s.Network.VariableIndex.Redim(s.Network.NumPoints);
  s.Network.PointNumber.Redim(s.Network.NumPoints);
  for (int j = 1, k = 0; j <= s.Network.NumPoints; ++j) {
    s.Network.PointNumber(j) = j * 37 % 150 + 1;
    if (j != 2 && j != s.Network.NumPoints)
      s.Network.VariableIndex(j) = ++k;  // fixed: second and last
  }
  s.Network.NumObs = obs;
  s.Equations.NumUnknowns = s.ProjectUnknowns();
  s.Equations.NumEquations = obs;
  s.Network.ObservationNumber.Redim(obs);
  s.Equations.A.Redim(obs, s.Equations.NumUnknowns);
  s.Equations.P.Redim(obs, obs);
  s.Equations.K.Redim(obs);
  for (int i = 1; i <= obs; ++i) {
    s.Network.ObservationNumber(i) = i * 11 % 120 + 1;
    for (int j = 1; j <= s.Equations.NumUnknowns; ++j) s.Equations.A(i, j) = normal(rng);
    s.Equations.P(i, i) = weight(rng);
    s.Equations.K(i) = normal(rng);
  }
  SolveWithEigen(s);
  s.Options.BaardaShift = 4.12;
  return s;
}

std::string ThreePointProject() {
  return " 0 ,Ptos ,         3 ,Ecuaciones ,         3\r\n"
         "00 ,  1  ,   1000.00 ,   1000.00 ,      fijo ,        1 \r\n"
         "00 ,  2  ,   1500.25 ,   1020.10 ,      vble ,        2 \r\n"
         "00 ,  3  ,   1210.40 ,   1480.75 ,      vble ,        3 \r\n"
         "1  ,  2  ,        1  ,        3  ,   64.2311 ,         1\r\n"
         "2  , -99 ,        1  ,        2  ,   500.652 ,         1\r\n"
         "3  , -99 ,        1  ,        3  ,   522.131 ,         1\r\n";
}

}  // namespace ombrel::testing
