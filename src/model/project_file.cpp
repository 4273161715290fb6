#include "model/project_file.h"

#include <optional>

#include "model/field_reader.h"
#include "model/project_labels.h"
#include "model/text_file.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

struct ProjectPoint {
  double x = 0.0, y = 0.0;
  std::string kind, number;
};

struct ProjectObservation {
  std::string equation, weight;
  int points[3] = {0, 0, 0};
  double value = 0.0;
};

struct ProjectContents {
  std::vector<ProjectPoint> points;
  std::vector<ProjectObservation> observations;
};

// Thrown inside the parser for anything that makes the file unreadable.
struct Unreadable {};

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
    return contents;
  }

 private:
  std::string Text() {
    auto field = fields_.Next();
    if (!field) throw Unreadable{};
    return *field;
  }
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
    Text();  // position in the vector of unknowns, not used
    p.x = Double();
    p.y = Double();
    p.kind = Text();
    p.number = Text();
    return p;
  }
  ProjectObservation Observation() {
    ProjectObservation o;
    o.equation = Text();
    for (int& point : o.points) point = Integer();
    o.value = Double();
    o.weight = Text();
    return o;
  }

  FieldReader fields_;
};

std::optional<ProjectContents> ReadProject(const std::string& path) {
  const auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  try {
    return ProjectParser(*text).Parse();
  } catch (const Unreadable&) {
    return std::nullopt;
  }
}

// The integer value of the number at the start of a text; a text field whose
// number does not fit a 16-bit Integer makes the file unreadable.
std::optional<int> LeadingInteger(const std::string& text) {
  try {
    return ToInteger(LeadingNumber(text));
  } catch (const ArithmeticFault&) {
    return std::nullopt;
  }
}

bool Commit(NetworkState& state, const ProjectContents& contents, const std::string& path) {
  const int numPoints = static_cast<int>(contents.points.size());
  const int numObs = static_cast<int>(contents.observations.size());
  NetworkState next = state;
  next.NumPoints = numPoints;
  next.NumObs = numObs;
  next.PointX.Redim(numPoints);
  next.PointY.Redim(numPoints);
  next.ObsPoints.Redim(3, numObs);
  next.ObsValue.Redim(numObs);
  next.VariableIndex.Redim(numPoints);
  next.PointNumber.Redim(numPoints);
  next.ObservationNumber.Redim(numObs + kMaxCondEquations);
  next.K.Redim(numObs + next.NumCondEq);
  next.NumFixed = 0;
  int variable = 0;
  for (int k = 1; k <= numPoints; ++k) {
    const ProjectPoint& p = contents.points[k - 1];
    next.PointX(k) = p.x;
    next.PointY(k) = p.y;
    if (p.kind == "fijo")
      ++next.NumFixed;
    else if (p.kind == "vble")
      next.VariableIndex(k) = ++variable;
    const auto number = LeadingInteger(p.number);
    if (!number) return false;
    next.PointNumber(k) = *number;
  }
  ResetObsWeights(next);
  for (int i = 1; i <= numObs; ++i) {
    const ProjectObservation& o = contents.observations[i - 1];
    for (int e = 1; e <= 3; ++e) next.ObsPoints(e, i) = o.points[e - 1];
    next.ObsValue(i) = o.value;
    next.ObsWeights(1, i) = o.points[0] == kDistanceMarker ? 2.0 : 1.0;
    const auto number = LeadingInteger(o.equation);
    if (!number) return false;
    next.ObservationNumber(i) = *number;
    next.ObsWeights(2, i) = LeadingNumber(o.weight);
  }
  next.ProjectName = path;
  state = std::move(next);
  return true;
}

}  // namespace

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

bool LoadProjectFile(NetworkState& state, Interaction& ui, const std::string& path) {
  const auto contents = ReadProject(path);
  if (!contents || !Commit(state, *contents, path)) {
    ui.MessageBox(kProjectReadError, Buttons::Ok, Icon::Information, 1, kAppTitle);
    return false;
  }
  SetLabels(state, ui, state.ProjectName, PointsLabelText(state.NumPoints, state.NumFixed),
            EquationsLabelText(state.NumObs));
  EnableProjectCommands(ui);
  return true;
}

bool WriteProjectFile(Interaction& ui, const std::string& path,
                      const std::vector<std::string>& lines) {
  if (FileExists(path) && ui.MessageBox("Fichero ya existe. Sobrescribir ?", Buttons::YesNo,
                                        Icon::Information, 2, kAppTitle) != Answer::Yes)
    return false;
  if (!WriteLines(path, lines)) {
    ui.MessageBox("¡ No se ha podido escribir el fichero " + path + " !", Buttons::Ok,
                  Icon::Exclamation, 1, kAppTitle);
    return false;
  }
  return true;
}

}  // namespace ombrel
