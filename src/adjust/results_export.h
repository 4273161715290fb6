// The results of an adjustment as files that spreadsheets and GIS read: a
// CSV file and a GeoJSON file. The results are gathered into plain values
// when an adjustment completes, so that a later command can export them as
// long as the network has not changed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "adjust/adjustment_method.h"
#include "adjust/error_ellipses.h"
#include "model/network_state.h"
#include "model/plain_network.h"

namespace ombrel {

// "inversa", "matriz E", "pseudoinversa".
std::string MethodName(AdjustmentMethod method);

struct PointResult {
  int number = 0;
  bool fixed = false;
  double x = 0.0, y = 0.0;    // adjusted (the given coordinates of a fixed point), metres
  double sx = 0.0, sy = 0.0;  // standard deviations, metres (0 for a fixed point)
  Ellipse ellipse;            // absolute standard ellipse (axes 0 for a fixed point)
};

struct ObservationResult {
  int number = 0;                  // equation number (the row for a condition equation)
  std::string kind;                // "ángulo", "distancia" or "condición"
  std::vector<int> points;         // back, station, fore or from, to; none for a condition
  std::optional<double> observed;  // gon or metres; none for a condition
  std::string unit;                // unit of the residual and the minimal detectable error
  double residual = 0.0;
  double redundancy = 0.0;
  double statistic = 0.0;     // Baarda's w, a-posteriori sigma0²
  double minimalError = 0.0;  // minimal detectable error
  double external = 0.0;      // external reliability delta0 sqrt((1 - r) / r)
};

struct AdjustmentResults {
  PlainNetwork network;  // the network as adjusted, to tell whether it changed since
  AdjustmentMethod method = AdjustmentMethod::Inverse;
  double sigma0Sq = 0.0;
  int degreesOfFreedom = 0;
  double baardaShift = 0.0;
  std::vector<PointResult> points;              // in file order
  std::vector<ObservationResult> observations;  // rows of the system, conditions last
};

// Gathers the results that an adjustment of a project left in the state
// (its Solution, P and BaardaShift). The reliability of each row is
// recomputed as the statistical analysis computed it. Arithmetic faults
// throw.
AdjustmentResults CollectResults(const NetworkState& state, AdjustmentMethod method);

// After an adjustment of a project that completed: keeps its results in
// LastResults (nothing for matrices; a fault while gathering them leaves it
// empty, as the results were already in the listing).
void KeepResults(NetworkState& state, AdjustmentMethod method);

// The CSV text: UTF-8, comma-separated, "." as decimal point, every number
// in the shortest text that reads back as the same double, CR LF line ends.
// Three tables separated by an empty line, each with its header row:
// points, observations, and a summary (method, sigma0², degrees of freedom,
// Baarda's parameter).
std::string ResultsCsv(const AdjustmentResults& results);

// Vertices of the ellipse polygons (plus the closing one).
inline constexpr int kEllipseVertices = 72;

// The GeoJSON text (a FeatureCollection, RFC 7946 structure) in the local
// plane coordinates X, Y: points as Point features, observations as
// LineString features through their points (back, station, fore for an
// angle), and the absolute ellipse of each variable point as a Polygon
// whose semi-axes are magnification times the standard ones.
std::string ResultsGeoJson(const AdjustmentResults& results, double magnification);

}  // namespace ombrel
