#include "model/project_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "model/input_file.h"
#include "model/project_lists.h"
#include "model/text_file.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;

std::string Fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

struct TestPoint {
  double x, y;
  bool fixed;
  int number;
};
struct TestObs {
  int number, back, station, fore;  // back = -99 for a distance
  double value, weight;
};

// Lines in the fixed-column layout the project editor writes.
std::vector<std::string> ProjectLines(const std::vector<TestPoint>& points,
                                      const std::vector<TestObs>& obs) {
  std::vector<std::string> lines = {" 0 ,Ptos ," + RightAlign(std::to_string(points.size()), 10) +
                                    " ,Ecuaciones ," + RightAlign(std::to_string(obs.size()), 10)};
  for (std::size_t k = 0; k < points.size(); ++k)
    lines.push_back(PointLine(ComboItem(static_cast<int>(k + 1)), Fixed(points[k].x, 3),
                              Fixed(points[k].y, 3), points[k].fixed, ComboItem(points[k].number)));
  for (const auto& o : obs) {
    const std::string value = Fixed(o.value, 4), weight = Fixed(o.weight, 2);
    lines.push_back(o.back == -99
                        ? DistanceLine(ComboItem(o.number), ComboItem(o.station), ComboItem(o.fore),
                                       value, weight)
                        : AngleLine(ComboItem(o.number), ComboItem(o.back), ComboItem(o.station),
                                    ComboItem(o.fore), value, weight));
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

// A random network of n points (the first two fixed) and m observations.
void RandomNetwork(int n, int m, unsigned seed, std::vector<TestPoint>& points,
                   std::vector<TestObs>& obs) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> coord(100.0, 9000.0);
  std::uniform_int_distribution<int> pick(0, n - 1);
  points.clear();
  obs.clear();
  for (int k = 0; k < n; ++k)
    points.push_back(
        {std::round(coord(gen) * 1000) / 1000, std::round(coord(gen) * 1000) / 1000, k < 2, k + 1});
  for (int i = 0; i < m; ++i) {
    const bool distance = i % 3 == 0;
    const int back = pick(gen) + 1, station = pick(gen) + 1, fore = pick(gen) + 1;
    obs.push_back({i + 1, distance ? -99 : back, station,
                   distance && fore == station ? fore % n + 1 : fore,
                   std::round(coord(gen) * 10) / 1e4, 1.0 + i % 5});
  }
}

void ExpectStateMatches(const NetworkState& s, const std::vector<TestPoint>& points,
                        const std::vector<TestObs>& obs) {
  ASSERT_EQ(s.Network.NumPoints, static_cast<int>(points.size()));
  ASSERT_EQ(s.Network.NumObs, static_cast<int>(obs.size()));
  int fixed = 0, variable = 0;
  for (int k = 1; k <= s.Network.NumPoints; ++k) {
    const auto& p = points[k - 1];
    EXPECT_EQ(s.Network.PointX(k), p.x);
    EXPECT_EQ(s.Network.PointY(k), p.y);
    EXPECT_EQ(s.Network.PointNumber(k), p.number);
    EXPECT_EQ(s.Network.VariableIndex(k), p.fixed ? 0 : ++variable);
    fixed += p.fixed;
  }
  EXPECT_EQ(s.Network.NumFixed, fixed);
  for (int i = 1; i <= s.Network.NumObs; ++i) {
    const auto& o = obs[i - 1];
    EXPECT_EQ(s.Network.ObsPoints(1, i), o.back);
    EXPECT_EQ(s.Network.ObsPoints(2, i), o.station);
    EXPECT_EQ(s.Network.ObsPoints(3, i), o.fore);
    EXPECT_EQ(s.Network.ObsValue(i), o.value);
    EXPECT_EQ(s.Network.ObsWeights(1, i), o.back == -99 ? 2.0 : 1.0);
    EXPECT_EQ(s.Network.ObsWeights(2, i), o.weight);
    EXPECT_EQ(s.Network.ObservationNumber(i), o.number);
  }
  for (int c = s.Network.NumObs + 1; c <= kObsWeightColumns; ++c) {
    EXPECT_EQ(s.Network.ObsWeights(1, c), 0.0);
    EXPECT_EQ(s.Network.ObsWeights(2, c), 1.0);
  }
}

TEST(ProjectFile, RecordsSplitOrJoinedReadTheSame) {
  std::vector<TestPoint> points;
  std::vector<TestObs> obs;
  RandomNetwork(6, 8, 42, points, obs);
  const auto lines = ProjectLines(points, obs);
  // Every field on its own line (a line end right after each comma) ...
  std::string split;
  for (const auto& l : lines) {
    for (char c : l) {
      split += c;
      if (c == ',') split += "\r\n";
    }
    split += "\r\n\r\n";  // and empty lines between records
  }
  // ... and all records on one line.
  std::string joined;
  for (const auto& l : lines) joined += l + " ,";
  joined += "\r\n";
  TempDir dir;
  for (const std::string& text : {split, joined}) {
    const Result<NetworkState> s = ReadProjectFile({}, dir.Write("p.txt", text));
    ASSERT_TRUE(s);
    ExpectStateMatches(*s, points, obs);
  }
}

TEST(ProjectFile, CapacityOf98PointsAnd99Observations) {
  TempDir dir;
  for (const auto& [n, m, ok] : {std::tuple{98, 99, true}, {99, 5, false}, {10, 100, false}}) {
    std::vector<TestPoint> points;
    std::vector<TestObs> obs;
    RandomNetwork(n, m, 7, points, obs);
    const auto s = ReadProjectFile({}, dir.Write("big.txt", Join(ProjectLines(points, obs))));
    ASSERT_EQ(s.ok(), ok) << n << " puntos, " << m << " observaciones";
    if (ok)
      ExpectStateMatches(*s, points, obs);
    else
      EXPECT_EQ(s.error(), Failure{kProjectReadError});
  }
}

// Every file that cannot be used is refused with the message that says why.
TEST(ProjectFile, FailedLoadSaysWhyAndLeavesThePreviousNetworkUntouched) {
  TempDir dir;
  std::vector<TestPoint> points;
  std::vector<TestObs> obs;
  RandomNetwork(5, 6, 3, points, obs);  // lines 2-6 points, 7-12 observations, 7 a distance
  const std::string good = dir.Write("bueno.txt", Join(ProjectLines(points, obs)));
  const auto lines = ProjectLines(points, obs);
  // The file with text written over line `line` from column `column` on.
  const auto edited = [&](std::size_t line, std::size_t column, const std::string& text) {
    auto copy = lines;
    copy[line - 1].replace(column - 1, text.size(), text);
    return Join(copy);
  };
  std::string overflow = Join(lines);
  overflow.replace(overflow.find("-99"), 3, "99999");
  const std::string heading =
      "¡ Se ha producido un error en la lectura de los elementos del fichero !\r\n\r\n";
  const std::string station = std::to_string(obs[0].station);
  const std::pair<std::string, std::string> texts[] = {
      {Join({lines.begin(), lines.end() - 1}), kProjectReadError},
      {edited(3, 13, "x"), kProjectReadError},  // a letter inside X
      {edited(8, 8, "a"), kProjectReadError},   // a letter inside a vertex number field
      {overflow, kProjectReadError},
      {"", kProjectReadError},
      {" 0 ,Ptos , 3", kProjectReadError},
      {edited(7, 47, "    0.5abc"), kProjectReadError},
      {edited(8, 47, "     1e999"), kProjectReadError},
      {edited(3, 11, "   1000,50"), "3|1000,50"},
      {edited(12, 47, "       0,5"), "12|0,5"},
      {edited(2, 35, "      FIJO"),
       heading + "Línea 2: el tipo de vértice 'FIJO' no es 'fijo' ni 'vble'."},
      {edited(4, 35, "       vbl"),
       heading + "Línea 4: el tipo de vértice 'vbl' no es 'fijo' ni 'vble'."},
      {edited(5, 47, "        2 "), heading + "Línea 5: el vértice 2 ya figura en la línea 3."},
      {edited(7, 23, lines[6].substr(10, 10)),
       heading + "Línea 7: la ecuación 1 es una distancia del vértice " + station + " a sí mismo."},
  };
  std::vector<std::pair<std::string, std::string>> cases;
  for (const auto& [text, message] : texts) {
    const std::string path = dir.Write("malo" + std::to_string(cases.size()) + ".txt", text);
    const auto bar = message.find('|');  // "line|field": a decimal comma
    cases.emplace_back(path, bar == std::string::npos
                                 ? message
                                 : "El formato de los elementos del fichero no es correcto:\r\n\r\n"
                                   "En la línea " +
                                       message.substr(0, bar) + " de " + path + ", el campo '" +
                                       message.substr(bar + 1) +
                                       "' tiene una ',' como separador decimal.");
  }
  const std::string missing = dir.File("no-existe.txt"), fifo = dir.File("tuberia");
  const std::string huge = dir.Write("enorme.txt", Join(lines));
  std::filesystem::resize_file(huge, kMaxTextInputBytes + 1);  // sparse: cheap to make
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  cases.insert(cases.end(),
               {{missing, "¡ El fichero " + missing + " no existe !"},
                {dir.Path().string(), "¡ " + dir.Path().string() + " no es un fichero !"},
                {fifo, "¡ " + fifo + " no es un fichero !"},
                {huge, "¡ El fichero " + huge + " es demasiado grande !"}});

  ExpectStateMatches(ReadProjectFile({}, good).value(), points, obs);
  for (const auto& [path, message] : cases) {
    const Result<NetworkState> read = ReadProjectFile({}, path);
    ASSERT_FALSE(read) << path;
    EXPECT_EQ(read.error(), (Failure{message, Icon::Information, false}));
  }
}

// Weights follow the number rule of the coordinates, exponents included.
TEST(ProjectFile, WeightsReadWithTheirExponent) {
  TempDir dir;
  const std::string head =
      " 0 ,Ptos ,2 ,Ecuaciones ,1\r\n00 ,1 ,0 ,0 ,fijo ,1\r\n00 ,2 ,0 ,10 ,vble ,2\r\n"
      "1 ,-99 ,1 ,2 ,10 ,";
  for (const auto& [text, weight] : {std::pair{"1.0E+04", 1.0e4},
                                     {"1e-4", 1e-4},
                                     {"1e300", 1e300},
                                     {" 2.5 ", 2.5},
                                     {"-3", -3.0}}) {
    const auto s = ReadProjectFile({}, dir.Write("p.txt", head + text + "\r\n"));
    ASSERT_TRUE(s) << text;
    EXPECT_EQ(s->Network.ObsWeights(2, 1), weight) << text;
  }
}

TEST(ProjectFile, IntegerFieldsRoundHalfToEven) {
  TempDir dir;
  const std::string text =
      " 0 ,Ptos ,3 ,Ecuaciones ,1\r\n"
      "00 ,1 ,0 ,0 ,fijo ,1\r\n00 ,2 ,10 ,0 ,vble ,2\r\n00 ,3 ,0 ,10 ,vble ,3\r\n"
      "1 ,2.5 ,1.5 ,3.4999 ,50 ,1\r\n";
  const NetworkState s = ReadProjectFile({}, dir.Write("r.txt", text)).value();
  EXPECT_EQ(s.Network.ObsPoints(1, 1), 2);
  EXPECT_EQ(s.Network.ObsPoints(2, 1), 2);
  EXPECT_EQ(s.Network.ObsPoints(3, 1), 3);
}

}  // namespace
}  // namespace ombrel
