#include "plot/dxf_writer.h"

#include <algorithm>
#include <charconv>

#include "listing/output_file.h"
#include "numeric/checked.h"
#include "plot/ellipse_outline.h"
#include "plot/network_shapes.h"
#include "plot/plot_fit.h"

namespace ombrel {
namespace {

constexpr const char* kNetworkLayer = "1";
constexpr const char* kFigureLayer = "2";
constexpr const char* kWhite = "7";
constexpr const char* kTextStyle = "ROMANS";
// The size unit is this fraction of the larger extent of the network.
constexpr double kUnitsPerExtent = 43.0;

const char* FigureColour(FigureKind kind) {
  switch (kind) {
    case FigureKind::Absolute:
      return "7";
    case FigureKind::Relative:
      return "3";
    case FigureKind::Rosette:
      return "1";
    case FigureKind::Section:
      return "4";
    case FigureKind::AxisProjection:
      return "5";
  }
  return "7";
}

// Accumulates the file: a group code right-aligned in three characters on
// one line, its value on the next.
class DxfOut {
 public:
  void Group(int code, const std::string& value) {
    std::string c = std::to_string(code);
    text_ += std::string(3 - std::min<std::size_t>(3, c.size()), ' ') + c + "\r\n" + value + "\r\n";
  }
  void Group(int code, double value) { Group(code, DxfNumber(value)); }
  // Every entity follows the "  0" that closed the item before it, and ends
  // with its own "  0".
  void Entity(const char* type, const char* layer, const char* colour) {
    text_ += std::string(type) + "\r\n";
    Group(8, layer);
    Group(62, colour);
  }
  void Text(double x, double y, double height, const std::string& value) {
    Entity("TEXT", kNetworkLayer, kWhite);
    Group(7, kTextStyle);
    Group(10, x);
    Group(20, y);
    Group(40, height);
    Group(1, value);
    Close();
  }
  void Line(const Segment& s, const char* layer, const char* colour) {
    Entity("LINE", layer, colour);
    Group(10, s.x1);
    Group(20, s.y1);
    Group(11, s.x2);
    Group(21, s.y2);
    Close();
  }
  void Point(const GroundPoint& p, const char* colour) {
    Entity("POINT", kFigureLayer, colour);
    Group(10, p.x);
    Group(20, p.y);
    Close();
  }
  void Raw(const std::string& line) { text_ += line + "\r\n"; }
  void Close() { Raw("  0"); }
  // Every item follows the "  0" that introduces it: a section begins after
  // one, and its ENDSEC is followed by the one of the next item.
  void BeginSection(const char* name) {
    Raw("SECTION");
    Group(2, name);
  }
  void EndSection() {
    Close();
    Raw("ENDSEC");
    Close();
  }
  const std::string& Str() const { return text_; }

 private:
  std::string text_;
};

// The format version, whose tables carry no handles, and the code page of
// the texts, so that readers decode the Windows-1252 bytes as written.
void WriteHeader(DxfOut& out) {
  out.BeginSection("HEADER");
  out.Group(9, "$ACADVER");
  out.Group(1, "AC1009");
  out.Group(9, "$DWGCODEPAGE");
  out.Group(3, "ANSI_1252");
  out.EndSection();
}

// The text style of every TEXT entity, defined so that readers need not
// drop or invent it: Roman simplex, upright, normal width, variable height
// (the texts' height h is the last one used).
void WriteStyleTable(DxfOut& out, double h) {
  out.BeginSection("TABLES");
  out.Close();
  out.Raw("TABLE");
  out.Group(2, "STYLE");
  out.Group(70, "1");
  out.Close();
  out.Raw("STYLE");
  out.Group(2, kTextStyle);
  out.Group(70, "0");
  out.Group(40, 0.0);
  out.Group(41, 1.0);
  out.Group(50, 0.0);
  out.Group(71, "0");
  out.Group(42, h);
  out.Group(3, "romans.shx");
  out.Group(4, "");
  out.Close();
  out.Raw("ENDTAB");
  out.EndSection();
}

double SizeUnit(const NetworkState& state) {
  const GroundWindow w = NetworkExtent(state);
  double extent = std::max(Sub(w.xMax, w.xMin), Sub(w.yMax, w.yMin));
  if (extent == 0.0) extent = 1.0;  // a single point: sized as a one-metre network
  return extent / kUnitsPerExtent;
}

}  // namespace

std::string DxfNumber(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, Checked(value));
  return std::string(buffer, result.ptr);
}

std::string DxfText(const NetworkState& state, const FigureSelection& selection) {
  DxfOut out;
  const double h = SizeUnit(state);
  out.Close();
  WriteHeader(out);
  WriteStyleTable(out, h);
  out.BeginSection("ENTITIES");
  out.Close();
  for (int k = 1; k <= PlottedPointCount(state); ++k)
    out.Text(Sub(state.Network.PointX(k), 5.0 * h), Sub(state.Network.PointY(k), 5.0 * h), h,
             "Estacion " + PointNumberText(state.Network.PointNumber(k)));
  for (const Segment& s : BuildNetworkShapes(state, h).segments) out.Line(s, kNetworkLayer, kWhite);
  if (selection.Any()) {
    const GroundWindow w = NetworkExtent(state);
    out.Text(Add(w.xMax, 3.0 * h), Add(w.yMax, 3.0 * h), h, "Fac Hom Elipses = 5000 ");
  }
  for (const PlacedEllipse& e : PlaceFigures(state, selection)) {
    const EllipseOutline o = OutlineEllipse(e.cx, e.cy, e.semiMajor, e.semiMinor, e.azimuth,
                                            kDxfFigureEnlargement, kDxfEllipseStep);
    out.Line(o.axis, kFigureLayer, FigureColour(e.kind));
    for (const GroundPoint& d : o.dots) out.Point(d, FigureColour(e.kind));
  }
  out.Raw("ENDSEC");
  out.Raw("  0");
  out.Raw("EOF");
  return out.Str();
}

bool WriteDxfFile(const std::string& path, const NetworkState& state,
                  const FigureSelection& selection, std::string* cause) {
  const auto failure = WriteOutputFile(path, DxfText(state, selection), false);
  if (failure && cause != nullptr) *cause = *failure;
  return !failure;
}

}  // namespace ombrel
