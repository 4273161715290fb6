#include "model/project_lists.h"

#include <algorithm>
#include <cctype>

#include "model/field_reader.h"
#include "model/input_file.h"
#include "model/project_file.h"
#include "model/project_labels.h"
#include "model/text_file.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

// Sort rank of one byte: the space first, then the other signs, the digits,
// the letters without regard to case (capitals first on a tie) and last the
// bytes of accented letters.
int Rank(unsigned char c) {
  if (c == ' ') return 0;
  if (std::isdigit(c)) return 0x200 + c;
  if (std::isalpha(c)) return 0x300 + 2 * std::tolower(c) + (std::islower(c) ? 1 : 0);
  if (c >= 0x80) return 0x500 + c;
  return 0x100 + c;
}

std::string Trimmed(const std::string& text) {
  const auto begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  return text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
}

bool IsShortNumber(const std::string& text) {
  return (text.size() == 1 || text.size() == 2) &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number read back from the file takes the form of the combo item it was
// written from, so that a file the editor wrote reads back to the same lines.
std::string ItemOfField(const std::string& field) {
  if (!IsShortNumber(field)) return field;
  return " " + field + (field.size() == 1 ? " " : "");
}

std::string EquationOfField(const std::string& field) {
  return field.size() == 1 ? field + " " : field;
}

std::string CountText(int count) {
  std::string text = std::to_string(count);
  return text + std::string(text.size() < 3 ? 3 - text.size() : 0, ' ');
}

// Reads the fields of a project file as texts, as many as the header
// announces; throws nothing, an unreadable file gives nullopt.
class TextFields {
 public:
  explicit TextFields(std::string text) : reader_(std::move(text)) {}
  bool Read(std::string* fields, int count) {
    for (int f = 0; f < count; ++f) {
      auto field = reader_.Next();
      if (!field) return false;
      fields[f] = *field;
    }
    return true;
  }

 private:
  FieldReader reader_;
};

std::optional<int> Count(const std::string& text, int limit) {
  const double value = LeadingNumber(text);
  if (value < -0.5 || value >= limit + 0.5) return std::nullopt;
  return ToInteger(value);
}

}  // namespace

bool CollatesBefore(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return Rank(static_cast<unsigned char>(x)) < Rank(static_cast<unsigned char>(y));
  });
}

std::string ComboItem(int number) {
  const std::string digits = std::to_string(number);
  return " " + digits + (digits.size() == 1 ? " " : "");
}

std::string RightAlign(const std::string& text, int width) {
  const auto size = static_cast<int>(text.size());
  return size >= width ? text : std::string(static_cast<std::size_t>(width - size), ' ') + text;
}

std::string Columns(const std::string& line, int first, int last) {
  const auto from = static_cast<std::size_t>(first - 1);
  if (from >= line.size()) return {};
  return line.substr(from, static_cast<std::size_t>(last - first + 1));
}

double ColumnValue(const std::string& text) {
  // A whole number, exponent included, reads as the loader reads it.
  return ParseNumberField(text).value_or(LeadingNumber(text));
}

int ColumnInteger(const std::string& text) {
  return ToInteger(LeadingNumber(text));
}

bool IsValidNumberText(const std::string& text) {
  if (text.find(',') != std::string::npos) return false;
  if (std::count(text.begin(), text.end(), '.') > 1) return false;
  // An exponent would read differently from the columns than from the fields.
  if (text.find_first_of("eE") != std::string::npos) return false;
  return ParseNumberField(text).has_value();
}

std::string EquationField(const std::string& item) {
  const std::string padded = item + std::string(item.size() < 3 ? 3 - item.size() : 0, ' ');
  if (padded[1] == ' ') return std::string("0") + padded[2];
  return padded.substr(1, 2);
}

std::string PointLine(const std::string& orderItem, const std::string& x, const std::string& y,
                      bool fixed, const std::string& vertexItem) {
  return "00 ," + RightAlign(orderItem, 4) + " ," + RightAlign(x, 10) + " ," + RightAlign(y, 10) +
         " ," + (fixed ? "      fijo" : "      vble") + " ," + RightAlign(vertexItem, 10);
}

std::string AngleLine(const std::string& equationItem, const std::string& backItem,
                      const std::string& stationItem, const std::string& foreItem,
                      const std::string& angle, const std::string& weight) {
  return EquationField(equationItem) + " ," + RightAlign(backItem, 4) + " ," +
         RightAlign(stationItem, 10) + " ," + RightAlign(foreItem, 10) + " ," +
         RightAlign(angle, 10) + " ," + RightAlign(weight, 10);
}

std::string DistanceLine(const std::string& equationItem, const std::string& fromItem,
                         const std::string& toItem, const std::string& distance,
                         const std::string& weight) {
  return EquationField(equationItem) + " , -99 ," + RightAlign(fromItem, 10) + " ," +
         RightAlign(toItem, 10) + " ," + RightAlign(distance, 10) + " ," + RightAlign(weight, 10);
}

PointFields ReadPointLine(const std::string& line) {
  PointFields fields;
  fields.order = Columns(line, 6, 8);
  fields.x = Trimmed(Columns(line, 11, 20));
  fields.y = Trimmed(Columns(line, 23, 32));
  fields.fixed = Columns(line, 41, 44) == "fijo";
  fields.vertex = Columns(line, 54, 56);
  return fields;
}

bool IsDistanceLine(const std::string& line) {
  return Columns(line, 6, 8) == "-99";
}

std::string EquationItemOf(const std::string& line) {
  return ComboItem(ColumnInteger(Columns(line, 1, 2)));
}

ProjectLists::ProjectLists()
    : points_{kPointPrompt}, observations_{kObservationPrompt}, file_{kNewHeader} {}

std::string ObservationLineFault(const std::string& line) {
  std::string fault = ObservationVerticesFault(
      ColumnInteger(Columns(line, 1, 2)), ColumnInteger(Columns(line, 6, 8)),
      ColumnInteger(Columns(line, 18, 20)), ColumnInteger(Columns(line, 30, 32)));
  if (fault.empty()) return fault;
  fault[0] = 'L';  // "la ecuación ..." opens its own sentence here
  return "¡ Existe un problema con los vértices de las observaciones !\r\n\r\n" + fault;
}

Result<ProjectLists> ProjectLists::FromFile(const std::string& path) {
  std::optional<ProjectLists> lists = ReadLists(path);
  if (lists) return std::move(*lists);
  const std::string reason = ProjectFileFault(path);
  return Failure{reason.empty() ? kProjectReadError : reason};
}

std::string ProjectLists::PositionFault(const std::string& line, int replacing) const {
  const std::string position = Columns(line, 6, 8);
  for (int k = 1; k <= NumPoints(); ++k) {
    const std::string& other = points_[static_cast<std::size_t>(k)];
    if (k == replacing || Columns(other, 6, 8) != position) continue;
    return "¡ La posición " + Trimmed(position) + " de la ordenación del vector x ya es la del " +
           "vértice " + Trimmed(Columns(other, 54, 56)) + " !";
  }
  return {};
}

std::optional<ProjectLists> ProjectLists::ReadLists(const std::string& path) {
  const Result<std::string> text = ReadInputText(path);
  if (!text) return std::nullopt;
  TextFields fields(*text);
  std::string header[5];
  if (!fields.Read(header, 5)) return std::nullopt;
  const auto numPoints = Count(header[2], kMaxProjectPoints);
  const auto numObs = Count(header[4], kMaxProjectObservations);
  if (!numPoints || !numObs) return std::nullopt;
  ProjectLists lists;
  std::string f[6];
  for (int k = 0; k < *numPoints; ++k) {
    if (!fields.Read(f, 6)) return std::nullopt;
    lists.AddPoint(RightAlign(f[0], 2) + " ," + RightAlign(ItemOfField(f[1]), 4) + " ," +
                   RightAlign(f[2], 10) + " ," + RightAlign(f[3], 10) + " ," +
                   RightAlign(f[4], 10) + " ," + RightAlign(ItemOfField(f[5]), 10));
  }
  for (int i = 0; i < *numObs; ++i) {
    if (!fields.Read(f, 6)) return std::nullopt;
    lists.AddObservation(
        RightAlign(EquationOfField(f[0]), 2) + " ," + RightAlign(ItemOfField(f[1]), 4) + " ," +
        RightAlign(ItemOfField(f[2]), 10) + " ," + RightAlign(ItemOfField(f[3]), 10) + " ," +
        RightAlign(f[4], 10) + " ," + RightAlign(f[5], 10));
  }
  lists.file_[0] = " 0 ,Ptos ," + RightAlign(std::to_string(*numPoints), 10) + " ,Ecuaciones ," +
                   RightAlign(std::to_string(*numObs), 10);
  return lists;
}

void ProjectLists::InsertLine(const std::string& line, std::vector<std::string>& list, int offset,
                              int& index) {
  const auto at = std::upper_bound(list.begin() + 1, list.end(), line, CollatesBefore);
  index = static_cast<int>(at - list.begin());
  list.insert(at, line);
  file_.insert(file_.begin() + offset + index, line);
}

int ProjectLists::AddPoint(const std::string& line) {
  int index = 0;
  InsertLine(line, points_, 0, index);
  WriteCounts();
  return index;
}

int ProjectLists::AddObservation(const std::string& line) {
  int index = 0;
  InsertLine(line, observations_, NumPoints(), index);
  WriteCounts();
  return index;
}

int ProjectLists::ReplacePoint(int k, const std::string& line) {
  points_.erase(points_.begin() + k);
  file_.erase(file_.begin() + k);
  return AddPoint(line);
}

void ProjectLists::RemoveObservation(int j) {
  file_.erase(file_.begin() + NumPoints() + j);
  observations_.erase(observations_.begin() + j);
  WriteCounts();
}

namespace {

bool Names(const std::string& line, const std::string& vertex) {
  return Columns(line, 6, 8) == vertex || Columns(line, 18, 20) == vertex ||
         Columns(line, 30, 32) == vertex;
}

}  // namespace

int ProjectLists::ObservationsOf(const std::string& vertexItem) const {
  return static_cast<int>(std::count_if(
      observations_.begin() + 1, observations_.end(),
      [&](const std::string& line) { return Names(line, RightAlign(vertexItem, 3)); }));
}

std::vector<std::string> ProjectLists::RemovePoint(int k) {
  const std::string vertex = Columns(points_[static_cast<std::size_t>(k)], 54, 56);
  points_.erase(points_.begin() + k);
  file_.erase(file_.begin() + k);
  std::vector<std::string> equations;
  for (int j = NumObs(); j >= 1; --j) {
    const std::string& line = observations_[static_cast<std::size_t>(j)];
    if (Names(line, vertex)) {
      equations.insert(equations.begin(), EquationItemOf(line));
      RemoveObservation(j);
    }
  }
  WriteCounts();
  return equations;
}

void ProjectLists::SetWeightOfAll(bool distances, const std::string& weight) {
  const std::string field = RightAlign(weight, 10);
  for (int j = 1; j <= NumObs(); ++j) {
    std::string& line = observations_[static_cast<std::size_t>(j)];
    if (IsDistanceLine(line) != distances || line.size() < 46) continue;
    line = line.substr(0, 46) + field;
    file_[static_cast<std::size_t>(NumPoints() + j)] = line;
  }
}

// The header's counts are overwritten in columns 18-20 and 42-44.
void ProjectLists::WriteCounts() {
  std::string& header = file_[0];
  if (header.size() < 44) header.resize(44, ' ');
  header.replace(17, 3, CountText(NumPoints()));
  header.replace(41, 3, CountText(NumObs()));
}

void ProjectLists::Rebuild(NetworkState& state, const std::string& projectName) const {
  const int numPoints = NumPoints();
  const int numObs = NumObs();
  state.Network.NumPoints = numPoints;
  state.Network.NumObs = numObs;
  state.Network.NumFixed = 0;
  state.Network.PointX.Redim(numPoints);
  state.Network.PointY.Redim(numPoints);
  state.Network.VariableIndex.Redim(numPoints);
  state.Network.PointNumber.Redim(numPoints);
  state.Network.ObsPoints.Redim(3, numObs);
  state.Network.ObsValue.Redim(numObs);
  state.Network.ObservationNumber.Redim(numObs + kMaxCondEquations);
  state.Equations.K.Redim(numObs + state.Equations.NumCondEq);
  int variable = 0;
  for (int k = 1; k <= numPoints; ++k) {
    const std::string& line = points_[static_cast<std::size_t>(k)];
    state.Network.PointX(k) = ColumnValue(Columns(line, 11, 20));
    state.Network.PointY(k) = ColumnValue(Columns(line, 23, 32));
    const std::string kind = Columns(line, 41, 44);
    if (kind == "fijo")
      ++state.Network.NumFixed;
    else if (kind == "vble")
      state.Network.VariableIndex(k) = ++variable;
    state.Network.PointNumber(k) = ColumnInteger(Columns(line, 54, 56));
  }
  ResetObsWeights(state);
  for (int i = 1; i <= numObs; ++i) {
    const std::string& line = observations_[static_cast<std::size_t>(i)];
    state.Network.ObsPoints(1, i) = ColumnInteger(Columns(line, 6, 8));
    state.Network.ObsPoints(2, i) = ColumnInteger(Columns(line, 18, 20));
    state.Network.ObsPoints(3, i) = ColumnInteger(Columns(line, 30, 32));
    state.Network.ObsValue(i) = ColumnValue(Columns(line, 35, 44));
    state.Network.ObsWeights(1, i) = IsDistanceLine(line) ? 2.0 : 1.0;
    state.Network.ObservationNumber(i) = ColumnInteger(Columns(line, 1, 2));
    state.Network.ObsWeights(2, i) = ColumnValue(Columns(line, 47, 56));
  }
  state.ProjectName = projectName;
  ForgetErrorFigures(state);
}

bool SaveProjectLists(const ProjectLists& lists, NetworkState& state, Interaction& ui,
                      const std::string& path) {
  if (FileExists(path) && ui.MessageBox("Fichero ya existe. Sobrescribir ?", Buttons::YesNo,
                                        Icon::Information, 2, kAppTitle) != Answer::Yes)
    return false;
  if (!WriteLines(path, lists.FileList())) {
    ui.MessageBox("¡ No se ha podido escribir el fichero " + path + " !", Buttons::Ok,
                  Icon::Exclamation, 1, kAppTitle);
    return false;
  }
  lists.Rebuild(state, path);
  SetLabels(state, ui, state.ProjectName,
            PointsLabelText(state.Network.NumPoints, state.Network.NumFixed),
            EquationsLabelText(state.Network.NumObs));
  EnableProjectCommands(ui);
  return true;
}

}  // namespace ombrel
