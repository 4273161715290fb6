// End-to-end runs of "ombrel-cli compensar" with answers files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "cli/adjust_command.h"
#include "cli/cli_app.h"
#include "listing/interrupted_run.h"
#include "support/cli_run.h"
#include "support/expected_results.h"
#include "support/listing_reader.h"
#include "support/temp_dir.h"
#include "ui/interaction.h"
#include "ui/stop_request.h"

namespace ombrel {
namespace {

using testing::TempDir;

testing::CliRun Compensar(std::vector<std::string> args) {
  args.insert(args.begin(), "compensar");
  return testing::RunCliInProcess(args);
}

std::string PlainAnswers(const std::string& listing, const std::string& type = "completa") {
  return "# escala\nNo\n# condiciones\nNo\n=\nNo\n" + listing + "\n" + type + "\nNo\n";
}

// Adjusted coordinate and standard deviation of one axis of a point, from
// the results summary: "... X(  5 )  1173.0886488517 ...  0.0418687885".
bool SummaryValues(const std::vector<std::string>& lines, char axis, int point, double& value,
                   double& deviation) {
  const std::string label = std::string(1, axis) + "(" +
                            std::string(3 - std::to_string(point).size(), ' ') +
                            std::to_string(point) + " )";
  bool inSummary = false;
  for (const auto& line : lines) {
    if (line.find("RESUMEN DE RESULTADOS") != std::string::npos) inSummary = true;
    const auto at = line.find(label);
    if (!inSummary || at == std::string::npos) continue;
    std::istringstream rest(line.substr(at + label.size()));
    return static_cast<bool>(rest >> value >> deviation);
  }
  return false;
}

double Sigma0Sq(const std::vector<std::string>& lines) {
  const std::string key = "observable peso unidad =";
  for (const auto& line : lines)
    if (line.find(key) != std::string::npos) return std::stod(line.substr(line.find('=') + 1));
  return NAN;
}

// The answers of a run by each method. The datum of the free networks'
// expected values is the minimum-norm one, which type 2 gives and the
// pseudoinverse gives once the em6 of each review sits between the datum's
// near-zero singular values and the rest.
std::string AnswersFor(const std::string& method, const std::string& listing) {
  if (method == "inversa") return PlainAnswers(listing);
  if (method == "e") return "2\nNo\n=\nNo\n" + listing + "\ncompleta\nNo\n";
  return "No\n=\nNo\n" + listing + "\ncompleta\nSi\n=\n1e-4\nNo\nSi\n=\n1e-3\nNo\nNo\n";
}

// Every validation network by the methods its datum allows: the constrained
// ones by the inverse, the free ones by both free-network methods.
TEST(Compensar, ValidationNetworksMatchTheirExpectedSolution) {
  int constrained = 0, free = 0;
  for (const auto& entry : std::filesystem::directory_iterator(testing::ValidationDir())) {
    if (!entry.is_directory()) continue;
    const auto expected = testing::ExpectedResults(entry.path().filename().string());
    const std::string how = expected["how_to_adjust"];
    std::vector<std::string> methods;
    if (how.rfind("constrained", 0) == 0) {
      methods = {"inversa"};
      ++constrained;
    } else if (how.rfind("free", 0) == 0) {
      methods = {"e", "pseudo"};
      ++free;
    }
    for (const std::string& method : methods) {
      SCOPED_TRACE(entry.path().filename().string() + " " + method);
      TempDir dir;
      const std::string listing = dir.File("salida.tmp");
      const testing::CliRun run =
          Compensar({"--proyecto", (entry.path() / "project.txt").string(), "--metodo", method,
                     "--respuestas", dir.Write("respuestas.txt", AnswersFor(method, listing)),
                     "--decimales", "10"});
      ASSERT_EQ(run.status, kExitOk) << run.err;
      const auto lines = testing::ListingLines(listing);
      const auto& oneStep = expected["one_step"];
      const auto& tolerance = expected["tolerances"];
      EXPECT_NEAR(
          Sigma0Sq(lines), oneStep["sigma0_sq"].get<double>(),
          tolerance["sigma0_sq_relative"].get<double>() * oneStep["sigma0_sq"].get<double>() +
              5e-9);
      for (const auto& [number, point] : oneStep["points"].items()) {
        if (point.value("fixed", false)) continue;
        for (const char axis : {'X', 'Y'}) {
          double value = 0, deviation = 0;
          ASSERT_TRUE(SummaryValues(lines, axis, std::stoi(number), value, deviation))
              << axis << number;
          const std::string key(1, axis);
          EXPECT_NEAR(value, point[key].get<double>(),
                      tolerance["coordinates_m"].get<double>() + 5e-11);
          const double sd = point["s" + key].get<double>();
          EXPECT_NEAR(deviation, sd, tolerance["std_dev_relative"].get<double>() * sd + 5e-11);
        }
      }
    }
  }
  EXPECT_GE(constrained, 5);
  EXPECT_GE(free, 3);
}

TEST(Compensar, ExitStatusTellsHowTheRunEnded) {
  TempDir dir;
  const std::string project = testing::ValidationDir() + "/ghilani16_1/project.txt";
  const std::string listing = dir.File("salida.tmp");
  // Cancelled at the scale question.
  EXPECT_EQ(Compensar({"--proyecto", project, "--metodo", "inversa", "--respuestas",
                       dir.Write("c.txt", "Cancelar\n")})
                .status,
            kExitStopped);
  EXPECT_FALSE(std::filesystem::exists(listing));
  // Answers run out at the Baarda parameter: the prompt is named.
  const testing::CliRun shortRun = Compensar({"--proyecto", project, "--metodo", "inversa",
                                              "--respuestas", dir.Write("s.txt", "No\nNo\n")});
  EXPECT_EQ(shortRun.status, kExitAnswersExhausted);
  EXPECT_NE(shortRun.err.find("TEST DE BAARDA"), std::string::npos) << shortRun.err;
  // A free network refused by the constrained method.
  const testing::CliRun refused =
      Compensar({"--proyecto", testing::ValidationDir() + "/syn_free5/project.txt", "--metodo",
                 "inversa", "--respuestas", dir.Write("r.txt", "")});
  EXPECT_EQ(refused.status, kExitStopped);
  EXPECT_NE(refused.err.find("¡ La red tiene menos de dos puntos fijos !"), std::string::npos);
  // Usage errors, refused before any file is read or written: out-of-range
  // numbers, outputs named as inputs or unwritable, method e without E, a
  // magnification without the results file it scales.
  const std::string copy = dir.Write("p.txt", testing::ReadBytes(project));
  const std::string script = dir.Write("a.txt", "No\n");
  EXPECT_EQ(Compensar({"--proyecto", copy}).status, kExitUsage);
  EXPECT_EQ(Compensar({"--proyecto", copy, "--metodo", "otro"}).status, kExitUsage);
  EXPECT_EQ(Compensar({"--matrices", "A.txt", "K.txt", "P.txt", "--metodo", "e"}).status,
            kExitUsage);
  const std::vector<std::vector<std::string>> options = {
      {"--decimales", "2.5"},
      {"--precision", "0,01"},
      {"--decimales", "1e999"},
      {"--precision", "1e999"},
      {"--dxf", dir.File(".") + "/p.txt"},
      {"--respuestas", script, "--transcripcion", script},
      {"--transcripcion", dir.Path().string()},
      {"--ampliacion", "50"}};
  for (std::vector<std::string> args : options) {
    args.insert(args.begin(), {"--proyecto", copy, "--metodo", "inversa"});
    EXPECT_EQ(Compensar(args).status, kExitUsage) << args.back();
  }
  EXPECT_EQ(testing::ReadBytes(copy), testing::ReadBytes(project));
  EXPECT_EQ(testing::ReadBytes(script), "No\n");
  // Completed, with the listing's path printed when asked to view it.
  const std::string yes = PlainAnswers(listing);
  const testing::CliRun done =
      Compensar({"--proyecto", project, "--metodo", "inversa", "--respuestas",
                 dir.Write("y.txt", yes.substr(0, yes.size() - 3) + "Si\n")});
  EXPECT_EQ(done.status, kExitOk) << done.err;
  EXPECT_EQ(done.out, listing + "\n");
}

// Ctrl+C stops a run at its next progress report as a failure stops it; a
// run nobody stops shows no progress when the error stream is no terminal.
TEST(Compensar, InterruptStopsTheRunWithTheFailureStatus) {
  TempDir dir;
  const std::string project = testing::ValidationDir() + "/hoepke_free/project.txt";
  const std::string listing = dir.File("salida.tmp");
  const std::string answers =
      dir.Write("r.txt", "2\nNo\n=\nSi\n" + listing + "\ncompleta\n13\n1\nNo\n");
  const std::vector<std::string> args = {"--proyecto", project,        "--metodo",
                                         "e",          "--respuestas", answers};
  const testing::CliRun whole = Compensar(args);
  EXPECT_EQ(whole.status, kExitOk) << whole.err;
  EXPECT_EQ(whole.err.find('\r'), std::string::npos);
  std::filesystem::remove(listing);  // else the run asks before replacing it
  RequestStop();
  const testing::CliRun stopped = Compensar(args);
  ClearStopRequest();
  EXPECT_EQ(stopped.status, kExitStopped);
  EXPECT_NE(stopped.err.find(kStoppedMessage), std::string::npos);
  const std::vector<std::string> lines = testing::ListingLines(listing);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), InterruptedLine(kStoppedMessage));
}

TEST(Compensar, TranscriptOfARunWithConditionEquationsAndScale) {
  TempDir dir;
  const std::string project = testing::SourceDir() + "/examples/ghilani16_1.txt";
  const std::string answers = dir.Write("respuestas.txt",
                                        "Si\nSi\n2\n"
                                        "1\n0\n0\n0\n0.001\n"
                                        "0\n1\n0\n0\n0.002\n"
                                        "=\nNo\nsalida.tmp\nresumida\nNo\n");
  const std::string transcript = dir.File("transcripcion.txt");
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  const testing::CliRun run = Compensar({"--proyecto", project, "--metodo", "inversa",
                                         "--respuestas", answers, "--transcripcion", transcript});
  std::filesystem::current_path(cwd);
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(
      testing::ReadBytes(transcript),
      testing::ReadBytes(testing::SourceDir() + "/tests/cli/golden/transcripcion_condiciones.txt"));
}

}  // namespace
}  // namespace ombrel
