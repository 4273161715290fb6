// A computation run from the desktop works on its own thread: the GUI
// thread's event loop goes on (timers fire, the prompts are shown there)
// and Cancelar in the progress dialog stops the computation at its next
// progress report.
#include "gui/computation_runner.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "gui/main_window.h"
#include "gui/progress_dialog.h"
#include "gui_test_support.h"
#include "listing/interrupted_run.h"
#include "support/listing_reader.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

// Answers as scripted and notes the thread each message box is shown on.
class ThreadNoting : public ScriptedInteraction {
 public:
  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, int defaultButton,
                    const std::string& title) override {
    thread = QThread::currentThread();
    return ScriptedInteraction::MessageBox(text, buttons, icon, defaultButton, title);
  }
  QThread* thread = nullptr;
};

TEST(ComputationRunner, EventLoopRunsAndCancelarStopsTheComputation) {
  MainWindow window;
  ThreadNoting gui;
  gui.Then(Answer::Yes);
  int ticks = 0, ticksWhileRunning = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(5);
  QString shownText;
  testing::WhenModal<ProgressDialog>([&](ProgressDialog* dialog) {
    ticksWhileRunning = ticks;  // the dialog is up only while the computation runs
    shownText = dialog->labelText();
    testing::Child<QPushButton>(*dialog, "cancelButton")->click();
  });

  Answer answer = Answer::No;
  std::atomic<int> reports = 0;
  const auto computation = [&](Interaction& ui) {
    answer = ui.MessageBox("¿ Seguir ?", Buttons::YesNo, Icon::Information, 1, kAppTitle);
    // Runs until stopped; the bound only keeps a broken runner from hanging the suite.
    for (int i = 0; i < 100000; ++i) {
      ui.ReportProgress({0.25, "Prueba: 1 de 4 pasos", 2'500'000, 10'000'000});
      ++reports;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  };
  EXPECT_THROW(RunComputation(&window, gui, computation), ComputationStopped);
  EXPECT_EQ(answer, Answer::Yes);
  EXPECT_EQ(gui.thread, window.thread());
  EXPECT_LT(reports.load(), 100000);
  EXPECT_GT(ticksWhileRunning, 0);
  EXPECT_TRUE(shownText.startsWith("Prueba: 1 de 4 pasos\nEscrito: 2,5 MB de unos 10,0 MB"))
      << shownText.toStdString();
}

// From the menu: the adjustment with the three figure methods of a network
// of 22 points (some 100 MB of output) stopped with Cancelar.
TEST(ComputationRunner, CancelarStopsAnAdjustmentFromTheMenu) {
  testing::TempDir dir;
  MainWindow window;
  QtInteraction& ui = window.Ui();
  testing::ActivateExample(window, dir, OMBREL_SOURCE_DIR "/bench/data/red22.txt");
  const std::string listing = dir.File("salida.tmp");
  ui.SetNextAnswer(Answer::No);  // scale factor
  ui.SetNextAnswer(Answer::No);  // condition equations
  ui.SetNextText("4.12");
  ui.SetNextAnswer(Answer::Yes);  // three methods
  ui.SetNextText(listing);
  ui.SetNextOutputType(OutputType::Full);
  ui.SetNextText(std::to_string(window.State().ProjectUnknowns()));
  ui.SetNextText("1");
  testing::WhenModal<ProgressDialog>([](ProgressDialog* dialog) {
    testing::Child<QPushButton>(*dialog, "cancelButton")->click();
  });
  testing::Trigger(window, "adjustInverseAction");
  EXPECT_EQ(window.State().MessageText, kStoppedMessage);
  EXPECT_FALSE(ui.Busy());
  const std::vector<std::string> lines = testing::ListingLines(listing);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), InterruptedLine(kStoppedMessage));
}

}  // namespace
}  // namespace ombrel
