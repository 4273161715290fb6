// Kernel routines beside their Eigen counterparts (single-threaded) at the
// orders 20, 60, 120 and 200. Each pair runs on the same seeded matrix.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <random>

#include "numeric/inversion.h"
#include "numeric/jacobi.h"
#include "numeric/product.h"
#include "numeric/svd.h"

namespace {

using ombrel::Matrix;

Eigen::MatrixXd RandomMatrix(int rows, int cols, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  Eigen::MatrixXd e(rows, cols);
  for (int c = 0; c < cols; ++c)
    for (int r = 0; r < rows; ++r) e(r, c) = u(rng);
  return e;
}

Eigen::MatrixXd General(int n) {
  Eigen::MatrixXd e = RandomMatrix(n, n, 1);
  e.diagonal().array() += n + 1.0;
  return e;
}

Eigen::MatrixXd Spd(int n) {
  const Eigen::MatrixXd b = RandomMatrix(n, n, 2);
  Eigen::MatrixXd s = b * b.transpose() + Eigen::MatrixXd::Identity(n, n) * 0.5 * n;
  return (s + s.transpose()) / 2.0;
}

Eigen::MatrixXd Symmetric(int n) {
  const Eigen::MatrixXd b = RandomMatrix(n, n, 3);
  return b + b.transpose();
}

Matrix ToKernel(const Eigen::MatrixXd& e) {
  Matrix a(static_cast<int>(e.rows()), static_cast<int>(e.cols()));
  for (int r = 1; r <= a.Rows(); ++r)
    for (int c = 1; c <= a.Cols(); ++c) a(r, c) = e(r - 1, c - 1);
  return a;
}

void Invert(benchmark::State& state, ombrel::InversionMethod method, const Eigen::MatrixXd& e) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = ToKernel(e);
  for (auto _ : state) {
    const Matrix inverse = ombrel::Invert(a, n, method);
    benchmark::DoNotOptimize(inverse.Row(1));
  }
}

void BM_GaussJordan(benchmark::State& state) {
  Invert(state, ombrel::InversionMethod::GaussJordan, General(static_cast<int>(state.range(0))));
}
void BM_LU(benchmark::State& state) {
  Invert(state, ombrel::InversionMethod::LU, General(static_cast<int>(state.range(0))));
}
void BM_Cholesky(benchmark::State& state) {
  Invert(state, ombrel::InversionMethod::Cholesky, Spd(static_cast<int>(state.range(0))));
}
void BM_EigenPartialPivLUInverse(benchmark::State& state) {
  const Eigen::MatrixXd a = General(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Eigen::MatrixXd inv = a.partialPivLu().inverse();
    benchmark::DoNotOptimize(inv.data());
  }
}
void BM_EigenLLTInverse(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Eigen::MatrixXd a = Spd(n);
  for (auto _ : state) {
    Eigen::MatrixXd inv = a.llt().solve(Eigen::MatrixXd::Identity(n, n));
    benchmark::DoNotOptimize(inv.data());
  }
}

void BM_Product(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix left = ToKernel(RandomMatrix(n, n, 4));
  const Matrix right = ToKernel(RandomMatrix(n, n, 5));
  for (auto _ : state) {
    const Matrix product = ombrel::MatrixProduct(left, right, n, n, n);
    benchmark::DoNotOptimize(product.Row(1));
  }
}
void BM_EigenProduct(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Eigen::MatrixXd a = RandomMatrix(n, n, 4);
  const Eigen::MatrixXd b = RandomMatrix(n, n, 5);
  Eigen::MatrixXd c(n, n);
  for (auto _ : state) {
    c.noalias() = a * b;
    benchmark::DoNotOptimize(c.data());
  }
}

// The whole pseudoinverse: decomposition, U, V and A+. (At the larger
// orders the shared limit of 80 QR iterations ends the iteration early.)
void BM_Pseudoinverse(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = ToKernel(RandomMatrix(n, n, 6));
  int notFound = 0;
  for (auto _ : state) {
    const ombrel::SvdResult svd = ombrel::Pseudoinverse(a, n, n, ombrel::SvdTolerances{});
    benchmark::DoNotOptimize(svd.pseudoinverse.Row(1));
    notFound = svd.notFound;
  }
  state.counters["not_found"] = notFound;
}
void BM_EigenJacobiSVD(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Eigen::MatrixXd a = RandomMatrix(n, n, 6);
  for (auto _ : state) {
    Eigen::JacobiSVD<Eigen::MatrixXd> svd(a, Eigen::ComputeThinU | Eigen::ComputeThinV);
    benchmark::DoNotOptimize(svd.singularValues().data());
  }
}

void BM_Jacobi(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = ToKernel(Symmetric(n));
  int sweeps = 0;
  for (auto _ : state) {
    const ombrel::EigenResult eigen = ombrel::Jacobi(a, n);
    benchmark::DoNotOptimize(eigen.vectors.Row(1));
    sweeps = eigen.sweeps;
  }
  state.counters["sweeps"] = sweeps;
}
void BM_EigenSelfAdjointEigenSolver(benchmark::State& state) {
  const Eigen::MatrixXd a = Symmetric(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(a);
    benchmark::DoNotOptimize(solver.eigenvectors().data());
  }
}

#define OMBREL_ORDERS ->Arg(20)->Arg(60)->Arg(120)->Arg(200)->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_GaussJordan) OMBREL_ORDERS;
BENCHMARK(BM_LU) OMBREL_ORDERS;
BENCHMARK(BM_EigenPartialPivLUInverse) OMBREL_ORDERS;
BENCHMARK(BM_Cholesky) OMBREL_ORDERS;
BENCHMARK(BM_EigenLLTInverse) OMBREL_ORDERS;
BENCHMARK(BM_Product) OMBREL_ORDERS;
BENCHMARK(BM_EigenProduct) OMBREL_ORDERS;
BENCHMARK(BM_Pseudoinverse) OMBREL_ORDERS;
BENCHMARK(BM_EigenJacobiSVD) OMBREL_ORDERS;
BENCHMARK(BM_Jacobi) OMBREL_ORDERS;
BENCHMARK(BM_EigenSelfAdjointEigenSolver) OMBREL_ORDERS;

}  // namespace

int main(int argc, char** argv) {
  Eigen::setNbThreads(1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
