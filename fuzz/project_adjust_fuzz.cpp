// Loads a fuzzed project and adjusts it by the three methods in turn, as
// the desktop does on the active network, accepting every proposal: the
// default button, the proposed value, the complete listing, except Sí to the
// hyperellipsoid figures so that they are computed too, and Sí to
// overwriting the listing of the method before. The approximate-
// numbers study is on; the inversion method and its check follow the input
// size. After each completed adjustment the drawing is exported. Any
// exception, any sanitizer report and any value that is not finite in a
// written file is a failure. With OMBREL_FUZZ_TRACE set, the prompts and
// answers are printed.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "adjust/adjustment_driver.h"
#include "cli/command_outcome_status.h"
#include "line_answers.h"
#include "plot/dxf_writer.h"
#include "work_folder.h"

namespace {

using namespace ombrel;
using fuzzing::LineAnswers;

// Every prompt of the three runs takes one of these; a prompt that refuses
// its own proposal ends the runs when they are used up.
constexpr int kMaxPrompts = 150;

class ProposedAnswers : public LineAnswers {
 public:
  ProposedAnswers() : LineAnswers(Script()) {}

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, int defaultButton,
                    const std::string& title) override {
    for (const char* question : {"tres métodos", "Sobrescribir"}) {
      if (text.find(question) == std::string::npos) continue;
      Then(Answer::Yes);
      return ScriptedInteraction::MessageBox(text, buttons, icon, defaultButton, title);
    }
    return LineAnswers::MessageBox(text, buttons, icon, defaultButton, title);
  }

 private:
  static const std::string& Script() {
    static const std::string script = [] {
      std::string s;
      for (int i = 0; i < kMaxPrompts; ++i) s += "=\n";
      return s;
    }();
    return script;
  }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzing::KeepArtifactsInStartFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzzing::WorkFolder& folder = *new fuzzing::WorkFolder;
  folder.Enter();
  folder.Put("red.txt", std::string(reinterpret_cast<const char*>(data), size));

  NetworkState state;
  ProposedAnswers ui;
  const InversionMethod inversions[] = {InversionMethod::GaussJordan, InversionMethod::LU,
                                        InversionMethod::Cholesky};
  state.Options.Inversion = inversions[size % 3];
  state.Options.CheckInversion = size / 3 % 2 == 1;
  state.Options.StudyApprox = true;
  try {
    if (ActivateNetwork(state, ui, {"red.txt", {}, ""})) {
      for (AdjustmentMethod method : {AdjustmentMethod::Inverse, AdjustmentMethod::Constraints,
                                      AdjustmentMethod::Pseudoinverse}) {
        if (RunAdjustment(state, ui, method) == CommandOutcome::Completed) {
          FigureSelection shown;
          shown.absolute = state.Ellipses.Done;
          WriteDxfFile("red.dxf", state, shown);
        }
        folder.CheckWrittenFiles();  // before the next method overwrites them
      }
    }
  } catch (const ScriptExhausted&) {
    // Every proposal was used up: the runs end there.
  }
  if (std::getenv("OMBREL_FUZZ_TRACE")) ui.Trace();
  folder.CheckWrittenFiles();
  folder.Leave();
  return 0;
}
