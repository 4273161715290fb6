// A whole constrained adjustment run from the menu with queued answers
// writes the same listing as the terminal front end given the same answers.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <sstream>

#include "cli/cli_app.h"
#include "gui/main_window.h"
#include "gui/text_editor_window.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

TEST(AdjustmentFromMenu, ListingEqualsTheTerminalOneByteForByte) {
  TempDir dir;
  MainWindow window;
  const std::string project = testing::ActivateExample(window, dir);

  QtInteraction& ui = window.Ui();
  ui.SetNextAnswer(Answer::No);  // scale factor
  ui.SetNextAnswer(Answer::No);  // condition equations
  ui.SetNextText("4.12");        // Baarda's parameter
  ui.SetNextAnswer(Answer::No);  // three methods
  ui.SetNextText("gui.tmp");     // listing file
  ui.SetNextOutputType(OutputType::Full);
  ui.SetNextAnswer(Answer::Yes);  // see the listing now
  QString editorCaption, editorText;
  testing::WhenModal<TextEditorWindow>([&](TextEditorWindow* editor) {
    editorCaption = editor->windowTitle();
    editorText = testing::Child<QPlainTextEdit>(*editor, "textEdit")->toPlainText();
    editor->reject();
  });
  testing::Trigger(window, "adjustInverseAction");
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_TRUE(ui.Unanswered().empty());
  EXPECT_FALSE(ui.Busy());
  EXPECT_EQ(editorCaption.toStdString(), "Ombrel - Editor de texto - gui.tmp");
  EXPECT_TRUE(editorText.contains(QStringLiteral("RESUMEN DE RESULTADOS")));

  const std::string answers =
      dir.Write("respuestas.txt", "No\nNo\n4.12\nNo\nterminal.tmp\ncompleta\nSi\n");
  std::istringstream in;
  std::ostringstream out, err;
  ASSERT_EQ(
      RunCli({"compensar", "--proyecto", project, "--metodo", "inversa", "--respuestas", answers},
             in, out, err),
      kExitOk)
      << err.str();

  const std::string fromWindow = testing::ReadBytes(dir.File("gui.tmp"));
  ASSERT_GT(fromWindow.size(), 1000u);
  EXPECT_TRUE(fromWindow == testing::ReadBytes(dir.File("terminal.tmp")));
}

}  // namespace
}  // namespace ombrel
