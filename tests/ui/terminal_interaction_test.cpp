#include "ui/terminal_interaction.h"

#include <gtest/gtest.h>

#include <sstream>

#include "ui/progress_meter.h"
#include "ui/scripted_interaction.h"
#include "ui/stop_request.h"

namespace ombrel {
namespace {

struct Terminal {
  explicit Terminal(const std::string& answers, bool interactive = false)
      : in(answers), ui(in, out, err, interactive) {
    ui.SetTranscript(&transcript);
  }
  std::istringstream in;
  std::ostringstream out, err, transcript;
  TerminalInteraction ui;
};

TEST(TerminalInteraction, ScriptAnswersInOrderSkippingComments) {
  Terminal t("# escala\nNo\nSi\n=\n3.5\n\nresumida\nCancelar\n");
  EXPECT_EQ(t.ui.MessageBox("¿ Escala ?", Buttons::YesNoCancel, Icon::Information, 2, "Ombrel"),
            Answer::No);
  EXPECT_EQ(t.ui.MessageBox("¿ Otra ?", Buttons::YesNo, Icon::Information, 2, "Ombrel"),
            Answer::Yes);
  EXPECT_EQ(t.ui.InputBox("Parámetro", "Ombrel", "4.12"), "4.12");  // "=" takes the default
  EXPECT_EQ(t.ui.InputBox("Parámetro", "Ombrel", "4.12"), "3.5");
  EXPECT_EQ(t.ui.InputBox("Fichero", "Ombrel", "salida.tmp"), "");  // empty line cancels
  EXPECT_EQ(t.ui.ChooseOutputType(), OutputType::Summary);
  EXPECT_EQ(t.ui.MessageBox("¿ Seguir ?", Buttons::YesNoCancel, Icon::Information, 2, "Ombrel"),
            Answer::Cancel);
  EXPECT_EQ(t.err.str(), "");  // questions are not echoed when scripted
}

TEST(TerminalInteraction, OkBoxesNeedNoAnswerButMayConsumeAceptar) {
  Terminal t("Aceptar\nSi\n");
  t.ui.MessageBox("¡ Aviso !\r\n\r\nSegunda línea", Buttons::Ok, Icon::Exclamation, 1, "Ombrel");
  EXPECT_EQ(t.err.str(), "[Ombrel] ¡ Aviso !\n\nSegunda línea\n");
  t.ui.MessageBox("Otro aviso", Buttons::Ok, Icon::Information, 1, "Ombrel");
  EXPECT_EQ(t.ui.MessageBox("¿ Sí ?", Buttons::YesNo, Icon::Information, 2, "Ombrel"), Answer::Yes);
}

TEST(TerminalInteraction, ExhaustedOrMismatchedScriptNamesThePrompt) {
  Terminal t("Quizas\n");
  try {
    t.ui.MessageBox("\r\n¿ Desea continuar ?", Buttons::YesNo, Icon::Information, 2, "Ombrel");
    FAIL();
  } catch (const AnswersExhausted& e) {
    EXPECT_NE(std::string(e.what()).find("¿ Desea continuar ?"), std::string::npos) << e.what();
  }
  try {
    t.ui.InputBox("    Indique el nombre del fichero de salida : ", "Ombrel", "salida.tmp");
    FAIL();
  } catch (const AnswersExhausted& e) {
    EXPECT_NE(std::string(e.what()).find("Indique el nombre del fichero de salida"),
              std::string::npos);
  }
  Terminal u("Si\n");
  EXPECT_THROW(u.ui.ChooseOutputType(), AnswersExhausted);
}

TEST(TerminalInteraction, PersonAtTheTerminalGetsDefaultsOnEnter) {
  Terminal t("\n\nn\nc\n\n!\n\nx\nr\n", /*interactive=*/true);
  EXPECT_EQ(t.ui.MessageBox("¿ A ?", Buttons::YesNoCancel, Icon::Information, 2, "Ombrel"),
            Answer::No);
  EXPECT_EQ(t.ui.MessageBox("¿ B ?", Buttons::YesNo, Icon::Information, 1, "Ombrel"), Answer::Yes);
  EXPECT_EQ(t.ui.MessageBox("¿ C ?", Buttons::YesNo, Icon::Information, 1, "Ombrel"), Answer::No);
  EXPECT_EQ(t.ui.MessageBox("¿ D ?", Buttons::YesNoCancel, Icon::Information, 1, "Ombrel"),
            Answer::Cancel);
  EXPECT_EQ(t.ui.InputBox("Nombre", "Ombrel", "salida.tmp"), "salida.tmp");
  EXPECT_EQ(t.ui.InputBox("Nombre", "Ombrel", "salida.tmp"), "");
  EXPECT_EQ(t.ui.ChooseOutputType(), OutputType::Full);
  EXPECT_EQ(t.ui.ChooseOutputType(), OutputType::Summary);  // "x" is asked again, then "r"
  EXPECT_NE(t.err.str().find("(Sí / [No] / Cancelar) > "), std::string::npos);
  EXPECT_NE(t.err.str().find("[salida.tmp]"), std::string::npos);
}

// Questions and typed answers are in the terminal's transcript golden file.
TEST(TerminalInteraction, TranscriptKeepsEveryPromptAndAnswer) {
  Terminal t("");
  t.ui.MessageBox("Fin", Buttons::Ok, Icon::Information, 1, "Título");
  EXPECT_EQ(t.transcript.str(), "== Mensaje [Título]\r\nFin\r\n-- [Aceptar]\r\n=> Aceptar\r\n");
}

// Progress goes to the error stream only when it is a terminal, as one line
// rewritten in place and cleared before anything else is written there.
TEST(TerminalInteraction, ProgressLineOnlyOnATerminal) {
  for (const bool tty : {false, true}) {
    SCOPED_TRACE(tty);
    Terminal t("");
    t.ui.ShowProgress(tty);
    ProgressMeter meter(t.ui, "Método de las secciones del hiperelipsoide", "elipses", 7396, 1);
    meter.Advance();
    meter.Advance();
    t.ui.MessageBox("Fin", Buttons::Ok, Icon::Information, 1, "Ombrel");
    const std::string err = t.err.str();
    const std::string message = "[Ombrel] Fin\n";
    ASSERT_GE(err.size(), message.size());
    EXPECT_EQ(err.substr(err.size() - message.size()), message);
    if (!tty) {
      EXPECT_EQ(err, message);
      continue;
    }
    EXPECT_EQ(
        err.rfind("\r  0 % Método de las secciones del hiperelipsoide: 1 de 7.396 elipses", 0), 0u);
    const std::size_t cleared = err.size() - message.size();
    EXPECT_EQ(err[cleared - 1], '\r');
    EXPECT_EQ(err.find_first_not_of(' ', err.rfind('\r', cleared - 2) + 1), cleared - 1);
  }
}

TEST(TerminalInteraction, StopRequestStopsAtTheNextReportOrCutPrompt) {
  Terminal t("");
  t.ui.ReportProgress({0.5, "Prueba", 0, 0});
  RequestStop();
  EXPECT_THROW(t.ui.ReportProgress({0.5, "Prueba", 0, 0}), ComputationStopped);
  EXPECT_THROW(t.ui.InputBox("Nombre", "Ombrel", "salida.tmp"), ComputationStopped);
  ClearStopRequest();
  EXPECT_THROW(t.ui.InputBox("Nombre", "Ombrel", "salida.tmp"), AnswersExhausted);
}

TEST(ProgressMeter, GroupsThousandsWithPoints) {
  const std::pair<std::uint64_t, const char*> cases[] = {
      {0, "0"}, {999, "999"}, {1000, "1.000"}, {7396, "7.396"}, {13359025, "13.359.025"}};
  for (const auto& [number, text] : cases) EXPECT_EQ(GroupedNumber(number), text);
}

// Output that grows evenly from 100 bytes is expected to end where it will.
TEST(ProgressMeter, ReportsEveryStrideWithTheExpectedBytes) {
  ScriptedInteraction ui;
  std::uint64_t written = 100;
  ProgressMeter meter(ui, "Prueba", "pasos", 1000, 250, [&] { return written; });
  for (int i = 0; i < 1000; ++i) {
    written += 10;
    meter.Advance();
  }
  ASSERT_EQ(ui.ProgressReports().size(), 4u);
  for (const Progress& p : ui.ProgressReports()) EXPECT_EQ(p.bytesExpected, 10100u);
  EXPECT_EQ(ui.ProgressReports()[1].text, "Prueba: 500 de 1.000 pasos");
  EXPECT_EQ(ui.ProgressReports()[1].bytesWritten, 5100u);
}

}  // namespace
}  // namespace ombrel
