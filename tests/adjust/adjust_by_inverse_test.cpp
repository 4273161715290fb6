// The adjustment of a constrained network with the inverse of the normal
// matrix: its results against an independent Eigen solution, its listing
// section and its failures; and the failure of every section that cannot
// write its listing.
#include "adjust/adjust_by_inverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "adjust/adjustment_driver.h"
#include "adjust/approximate_numbers_study.h"
#include "adjust/command_steps.h"
#include "adjust/inversion_check.h"
#include "adjust/open_project_command.h"
#include "adjust/results_summary.h"
#include "adjust/statistical_analysis.h"
#include "model/text_file.h"
#include "numeric/inversion.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::Contains;
using testing::ExpectNoNonFiniteText;
using testing::LineIndex;
using testing::ListingLines;
using testing::TempDir;
using testing::ToEigen;
using testing::ValidationProject;

const InversionMethod kMethods[] = {InversionMethod::GaussJordan, InversionMethod::LU,
                                    InversionMethod::Cholesky};

// Loads a project into an existing state, as opening another project does.
void LoadInto(NetworkState& s, const std::string& path, int scaleUnknown = 0) {
  ScriptedInteraction ui;
  ASSERT_TRUE(LoadProjectFile(s, ui, path)) << path;
  s.Equations.ScaleUnknown = scaleUnknown;
  s.Equations.NumCondEq = 0;
  testing::FormAnew(s);
}

// Running the adjustment into a listing of its own, read back in UTF-8.
struct ListingRun {
  TempDir dir;
  ScriptedInteraction ui;
  std::string listing;
  std::vector<std::string> lines;
};

// Creates an empty listing, as the header would, and adjusts into it.
void Adjust(NetworkState& s, ListingRun& run) {
  s.ListingFileName = testing::CreateEmptyListing(run.dir);
  AdjustAndKeep(s, run.ui, AdjustmentMethod::Inverse);
  run.listing = Cp1252ToUtf8(testing::ReadBytes(s.ListingFileName));
  run.lines = ListingLines(s.ListingFileName);
}

// ---------------------------------------------------------------------------
// Comparisons with the independent solution.

// Every element within tol times the largest magnitude of the oracle's.
void ExpectNear(const Eigen::MatrixXd& actual, const Eigen::MatrixXd& oracle, double tol,
                const char* what) {
  EXPECT_LE((actual - oracle).cwiseAbs().maxCoeff(), tol * oracle.cwiseAbs().maxCoeff()) << what;
}

void ExpectMatchesEigen(const NetworkState& s) {
  NetworkState o = s;
  testing::SolveWithEigen(o);
  const int m = s.Network.NumObs + s.Equations.NumCondEq;
  const int u = s.Equations.NumUnknowns;
  const double tol = 1e-9;
  ExpectNear(ToEigen(s.Solution.NormalMatrix, u, u), ToEigen(o.Solution.NormalMatrix, u, u), 1e-14,
             "N");
  ExpectNear(ToEigen(s.Solution.Qxx, u, u), ToEigen(o.Solution.Qxx, u, u), tol, "Qxx");
  ExpectNear(ToEigen(s.Solution.Corrections, u), ToEigen(o.Solution.Corrections, u), tol, "x");
  ExpectNear(ToEigen(s.Solution.Residuals, m), ToEigen(o.Solution.Residuals, m), tol, "v");
  EXPECT_NEAR(s.Solution.Sigma0Sq, o.Solution.Sigma0Sq, tol * o.Solution.Sigma0Sq);
  ExpectNear(ToEigen(s.Solution.Qvv, m, m), ToEigen(o.Solution.Qvv, m, m), tol, "Qvv");
  ExpectNear(ToEigen(s.Solution.QAdjusted, m, m), ToEigen(o.Solution.QAdjusted, m, m), tol,
             "QAdjusted");
}

// A network that adjusts cleanly, loaded into a state that has just failed:
// nothing the failure left behind may change the next adjustment.
void ExpectAdjustsAgain(NetworkState& s) {
  s.Abandon = false;  // the driver clears it after a failed step
  LoadInto(s, ValidationProject("syn_quad_2fix"));
  s.Options.Inversion = InversionMethod::GaussJordan;
  ListingRun run;
  Adjust(s, run);
  EXPECT_FALSE(s.Abandon);
  EXPECT_TRUE(run.ui.Messages().empty());
  ExpectMatchesEigen(s);
}

// The published one-step solutions are met by the whole run of each
// network through the command line; here every method meets Eigen's.
TEST(AdjustByInverse, EachMethodAgreesWithEigen) {
  const std::vector<std::string> networks = testing::ConstrainedNetworks();
  ASSERT_GE(networks.size(), 4u);
  for (const std::string& name : networks) {
    for (const InversionMethod method : kMethods) {
      SCOPED_TRACE(name + ", method " + std::to_string(int(method)));
      NetworkState s = testing::LoadFormed(ValidationProject(name));
      s.Options.Inversion = method;
      ListingRun run;
      Adjust(s, run);
      ASSERT_FALSE(s.Abandon);
      EXPECT_TRUE(run.ui.Messages().empty());
      EXPECT_EQ(s.Equations.NumConstraints, 0);
      ExpectMatchesEigen(s);
    }
  }
}

// ---------------------------------------------------------------------------
// The listing section.

const char* const kSolutionBanner =
    "    *************  RESOLUCION DE LA RED COMO RED LIGADA  *************";
const char* const kCorrectionsHeading = "    CORRECCIONES A LAS VARIABLES Y VARIABLES COMPENSADAS ";
const char* const kResidualsHeading = "    RESIDUOS PONDERADOS Y RESIDUOS SIN PONDERAR ";
const char* const kCheckHeading = "COMPROBACIÓN: MATRIZ ( At P A ).Qxx - I = 0 ";

// Which sections each output type writes is fixed by the whole-listing
// files; the check of the inversion, when asked for, is written in full
// output only (summary output still computes what it does not write).
TEST(AdjustByInverseListing, CheckOfTheInversionPrintsRoundingLevelTermsInFullOutputOnly) {
  NetworkState s = testing::LoadFormed(ValidationProject("syn_quad_2fix"));
  s.Options.CheckInversion = true;
  s.Options.FullOutput = false;
  ListingRun summary;
  Adjust(s, summary);
  ASSERT_FALSE(s.Abandon);
  EXPECT_FALSE(Contains(summary.listing, kCheckHeading));
  ExpectMatchesEigen(s);
  s.Options.FullOutput = true;
  ListingRun run;
  Adjust(s, run);
  ASSERT_FALSE(s.Abandon);
  const std::size_t heading = LineIndex(run.lines, std::string(14, ' ') + kCheckHeading);
  const std::size_t u = static_cast<std::size_t>(s.Equations.NumUnknowns);
  ASSERT_LT(heading + 5 + u, run.lines.size());
  for (std::size_t i = 1; i <= u; ++i) {
    const std::vector<double> terms = testing::Numbers(run.lines[heading + 1 + i]);
    ASSERT_EQ(terms.size(), u) << run.lines[heading + 1 + i];
    for (double term : terms) EXPECT_LT(std::abs(term), 1e-9);
  }
  EXPECT_EQ(run.lines[heading + 2 + u], "");
  EXPECT_EQ(run.lines[heading + 5 + u], kCorrectionsHeading);
}

// The check fails, after writing its rows, when N Qxx - I is more than
// rounding: with N(2, 2) = 1.9^2 / 2.1 + 2e-13, N passes the pivot test but
// its inverse keeps three digits only.
TEST(AdjustByInverseListing, CheckOfTheInversionFailsBeyondRounding) {
  for (const double n22 : {3.0, 1.9 * 1.9 / 2.1 + 2e-13}) {
    SCOPED_TRACE(n22);
    Matrix normal(2, 2);
    normal(1, 1) = 2.1;
    normal(1, 2) = normal(2, 1) = 1.9;
    normal(2, 2) = n22;
    const Matrix inverse = Invert(normal, 2, InversionMethod::GaussJordan);
    TempDir dir;
    ListingWriter out(dir.File("check.tmp"), ListingWriter::Mode::Create);
    if (n22 == 3.0)
      EXPECT_NO_THROW(WriteInversionCheck(out, normal, inverse, 2));
    else
      EXPECT_THROW(WriteInversionCheck(out, normal, inverse, 2), RunTimeError);
    out.Close();
    EXPECT_EQ(ListingLines(dir.File("check.tmp")).size(), 7u);  // the rows are written
  }
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

const char* const kCorrectionsRule = "      ------------     --------------------- ";

TEST(AdjustByInverseListing, ImportedMatricesWithoutCoordinatesListCorrectionsOnly) {
  NetworkState s = testing::LoadFormed(ValidationProject("syn_quad_2fix"));
  s.Import.MatrixInput = true;
  s.Import.ApproxCoordsGiven = false;
  ListingRun run;
  Adjust(s, run);
  ASSERT_FALSE(s.Abandon);
  const std::size_t heading = LineIndex(run.lines, "    CORRECCIONES A LAS VARIABLES ");
  ASSERT_LT(heading + 3 + s.Equations.NumUnknowns, run.lines.size());
  EXPECT_EQ(run.lines[heading + 2], "      Correcciones ");
  EXPECT_EQ(run.lines[heading + 3], "      ------------ ");
  NetworkState oracle = s;
  testing::SolveWithEigen(oracle);
  for (int i = 1; i <= s.Equations.NumUnknowns; ++i) {
    const std::string& line = run.lines[heading + 3 + i];
    ASSERT_EQ(line.size(), 1u + 12u + 7u) << line;
    EXPECT_EQ(line.substr(13), std::string(7, ' '));
    EXPECT_NEAR(std::strtod(line.c_str(), nullptr), oracle.Solution.Corrections(i), 0.0005) << line;
  }
  EXPECT_FALSE(Contains(run.listing, "VARIABLES COMPENSADAS"));

  s.Import.ApproxCoordsGiven = true;  // coordinates known again: the full table
  ListingRun withCoordinates;
  Adjust(s, withCoordinates);
  EXPECT_TRUE(Contains(withCoordinates.listing, kCorrectionsHeading));
}

TEST(AdjustByInverseListing, ScaleFactorLineFollowsTheCorrections) {
  NetworkState s;
  LoadInto(s, ValidationProject("syn_quad_2fix"), 1);
  const int u = s.Equations.NumUnknowns;
  ASSERT_EQ(u, 2 * (s.Network.NumPoints - s.Network.NumFixed) + 1);
  ListingRun run;
  Adjust(s, run);
  ASSERT_FALSE(s.Abandon);
  ExpectMatchesEigen(s);
  const std::size_t table = LineIndex(run.lines, kCorrectionsRule);
  ASSERT_LT(table + u + 3, run.lines.size());
  // " 0.000012  -->  factor =    12.30 ppm": the scale and its ppm.
  const std::vector<double> printed = testing::Numbers(run.lines[table + u]);
  ASSERT_FALSE(printed.empty()) << run.lines[table + u];
  EXPECT_NEAR(printed[0], s.Solution.Corrections(u), 0.5e-6);
  const std::size_t factor = run.lines[table + u].find("factor =");
  ASSERT_NE(factor, std::string::npos);
  EXPECT_NEAR(std::stod(run.lines[table + u].substr(factor + 8)), s.Solution.Corrections(u) * 1e6,
              0.005);
}

// ---------------------------------------------------------------------------
// Failures.

const char* const kInversionFailure =
    "¡ Se ha producido un error en la inversión de matrices !\r\n\r\n"
    "Quizá se haya intentado resolver una red libre como red ligada\r\n"
    "o se haya introducido la incógnita de escala en un proceso que no la admite.\r\n"
    "También es posible que la red que se ha intentado resolver tenga 0 redundancias.";

void ExpectFailureReported(const NetworkState& s, const ScriptedInteraction& ui) {
  testing::ExpectStepFailed(s, ui, kInversionFailure);
  EXPECT_EQ(ui.Calls().size(), 1u);  // no busy pointer or beep besides the box
}

TEST(AdjustByInverseFailure, NoDegreesOfFreedomStopsBeforeTheVariance) {
  // Two fixed points and one variable point fixed by two distances: as many
  // equations as unknowns.
  NetworkState s = testing::LoadFormedText(
      " 0 ,Ptos ,         3 ,Ecuaciones ,         2\r\n"
      "00 ,  1  ,   1000.00 ,   1000.00 ,      fijo ,        1 \r\n"
      "00 ,  2  ,   1500.25 ,   1020.10 ,      fijo ,        2 \r\n"
      "00 ,  3  ,   1210.40 ,   1480.75 ,      vble ,        3 \r\n"
      "1  , -99 ,        1  ,        3  ,   522.131 ,         1\r\n"
      "2  , -99 ,        2  ,        3  ,   545.310 ,         1\r\n");
  ASSERT_EQ(s.Network.NumObs, s.Equations.NumUnknowns);
  ListingRun run;
  Adjust(s, run);
  ExpectFailureReported(s, run.ui);
  EXPECT_TRUE(Contains(run.listing, kResidualsHeading));  // the residuals are written
  EXPECT_FALSE(Contains(run.listing, "grados de libertad"));
  EXPECT_FALSE(Contains(run.listing, "Estimador"));
  ExpectNoNonFiniteText(run.listing);
  ExpectAdjustsAgain(s);
}

// Points 5 and 6 hang on the rest by the distance 4-5 alone (and 5-6): N is
// singular, but rounding leaves every pivot slightly off zero.
std::string LooselyJoinedPoints() {
  std::string text = Cp1252ToUtf8(testing::ReadBytes(ValidationProject("syn_quad_2fix")));
  text.replace(0, text.find("\r\n"), " 0 ,Ptos ,6 ,Ecuaciones ,15");
  const std::size_t observations = text.find("\r\n1  , -99") + 2;
  text.insert(observations,
              "00 ,5 ,1200.123 ,1700.456 ,vble ,5\r\n00 ,6 ,1300.789 ,1900.321 ,vble ,6\r\n");
  return text + "14 ,-99 ,4 ,5 ,365.3311 ,10000\r\n15 ,-99 ,5 ,6 ,223.5512 ,10000\r\n";
}

// A normal matrix singular only up to rounding (fewer equations than
// unknowns; points held by too few observations) is refused by every method
// before its inverse is used: the inversion message, and no corrections.
// Exactly singular ones are reported through the driver's tests.
TEST(AdjustByInverseFailure, SingularNormalMatricesAreRefusedByEveryMethod) {
  const std::pair<const char*, std::string> projects[] = {
      {"three points", testing::ThreePointProject()},
      {"loosely joined points", LooselyJoinedPoints()}};
  for (const auto& [name, project] : projects)
    for (const InversionMethod method : kMethods) {
      SCOPED_TRACE(std::string(name) + ", method " + std::to_string(int(method)));
      NetworkState s = testing::LoadFormedText(project);
      s.Options.Inversion = method;
      s.Options.FullOutput = true;
      ListingRun run;
      Adjust(s, run);
      ExpectFailureReported(s, run.ui);
      EXPECT_TRUE(Contains(run.listing, "    MATRIZ ( At P A ) "));  // written before inverting
      EXPECT_FALSE(Contains(run.listing, kCorrectionsHeading));
      ExpectNoNonFiniteText(run.listing);
      ExpectAdjustsAgain(s);
    }
}

// Each section that reports its own failures reports an unwritable listing
// so, creates no file and leaves a network that adjusts again.
TEST(SectionFailure, UnwritableListingIsReportedByEverySection) {
  const struct {
    void (*section)(NetworkState&, Interaction&);
    std::string message;
  } sections[] = {
      {[](NetworkState& s, Interaction& ui) { AdjustAndKeep(s, ui, AdjustmentMethod::Inverse); },
       kInversionFailure},
      {[](NetworkState& s, Interaction& ui) {
         AbandonOnFailure(s, ui, ApproximateNumbersStudy(s));
       },
       "¡ Se ha producido un error al mostrar las cifras del cálculo con números aproximados !"},
      {[](NetworkState& s, Interaction& ui) { AbandonOnFailure(s, ui, StatisticalAnalysis(s)); },
       "¡ Se ha producido un error en la fase de análisis estadístico !\r\n\r\n"
       "Quizá se haya intentado resolver una red libre como red ligada \r\n"
       "o se haya introducido la incógnita de escala en un proceso que no la admite."},
      {[](NetworkState& s, Interaction& ui) { AbandonOnFailure(s, ui, WriteResultsSummary(s)); },
       "¡ Se ha producido un error al mostrar el resumen !"},
  };
  for (const auto& [section, message] : sections) {
    SCOPED_TRACE(message);
    NetworkState s = testing::LoadFormed(ValidationProject("ghilani16_1"));
    TempDir dir;
    s.ListingFileName = dir.File("no-existe/salida.tmp");
    ScriptedInteraction ui;
    section(s, ui);
    testing::ExpectStepFailed(s, ui, message);
    EXPECT_FALSE(std::filesystem::exists(s.ListingFileName));
    ExpectAdjustsAgain(s);
  }
}

}  // namespace
}  // namespace ombrel
