#include "model/gama_xml.h"

#include <expat.h>

#include <charconv>
#include <cmath>
#include <map>
#include <memory>

namespace ombrel {
namespace {

constexpr double kMillimetres = 1000.0;

std::string Number(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

std::string Attribute(const std::string& name, const std::string& value) {
  return " " + name + "=\"" + value + "\"";
}

std::string ObservationElement(const PlainObservation& o) {
  const double sigma = kGamaSigmaApriori / std::sqrt(o.weight);
  if (o.kind == ObservationKind::Distance)
    return "<distance" + Attribute("from", std::to_string(o.station)) +
           Attribute("to", std::to_string(o.fore)) + Attribute("val", Number(o.value)) +
           Attribute("stdev", Number(sigma * kMillimetres)) +
           Attribute("extern", std::to_string(o.number)) + " />";
  return "<angle" + Attribute("from", std::to_string(o.station)) +
         Attribute("bs", std::to_string(o.back)) + Attribute("fs", std::to_string(o.fore)) +
         Attribute("val", Number(o.value)) + Attribute("stdev", Number(sigma)) +
         Attribute("extern", std::to_string(o.number)) + " />";
}

// What the reader collects before sigma-apr is known (it may come last).
struct PendingObservation {
  PlainObservation observation;
  double stdev = 0.0;  // 1e-4 gon or millimetres
};

class GamaReader {
 public:
  explicit GamaReader(XML_Parser parser) : parser_(parser) {}

  void Start(const std::string& name, const char** attributes) {
    if (!error_.empty()) return;
    std::map<std::string, std::string> a;
    for (int i = 0; attributes[i] != nullptr; i += 2) a[attributes[i]] = attributes[i + 1];
    ++depth_;
    if (depth_ == 1 && name != "gama-local") return Fail("el elemento raíz no es <gama-local>");
    if (name == "network") return Network(a);
    if (name == "parameters" && a.count("sigma-apr")) {
      Real(a, "sigma-apr", sigma_);
      return;
    }
    if (name == "point") return Point(a);
    if (name == "obs") {
      obsFrom_ = a.count("from") ? a["from"] : "";
      return;
    }
    if (name == "angle" || name == "distance") return Observation(name, a);
    static const char* const kAccepted[] = {"gama-local", "description", "points-observations"};
    for (const char* accepted : kAccepted)
      if (name == accepted) return;
    Fail("Ombrel no admite el elemento <" + name + ">");
  }

  void End(const std::string& name) {
    --depth_;
    if (name == "obs") obsFrom_.clear();
  }

  // The network read, or why not; empty when nothing went wrong.
  std::string Finish(PlainNetwork& network) {
    if (!error_.empty()) return error_;
    if (!(sigma_ > 0.0)) return "sigma-apr no es positivo";
    for (PendingObservation& p : pending_) {
      double sigma = p.stdev / sigma_;
      if (p.observation.kind == ObservationKind::Distance) sigma /= kMillimetres;
      p.observation.weight = 1.0 / (sigma * sigma);
      network_.observations.push_back(p.observation);
    }
    network = network_;
    return {};
  }

 private:
  using Attributes = std::map<std::string, std::string>;

  void Fail(const std::string& reason) {
    if (error_.empty())
      error_ = "línea " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ": " + reason;
    XML_StopParser(parser_, XML_FALSE);
  }

  bool Real(const Attributes& a, const std::string& key, double& value) {
    const auto found = a.find(key);
    if (found == a.end()) return Fail("falta el atributo " + key), false;
    const std::string& text = found->second;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
      return Fail("el atributo " + key + " no es un número: '" + text + "'"), false;
    return true;
  }

  bool Whole(const Attributes& a, const std::string& key, int& value) {
    const auto found = a.find(key);
    if (found == a.end()) return Fail("falta el atributo " + key), false;
    const std::string& text = found->second;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || text.empty())
      return Fail("el atributo " + key + " no es un número de vértice: '" + text + "'"), false;
    return true;
  }

  void Network(const Attributes& a) {
    const auto axes = a.find("axes-xy");
    const auto angles = a.find("angles");
    if (axes == a.end() || axes->second != "en")
      return Fail("solo se admiten los ejes axes-xy=\"en\" (x este, y norte)");
    if (angles != a.end() && angles->second != "left-handed")
      return Fail("solo se admiten los ángulos en sentido horario (angles=\"left-handed\")");
  }

  void Point(const Attributes& a) {
    PlainPoint p;
    if (!Whole(a, "id", p.number) || !Real(a, "x", p.x) || !Real(a, "y", p.y)) return;
    const auto fix = a.find("fix");
    const auto adj = a.find("adj");
    const auto planar = [](const std::string& v) { return v == "xy" || v == "XY"; };
    if (fix != a.end() && planar(fix->second))
      p.fixed = true;
    else if (adj == a.end() || !planar(adj->second))
      return Fail("el punto " + std::to_string(p.number) + " no es fijo (fix) ni ajustado (adj)");
    network_.points.push_back(p);
  }

  void Observation(const std::string& name, Attributes a) {
    PendingObservation p;
    PlainObservation& o = p.observation;
    o.kind = name == "angle" ? ObservationKind::Angle : ObservationKind::Distance;
    if (!a.count("from")) {
      if (obsFrom_.empty()) return Fail("la observación no tiene estación (from)");
      a["from"] = obsFrom_;
    }
    const bool read =
        o.kind == ObservationKind::Angle
            ? Whole(a, "from", o.station) && Whole(a, "bs", o.back) && Whole(a, "fs", o.fore)
            : Whole(a, "from", o.station) && Whole(a, "to", o.fore);
    if (!read || !Real(a, "val", o.value) || !Real(a, "stdev", p.stdev)) return;
    if (!(p.stdev > 0.0)) return Fail("la desviación típica no es positiva");
    // An extern that is no equation number (a key of another program) is
    // left aside and the position numbers the equation.
    o.number = static_cast<int>(pending_.size()) + 1;
    if (a.count("extern")) {
      const std::string& key = a["extern"];
      int number = 0;
      const auto [end, failure] = std::from_chars(key.data(), key.data() + key.size(), number);
      if (failure == std::errc() && end == key.data() + key.size() && !key.empty())
        o.number = number;
    }
    pending_.push_back(p);
  }

  XML_Parser parser_;
  std::string error_;
  int depth_ = 0;
  double sigma_ = 10.0;  // the format's default sigma-apr
  std::string obsFrom_;
  PlainNetwork network_;
  std::vector<PendingObservation> pending_;
};

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  static_cast<GamaReader*>(data)->Start(name, attributes);
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
  static_cast<GamaReader*>(data)->End(name);
}

}  // namespace

std::string GamaLocalXml(const PlainNetwork& network, const std::string& description) {
  int fixed = 0;
  for (const PlainPoint& p : network.points) fixed += p.fixed;
  const char* const free = fixed < 2 ? "XY" : "xy";
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<gama-local xmlns=\"http://www.gnu.org/software/gama/gama-local\">\r\n"
      "<network axes-xy=\"en\" angles=\"left-handed\">\r\n"
      "<description>" +
      Escaped(description) +
      "</description>\r\n"
      "<parameters" +
      Attribute("sigma-apr", Number(kGamaSigmaApriori)) + " />\r\n<points-observations>\r\n";
  for (const PlainPoint& p : network.points)
    xml += "<point" + Attribute("id", std::to_string(p.number)) + Attribute("x", Number(p.x)) +
           Attribute("y", Number(p.y)) + Attribute(p.fixed ? "fix" : "adj", p.fixed ? "xy" : free) +
           " />\r\n";
  xml += "<obs>\r\n";
  for (const PlainObservation& o : network.observations)
    xml += "  " + ObservationElement(o) + "\r\n";
  return xml + "</obs>\r\n</points-observations>\r\n</network>\r\n</gama-local>\r\n";
}

Result<PlainNetwork> ReadGamaLocalXml(const std::string& text) {
  const std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreate(nullptr),
                                                                       XML_ParserFree);
  if (!parser) return Failure{"no hay memoria para leer el fichero"};
  GamaReader reader(parser.get());
  XML_SetUserData(parser.get(), &reader);
  XML_SetElementHandler(parser.get(), OnStart, OnEnd);
  const XML_Status status =
      XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE);
  PlainNetwork network;
  std::string error = reader.Finish(network);
  if (status == XML_STATUS_ERROR && error.empty())
    error = "línea " + std::to_string(XML_GetCurrentLineNumber(parser.get())) +
            ": el XML no está bien formado (" + XML_ErrorString(XML_GetErrorCode(parser.get())) +
            ")";
  if (!error.empty()) return Failure{error};
  return network;
}

}  // namespace ombrel
