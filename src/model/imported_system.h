// A network given as the matrices of its linearised system instead of a
// project: what each matrix file held, where it came from, and the
// approximate coordinates that may come with it.
#pragma once

#include <string>

#include "numeric/matrix.h"

namespace ombrel {

// What was read from one matrix file.
struct ImportedMatrix {
  Matrix values;
  int rows = 0;
  int cols = 0;
  bool operator==(const ImportedMatrix&) const = default;
};

struct ImportedSystem {
  bool MatrixInput = false;  // the active network is imported matrices
  ImportedMatrix ImportA, ImportK, ImportP, ImportE;
  std::string ImportFileA, ImportFileK, ImportFileP, ImportFileE;
  bool ImportWithE = false;
  bool ImportPDiagonal = false;
  bool ImportEMismatch = false;
  // Approximate coordinates (metres) of the ApproxCount points, when given.
  bool ApproxCoordsGiven = false;
  Vector ApproxX, ApproxY;
  int ApproxCount = 0;
};

}  // namespace ombrel
