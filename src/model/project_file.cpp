#include "model/project_file.h"

#include <algorithm>
#include <map>
#include <optional>

#include "model/field_reader.h"
#include "model/input_file.h"
#include "model/project_labels.h"
#include "model/text_file.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

constexpr const char* kReadHeading =
    "¡ Se ha producido un error en la lectura de los elementos del fichero !";

struct ProjectPoint {
  double x = 0.0, y = 0.0;
  std::string kind;
  int number = 0;
  int line = 0;  // where the record starts
};

struct ProjectObservation {
  int equation = 0;
  int points[3] = {0, 0, 0};
  double value = 0.0, weight = 0.0;
  int line = 0;
};

struct ProjectContents {
  std::vector<ProjectPoint> points;
  std::vector<ProjectObservation> observations;
  bool fieldsLeft = false;  // the file goes on after the last record
};

// Thrown inside the parser for anything that makes the file unreadable.
struct Unreadable {};

// The integer value of the number at the start of a text; a number that does
// not fit a 16-bit Integer makes the file unreadable.
int LeadingInteger(const std::string& text) {
  try {
    return ToInteger(LeadingNumber(text));
  } catch (const ArithmeticFault&) {
    throw Unreadable{};
  }
}

class ProjectParser {
 public:
  explicit ProjectParser(std::string text) : fields_(std::move(text)) {}

  ProjectContents Parse() {
    std::string header[5];
    for (auto& h : header) h = Text();
    const int numPoints = Count(header[2], kMaxProjectPoints);
    const int numObs = Count(header[4], kMaxProjectObservations);
    ProjectContents contents;
    for (int k = 0; k < numPoints; ++k) contents.points.push_back(Point());
    for (int i = 0; i < numObs; ++i) contents.observations.push_back(Observation());
    contents.fieldsLeft = fields_.Next().has_value();
    return contents;
  }

 private:
  std::string Text() {
    auto field = fields_.Next();
    if (!field) throw Unreadable{};
    return *field;
  }
  // Coordinates, observed values and weights: the whole field is a finite number.
  double Double() {
    auto value = ParseNumberField(Text());
    if (!value) throw Unreadable{};
    return *value;
  }
  int Integer() {
    const double value = Double();
    try {
      return ToInteger(value);
    } catch (const ArithmeticFault&) {
      throw Unreadable{};
    }
  }
  static int Count(const std::string& text, int limit) {
    const double value = LeadingNumber(text);
    if (value < -0.5 || value >= limit + 0.5) throw Unreadable{};
    return ToInteger(value);
  }
  ProjectPoint Point() {
    ProjectPoint p;
    Text();  // "00"
    p.line = fields_.Line();
    Text();  // position in the vector of unknowns, not used
    p.x = Double();
    p.y = Double();
    p.kind = Text();
    p.number = LeadingInteger(Text());
    return p;
  }
  ProjectObservation Observation() {
    ProjectObservation o;
    o.equation = LeadingInteger(Text());
    o.line = fields_.Line();
    for (int& point : o.points) point = Integer();
    o.value = Double();
    o.weight = Double();
    return o;
  }

  FieldReader fields_;
};

std::string LineFault(int line, const std::string& detail) {
  return std::string(kReadHeading) + "\r\n\r\nLínea " + std::to_string(line) + ": " + detail;
}

// What makes a readable project meaningless: a point that is neither fixed
// nor variable, two points with one vertex number (an observation could not
// tell them apart) or a distance from a vertex to itself. Empty when none.
std::string ContentFault(const ProjectContents& contents) {
  std::map<int, int> lineOfNumber;
  for (const ProjectPoint& p : contents.points) {
    if (p.kind != "fijo" && p.kind != "vble")
      return LineFault(p.line, "el tipo de vértice '" + p.kind + "' no es 'fijo' ni 'vble'.");
    const auto [first, isNew] = lineOfNumber.emplace(p.number, p.line);
    if (!isNew)
      return LineFault(p.line, "el vértice " + std::to_string(p.number) +
                                   " ya figura en la línea " + std::to_string(first->second) + ".");
  }
  // An angle that names a vertex twice is left to the formation of the
  // equations, which refuses it with its own message.
  for (const ProjectObservation& o : contents.observations) {
    if (o.points[0] != kDistanceMarker) continue;
    const std::string fault =
        ObservationVerticesFault(o.equation, o.points[0], o.points[1], o.points[2]);
    if (!fault.empty()) return LineFault(o.line, fault);
  }
  return {};
}

// A decimal comma splits its number into two fields and shifts every later
// field, so the records then fail to read or leave fields over. The message
// names the first comma between two digits, with its line.
std::optional<std::string> DecimalCommaFault(const std::string& text, const std::string& path) {
  const auto isDigit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  std::size_t comma = 1;
  while (comma + 1 < text.size() &&
         !(text[comma] == ',' && isDigit(comma - 1) && isDigit(comma + 1)))
    ++comma;
  if (comma + 1 >= text.size()) return std::nullopt;
  const char* const ends = " ,\t\r\n";
  const std::size_t begin = text.find_last_of(ends, comma - 1) + 1;  // npos + 1 is 0
  const std::size_t end = std::min(text.find_first_of(ends, comma + 1), text.size());
  int line = 1;
  for (std::size_t i = 0; i < begin; ++i)
    if (text[i] == '\n' || (text[i] == '\r' && text[i + 1] != '\n')) ++line;
  return "El formato de los elementos del fichero no es correcto:\r\n\r\nEn la línea " +
         std::to_string(line) + " de " + path + ", el campo '" + text.substr(begin, end - begin) +
         "' tiene una ',' como separador decimal.";
}

// The contents of the project at path, or why it cannot be loaded.
Result<ProjectContents> ReadProject(const std::string& path) {
  const Result<std::string> text = ReadInputText(path);
  if (!text) return text.error();
  std::optional<ProjectContents> contents;
  try {
    contents = ProjectParser(*text).Parse();
  } catch (const Unreadable&) {
  }
  if (!contents || contents->fieldsLeft) {
    if (auto comma = DecimalCommaFault(*text, path)) return Failure{*comma};
  }
  if (!contents) return Failure{kProjectReadError};
  if (std::string fault = ContentFault(*contents); !fault.empty()) return Failure{fault};
  return std::move(*contents);
}

NetworkState Commit(const NetworkState& base, const ProjectContents& contents,
                    const std::string& path) {
  const int numPoints = static_cast<int>(contents.points.size());
  const int numObs = static_cast<int>(contents.observations.size());
  NetworkState next = base;
  next.Network.NumPoints = numPoints;
  next.Network.NumObs = numObs;
  next.Network.PointX.Redim(numPoints);
  next.Network.PointY.Redim(numPoints);
  next.Network.ObsPoints.Redim(3, numObs);
  next.Network.ObsValue.Redim(numObs);
  next.Network.VariableIndex.Redim(numPoints);
  next.Network.PointNumber.Redim(numPoints);
  next.Network.ObservationNumber.Redim(numObs + kMaxCondEquations);
  next.Equations.K.Redim(numObs + next.Equations.NumCondEq);
  next.Network.NumFixed = 0;
  int variable = 0;
  for (int k = 1; k <= numPoints; ++k) {
    const ProjectPoint& p = contents.points[k - 1];
    next.Network.PointX(k) = p.x;
    next.Network.PointY(k) = p.y;
    if (p.kind == "fijo")
      ++next.Network.NumFixed;
    else
      next.Network.VariableIndex(k) = ++variable;
    next.Network.PointNumber(k) = p.number;
  }
  ResetObsWeights(next);
  for (int i = 1; i <= numObs; ++i) {
    const ProjectObservation& o = contents.observations[i - 1];
    for (int e = 1; e <= 3; ++e) next.Network.ObsPoints(e, i) = o.points[e - 1];
    next.Network.ObsValue(i) = o.value;
    next.Network.ObsWeights(1, i) = o.points[0] == kDistanceMarker ? 2.0 : 1.0;
    next.Network.ObservationNumber(i) = o.equation;
    next.Network.ObsWeights(2, i) = o.weight;
  }
  next.ProjectName = path;
  ForgetErrorFigures(next);
  next.ProjectLabel = path;
  next.PointsLabel = PointsLabelText(next.Network.NumPoints, next.Network.NumFixed);
  next.EquationsLabel = EquationsLabelText(next.Network.NumObs);
  return next;
}

}  // namespace

Result<NetworkState> ReadProjectFile(const NetworkState& base, const std::string& path) {
  Result<ProjectContents> read = ReadProject(path);
  if (!read) return read.error();
  return Commit(base, *read, path);
}

std::string ProjectFileFault(const std::string& path) {
  const Result<ProjectContents> read = ReadProject(path);
  return read ? std::string() : read.error().message;
}

std::string ObservationVerticesFault(int equation, int back, int station, int fore) {
  const std::string which = "la ecuación " + std::to_string(equation);
  const std::string vertex = " " + std::to_string(station) + ".";
  if (back == kDistanceMarker)
    return station == fore
               ? which + " es una distancia del vértice " + std::to_string(station) + " a sí mismo."
               : std::string();
  if (back == station) return which + " es un ángulo cuyo punto inicial es su estación," + vertex;
  if (fore == station) return which + " es un ángulo cuyo punto final es su estación," + vertex;
  if (back == fore)
    return which + " es un ángulo cuyos puntos inicial y final son el mismo vértice, " +
           std::to_string(back) + ".";
  return {};
}

std::string PointsLabelText(int numPoints, int numFixed) {
  return "Número de vértices:  " + SignedText(numPoints) + "   (" + SignedText(numFixed) +
         (numFixed == 1 ? " fijo )" : " fijos )");
}

std::string EquationsLabelText(int numObs) {
  return "Número de ecuaciones:  " + SignedText(numObs);
}

void EnableProjectCommands(Interaction& ui) {
  for (Command c :
       {Command::MenuReview, Command::MenuView, Command::MenuAdjust, Command::MenuDesign,
        Command::AdjustInverse, Command::AdjustPseudo, Command::AdjustConstraints})
    ui.SetEnabled(c, true);
}

}  // namespace ombrel
