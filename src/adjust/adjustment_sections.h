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

// Forms N = A^t P A over the first u columns of A into NormalMatrix and
// returns A^t P (u x m).
Matrix FormNormalMatrix(NetworkState& state, SystemSizes n);

// factor * m(1..rows, 1..cols).
Matrix Scaled(const Matrix& m, int rows, int cols, double factor);

// Residuals = A x - K over the first u columns of A, from Corrections; then
// the section of weighted and unweighted residuals.
void ComputeAndWriteResiduals(ListingWriter& out, NetworkState& state, SystemSizes n,
                              const SectionTexts& texts);

// Sigma0Sq = v^t P v / r, written with r and the standard deviation. r = 0
// (no redundancy) is a division by zero and throws ArithmeticFault.
void ComputeAndWriteVariance(ListingWriter& out, NetworkState& state, int m, int degreesOfFreedom,
                             const SectionTexts& texts);

// Covariance of the parameters (always written), Qvv and QAdjusted (with the
// inverse of P's diagonal; written with FullOutput) and the residual bias
// (Qxx N - I) x (written with FullOutput). Reads Qxx, NormalMatrix,
// Corrections, Sigma0Sq; leaves Qvv and QAdjusted.
void WriteClosingSections(ListingWriter& out, NetworkState& state, SystemSizes n);

}  // namespace ombrel
