// Shared pieces of the design tests: loading a validation network or a
// project written by the test, its system as Eigen matrices, criterion
// files, and reading numbers back from a listing.
#pragma once

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel::design_test {

// Loaded with its equations formed, as the design driver leaves it.
inline NetworkState Formed(const std::string& path) {
  return testing::LoadFormed(path.find('/') == std::string::npos ? testing::ValidationProject(path)
                                                                 : path);
}

using testing::Contains;
using testing::Em6Between;
using testing::FormAnew;
using testing::Loaded;
using testing::Rows;
using testing::Text;
using testing::ToEigen;
using testing::Unknowns;
using testing::ValidationProject;

// A criterion file: the upper triangle of m row by row.
inline void WriteUpperTriangle(const std::string& path, const Eigen::MatrixXd& m) {
  std::ofstream out(path);
  for (long i = 0; i < m.rows(); ++i) {
    for (long j = i; j < m.cols(); ++j) out << Text(m(i, j)) << (j + 1 < m.cols() ? ", " : "\n");
  }
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

using testing::ListingLines;

// The rows of numbers of the block that follows the first line holding
// heading at or after line from (its blank lines skipped, up to the next
// blank line).
inline std::vector<std::vector<double>> NumbersAfter(const std::vector<std::string>& lines,
                                                     const std::string& heading,
                                                     std::size_t from = 0) {
  std::size_t at = from;
  while (at < lines.size() && lines[at].find(heading) == std::string::npos) ++at;
  for (++at; at < lines.size() && lines[at].empty(); ++at) {
  }
  std::vector<std::vector<double>> rows;
  for (; at < lines.size() && !lines[at].empty(); ++at) rows.push_back(testing::Numbers(lines[at]));
  return rows;
}

// A project file in dir from point lines and observation lines as the
// editor writes them.
inline std::string WriteProject(const testing::TempDir& dir, const std::string& name,
                                const std::vector<std::string>& points,
                                const std::vector<std::string>& observations) {
  char header[64];
  std::snprintf(header, sizeof header, " 0 ,Ptos ,%10zu ,Ecuaciones ,%10zu\r\n", points.size(),
                observations.size());
  std::string text = header;
  for (const std::string& line : points) text += line + "\r\n";
  for (const std::string& line : observations) text += line + "\r\n";
  return dir.Write(name, text);
}

// The working folder of a run, restored at the end of the scope.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder) : saved_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(saved_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path saved_;
};

}  // namespace ombrel::design_test
