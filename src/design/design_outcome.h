// What the design problems compute, and how one that gives up tells the
// design driver.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/design_problem.h"
#include "listing/listing_writer.h"
#include "model/adjustment_solution.h"
#include "numeric/matrix.h"

namespace ombrel {

// The order-zero solution on its chosen vertices, for their error ellipses.
struct OrderZeroResult {
  // Qxx = Pseudo(S) of the chosen group (2b x 2b), Residuals (n), Sigma0Sq,
  // RankDefect (of S) and DegreesOfFreedom.
  AdjustmentSolution solution;
  IntVector vertices;  // the chosen vertex numbers (b), by variable index
  // No redundancy: Sigma0Sq is the a-priori unit variance 1.
  bool aPrioriVariance = false;
};

// The shift order one proposes for a chosen vertex's approximate
// coordinates, in metres, held within the bound.
struct VertexShift {
  int vertex = 0;  // vertex number
  double dx = 0.0, dy = 0.0;
};

// What an order-two run leaves, completed or not.
struct OrderTwoRun {
  // Qxx = QxxE, the preliminary Residuals (n) and Sigma0Sq (its a-posteriori
  // estimate); nullopt when the person gave the problem up.
  std::optional<AdjustmentSolution> solution;
  // The criterion file read, if any: an input of the run, which no later
  // output may replace.
  std::string criterionFile;
};

// Writes blanksBefore empty lines, the line "    --> CALCULO DEL PD<order>
// ABANDONADO PREMATURAMENTE " and an empty line, and closes the listing.
// Returns nullopt, for the problem to return as its abandoned result.
std::nullopt_t AbandonDesign(ListingWriter& out, DesignProblem problem, int blanksBefore);

}  // namespace ombrel
