// Baarda's data snooping with the internal and external reliability of an
// adjusted network: the "ANALISIS ESTADISTICO DE HIPOTESIS Y RESULTADOS"
// section of the listing. The section only reports; nothing is flagged or
// rejected.
#pragma once

#include <optional>
#include <string>

#include "model/network_state.h"
#include "model/result.h"

namespace ombrel {

// The message shown when the analysis fails.
extern const char* const kStatisticalAnalysisFailure;

// Internal reliability of one row of the equation system.
struct RowReliability {
  double statistic = 0.0;     // Baarda's w, dimensionless, with the a-posteriori sigma0²
  double redundancy = 0.0;    // r = |Qvv(i,i) P(i,i)|, 0..1 for a sound network
  double minimalError = 0.0;  // minimal detectable error, in the units of the row
  double homogeneity = 0.0;   // delta0 / sqrt(r)
  double unchecked = 0.0;     // sqrt(1 - r)
  double external = 0.0;      // delta0 sqrt((1 - r) / r)
};

// Reliability of row i (1 <= i <= n) from Qvv, P, QAdjusted, Residuals,
// Sigma0Sq and BaardaShift; w takes |Qvv(i,i)|, which rounding may leave
// just below zero. A zero redundancy number or r > 1 throws ArithmeticFault.
RowReliability AnalyseRow(const NetworkState& state, int i);

// Sum of |Qvv(i,i)| P(i,i) over the n rows: the sum of the redundancy
// numbers, which for a constrained network equals the degrees of freedom.
double RedundancySum(const Matrix& qvv, const Matrix& p, int n);

// Appends the section to ListingFileName. Reads A, P, Qxx, Qvv, QAdjusted,
// Residuals, Sigma0Sq, BaardaShift (> 0), FullOutput and the point and
// observation numbers; n = NumObs + NumCondEq rows, m = ProjectUnknowns()
// unknowns. A summary listing stops after the internal reliability table. On
// any run-time error (arithmetic, subscript, file) the section stops where it
// is and the failure kStatisticalAnalysisFailure is returned.
std::optional<Failure> StatisticalAnalysis(const NetworkState& state);

}  // namespace ombrel
