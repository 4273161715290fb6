#include "adjust/results_export.h"

#include <charconv>
#include <cmath>
#include <map>
#include <nlohmann/json.hpp>
#include <numbers>

#include "adjust/statistical_analysis.h"
#include "numeric/checked.h"
#include "numeric/run_time_error.h"

namespace ombrel {
namespace {

constexpr const char* kAngleUnit = "1e-4 gon";

std::string Text(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) line += (line.empty() ? "" : ",") + field;
  return line + "\r\n";
}

PointResult PointOf(const NetworkState& s, int k) {
  PointResult p;
  p.number = s.Network.PointNumber(k);
  p.x = s.Network.PointX(k);
  p.y = s.Network.PointY(k);
  const int j = s.Network.VariableIndex(k);
  p.fixed = j == 0;
  if (p.fixed) return p;
  const int ux = 2 * j - 1, uy = 2 * j;
  const Matrix& q = s.Solution.Qxx;
  const double s0 = s.Solution.Sigma0Sq;
  p.x = Add(p.x, s.Solution.Corrections(ux));
  p.y = Add(p.y, s.Solution.Corrections(uy));
  p.sx = Sqrt(Mul(s0, q(ux, ux)));
  p.sy = Sqrt(Mul(s0, q(uy, uy)));
  p.ellipse = EllipseFromCovariance(Mul(s0, q(ux, ux)), Mul(s0, q(uy, uy)), Mul(s0, q(uy, ux)),
                                    kVertexMinorThreshold);
  return p;
}

std::vector<std::string> PointFields(const PointResult& p) {
  if (p.fixed) return {std::to_string(p.number), "fijo", Text(p.x), Text(p.y), "", "", "", "", ""};
  return {std::to_string(p.number),
          "vble",
          Text(p.x),
          Text(p.y),
          Text(p.sx),
          Text(p.sy),
          Text(p.ellipse.semiMajor),
          Text(p.ellipse.semiMinor),
          Text(p.ellipse.azimuthMajor)};
}

const std::vector<std::string> kPointHeader = {"numero", "tipo", "X", "Y",         "sX",
                                               "sY",     "a",    "b", "acimut_gon"};

// Back-sight, station and fore-sight columns: a distance fills the first
// and the last.
std::vector<std::string> PointColumns(const ObservationResult& o) {
  std::vector<std::string> columns(3);
  if (o.points.size() == 3)
    for (std::size_t c = 0; c < 3; ++c) columns[c] = std::to_string(o.points[c]);
  if (o.points.size() == 2) {
    columns[0] = std::to_string(o.points[0]);
    columns[2] = std::to_string(o.points[1]);
  }
  return columns;
}

std::vector<std::string> ObservationFields(const ObservationResult& o) {
  std::vector<std::string> fields = {std::to_string(o.number), o.kind};
  for (const std::string& c : PointColumns(o)) fields.push_back(c);
  fields.push_back(o.observed ? Text(*o.observed) : "");
  for (const std::string& f : {o.unit, Text(o.residual), Text(o.redundancy), Text(o.statistic),
                               Text(o.minimalError), Text(o.external)})
    fields.push_back(f);
  return fields;
}

const std::vector<std::string> kObservationHeader = {"ecuacion",
                                                     "tipo",
                                                     "pto_inicial",
                                                     "estacion",
                                                     "pto_final",
                                                     "valor_observado",
                                                     "unidad_residuo",
                                                     "residuo",
                                                     "redundancia",
                                                     "w",
                                                     "error_minimo_detectable",
                                                     "fiabilidad_externa"};

nlohmann::json Properties(const std::vector<std::string>& header,
                          const std::vector<std::string>& fields) {
  nlohmann::json properties = nlohmann::json::object();
  for (std::size_t c = 0; c < header.size(); ++c) {
    const std::string& f = fields[c];
    const char* const last = f.data() + f.size();
    long long whole = 0;
    double value = 0.0;
    if (f.empty())
      properties[header[c]] = nullptr;
    else if (const auto w = std::from_chars(f.data(), last, whole); w.ptr == last)
      properties[header[c]] = whole;
    else if (const auto d = std::from_chars(f.data(), last, value); d.ptr == last)
      properties[header[c]] = value;
    else
      properties[header[c]] = f;
  }
  return properties;
}

nlohmann::json Feature(nlohmann::json geometry, nlohmann::json properties) {
  return {{"type", "Feature"},
          {"geometry", std::move(geometry)},
          {"properties", std::move(properties)}};
}

// Counter-clockwise ring of the ellipse, closed by repeating its first vertex.
nlohmann::json EllipseRing(const PointResult& p, double magnification) {
  const double azimuth = p.ellipse.azimuthMajor * std::numbers::pi / 200.0;
  const double a = p.ellipse.semiMajor * magnification, b = p.ellipse.semiMinor * magnification;
  // Major axis towards the azimuth; the minor one 100 gon anticlockwise of it.
  const double ux = std::sin(azimuth), uy = std::cos(azimuth);
  const double wx = -uy, wy = ux;
  nlohmann::json ring = nlohmann::json::array();
  for (int k = 0; k < kEllipseVertices; ++k) {
    const double t = 2.0 * std::numbers::pi * k / kEllipseVertices;
    const double along = a * std::cos(t), across = b * std::sin(t);
    ring.push_back(
        {Checked(p.x + along * ux + across * wx), Checked(p.y + along * uy + across * wy)});
  }
  ring.push_back(ring.front());
  return ring;
}

}  // namespace

std::string MethodName(AdjustmentMethod method) {
  switch (method) {
    case AdjustmentMethod::Inverse:
      return "inversa";
    case AdjustmentMethod::Constraints:
      return "matriz E";
    case AdjustmentMethod::Pseudoinverse:
      return "pseudoinversa";
  }
  return "";
}

AdjustmentResults CollectResults(const NetworkState& s, AdjustmentMethod method) {
  AdjustmentResults r;
  r.network = PlainNetworkOf(s);
  r.method = method;
  r.sigma0Sq = s.Solution.Sigma0Sq;
  r.baardaShift = s.Options.BaardaShift;
  const int n = s.Network.NumObs + s.Equations.NumCondEq;
  r.degreesOfFreedom = s.Solution.DegreesOfFreedom;
  for (int k = 1; k <= s.Network.NumPoints; ++k) r.points.push_back(PointOf(s, k));
  for (int i = 1; i <= n; ++i) {
    const RowReliability row = AnalyseRow(s, i);
    ObservationResult o;
    if (i <= s.Network.NumObs) {
      const PlainObservation& plain = r.network.observations[static_cast<std::size_t>(i - 1)];
      o.number = plain.number;
      o.kind = KindName(plain.kind);
      o.points = PointsOf(plain);
      o.observed = plain.value;
      o.unit = plain.kind == ObservationKind::Angle ? kAngleUnit : "m";
    } else {
      o.number = s.Network.ObservationNumber(i);
      o.kind = "condición";
    }
    o.residual = s.Solution.Residuals(i);
    o.redundancy = row.redundancy;
    o.statistic = row.statistic;
    o.minimalError = row.minimalError;
    o.external = row.external;
    r.observations.push_back(o);
  }
  return r;
}

void KeepResults(NetworkState& state, AdjustmentMethod method) {
  state.LastResults.reset();
  if (state.Import.MatrixInput) return;
  try {
    state.LastResults = std::make_shared<const AdjustmentResults>(CollectResults(state, method));
  } catch (const RunTimeError&) {
  }
}

std::string ResultsCsv(const AdjustmentResults& r) {
  std::string csv = Join(kPointHeader);
  for (const PointResult& p : r.points) csv += Join(PointFields(p));
  csv += "\r\n" + Join(kObservationHeader);
  for (const ObservationResult& o : r.observations) csv += Join(ObservationFields(o));
  csv += "\r\n" + Join({"magnitud", "valor"});
  csv += Join({"metodo", MethodName(r.method)});
  csv += Join({"sigma0_cuadrado", Text(r.sigma0Sq)});
  csv += Join({"grados_de_libertad", std::to_string(r.degreesOfFreedom)});
  csv += Join({"parametro_baarda", Text(r.baardaShift)});
  return csv;
}

std::string ResultsGeoJson(const AdjustmentResults& r, double magnification) {
  std::map<int, const PointResult*>
      byNumber;  // the last point of a number, as the equations take it
  for (const PointResult& p : r.points) byNumber[p.number] = &p;
  nlohmann::json features = nlohmann::json::array();
  for (const PointResult& p : r.points)
    features.push_back(Feature({{"type", "Point"}, {"coordinates", {p.x, p.y}}},
                               Properties(kPointHeader, PointFields(p))));
  for (const ObservationResult& o : r.observations) {
    if (o.points.empty()) continue;
    nlohmann::json line = nlohmann::json::array();
    for (const int number : o.points) {
      const auto found = byNumber.find(number);
      if (found != byNumber.end()) line.push_back({found->second->x, found->second->y});
    }
    if (line.size() < 2) continue;
    features.push_back(Feature({{"type", "LineString"}, {"coordinates", line}},
                               Properties(kObservationHeader, ObservationFields(o))));
  }
  for (const PointResult& p : r.points) {
    if (p.fixed) continue;
    nlohmann::json properties = {{"numero", p.number},
                                 {"elipse", "absoluta, 1 sigma"},
                                 {"a", p.ellipse.semiMajor},
                                 {"b", p.ellipse.semiMinor},
                                 {"acimut_gon", p.ellipse.azimuthMajor},
                                 {"ampliacion", magnification}};
    features.push_back(
        Feature({{"type", "Polygon"},
                 {"coordinates", nlohmann::json::array({EllipseRing(p, magnification)})}},
                std::move(properties)));
  }
  const nlohmann::json collection = {
      {"type", "FeatureCollection"},
      {"coordenadas", "planas locales de la red: X este, Y norte, en metros"},
      {"metodo", MethodName(r.method)},
      {"sigma0_cuadrado", r.sigma0Sq},
      {"grados_de_libertad", r.degreesOfFreedom},
      {"features", features}};
  std::string text = collection.dump(1);
  std::string crlf;
  for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return crlf + "\r\n";
}

}  // namespace ombrel
