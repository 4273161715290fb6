// The one state of the active network and of everything computed from it.
// Every loader, computation and window works on a NetworkState passed by
// reference; there are no globals. Arrays are 1-based (element 0 unused).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/adjustment_solution.h"
#include "model/datum_type.h"
#include "model/equation_system.h"
#include "model/error_ellipse_set.h"
#include "model/hyperellipsoid_figure_set.h"
#include "numeric/inversion.h"
#include "numeric/matrix.h"
#include "numeric/svd.h"

namespace ombrel {

inline constexpr int kMaxProjectPoints = 98;
inline constexpr int kMaxProjectObservations = 99;
inline constexpr int kMaxCondEquations = 7;
// The most decimals a listing's numbers may take (OutputDecimals 0 .. this).
inline constexpr int kMaxOutputDecimals = 30;
inline constexpr int kObsWeightColumns = 106;  // observations plus condition equations
inline constexpr int kDistanceMarker = -99;

inline constexpr const char* kNoActiveProject = "NO HAY NINGUN PROYECTO ACTIVO";
inline constexpr const char* kUntitled = "Untitled";

// What was read from one matrix file.
struct ImportedMatrix {
  Matrix values;
  int rows = 0;
  int cols = 0;
  bool operator==(const ImportedMatrix&) const = default;
};

struct AdjustmentResults;  // adjust/results_export.h

struct NetworkState {
  NetworkState();

  // Project identity and command strings.
  std::string ProjectName = kUntitled;
  std::string SelectedFile;
  std::string ListingFileName;
  bool FileChosen = false;
  std::string MessageText;
  // Files read for a run besides the project or the matrix files, which no
  // output may replace: the criterion file of the current design, and those
  // a front end read (the terminal's answers and coordinates files).
  std::string CriterionFileName;
  std::vector<std::string> FrontEndInputFiles;

  // The three texts of the main window's project frame. A command needs an
  // active project exactly when ProjectLabel differs from kNoActiveProject.
  std::string ProjectLabel = kNoActiveProject;
  std::string PointsLabel = std::string(21, ' ');
  std::string EquationsLabel = std::string(21, ' ');

  // Points, in file order.
  int NumPoints = 0;
  int NumFixed = 0;
  Vector PointX, PointY;
  IntVector VariableIndex;  // 0 fixed; j >= 1 for the j-th variable point
  IntVector PointNumber;    // the vertex number the user gave

  // Observations, in file order.
  int NumObs = 0;
  IntMatrix ObsPoints;  // (1..3, i): back-sight/-99, station/from, fore-sight/to
  Vector ObsValue;
  Matrix ObsWeights;  // (0..2, 0..106): row 1 kind (1 angle, 2 distance), row 2 weight
  IntVector ObservationNumber;

  // The system the computations solve.
  EquationSystem Equations;

  // Matrix import.
  bool MatrixInput = false;
  ImportedMatrix ImportA, ImportK, ImportP, ImportE;
  std::string ImportFileA, ImportFileK, ImportFileP, ImportFileE;
  bool ImportWithE = false;
  bool ImportPDiagonal = false;
  bool ImportEMismatch = false;
  bool ApproxCoordsGiven = false;
  Vector ApproxX, ApproxY;
  int ApproxCount = 0;

  // Numerical options: the method of the inversions, and the tolerances of
  // the singular value decompositions (em2 and em6 as the person set them in
  // the last review, which starts from the defaults).
  InversionMethod Inversion = InversionMethod::GaussJordan;
  SvdTolerances SingularValueTolerances;

  // Computation flags and options.
  bool Abandon = false;
  // The network type of the adjustment with constraints or of the
  // order-one design, which E is formed for.
  DatumType Datum = DatumType::None;
  bool StudyApprox = false;
  double ApproxPrecision = 0.01;
  int OutputDecimals = 3;
  bool CheckInversion = false;
  bool FullOutput = false;
  bool OutputTypeChosen = false;
  int GraphicsScale = 1;
  double EllipseFactor = 1.0;  // magnification factor of the plotted figures, (0, 1000]
  double BaardaShift = 0.0;

  // What the last computation left: the solution for the analyses, and the
  // error figures that the plot and the DXF export offer.
  AdjustmentSolution Solution;
  ErrorEllipseSet Ellipses;
  HyperellipsoidFigureSet Figures;

  // The results of the last adjustment of a project that completed, for
  // their export; empty before one and while a new one runs.
  std::shared_ptr<const AdjustmentResults> LastResults;

  // Number of coordinate unknowns plus the scale unknown of a project network.
  int ProjectUnknowns() const { return 2 * (NumPoints - NumFixed) + Equations.ScaleUnknown; }
  bool HasActiveProject() const { return ProjectLabel != kNoActiveProject; }
};

// Sets every column of ObsWeights to kind 0.0 and weight 1.0.
void ResetObsWeights(NetworkState& state);

// Marks every error figure as not computed: the ellipses (and the design
// vertices as their items) and the three figures of the hyperellipsoid.
// What a computation leaves belongs to the network it ran on; a network
// loaded or changed since has none until it is computed again.
void ForgetErrorFigures(NetworkState& state);

}  // namespace ombrel
