// A whole constrained adjustment with the hyperellipsoid figures by the
// three methods on a network of 22 points (m' = 40), full output: the
// largest listing the system writes. Reports the bytes of the listing and of
// "elipses.tmp" and the peak resident memory of the process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "adjust/adjustment_driver.h"
#include "model/project_file.h"
#include "ui/scripted_interaction.h"

namespace {

using namespace ombrel;

void BM_FullAdjustmentWithFigures(benchmark::State& bench) {
  const std::string project = OMBREL_SOURCE_DIR "/bench/data/red22.txt";
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "ombrel-bench-figuras";
  std::filesystem::create_directories(folder);
  const std::string listing = (folder / "salida.tmp").string();
  NetworkState state;
  ScriptedInteraction loader;
  if (!LoadProjectFile(state, loader, project)) {
    bench.SkipWithError("no se puede cargar el proyecto");
    return;
  }
  std::uintmax_t bytes = 0;
  for (auto _ : bench) {
    std::filesystem::remove(listing);
    ScriptedInteraction ui;
    ui.Then(Answer::No)
        .Then(Answer::No)
        .Then("4.12")
        .Then(Answer::Yes)  // the three methods
        .Then(listing)
        .Then(OutputType::Full)
        .Then(std::to_string(state.ProjectUnknowns()))  // every eigenvalue kept
        .Then("1")
        .Then(Answer::No);
    if (mnuInici_Click(state, ui, kAdjustInverse) != CommandOutcome::Completed) {
      bench.SkipWithError("la compensación no terminó");
      return;
    }
    bytes =
        std::filesystem::file_size(listing) + std::filesystem::file_size(folder / "elipses.tmp");
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  bench.SetBytesProcessed(static_cast<int64_t>(bytes) * bench.iterations());
  bench.counters["escritos_bytes"] = static_cast<double>(bytes);
  bench.counters["pico_memoria_kB"] = static_cast<double>(usage.ru_maxrss);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FullAdjustmentWithFigures)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
