// The three sorted lists of the project editor, which are line for line the
// project file: the point list, the observation list and the file list
// (header, point lines, observation lines). The lists sort their items by
// text with the space before the digits and the digits before the letters,
// which is what puts the point lines before the observation lines and the
// equations 1, 10 ... 19 before 2. Saving writes the file list and rebuilds
// the network from the other two by columns.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/network_state.h"
#include "model/result.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kPointPrompt = " 0 ,Use el ratón para seleccionar un vértice:";
inline constexpr const char* kObservationPrompt = " 0 ,Use el ratón para seleccionar una ecuación:";
inline constexpr const char* kNewHeader = " 0 ,Ptos ,         0 ,Ecuaciones ,         0";

// True when a sorts before b in the lists' collation.
bool CollatesBefore(const std::string& a, const std::string& b);

// A number as a 3-character combo item: " 7 ", " 12".
std::string ComboItem(int number);
// text preceded by spaces up to width; longer texts are kept whole.
std::string RightAlign(const std::string& text, int width);
// Columns first..last (1-based, inclusive) of a line; short lines give less.
std::string Columns(const std::string& line, int first, int last);
// The value of a text as the columns are read back: the whole text when it is
// a number (by the loader's rule, exponent included), else the number at its
// start.
double ColumnValue(const std::string& text);
int ColumnInteger(const std::string& text);

// A typed coordinate, value or weight: a number with no comma and at most
// one decimal point.
bool IsValidNumberText(const std::string& text);

// The equation number as it stands in columns 1-2: characters 2 and 3 of
// its item, with a leading "0" when the item's second character is a space.
std::string EquationField(const std::string& item);

// The lines of the file. Number arguments are combo items; texts are as typed.
std::string PointLine(const std::string& orderItem, const std::string& x, const std::string& y,
                      bool fixed, const std::string& vertexItem);
std::string AngleLine(const std::string& equationItem, const std::string& backItem,
                      const std::string& stationItem, const std::string& foreItem,
                      const std::string& angle, const std::string& weight);
std::string DistanceLine(const std::string& equationItem, const std::string& fromItem,
                         const std::string& toItem, const std::string& distance,
                         const std::string& weight);

// The fields of a point line, as the editor shows them when it is picked.
struct PointFields {
  std::string order;   // columns 6-8, a combo item
  std::string x, y;    // columns 11-20 and 23-32, without the padding
  bool fixed = false;  // columns 41-44 read "fijo"
  std::string vertex;  // columns 54-56, a combo item
};
PointFields ReadPointLine(const std::string& line);

bool IsDistanceLine(const std::string& line);
// The combo item of the equation number of an observation line.
std::string EquationItemOf(const std::string& line);

// Why the editor refuses an observation line: it names a vertex twice (see
// ObservationVerticesFault), with the heading of the formation's message.
// Empty when the line can be added.
std::string ObservationLineFault(const std::string& line);

class ProjectLists {
 public:
  // A new project: the two prompts and the initial header.
  ProjectLists();

  // Reads an existing project, all fields as text, and rebuilds its lines in
  // the editor's layout; when the file cannot be read, the failure is the
  // loader's (ReadProjectFile).
  static Result<ProjectLists> FromFile(const std::string& path);

  const std::vector<std::string>& PointList() const { return points_; }
  const std::vector<std::string>& ObservationList() const { return observations_; }
  const std::vector<std::string>& FileList() const { return file_; }
  int NumPoints() const { return static_cast<int>(points_.size()) - 1; }
  int NumObs() const { return static_cast<int>(observations_.size()) - 1; }

  // Each returns the index the line took in its own list (1-based, 0 being
  // the prompt); the file list follows at the matching index.
  int AddPoint(const std::string& line);
  int AddObservation(const std::string& line);
  // Replaces point k by line; returns the new index.
  int ReplacePoint(int k, const std::string& line);
  void RemoveObservation(int j);
  // How many observations name the vertex (a combo item) as back-sight,
  // station or fore-sight.
  int ObservationsOf(const std::string& vertexItem) const;
  // Removes point k and every observation that uses its vertex; returns the
  // equation items of the observations removed.
  std::vector<std::string> RemovePoint(int k);
  // Why point line cannot join the lists: another point than point
  // `replacing` (0 when adding) already holds its place in the vector x, so
  // that two vertices would share unknowns. Empty when it can.
  std::string PositionFault(const std::string& line, int replacing) const;

  // Gives the weight text to every angle (distances false) or distance line.
  void SetWeightOfAll(bool distances, const std::string& weight);

  // The network of the lists, as the loader leaves it for the same file.
  void Rebuild(NetworkState& state, const std::string& projectName) const;

 private:
  static std::optional<ProjectLists> ReadLists(const std::string& path);
  void InsertLine(const std::string& line, std::vector<std::string>& list, int offset, int& index);
  void WriteCounts();

  std::vector<std::string> points_;
  std::vector<std::string> observations_;
  std::vector<std::string> file_;
};

// The editor's save: writes the file list to path (asking before an
// overwrite) and, once written, rebuilds the network from the lists and shows
// it in the main window as the loader does. False when nothing was written.
bool SaveProjectLists(const ProjectLists& lists, NetworkState& state, Interaction& ui,
                      const std::string& path);

}  // namespace ombrel
