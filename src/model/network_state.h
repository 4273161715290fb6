// The one state of the active network and of everything computed from it.
// Every loader, computation and window works on a NetworkState passed by
// reference; there are no globals. Arrays are 1-based (element 0 unused).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/adjustment_solution.h"
#include "model/equation_system.h"
#include "model/error_ellipse_set.h"
#include "model/hyperellipsoid_figure_set.h"
#include "model/imported_system.h"
#include "model/run_options.h"
#include "model/survey_network.h"
#include "numeric/matrix.h"

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

  // Points and observations.
  SurveyNetwork Network;

  // The system the computations solve.
  EquationSystem Equations;

  // The matrices of an imported network.
  ImportedSystem Import;

  // What the person chose for the computations and their output.
  RunOptions Options;

  // A step of the running command gave up: the next steps do not run.
  bool Abandon = false;

  // What the last computation left: the solution for the analyses, and the
  // error figures that the plot and the DXF export offer.
  AdjustmentSolution Solution;
  ErrorEllipseSet Ellipses;
  HyperellipsoidFigureSet Figures;

  // The results of the last adjustment of a project that completed, for
  // their export; empty before one and while a new one runs.
  std::shared_ptr<const AdjustmentResults> LastResults;

  // Number of coordinate unknowns plus the scale unknown of a project network.
  int ProjectUnknowns() const {
    return 2 * (Network.NumPoints - Network.NumFixed) + Equations.ScaleUnknown;
  }
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
