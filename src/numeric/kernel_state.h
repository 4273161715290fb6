// Shared operands of the matrix kernel. Callers fill the inputs, size the
// result, call a kernel routine with sizes only and read the result back.
// The network state derives from this, so the kernel sees only what it needs.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

struct KernelState {
  // Inversion, singular values and eigendecomposition.
  Matrix InvInput;
  Matrix InvResult;

  // Product: Product = ProdLeft (ProdRows x ProdInner) * ProdRight (ProdInner x ProdCols).
  Matrix ProdLeft;
  Matrix ProdRight;
  Matrix Product;
  int ProdRows = 0;
  int ProdLeftCols = 0;
  int ProdInner = 0;
  int ProdCols = 0;

  // Golub-Reinsch singular value decomposition and its control values.
  Matrix SvdU;
  Matrix SvdV;
  Vector SingularValues;
  double Em0 = 1e-14;  // machine precision
  double Em1 = 0.0;    // infinity norm of the input
  double Em2 = 1e-12;  // relative precision of the singular values
  double Em3 = 0.0;    // largest neglected superdiagonal element
  int Em4 = 80;        // iteration limit
  int Em5 = 0;         // iterations performed
  double Em6 = 1e-10;  // smallest singular value not negligible
  int Em7 = 0;         // numerical rank
  int EmUserSet = 0;   // non-zero: Em2 and Em6 as the caller set them
  int SvdNotFound = 0;

  // Jacobi eigendecomposition.
  Vector EigenValues;
  int EigenSweeps = 0;
  double EigenOffSum = 0.0;
};

}  // namespace ombrel
