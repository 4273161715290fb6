// The sections that every adjustment method writes once it has its cofactor
// matrix and its corrections: residuals, variance of unit weight, covariance
// of the parameters, residual and adjusted-observable cofactors, and the
// residual bias. The methods differ only in a few heading texts and in their
// degrees of freedom.
#pragma once

#include <string>

#include "listing/listing_writer.h"
#include "model/network_state.h"

namespace ombrel {

// The texts in which the methods' sections differ.
struct SectionTexts {
  std::string residualColumns;  // "       Ponderados ... Sin ponderar "
  std::string residualDashes;   // the line of dashes under it
  std::string varianceLabel;    // "    Estimador varianza ... peso unidad ="
};

// The texts of the constrained adjustment and of the two free-network methods.
SectionTexts ConstrainedSectionTexts();
SectionTexts FreeNetworkSectionTexts();

// Sizes of the system being adjusted: m equations (rows of A), u unknowns
// (columns of A taken into account; a scale column beyond u is ignored).
struct SystemSizes {
  int m;
  int u;
};

// N = A^t P A over the first u columns of A, and A^t P (u x m), which
// forms the corrections.
struct NormalEquations {
  Matrix normal;
  Matrix atp;
};
NormalEquations FormNormalEquations(const EquationSystem& equations, SystemSizes n);

// factor * m(1..rows, 1..cols).
Matrix Scaled(const Matrix& m, int rows, int cols, double factor);

// The sections every method writes once it has NormalMatrix, Qxx and
// Corrections in solution: the residuals v = A x - K; sigma0² = v^t P v / r
// with r = degreesOfFreedom (r = 0, no redundancy, is a division by zero
// and throws ArithmeticFault); the covariance of the parameters (always
// written); Qvv = P^-1 - A Qxx A^t and QAdjusted = P^-1 - Qvv, with P^-1 the
// inverse of P's diagonal, and the residual bias (Qxx N - I) x (written with
// FullOutput). Returns the whole solution.
AdjustmentSolution CompleteSolution(ListingWriter& out, const NetworkState& state, SystemSizes n,
                                    AdjustmentSolution solution, int degreesOfFreedom,
                                    const SectionTexts& texts);

}  // namespace ombrel
