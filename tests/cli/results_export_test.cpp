// "compensar … --resultados": every value of the CSV file agrees with the
// listing of the same run at the listing's printed precision, and the
// GeoJSON file parses, with closed ellipse rings of the asked size.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/cli_run.h"
#include "support/listing_reader.h"
#include "support/temp_dir.h"
#include "support/validation_list.h"

namespace ombrel {
namespace {

using testing::Numbers;
using Table = std::vector<std::vector<std::string>>;

// The CSV's tables, split at the empty lines, without their header rows.
std::vector<Table> Tables(const std::string& csv) {
  std::vector<Table> tables(1);
  std::istringstream in(csv);
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
      tables.emplace_back();
      header = true;
      continue;
    }
    std::vector<std::string> fields(1);
    for (const char c : line) {
      if (c == ',')
        fields.emplace_back();
      else
        fields.back().push_back(c);
    }
    if (!header) tables.back().push_back(fields);
    header = false;
  }
  return tables;
}

// The numbers of the lines after the heading that contains `heading`, up to
// the first empty line after at least one row, keyed by their first number.
std::map<int, std::vector<double>> Rows(const std::vector<std::string>& lines,
                                        const std::string& heading, int skip = 0) {
  std::map<int, std::vector<double>> rows;
  bool in = false;
  for (const std::string& raw : lines) {
    if (raw.find(heading) != std::string::npos) in = true;
    if (!in) continue;
    std::string line = raw;
    for (const std::string unit : {"mts", "gra", "X(", "Y(", ")"})
      for (auto at = line.find(unit); at != std::string::npos; at = line.find(unit))
        line.replace(at, unit.size(), std::string(unit.size(), ' '));
    const std::vector<double> numbers = Numbers(line);
    if (numbers.size() > 2 && skip-- <= 0) rows[static_cast<int>(numbers[0])] = numbers;
    if (raw.empty() && !rows.empty()) break;
  }
  return rows;
}

double After(const std::vector<std::string>& lines, const std::string& key) {
  for (const std::string& line : lines)
    if (const auto at = line.find(key); at != std::string::npos)
      return std::stod(line.substr(at + key.size()));
  ADD_FAILURE() << key;
  return NAN;
}

void ExpectPrinted(const std::string& field, double printed, int decimals,
                   const std::string& what) {
  EXPECT_NEAR(std::stod(field), printed, 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9))
      << what << " " << field;
}

std::string Answers(bool free, const std::string& listing) {
  const std::string common = "=\nNo\n" + listing + "\ncompleta\nNo\n";
  return free ? "2\nNo\n" + common : "No\nNo\n" + common;
}

TEST(ResultsExport, CsvAgreesWithTheListingAndGeoJsonParses) {
  for (const auto& network : testing::ValidationNetworks()) {
    SCOPED_TRACE(network.name);
    testing::TempDir dir;
    const std::string listing = dir.File("salida.tmp"), csv = dir.File("r.csv");
    const std::vector<std::string> run = {"compensar",
                                          "--proyecto",
                                          network.project,
                                          "--metodo",
                                          network.free ? "e" : "inversa",
                                          "--decimales",
                                          "6",
                                          "--respuestas",
                                          dir.Write("a.txt", Answers(network.free, listing))};
    std::vector<std::string> args = run;
    args.insert(args.end(), {"--resultados", csv});
    const testing::CliRun csvRun = testing::RunCliInProcess(args);
    ASSERT_EQ(csvRun.status, 0) << csvRun.err;
    const auto lines = testing::ListingLines(listing);
    const std::vector<Table> tables = Tables(testing::ReadBytes(csv));
    ASSERT_EQ(tables.size(), 3u);

    // Points: the summary's coordinates and deviations, the vertex ellipses.
    const auto ellipses = Rows(lines, "ELIPSES DE VERTICE");
    int variable = 0;
    for (const auto& p : tables[0]) {
      if (p[1] == "fijo") continue;
      ++variable;
      const int number = std::stoi(p[0]);
      const auto& e = ellipses.at(number);
      for (const auto& [column, printed, decimals] :
           {std::tuple{6, e[1], 4}, {7, e[3], 4}, {8, e[2], 4}})
        ExpectPrinted(p[static_cast<std::size_t>(column)], printed, decimals, "ellipse");
      // " corr  X( 3 ) value  deviation": the X and Y lines of the point.
      int axis = 0;
      for (const std::string& line : lines) {
        const auto open = line.find("X(") != std::string::npos ? line.find("X(") : line.find("Y(");
        if (open == std::string::npos) continue;
        const auto label = Numbers(line.substr(open + 2));
        if (label.empty() || label[0] != number) continue;
        const auto n = Numbers(line.substr(line.find(')') + 1));
        if (n.size() != 2) continue;
        ExpectPrinted(p[2 + static_cast<std::size_t>(axis)], n[0], 6, "coordinate");
        ExpectPrinted(p[4 + static_cast<std::size_t>(axis)], n[1], 6, "deviation");
        if (++axis == 2) break;
      }
      EXPECT_EQ(axis, 2) << number;
    }
    EXPECT_EQ(variable, static_cast<int>(ellipses.size()));

    // Observations: the internal and external reliability tables.
    const auto internal = Rows(lines, "FIABILIDAD INTERNA");
    const auto external = Rows(lines, "FIABILIDAD EXTERNA");
    ASSERT_EQ(tables[1].size(), internal.size());
    for (const auto& o : tables[1]) {
      const int number = std::stoi(o[0]);
      const auto& i = internal.at(number);
      ExpectPrinted(o[7], i[1], 5, "residual");
      ExpectPrinted(o[8], i[3], 8, "redundancy");
      ExpectPrinted(o[9], i[2], 6, "w");
      ExpectPrinted(o[10], i[4], 7, "minimal error");
      ExpectPrinted(o[11], external.at(number)[2], 8, "external");
    }
    ExpectPrinted(tables[2].at(1).at(1), After(lines, "observable peso unidad ="), 8, "sigma0²");
    EXPECT_EQ(std::stod(tables[2].at(2).at(1)), After(lines, "grados de libertad   r ="));
    EXPECT_EQ(tables[2].at(0).at(1), network.free ? "matriz E" : "inversa");

    // GeoJSON with the ellipses magnified 50 times (the same answers: no
    // listing to overwrite).
    std::filesystem::remove(listing);
    args = run;
    args.insert(args.end(), {"--resultados", dir.File("r.geojson"), "--ampliacion", "50"});
    ASSERT_EQ(testing::RunCliInProcess(args).status, 0);
    const auto json = nlohmann::json::parse(testing::ReadBytes(dir.File("r.geojson")));
    ASSERT_EQ(json.at("type"), "FeatureCollection");
    std::map<std::string, int> kinds;
    for (const auto& f : json.at("features")) {
      const auto& geometry = f.at("geometry");
      ++kinds[geometry.at("type")];
      if (geometry.at("type") != "Polygon") continue;
      const auto& ring = geometry.at("coordinates").at(0);
      EXPECT_EQ(ring.front(), ring.back());
      const auto& props = f.at("properties");
      EXPECT_EQ(props.at("ampliacion"), 50.0);
      // The farthest vertex is the end of the major axis, a x 50 from the point.
      const auto& point = tables[0];
      double cx = 0, cy = 0, farthest = 0;
      for (const auto& p : point)
        if (std::stoi(p[0]) == props.at("numero")) cx = std::stod(p[2]), cy = std::stod(p[3]);
      for (const auto& v : ring)
        farthest = std::max(farthest, std::hypot(v[0].get<double>() - cx, v[1].get<double>() - cy));
      EXPECT_NEAR(farthest, 50.0 * props.at("a").get<double>(), 1e-9 * farthest);
    }
    EXPECT_EQ(kinds["Point"], static_cast<int>(tables[0].size()));
    EXPECT_EQ(kinds["LineString"], static_cast<int>(tables[1].size()));
    EXPECT_EQ(kinds["Polygon"], variable);
  }
}

}  // namespace
}  // namespace ombrel
