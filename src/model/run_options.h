// What the person chose for the computations and their output.
#pragma once

#include "model/datum_type.h"
#include "numeric/inversion.h"
#include "numeric/svd.h"

namespace ombrel {

struct RunOptions {
  // The method of the inversions, and the tolerances of the singular value
  // decompositions (em2 and em6 as the person set them in the last review,
  // which starts from the defaults).
  InversionMethod Inversion = InversionMethod::GaussJordan;
  SvdTolerances SingularValueTolerances;
  // The network type of the adjustment with constraints or of the
  // order-one design, which E is formed for.
  DatumType Datum = DatumType::None;
  bool StudyApprox = false;       // study of the approximate numbers
  double ApproxPrecision = 0.01;  // of the approximate coordinates, metres
  int OutputDecimals = 3;         // of coordinates and corrections, 0 .. kMaxOutputDecimals
  bool CheckInversion = false;    // write N Qxx - I (full output)
  bool FullOutput = false;        // full listing rather than summary
  bool OutputTypeChosen = false;
  double EllipseFactor = 1.0;  // magnification factor of the plotted figures, (0, 1000]
  double BaardaShift = 0.0;    // delta0 of the data snooping, > 0
};

}  // namespace ombrel
