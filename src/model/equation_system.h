// The linearised system A x = K + v with weights P of the active network:
// formed from a project's observations or imported as matrices. Rows are
// the observations then the condition equations; units follow each row
// (1e-4 gon for angles, metres for distances). Arrays are 1-based.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

struct EquationSystem {
  int NumEquations = 0;  // rows of imported matrices
  int NumUnknowns = 0;   // columns of A
  int ScaleUnknown = 0;  // 1 when A has the scale column after the coordinates
  // Condition equations: NumCondEq rows of coefficients and their terms,
  // appended below the observations.
  int NumCondEq = 0;
  Matrix CondMatrix;
  Vector CondTerms;
  Matrix A;
  Vector K;
  Matrix P;
  // The constraint matrix of a free network (NumConstraints x unknowns).
  Matrix E;
  int NumConstraints = 0;
  // dA: the errors of A's coefficients from the approximate coordinates.
  Matrix CoefficientErrors;
};

}  // namespace ombrel
