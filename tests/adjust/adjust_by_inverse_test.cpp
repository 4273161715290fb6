// The adjustment of a constrained network with the inverse of the normal
// matrix: its results against an independent Eigen solution and the
// published one-step solutions of the validation networks, its listing
// section in full and summary output, and its failures.
#include "adjust/adjust_by_inverse.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "adjust/inversion_check.h"
#include "listing/listing_writer.h"
#include "model/form_equations.h"
#include "model/project_file.h"
#include "support/adjusted_network.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;

const int kMethods[] = {kInversionGauss, kInversionLU, kInversionCholesky};

// ---------------------------------------------------------------------------
// Validation networks and their expected one-step results.

std::string NetworkDir(const std::string& name) {
  return testing::ValidationDir() + "/" + name;
}

std::string ProjectPath(const std::string& name) {
  return NetworkDir(name) + "/project.txt";
}

// The value of the first "key": number at or after position from.
double JsonNumber(const std::string& json, std::size_t from, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\":", from);
  EXPECT_NE(at, std::string::npos) << key;
  if (at == std::string::npos) return 0.0;
  return std::strtod(json.c_str() + at + key.size() + 3, nullptr);
}

struct Expected {
  std::string json;

  explicit Expected(const std::string& name)
      : json(ReadBytes(NetworkDir(name) + "/expected.json")) {}

  std::size_t OneStep() const { return json.find("\"one_step\""); }
  double Tolerance(const std::string& key) const {
    return JsonNumber(json, json.find("\"tolerances\""), key);
  }
  double Sigma0Sq() const { return JsonNumber(json, OneStep(), "sigma0_sq"); }
  double Dof() const { return JsonNumber(json, OneStep(), "dof"); }
  // Adjusted coordinate "X" or "Y" of the point with that vertex number.
  double Coordinate(int point, const std::string& axis) const {
    const std::size_t points = json.find("\"points\"", OneStep());
    const std::size_t entry = json.find("\"" + std::to_string(point) + "\": {", points);
    EXPECT_NE(entry, std::string::npos) << point;
    return JsonNumber(json, entry, axis);
  }
};

// The networks whose datum is given by fixed points.
std::vector<std::string> ConstrainedNetworks() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(testing::ValidationDir())) {
    if (!entry.is_directory()) continue;
    const std::string name = entry.path().filename().string();
    if (Expected(name).json.find("\"how_to_adjust\": \"constrained") != std::string::npos)
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Loads a project into an existing state, as opening another project does.
void LoadInto(NetworkState& s, const std::string& path, int scaleUnknown = 0) {
  ScriptedInteraction ui;
  ASSERT_TRUE(LoadProjectFile(s, ui, path)) << path;
  s.ScaleUnknown = scaleUnknown;
  s.NumCondEq = 0;
  DimensionProjectSystem(s);
  FormEquations(s, ui);
  ASSERT_FALSE(s.Abandon) << path;
}

// ---------------------------------------------------------------------------
// Running the adjustment into a listing of its own.

struct ListingRun {
  TempDir dir;
  ScriptedInteraction ui;
  std::string listing;
};

// Creates an empty listing, as the header would, and adjusts into it.
void Adjust(NetworkState& s, ListingRun& run) {
  s.ListingFileName = run.dir.File("salida.tmp");
  ListingWriter(s.ListingFileName, ListingWriter::Mode::Create).Close();
  AdjustByInverse(s, run.ui);
  run.listing = ReadBytes(s.ListingFileName);
}

std::vector<std::string> Lines(const std::string& listing) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = listing.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(listing.substr(start, end - start));
  return lines;
}

// Index of the line equal to text; -1 when absent.
int LineIndex(const std::vector<std::string>& lines, const std::string& text) {
  const auto it = std::find(lines.begin(), lines.end(), text);
  return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

bool Has(const std::string& listing, const std::string& text) {
  return listing.find(text) != std::string::npos;
}

bool AllDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// Blanks, an optional "-", at least one digit, ".", exactly `decimals` digits.
bool IsFixedPoint(const std::string& text, int decimals) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::size_t digits = text[first] == '-' ? first + 1 : first;
  const std::size_t point = text.find('.');
  return point != std::string::npos && point > digits &&
         AllDigits(text.substr(digits, point - digits)) &&
         text.size() - point - 1 == static_cast<std::size_t>(decimals) &&
         AllDigits(text.substr(point + 1));
}

// " d.dEdd" or "-d.dE-dd" (two or three exponent digits), then blanks.
bool IsScientificField(const std::string& field) {
  const std::string text = field.substr(0, field.find_last_not_of(' ') + 1);
  if (text.size() < 7 || (text[0] != ' ' && text[0] != '-')) return false;
  const std::size_t e = text.find('E');
  const std::size_t exponent = e + (e + 1 < text.size() && text[e + 1] == '-' ? 2 : 1);
  return e == 4 && std::isdigit(static_cast<unsigned char>(text[1])) && text[2] == '.' &&
         std::isdigit(static_cast<unsigned char>(text[3])) &&
         (text.size() - exponent == 2 || text.size() - exponent == 3) &&
         AllDigits(text.substr(exponent));
}

void ExpectNoNonFiniteText(const std::string& listing) {
  std::string lower = listing;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_FALSE(Has(lower, "nan"));
  EXPECT_FALSE(Has(lower, "inf"));
}

// ---------------------------------------------------------------------------
// Comparisons with the independent solution.

// |actual - expected| within tol times the largest magnitude of expected.
void ExpectMatrixNear(const Matrix& actual, const Matrix& expected, int rows, int cols, double tol,
                      const char* what) {
  ASSERT_GE(actual.Rows(), rows) << what;
  ASSERT_GE(actual.Cols(), cols) << what;
  double scale = 0.0;
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) scale = std::max(scale, std::abs(expected(i, j)));
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j)
      ASSERT_NEAR(actual(i, j), expected(i, j), tol * scale)
          << what << " (" << i << ", " << j << ")";
}

void ExpectVectorNear(const Vector& actual, const Vector& expected, int n, double tol,
                      const char* what) {
  ASSERT_GE(actual.Size(), n) << what;
  double scale = 0.0;
  for (int i = 1; i <= n; ++i) scale = std::max(scale, std::abs(expected(i)));
  for (int i = 1; i <= n; ++i)
    ASSERT_NEAR(actual(i), expected(i), tol * scale) << what << " (" << i << ")";
}

void ExpectMatchesEigen(const NetworkState& s) {
  NetworkState oracle = s;
  testing::SolveWithEigen(oracle);
  const int m = s.NumObs + s.NumCondEq;
  const int u = s.NumUnknowns;
  const double tol = 1e-9;
  ExpectMatrixNear(s.NormalMatrix, oracle.NormalMatrix, u, u, 1e-14, "N");
  ExpectMatrixNear(s.Qxx, oracle.Qxx, u, u, tol, "Qxx");
  ExpectVectorNear(s.Corrections, oracle.Corrections, u, tol, "x");
  ExpectVectorNear(s.Residuals, oracle.Residuals, m, tol, "v");
  EXPECT_NEAR(s.Sigma0Sq, oracle.Sigma0Sq, tol * oracle.Sigma0Sq);
  ExpectMatrixNear(s.Qvv, oracle.Qvv, m, m, tol, "Qvv");
  ExpectMatrixNear(s.QAdjusted, oracle.QAdjusted, m, m, tol, "QAdjusted");
}

// A network that adjusts cleanly, loaded into a state that has just failed:
// nothing the failure left behind may change the next adjustment.
void ExpectAdjustsAgain(NetworkState& s) {
  s.Abandon = false;  // the driver clears it after a failed step
  LoadInto(s, ProjectPath("syn_quad_2fix"));
  s.InversionMethod = kInversionGauss;
  ListingRun run;
  Adjust(s, run);
  EXPECT_FALSE(s.Abandon);
  EXPECT_TRUE(run.ui.Messages().empty());
  ExpectMatchesEigen(s);
}

// ---------------------------------------------------------------------------
// Results.

// The residuals of a least-squares solution are P-orthogonal to the columns
// of A: At P v = 0, up to rounding relative to the terms of each sum.
void ExpectNormalEquationsHold(const NetworkState& s) {
  for (int j = 1; j <= s.NumUnknowns; ++j) {
    double sum = 0.0, magnitude = 0.0;
    for (int i = 1; i <= s.NumObs; ++i) {
      const double term = s.A(i, j) * s.P(i, i) * s.Residuals(i);
      sum += term;
      magnitude += std::abs(term);
    }
    EXPECT_LE(std::abs(sum), 1e-9 * magnitude) << "column " << j;
  }
}

// Adjusted coordinates, variance of unit weight (in the state and as
// printed) and degrees of freedom as published.
void ExpectOneStepSolution(const NetworkState& s, const Expected& expected,
                           const std::string& listing) {
  const double tolerance = expected.Tolerance("coordinates_m");
  for (int p = 1; p <= s.NumPoints; ++p) {
    const int k = s.VariableIndex(p);
    if (k == 0) continue;
    EXPECT_NEAR(s.PointX(p) + s.Corrections(2 * k - 1), expected.Coordinate(s.PointNumber(p), "X"),
                tolerance);
    EXPECT_NEAR(s.PointY(p) + s.Corrections(2 * k), expected.Coordinate(s.PointNumber(p), "Y"),
                tolerance);
  }
  const double sigma0Sq = expected.Sigma0Sq();
  EXPECT_NEAR(s.Sigma0Sq, sigma0Sq, expected.Tolerance("sigma0_sq_relative") * sigma0Sq);
  const std::string label = "    Estimador varianza observable peso unidad =";
  const std::size_t at = listing.find(label);
  ASSERT_NE(at, std::string::npos);
  EXPECT_NEAR(std::strtod(listing.c_str() + at + label.size(), nullptr), sigma0Sq,
              0.5e-8 + expected.Tolerance("sigma0_sq_relative") * sigma0Sq);
  EXPECT_TRUE(Has(listing, "    Numero de grados de libertad   r =  " +
                               std::to_string(static_cast<int>(expected.Dof())) + "\r\n"));
}

TEST(AdjustByInverse, EachMethodAgreesWithEigenAndThePublishedSolution) {
  const std::vector<std::string> networks = ConstrainedNetworks();
  ASSERT_GE(networks.size(), 4u);
  for (const std::string& name : networks) {
    const Expected expected(name);
    for (const int method : kMethods) {
      SCOPED_TRACE(name + ", method " + std::to_string(method));
      NetworkState s = testing::LoadFormed(ProjectPath(name));
      s.InversionMethod = method;
      ListingRun run;
      Adjust(s, run);
      ASSERT_FALSE(s.Abandon);
      EXPECT_TRUE(run.ui.Messages().empty());
      EXPECT_EQ(s.NumConstraints, 0);
      ExpectMatchesEigen(s);
      ExpectNormalEquationsHold(s);
      ExpectOneStepSolution(s, expected, run.listing);
    }
  }
}

// ---------------------------------------------------------------------------
// The listing section.

const char* const kFullOnlyHeadings[] = {
    "    CORRECCIONES  --->  x = inv( At P A )  At P K ",
    "    MATRIZ ( At P A ) ",
    "    MATRIZ COFACTOR Qxx = inv( At P A )",
    "    MATRIZ VARIANZA-COVARIANZA A POSTERIORI DE LOS RESIDUOS ",
    "    MATRIZ VARIANZA-COVARIANZA A POSTERIORI DE LOS OBSERVABLES CORREGIDOS ",
    "    SESGO RESIDUAL ",
};
const char* const kAlwaysHeadings[] = {
    "    *************  RESOLUCION DE LA RED COMO RED LIGADA  *************",
    "    CORRECCIONES A LAS VARIABLES Y VARIABLES COMPENSADAS ",
    "    RESIDUOS PONDERADOS Y RESIDUOS SIN PONDERAR ",
    "    Numero de grados de libertad   r =  ",
    "    Estimador varianza observable peso unidad =",
    "    Estimador desviacion tipica",
    "    MATRIZ VARIANZA-COVARIANZA VARIABLES O PARAMETROS CORREGIDOS ",
};
const char* const kCheckHeading =
    "COMPROBACI\xD3N: MATRIZ ( At P A ).Qxx - I = 0 ";  // Windows-1252

TEST(AdjustByInverseListing, SummaryOutputWritesOnlyTheResults) {
  NetworkState s = testing::LoadFormed(ProjectPath("syn_quad_2fix"));
  s.FullOutput = false;
  s.CheckInversion = true;  // asked for, but only full output shows it
  ListingRun run;
  Adjust(s, run);
  ASSERT_FALSE(s.Abandon);
  for (const char* heading : kAlwaysHeadings) EXPECT_TRUE(Has(run.listing, heading)) << heading;
  for (const char* heading : kFullOnlyHeadings) EXPECT_FALSE(Has(run.listing, heading)) << heading;
  EXPECT_FALSE(Has(run.listing, kCheckHeading));
  // What is not written is still computed for the analyses that follow.
  ExpectMatchesEigen(s);
}

TEST(AdjustByInverseListing, FullOutputWritesEverySectionInOrder) {
  NetworkState s = testing::LoadFormed(ProjectPath("syn_quad_2fix"));
  s.FullOutput = true;
  ListingRun run;
  Adjust(s, run);
  ASSERT_FALSE(s.Abandon);
  std::size_t previous = 0;
  const char* const order[] = {
      kAlwaysHeadings[0],   kFullOnlyHeadings[0], kFullOnlyHeadings[1], kFullOnlyHeadings[2],
      kAlwaysHeadings[1],   kAlwaysHeadings[2],   kAlwaysHeadings[3],   kAlwaysHeadings[6],
      kFullOnlyHeadings[3], kFullOnlyHeadings[4], kFullOnlyHeadings[5],
  };
  for (const char* heading : order) {
    const std::size_t at = run.listing.find(heading);
    ASSERT_NE(at, std::string::npos) << heading;
    EXPECT_GT(at, previous) << heading;
    previous = at;
  }
  EXPECT_FALSE(Has(run.listing, kCheckHeading));  // not asked for
  ExpectNoNonFiniteText(run.listing);

  // The residual bias closes the section: one line per unknown, with 27
  // decimals, at rounding level.
  const std::vector<std::string> lines = Lines(run.listing);
  const int bias = LineIndex(lines, kFullOnlyHeadings[5]);
  ASSERT_GE(bias, 0);
  ASSERT_EQ(static_cast<int>(lines.size()), bias + 2 + s.NumUnknowns);
  for (int i = 1; i <= s.NumUnknowns; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(bias + 1 + i)];
    EXPECT_EQ(line.size() - line.find('.') - 1, 27u) << line;
    EXPECT_LT(std::abs(std::strtod(line.c_str(), nullptr)), 1e-8) << line;
  }
}

TEST(AdjustByInverseListing, CheckOfTheInversionPrintsRoundingLevelTerms) {
  NetworkState s = testing::LoadFormed(ProjectPath("syn_quad_2fix"));
  s.FullOutput = true;
  s.CheckInversion = true;
  ListingRun run;
  Adjust(s, run);
  ASSERT_FALSE(s.Abandon);
  const std::vector<std::string> lines = Lines(run.listing);
  const int heading = LineIndex(lines, std::string(14, ' ') + kCheckHeading);
  ASSERT_GE(heading, 0);
  const int u = s.NumUnknowns;
  for (int i = 1; i <= u; ++i) {
    const std::string& row = lines[static_cast<std::size_t>(heading + 1 + i)];
    SCOPED_TRACE(row);
    ASSERT_EQ(row.size(), static_cast<std::size_t>(14 * (u + 1)));
    EXPECT_EQ(row.substr(0, 14), std::string(14, ' '));
    for (int j = 1; j <= u; ++j) {
      const std::string text = row.substr(static_cast<std::size_t>(14 * j), 14);
      EXPECT_TRUE(IsScientificField(text)) << text;
      EXPECT_LT(std::abs(std::strtod(text.c_str(), nullptr)), 1e-9) << text;
    }
  }
  EXPECT_EQ(lines[static_cast<std::size_t>(heading + 2 + u)], "");
  EXPECT_EQ(lines[static_cast<std::size_t>(heading + 5 + u)], kAlwaysHeadings[1]);
}

TEST(ScientificText, FollowsThePatternOfOneDigitOneDecimalAndTwoExponentDigits) {
  EXPECT_EQ(ScientificText(0.0), "0.0E00");
  EXPECT_EQ(ScientificText(-0.0), "0.0E00");
  EXPECT_EQ(ScientificText(1.5e-17), "1.5E-17");
  EXPECT_EQ(ScientificText(-2.0e-16), "-2.0E-16");
  EXPECT_EQ(ScientificText(250000.0), "2.5E05");
  EXPECT_EQ(ScientificText(3.0), "3.0E00");
  EXPECT_EQ(ScientificText(9.96e-17), "1.0E-16");  // rounding carries into the exponent
  EXPECT_EQ(ScientificText(1e-100), "1.0E-100");
}

// ---------------------------------------------------------------------------
// The corrections table.

// The X and Y lines of the first variable point.
std::vector<std::string> CorrectionLines(const std::string& listing) {
  const std::vector<std::string> lines = Lines(listing);
  const int table = LineIndex(lines, "      ------------     --------------------- ");
  EXPECT_GE(table, 0);
  if (table < 0) return {};
  return {lines[static_cast<std::size_t>(table + 1)], lines[static_cast<std::size_t>(table + 2)]};
}

// Each line: a blank, the correction right-aligned in 9 + decimals
// characters, blanks up to six decimals' width, the label "X( 5  )" and the
// adjusted coordinate in 7 + decimals characters.
TEST(AdjustByInverseListing, CorrectionLinesAlignForAnyNumberOfDecimals) {
  const Expected expected("ghilani16_1");
  for (const int decimals : {3, 6, 8}) {
    SCOPED_TRACE(decimals);
    NetworkState s = testing::LoadFormed(ProjectPath("ghilani16_1"));
    s.OutputDecimals = decimals;
    ListingRun run;
    Adjust(s, run);
    const std::vector<std::string> lines = CorrectionLines(run.listing);
    ASSERT_EQ(lines.size(), 2u);
    const std::size_t correction = 9 + static_cast<std::size_t>(decimals);
    const std::size_t padding = static_cast<std::size_t>(std::max(0, 6 - decimals));
    const double half = 0.5 * std::pow(10.0, -decimals);
    for (int axis = 0; axis < 2; ++axis) {
      const std::string& line = lines[static_cast<std::size_t>(axis)];
      SCOPED_TRACE(line);
      const std::string label = axis == 0 ? "       X( 5  ) " : "       Y( 5  ) ";
      ASSERT_EQ(line.size(), 1 + correction + padding + label.size() + 7 + decimals);
      EXPECT_EQ(line[0], ' ');
      const std::string x = line.substr(1, correction);
      EXPECT_TRUE(IsFixedPoint(x, decimals)) << x;
      EXPECT_NEAR(std::strtod(x.c_str(), nullptr), s.Corrections(1 + axis), half);
      EXPECT_EQ(line.substr(1 + correction, padding + label.size()),
                std::string(padding, ' ') + label);
      const std::string coordinate = line.substr(1 + correction + padding + label.size());
      EXPECT_TRUE(IsFixedPoint(coordinate, decimals)) << coordinate;
      EXPECT_NEAR(std::strtod(coordinate.c_str(), nullptr),
                  expected.Coordinate(5, axis == 0 ? "X" : "Y"),
                  half + expected.Tolerance("coordinates_m"));
    }
  }
}

TEST(AdjustByInverseListing, TwoDigitPointNumbersFillTheLabel) {
  NetworkState s = testing::LoadFormed(ProjectPath("ghilani16_1"));
  s.PointNumber(5) = 12;
  ListingRun run;
  Adjust(s, run);
  const std::vector<std::string> lines = CorrectionLines(run.listing);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(16, 15), "       X( 12 ) ");
  EXPECT_EQ(lines[1].substr(16, 15), "       Y( 12 ) ");
}

TEST(AdjustByInverseListing, ImportedMatricesWithoutCoordinatesListCorrectionsOnly) {
  NetworkState s = testing::LoadFormed(ProjectPath("syn_quad_2fix"));
  s.MatrixInput = true;
  s.ApproxCoordsGiven = false;
  ListingRun run;
  Adjust(s, run);
  ASSERT_FALSE(s.Abandon);
  const std::vector<std::string> lines = Lines(run.listing);
  const int heading = LineIndex(lines, "    CORRECCIONES A LAS VARIABLES ");
  ASSERT_GE(heading, 0);
  EXPECT_EQ(lines[static_cast<std::size_t>(heading + 2)], "      Correcciones ");
  EXPECT_EQ(lines[static_cast<std::size_t>(heading + 3)], "      ------------ ");
  NetworkState oracle = s;
  testing::SolveWithEigen(oracle);
  for (int i = 1; i <= s.NumUnknowns; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(heading + 3 + i)];
    ASSERT_EQ(line.size(), 1u + 12u + 7u) << line;
    EXPECT_EQ(line.substr(13), std::string(7, ' '));
    EXPECT_NEAR(std::strtod(line.c_str(), nullptr), oracle.Corrections(i), 0.0005) << line;
  }
  EXPECT_FALSE(Has(run.listing, "VARIABLES COMPENSADAS"));

  s.ApproxCoordsGiven = true;  // coordinates known again: the full table
  ListingRun withCoordinates;
  Adjust(s, withCoordinates);
  EXPECT_TRUE(Has(withCoordinates.listing, kAlwaysHeadings[1]));
}

TEST(AdjustByInverseListing, ScaleFactorLineFollowsTheCorrections) {
  NetworkState s;
  LoadInto(s, ProjectPath("syn_quad_2fix"), 1);
  const int u = s.NumUnknowns;
  ASSERT_EQ(u, 2 * (s.NumPoints - s.NumFixed) + 1);
  ListingRun run;
  Adjust(s, run);
  ASSERT_FALSE(s.Abandon);
  ExpectMatchesEigen(s);
  const std::vector<std::string> lines = Lines(run.listing);
  const int table = LineIndex(lines, "      ------------     --------------------- ");
  ASSERT_GE(table, 0);
  const std::string& line = lines[static_cast<std::size_t>(table + u)];
  const std::string arrow = "  -->  factor =  ";
  const std::size_t at = line.find(arrow);
  ASSERT_EQ(at, 16u) << line;  // a blank and a 15-character value
  ASSERT_EQ(line.substr(line.size() - 4), " ppm") << line;
  const std::string scale = line.substr(1, 15);
  const std::string ppm = line.substr(at + arrow.size(), line.size() - 4 - at - arrow.size());
  EXPECT_TRUE(IsFixedPoint(scale, 6)) << scale;
  EXPECT_TRUE(IsFixedPoint(ppm, 2)) << ppm;
  EXPECT_NEAR(std::stod(scale), s.Corrections(u), 0.5e-6);
  EXPECT_NEAR(std::stod(ppm), s.Corrections(u) * 1e6, 0.005);
  EXPECT_EQ(lines[static_cast<std::size_t>(table + u + 3)], kAlwaysHeadings[2]);
}

// ---------------------------------------------------------------------------
// Failures.

const char* const kFailureMessage =
    "\xC2\xA1 Se ha producido un error en la inversi\xC3\xB3n de matrices !\r\n\r\n"
    "Quiz\xC3\xA1 se haya intentado resolver una red libre como red ligada\r\n"
    "o se haya introducido la inc\xC3\xB3gnita de escala en un proceso que no la admite.\r\n"
    "Tambi\xC3\xA9n es posible que la red que se ha intentado resolver tenga 0 redundancias.";

void ExpectFailureReported(const NetworkState& s, const ScriptedInteraction& ui) {
  EXPECT_TRUE(s.Abandon);
  EXPECT_EQ(s.MessageText, kFailureMessage);
  ASSERT_EQ(ui.Calls().size(), 1u);
  const RecordedCall& call = ui.Calls()[0];
  EXPECT_EQ(call.kind, "MessageBox");
  EXPECT_EQ(call.text, kFailureMessage);
  EXPECT_EQ(call.buttons, Buttons::Ok);
  EXPECT_EQ(call.icon, Icon::Exclamation);
  EXPECT_EQ(call.title, "Ombrel");
}

// Two fixed points and one variable point fixed by two distances: as many
// equations as unknowns.
std::string NoRedundancyProject() {
  return " 0 ,Ptos ,         3 ,Ecuaciones ,         2\r\n"
         "00 ,  1  ,   1000.00 ,   1000.00 ,      fijo ,        1 \r\n"
         "00 ,  2  ,   1500.25 ,   1020.10 ,      fijo ,        2 \r\n"
         "00 ,  3  ,   1210.40 ,   1480.75 ,      vble ,        3 \r\n"
         "1  , -99 ,        1  ,        3  ,   522.131 ,         1\r\n"
         "2  , -99 ,        2  ,        3  ,   545.310 ,         1\r\n";
}

TEST(AdjustByInverseFailure, NoDegreesOfFreedomStopsBeforeTheVariance) {
  NetworkState s = testing::LoadFormedText(NoRedundancyProject());
  ASSERT_EQ(s.NumObs, s.NumUnknowns);
  ListingRun run;
  Adjust(s, run);
  ExpectFailureReported(s, run.ui);
  EXPECT_TRUE(Has(run.listing, kAlwaysHeadings[2]));  // the residuals are written
  EXPECT_FALSE(Has(run.listing, "grados de libertad"));
  EXPECT_FALSE(Has(run.listing, "Estimador"));
  ExpectNoNonFiniteText(run.listing);
  ExpectAdjustsAgain(s);
}

// Point 4 is variable but no observation reaches it: its columns of A are
// zero, so N is exactly singular.
std::string UnobservedPointProject() {
  return " 0 ,Ptos ,         4 ,Ecuaciones ,         4\r\n"
         "00 ,  1  ,   1000.00 ,   1000.00 ,      fijo ,        1 \r\n"
         "00 ,  2  ,   1500.25 ,   1020.10 ,      fijo ,        2 \r\n"
         "00 ,  3  ,   1210.40 ,   1480.75 ,      vble ,        3 \r\n"
         "00 ,  4  ,   1800.00 ,   1600.00 ,      vble ,        4 \r\n"
         "1  , -99 ,        1  ,        3  ,   522.131 ,         1\r\n"
         "2  , -99 ,        2  ,        3  ,   545.310 ,         1\r\n"
         "3  ,  2  ,        1  ,        3  ,   64.2311 ,         1\r\n"
         "4  ,  3  ,        2  ,        1  ,   67.1140 ,         1\r\n";
}

TEST(AdjustByInverseFailure, SingularNormalMatrixUnderGaussPassesToTheCaller) {
  NetworkState s = testing::LoadFormedText(UnobservedPointProject());
  s.InversionMethod = kInversionGauss;
  ListingRun run;
  s.ListingFileName = run.dir.File("salida.tmp");
  ListingWriter(s.ListingFileName, ListingWriter::Mode::Create).Close();
  EXPECT_THROW(AdjustByInverse(s, run.ui), SingularMatrix);
  EXPECT_TRUE(run.ui.Calls().empty());
  EXPECT_FALSE(s.Abandon);
  const std::string listing = ReadBytes(s.ListingFileName);
  EXPECT_TRUE(Has(listing, kAlwaysHeadings[0]));  // what came before the inversion stays
  EXPECT_FALSE(Has(listing, kAlwaysHeadings[1]));
  ExpectAdjustsAgain(s);
}

TEST(AdjustByInverseFailure, SingularNormalMatrixUnderTriangularMethodsIsReported) {
  for (const int method : {kInversionLU, kInversionCholesky}) {
    SCOPED_TRACE(method);
    NetworkState s = testing::LoadFormedText(UnobservedPointProject());
    s.InversionMethod = method;
    s.FullOutput = true;
    ListingRun run;
    Adjust(s, run);
    ExpectFailureReported(s, run.ui);
    EXPECT_TRUE(Has(run.listing, "    MATRIZ ( At P A ) "));  // written before the inversion
    EXPECT_FALSE(Has(run.listing, kAlwaysHeadings[1]));
    ExpectNoNonFiniteText(run.listing);
    ExpectAdjustsAgain(s);
  }
}

// With fewer equations than unknowns N is singular only in exact arithmetic:
// an inversion may still return, but the variance of unit weight then comes
// out negative and its square root fails before any standard deviation is
// written.
TEST(AdjustByInverseFailure, MoreUnknownsThanEquationsIsReported) {
  for (const int method : kMethods) {
    SCOPED_TRACE(method);
    NetworkState s = testing::LoadFormedText(testing::ThreePointProject());
    ASSERT_LT(s.NumObs, s.NumUnknowns);
    s.InversionMethod = method;
    ListingRun run;
    Adjust(s, run);
    ExpectFailureReported(s, run.ui);
    EXPECT_FALSE(Has(run.listing, "Estimador desviacion tipica"));
    ExpectNoNonFiniteText(run.listing);
    ExpectAdjustsAgain(s);
  }
}

TEST(AdjustByInverseFailure, UnwritableListingIsReported) {
  NetworkState s = testing::LoadFormed(ProjectPath("ghilani16_1"));
  TempDir dir;
  s.ListingFileName = dir.File("no-existe/salida.tmp");
  ScriptedInteraction ui;
  AdjustByInverse(s, ui);
  ExpectFailureReported(s, ui);
  EXPECT_FALSE(std::filesystem::exists(s.ListingFileName));
  ExpectAdjustsAgain(s);
}

}  // namespace
}  // namespace ombrel
