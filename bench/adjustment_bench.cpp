// A whole constrained adjustment with full output, from the loaded project
// to the closing question, as the menu command runs it: formation, header,
// adjustment, analysis, ellipses and summary, writing the listing to disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "adjust/adjustment_driver.h"
#include "model/project_file.h"
#include "ui/scripted_interaction.h"

namespace {

using namespace ombrel;

const char* const kNetworks[] = {
    OMBREL_SOURCE_DIR "/tests/data/validation/syn_quad_2fix/project.txt",
    OMBREL_SOURCE_DIR "/bench/data/red45.txt",
};

void BM_FullAdjustment(benchmark::State& bench) {
  const std::string project = kNetworks[bench.range(0)];
  const std::string listing =
      (std::filesystem::temp_directory_path() / "ombrel-bench-salida.tmp").string();
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
        .Then(Answer::No)
        .Then(listing)
        .Then(OutputType::Full)
        .Then(Answer::No);
    if (mnuInici_Click(state, ui, kAdjustInverse) != CommandOutcome::Completed) {
      bench.SkipWithError("la compensación no terminó");
      return;
    }
    bytes = std::filesystem::file_size(listing);
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bytes) * bench.iterations());
  bench.counters["listado_bytes"] = static_cast<double>(bytes);
  bench.SetLabel(std::filesystem::path(project).parent_path().filename().string() + "/" +
                 std::filesystem::path(project).filename().string());
  std::filesystem::remove(listing);
}
BENCHMARK(BM_FullAdjustment)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
