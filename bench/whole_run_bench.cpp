// Whole constrained adjustments, from the loaded project to the closing
// question, as the menu command runs them: formation, header, adjustment,
// analysis, ellipses and summary, writing the listing to disk. The main job
// is the 45-point network with the full listing (1.27 MB) and with the
// summary only. Another run adds the hyperellipsoid figures by the three
// methods on a network of 22 points (m' = 40): the largest output the
// system writes, whose throughput is the one to watch.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "adjust/adjustment_driver.h"
#include "adjust/open_project_command.h"
#include "ui/scripted_interaction.h"

namespace {

using namespace ombrel;
namespace fs = std::filesystem;

const char* const kNetworks[] = {
    OMBREL_SOURCE_DIR "/tests/data/validation/syn_quad_2fix/project.txt",
    OMBREL_SOURCE_DIR "/bench/data/red45.txt",
};

// Answers for the inverse adjustment with fixed points: no study, no
// constraint change, the critical value, figures or not, the listing, the
// output type; with figures every eigenvalue is kept and the homothetic
// factor is 1; no editor at the end.
ScriptedInteraction Answers(const NetworkState& state, const fs::path& listing, bool figures,
                            OutputType output) {
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then(Answer::No).Then("4.12");
  ui.Then(figures ? Answer::Yes : Answer::No).Then(listing.string()).Then(output);
  if (figures) ui.Then(std::to_string(state.ProjectUnknowns())).Then("1");
  ui.Then(Answer::No);
  return ui;
}

// Runs the adjustment once per iteration and reports the bytes written to
// the files of outputs (all in folder) as the benchmark's throughput.
void RunWholeAdjustment(benchmark::State& bench, const std::string& project, bool figures,
                        OutputType output, const fs::path& folder,
                        const std::vector<std::string>& outputs) {
  NetworkState state;
  ScriptedInteraction loader;
  if (!LoadProjectFile(state, loader, project)) {
    bench.SkipWithError("no se puede cargar el proyecto");
    return;
  }
  fs::create_directories(folder);
  const fs::path listing = folder / "salida.tmp";
  std::uintmax_t bytes = 0;
  for (auto _ : bench) {
    fs::remove(listing);
    ScriptedInteraction ui = Answers(state, listing, figures, output);
    if (RunAdjustment(state, ui, AdjustmentMethod::Inverse) != CommandOutcome::Completed) {
      bench.SkipWithError("la compensación no terminó");
      break;
    }
    bytes = 0;
    for (const std::string& name : outputs) bytes += fs::file_size(folder / name);
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bytes) * bench.iterations());
  bench.counters["escritos_bytes"] = static_cast<double>(bytes);
  bench.SetLabel(fs::path(project).parent_path().filename().string() + "/" +
                 fs::path(project).filename().string());
  fs::remove_all(folder);
}

void BM_FullAdjustment(benchmark::State& bench) {
  RunWholeAdjustment(bench, kNetworks[bench.range(0)], false, OutputType::Full,
                     fs::temp_directory_path() / "ombrel-bench-listado", {"salida.tmp"});
}
BENCHMARK(BM_FullAdjustment)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The main job with the summary listing only.
void BM_SummaryAdjustment(benchmark::State& bench) {
  RunWholeAdjustment(bench, kNetworks[1], false, OutputType::Summary,
                     fs::temp_directory_path() / "ombrel-bench-resumen", {"salida.tmp"});
}
BENCHMARK(BM_SummaryAdjustment)->Unit(benchmark::kMillisecond);

void BM_FullAdjustmentWithFigures(benchmark::State& bench) {
  RunWholeAdjustment(bench, OMBREL_SOURCE_DIR "/bench/data/red22.txt", true, OutputType::Full,
                     fs::temp_directory_path() / "ombrel-bench-figuras",
                     {"salida.tmp", "elipses.tmp"});
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  bench.counters["pico_memoria_kB"] = static_cast<double>(usage.ru_maxrss);
}
BENCHMARK(BM_FullAdjustmentWithFigures)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
