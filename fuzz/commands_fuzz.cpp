// Runs whole commands on a valid network with fuzzed answers, as the
// desktop runs them one after another on the active network: the
// adjustment by each of the three methods and the design problems of order
// zero, one and two. The input is a text:
//   byte 0           the network: a digit d picks kNetworks[d], any other
//                    byte b kNetworks[b], both modulo their count;
//   rest of line 1   options as the terminal takes them: --inversion
//                    gauss|lu|cholesky, --comprobar, --analizar, --decimales
//                    N, --precision METROS, and --dxf (the drawing after each
//                    completed adjustment of a project);
//   then             a command line, its first character "i", "e" or "p"
//                    (adjustment by the inverse, with E, by the
//                    pseudoinverse) or "0", "1", "2" (design order; any
//                    other character c picks command c modulo 6), followed by
//                    the answers of its prompts (line_answers.h), then the
//                    next command, up to kMaxCommands.
// Any exception other than the script running dry, any sanitizer report and
// any value that is not finite in a written file is a failure. With
// OMBREL_FUZZ_TRACE set, the prompts and answers are printed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "adjust/adjustment_driver.h"
#include "cli/command_outcome_status.h"
#include "cli/load_command.h"
#include "cli/options.h"
#include "design/design_driver.h"
#include "line_answers.h"
#include "plot/dxf_writer.h"
#include "work_folder.h"

namespace {

using namespace ombrel;
using fuzzing::LineAnswers;
using fuzzing::WorkFolder;

constexpr int kMaxCommands = 4;

// Files of the networks, relative to the source folder; a project is copied
// as "red.txt". The criterion order is twice the number of variable points.
struct Network {
  const char* project;
  int criterionOrder;
  bool withE;  // imported matrices only
};

// Imported matrices of a free network of two points: every row observes the
// difference of their coordinates, so the translation is the datum defect
// that E gives; without E four more rows fix the first point, each checked
// by another. A matrix file has no line end after its last row.
constexpr const char* kImportedA =
    "-1 0 1 0\r\n0 -1 0 1\r\n-0.6 -0.8 0.6 0.8\r\n-0.8 0.6 0.8 -0.6\r\n"
    "-0.707107 -0.707107 0.707107 0.707107";
constexpr const char* kImportedK = "0.012\r\n-0.004\r\n0.007\r\n-0.010\r\n0.003";
constexpr const char* kImportedP = "1\r\n2\r\n1\r\n1\r\n0.5";
constexpr const char* kImportedE = "1 0 1 0\r\n0 1 0 1";
constexpr const char* kFixingA = "\r\n1 0 0 0\r\n0 1 0 0\r\n1 0 0 0\r\n0 1 0 0";
constexpr const char* kFixingK = "\r\n0.001\r\n-0.002\r\n0.003\r\n0";
constexpr const char* kFixingP = "\r\n4\r\n4\r\n4\r\n4";

const Network kNetworks[] = {
    {"examples/tres_puntos.txt", 4, false},  // one fixed point, an angle, two distances
    {"tests/data/validation/syn_quad_2fix/project.txt", 4, false},     // constrained
    {"tests/data/validation/strangborre_free/project.txt", 8, false},  // free, distances
    {nullptr, 4, true},                                                // imported with E
    {nullptr, 4, false},                                               // imported, constrained
};

// A file of the source tree, read once.
const std::string& SourceFile(const std::string& relative) {
  static std::map<std::string, std::string> read;
  std::string& bytes = read[relative];
  if (bytes.empty()) {
    std::ifstream in(std::string(OMBREL_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    if (bytes.empty()) {
      std::fprintf(stderr, "No se puede leer %s\n", relative.c_str());
      std::abort();
    }
  }
  return bytes;
}

// "QxxE.txt", the criterion the designs propose: the upper triangle of a
// diagonally dominant matrix (variances 1e-4 m², covariances 1e-5 m²).
std::string Criterion(int order) {
  std::string text;
  for (int i = 1; i <= order; ++i) {
    for (int j = i; j <= order; ++j) text += j == i ? "0.0001 " : "0.00001 ";
    text += "\r\n";
  }
  return text;
}

// Writes the network's files into the current folder; the source it loads.
NetworkSource PutNetwork(WorkFolder& folder, const Network& network) {
  folder.Put("QxxE.txt", Criterion(network.criterionOrder));
  NetworkSource source;
  if (network.project) {
    folder.Put("red.txt", SourceFile(network.project));
    source.project = "red.txt";
    return source;
  }
  std::string a = kImportedA, k = kImportedK, p = kImportedP;
  if (!network.withE) {
    a += kFixingA;
    k += kFixingK;
    p += kFixingP;
  }
  folder.Put("a.txt", a);
  folder.Put("k.txt", k);
  folder.Put("p.txt", p);
  source.matrices = {"a.txt", "k.txt", "p.txt"};
  if (network.withE) {
    folder.Put("e.txt", kImportedE);
    source.matrices.push_back("e.txt");
  }
  return source;
}

// The options of line 1 as the terminal parses and applies them. False when
// the terminal would refuse them.
bool ApplyOptions(const std::string& line, NetworkState& state, bool& dxf) {
  std::istringstream words(line);
  std::vector<std::string> args;
  for (std::string word; words >> word;) args.push_back(word);
  ComputeOptions options;
  std::string error;
  if (!ParseComputeOptions(args, options, error)) return false;
  dxf = std::find(args.begin(), args.end(), "--dxf") != args.end();
  return ApplyComputeOptions(options, state, error);
}

int CommandIndex(const std::string& line) {
  const std::string names = "iep012";
  const char c = line.empty() ? 'i' : line[0];
  const std::size_t at = names.find(c);
  return at != std::string::npos ? static_cast<int>(at)
                                 : static_cast<unsigned char>(c) % static_cast<int>(names.size());
}

// The command's run, and the drawing the terminal exports after a completed
// adjustment of a project.
void RunCommand(NetworkState& state, LineAnswers& ui, int command, bool dxf) {
  if (command >= 3) {
    RunDesign(state, ui, static_cast<DesignProblem>(command - 3));
    return;
  }
  if (RunAdjustment(state, ui, static_cast<AdjustmentMethod>(command)) !=
          CommandOutcome::Completed ||
      !dxf || state.Import.MatrixInput)
    return;
  FigureSelection shown;
  shown.absolute = state.Ellipses.Done;
  WriteDxfFile("red.dxf", state, shown);
}

// The network the first byte picks, the options and commands of the rest.
void Run(WorkFolder& folder, std::string_view input) {
  constexpr std::size_t kCount = sizeof kNetworks / sizeof kNetworks[0];
  const auto first = static_cast<unsigned char>(input[0]);
  const int pick = first >= '0' && first <= '9' ? first - '0' : first;
  const NetworkSource source = PutNetwork(folder, kNetworks[pick % kCount]);

  LineAnswers ui(input.substr(1));
  std::string line;
  ui.NextLine(line);
  NetworkState state;
  bool dxf = false;
  if (!ApplyOptions(line, state, dxf)) return;
  try {
    if (ActivateNetwork(state, ui, source))
      for (int n = 0; n < kMaxCommands && ui.NextLine(line); ++n) {
        RunCommand(state, ui, CommandIndex(line), dxf);
        folder.CheckWrittenFiles();  // before the next command overwrites them
      }
  } catch (const ScriptExhausted&) {
    // The answers ran out, as a script that runs dry: the run ends there.
  }
  if (std::getenv("OMBREL_FUZZ_TRACE")) ui.Trace();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzing::KeepArtifactsInStartFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static WorkFolder& folder = *new WorkFolder;
  folder.Enter();
  Run(folder, std::string_view(reinterpret_cast<const char*>(data), size));
  folder.Leave();
  return 0;
}
