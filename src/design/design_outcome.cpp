#include "design/design_outcome.h"

#include <string>

namespace ombrel {
namespace {

// The problem as the abandon line names it.
const char* ProblemName(DesignProblem problem) {
  switch (problem) {
    case DesignProblem::OrderZero:
      return "PD0";
    case DesignProblem::OrderOne:
      return "PD1";
    case DesignProblem::OrderTwo:
      return "PD2";
  }
  return "PD";
}

}  // namespace

std::nullopt_t AbandonDesign(ListingWriter& out, DesignProblem problem, int blanksBefore) {
  for (int i = 0; i < blanksBefore; ++i) out.BlankLine();
  out.Line(std::string("    --> CALCULO DEL ") + ProblemName(problem) +
           " ABANDONADO PREMATURAMENTE ");
  out.BlankLine();
  out.Close();
  return std::nullopt;
}

}  // namespace ombrel
