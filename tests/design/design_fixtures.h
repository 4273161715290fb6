// Shared pieces of the design tests: loading a validation network, its
// system as Eigen matrices, and reading numbers back from a listing.
#pragma once

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "model/form_equations.h"
#include "model/project_file.h"
#include "model/text_file.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel::design_test {

inline std::string Network(const std::string& name) {
  return testing::ValidationDir() + "/" + name + "/project.txt";
}

inline NetworkState Loaded(const std::string& path) {
  NetworkState s;
  ScriptedInteraction ui;
  EXPECT_TRUE(LoadProjectFile(s, ui, path));
  return s;
}

// Loaded with its equations formed, as the design driver leaves it.
inline NetworkState Formed(const std::string& name) {
  NetworkState s = Loaded(Network(name));
  DimensionProjectSystem(s);
  ScriptedInteraction ui;
  FormEquations(s, ui);
  EXPECT_FALSE(s.Abandon);
  return s;
}

inline int Rows(const NetworkState& s) {
  return s.NumObs + s.NumCondEq;
}
inline int Unknowns(const NetworkState& s) {
  return 2 * (s.NumPoints - s.NumFixed);
}

inline Eigen::MatrixXd ToEigen(const Matrix& m, int rows, int cols) {
  Eigen::MatrixXd e(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) e(i - 1, j - 1) = m(i, j);
  return e;
}

inline Eigen::VectorXd ToEigen(const Vector& v, int n) {
  Eigen::VectorXd e(n);
  for (int i = 1; i <= n; ++i) e(i - 1) = v(i);
  return e;
}

// An em6 between the smallest kept and the largest dropped singular value
// of m, as a person reading the review would choose it.
inline std::string Em6Between(const Eigen::MatrixXd& m, int defect) {
  const Eigen::VectorXd sv = Eigen::JacobiSVD<Eigen::MatrixXd>(m).singularValues();
  const long kept = sv.size() - defect;
  char text[40];
  std::snprintf(text, sizeof text, "%.6g", std::sqrt(sv(kept - 1) * sv(kept)));
  return text;
}

// Pseudoinverse of a symmetric matrix dropping its `defect` smallest eigenvalues.
inline Eigen::MatrixXd SymmetricPseudoinverse(const Eigen::MatrixXd& m, int defect) {
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eig(m);
  Eigen::MatrixXd pinv = Eigen::MatrixXd::Zero(m.rows(), m.cols());
  for (long j = defect; j < m.rows(); ++j)
    pinv +=
        eig.eigenvectors().col(j) * eig.eigenvectors().col(j).transpose() / eig.eigenvalues()(j);
  return pinv;
}

inline std::vector<std::string> ListingLines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(Cp1252ToUtf8(testing::ReadBytes(path)));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

inline bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace ombrel::design_test
