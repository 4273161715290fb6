// The DXF file: its structure and number format, the entities of a known
// network with and without figures, the ellipse points, and a reading by
// an independent DXF reader when one is installed.
#include "plot/dxf_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "model/text_file.h"
#include "plot_network.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

struct Entity {
  std::string type;
  std::map<std::string, std::string> groups;  // code as written -> value
  double Num(const std::string& code) const { return std::stod(groups.at(code)); }
};

// Parses the ENTITIES section, the last one, checking its frame and the
// code alignment.
std::vector<Entity> Entities(const std::string& text) {
  const auto lines = SplitCrLf(text);
  const std::vector<std::string> head{"  0", "SECTION", "  2", "ENTITIES", "  0"};
  const std::vector<std::string> tail{"ENDSEC", "  0", "EOF"};
  const auto start = std::search(lines.begin(), lines.end(), head.begin(), head.end());
  EXPECT_GE(lines.end() - start, 8);
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), lines.end() - 3));
  std::vector<Entity> entities;
  for (std::size_t i = start - lines.begin() + 5; i + 3 < lines.size();) {
    Entity e{lines[i++], {}};
    for (; lines[i] != "  0"; i += 2) {
      EXPECT_EQ(lines[i].size(), 3u) << lines[i];
      EXPECT_NE(lines[i].back(), ' ');
      e.groups[lines[i]] = lines[i + 1];
    }
    ++i;  // the closing "  0"
    entities.push_back(e);
  }
  return entities;
}

std::map<std::string, int> Count(const std::vector<Entity>& entities, const std::string& layer) {
  std::map<std::string, int> count;
  for (const auto& e : entities)
    if (e.groups.at("  8") == layer) ++count[e.type + "/" + e.groups.at(" 62")];
  return count;
}

TEST(DxfNumber, ShortestTextWithPointAndNoLeadingBlank) {
  EXPECT_EQ(DxfNumber(1234.5), "1234.5");
  EXPECT_EQ(DxfNumber(-12.25), "-12.25");
  EXPECT_EQ(DxfNumber(7.0), "7");
  EXPECT_EQ(DxfNumber(0.1), "0.1");
  EXPECT_EQ(std::stod(DxfNumber(1.0 / 3.0)), 1.0 / 3.0);  // reads back exactly
}

TEST(DxfWriter, FiguresGoToLayerTwoWithTheirColoursAndPointsOnTheEllipse) {
  const NetworkState s = testing::PlotNetwork();
  FigureSelection sel;
  sel.absolute = true;
  sel.relative = {{3, 2}};
  const auto entities = Entities(DxfText(s, sel));
  // Ring of dots at 0, 0.05, ..., up to 2 pi: floor(2 pi / 0.05) + 1 = 126.
  const std::map<std::string, int> figures{
      {"LINE/7", 2}, {"POINT/7", 252}, {"LINE/3", 1}, {"POINT/3", 126}};
  EXPECT_EQ(Count(entities, "2"), figures);
  const std::map<std::string, int> network{{"TEXT/7", 4}, {"LINE/7", 12}};
  EXPECT_EQ(Count(entities, "1"), network);
  const double h = 112.25 / 43;
  EXPECT_EQ(entities[15].groups.at("  1"), "Fac Hom Elipses = 5000 ");
  EXPECT_EQ(entities[15].Num(" 10"), 1300 + 3 * h);
  // Every point of the relative ellipse (0.05, 0.02, 2 rad about the
  // midpoint of 2 and 3) lies on that ellipse enlarged 5000 times.
  int checked = 0;
  for (const auto& e : entities) {
    if (e.type != "POINT" || e.groups.at(" 62") != "3") continue;
    const double dx = e.Num(" 10") - 1275.0, dy = e.Num(" 20") - 70.0;
    const double along = dx * std::sin(2.0) + dy * std::cos(2.0);
    const double across = dx * std::cos(2.0) - dy * std::sin(2.0);
    EXPECT_NEAR(std::pow(along / 250.0, 2) + std::pow(across / 100.0, 2), 1.0, 1e-12);
    ++checked;
  }
  EXPECT_EQ(checked, 126);
}

// The whole file of the network without figures, as written to disk: its
// labels, point marks and observation lines on layer 1.
TEST(DxfWriter, NetworkWithoutFiguresMatchesTheGoldenFile) {
  testing::TempDir dir;
  const std::string path = dir.File("red.dxf");
  ASSERT_TRUE(WriteDxfFile(path, testing::PlotNetwork(), {}));
  EXPECT_EQ(testing::ReadBytes(path),
            testing::ReadBytes(testing::SourceDir() + "/tests/plot/golden/red.dxf"));
}

// A Python with ezdxf: Debian's package installs it for the system Python,
// which another python3 on PATH may hide. Empty when there is none.
std::string PythonWithEzdxf() {
  for (const std::string python : {"/usr/bin/python3", "python3"})
    if (std::system((python + " -c 'import ezdxf' >/dev/null 2>&1").c_str()) == 0) return python;
  return "";
}

TEST(DxfWriter, IndependentReaderOpensTheFile) {
  const std::string python = PythonWithEzdxf();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  testing::TempDir dir;
  const std::string path = dir.File("red.dxf");
  FigureSelection sel;
  sel.absolute = true;
  ASSERT_TRUE(WriteDxfFile(path, testing::PlotNetwork(), sel));
  // Read strictly (no recovery); the audit neither finds nor repairs
  // anything, such as a text style that no table defines.
  const std::string script = dir.Write("leer.py",
                                       "import sys, ezdxf\n"
                                       "doc = ezdxf.readfile(sys.argv[1])\n"
                                       "audit = doc.audit()\n"
                                       "msp = doc.modelspace()\n"
                                       "print(len(audit.errors), len(audit.fixes), doc.encoding,"
                                       " len(msp.query('TEXT[style==\"ROMANS\"]')),"
                                       " len(msp.query('LINE')), len(msp.query('POINT')))\n");
  const std::string out = dir.File("salida.txt");
  ASSERT_EQ(std::system((python + " " + script + " " + path + " >" + out + " 2>&1").c_str()), 0)
      << testing::ReadBytes(out);
  EXPECT_EQ(testing::ReadBytes(out), "0 0 cp1252 4 14 252\n");
}

}  // namespace
}  // namespace ombrel
