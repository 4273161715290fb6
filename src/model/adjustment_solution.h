// What an adjustment leaves for the analyses, the plot and the exports.
// Units follow the equations: metres for coordinates and distances, 1e-4
// gon for angles. Arrays are 1-based.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

struct AdjustmentSolution {
  Matrix NormalMatrix;    // N = At P A (u x u)
  Matrix Qxx;             // cofactor matrix of the unknowns (u x u)
  Vector Corrections;     // x (u)
  Vector Residuals;       // v = A x - K (m)
  Matrix Qvv;             // cofactor matrix of the residuals (m x m)
  Matrix QAdjusted;       // cofactor matrix of the adjusted observations (m x m)
  double Sigma0Sq = 0.0;  // variance of unit weight, a posteriori (a priori in a design)
  // Redundancy r of the adjustment that sigma0² was estimated with: rows
  // minus unknowns plus the datum defect the method fixed.
  int DegreesOfFreedom = 0;
  // The datum defect the method fixed: the rows of E of the adjustment with
  // constraints, the rank defect of sqrt(P) A found by the pseudoinverse,
  // 0 for the inverse; in an order-zero design, the rank defect of the
  // reduced normal matrix of the chosen vertices.
  int RankDefect = 0;
};

}  // namespace ombrel
