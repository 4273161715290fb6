#include "adjust/adjustment_driver.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "adjust/results_export.h"
#include "model/text_file.h"
#include "support/adjusted_network.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;

using testing::Contains;
using testing::Loaded;
using testing::PlainRun;

TEST(AdjustmentDriver, RefusesWithoutProjectOrFixedPoints) {
  NetworkState none;
  ScriptedInteraction ui;
  EXPECT_EQ(RunAdjustment(none, ui, AdjustmentMethod::Inverse), CommandOutcome::Refused);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"¡ No tiene ningún proyecto activo !"});
  EXPECT_EQ(ui.Calls().front().kind, "Beep");

  NetworkState free = Loaded(testing::ValidationProject("syn_free5"));
  ScriptedInteraction ui2;
  EXPECT_EQ(RunAdjustment(free, ui2, AdjustmentMethod::Inverse), CommandOutcome::Refused);
  EXPECT_EQ(ui2.Messages(), std::vector<std::string>{"¡ La red tiene menos de dos puntos fijos !"});
  EXPECT_FALSE(ui2.Busy());

  NetworkState fixed = Loaded(testing::ValidationProject("ghilani16_1"));
  ScriptedInteraction ui3;
  EXPECT_EQ(RunAdjustment(fixed, ui3, AdjustmentMethod::Constraints), CommandOutcome::Refused);
  EXPECT_EQ(ui3.Messages()[0], "¡ La red tiene dos o más puntos fijos !");
}

TEST(AdjustmentDriver, ConditionEquationsAreAskedElementByElement) {
  TempDir dir;
  NetworkState s =
      Loaded(testing::ValidationProject("syn_quad_2fix"));  // 2 variable points: 4 unknowns
  ScriptedInteraction ui;
  ui.Then(Answer::Yes)  // scale factor: 5 unknowns
      .Then(Answer::Yes)
      .Then("9")                          // refused
      .Then("2,")                         // refused
      .Then("2" + std::string(400, '0'))  // refused: beyond a double
      .Then("2");
  const double row1[] = {1, 0, 0, 0, 0, 0.5, 7};  // a, k, p
  const double row2[] = {0, 1, 0, -1, 0, 0.0, 3};
  for (double v : row1) ui.Then(std::to_string(v));
  ui.Then("1e999").Then("x");  // refused: beyond a double, not a number
  for (double v : row2) ui.Then(std::to_string(v));
  ui.Then("4.12")
      .Then(Answer::No)
      .Then(dir.File("c.tmp"))
      .Then(OutputType::Summary)
      .Then(Answer::Yes);
  ASSERT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Completed);
  EXPECT_EQ(s.Equations.NumCondEq, 2);
  EXPECT_EQ(s.Equations.ScaleUnknown, 1);
  for (int c = 1; c <= 5; ++c) {
    EXPECT_EQ(s.Equations.A(14, c), row1[c - 1]);
    EXPECT_EQ(s.Equations.A(15, c), row2[c - 1]);
  }
  EXPECT_EQ(s.Equations.K(14), 0.5);
  EXPECT_EQ(s.Equations.P(14, 14), 7.0);
  EXPECT_EQ(s.Equations.P(15, 15), 3.0);
  EXPECT_EQ(s.Network.ObservationNumber(15), 15);
  EXPECT_EQ(s.EquationsLabel, "Número de ecuaciones:   13 +  2");
  const auto messages = ui.Messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Número de ecuaciones no válido !"), 3);
  EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Número no válido !"), 2);
  EXPECT_EQ(ui.Count("Editor"), 1);
  EXPECT_EQ(ui.Calls().back().kind, "Busy");
}

TEST(AdjustmentDriver, BaardaParameterIsValidated) {
  TempDir dir;
  NetworkState s = Loaded(testing::ValidationProject("ghilani16_1"));
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then(Answer::No);
  for (const char* bad : {"4,12", "1.2.3", "0", "-1", "abc", "1e999"}) ui.Then(bad);
  ui.Then(" 3.5")
      .Then(Answer::No)
      .Then(dir.File("b.tmp"))
      .Then(OutputType::Summary)
      .Then(Answer::No);
  ASSERT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Completed);
  EXPECT_EQ(s.Options.BaardaShift, 3.5);
  const auto messages = ui.Messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Algún carácter no es válido !"), 6);
}

// The figures name their own rank defect (the eigenvalues the person keeps):
// the redundancy of the adjustment, which its results export, stays the
// number of observations minus the unknowns.
TEST(AdjustmentDriver, FiguresKeepingFewerEigenvaluesLeaveTheRedundancyAlone) {
  TempDir dir;
  NetworkState s = Loaded(testing::ValidationProject("ghilani16_1"));
  const int unknowns = 2 * (s.Network.NumPoints - s.Network.NumFixed);
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then(Answer::No).Then("4.12").Then(Answer::Yes).Then(dir.File("f.tmp"));
  ui.Then(OutputType::Summary).Then(std::to_string(unknowns - 1)).Then("1").Then(Answer::No);
  ASSERT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Completed);
  ASSERT_TRUE(s.Figures.AxisProjDone);
  ASSERT_NE(s.LastResults, nullptr);
  EXPECT_EQ(s.LastResults->degreesOfFreedom, s.Network.NumObs - unknowns);
}

// Cancel at each prompt in turn: scale, condition equations, Baarda (also
// after a condition equation with the scale unknown), listing name. The
// network and the project frame are left as they were.
TEST(AdjustmentDriver, CancelEndsAtOnceWithNothingWrittenOrChanged) {
  TempDir dir;
  const std::string listing = dir.File("nada.tmp");
  using S = std::string;
  const std::vector<std::vector<ScriptedInteraction::Scripted>> scripts = {
      {Answer::Cancel},
      {Answer::No, Answer::Cancel},
      {Answer::No, Answer::Yes, S("1"), S("1"), S("")},
      {Answer::No, Answer::Yes, S(""), Answer::Cancel},
      {Answer::No, Answer::No, S("")},
      {Answer::Yes, Answer::Yes, S("1"), S("1"), S("0"), S("1"), S("0.5"), S("2"), S("")},
      {Answer::No, Answer::No, S("4.12"), Answer::Yes, S("")},
  };
  const NetworkState before = Loaded(testing::ValidationProject("ghilani16_1"));
  for (const auto& script : scripts) {
    NetworkState s = before;
    ScriptedInteraction ui;
    for (const auto& answer : script) std::visit([&](auto a) { ui.Then(a); }, answer);
    EXPECT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Cancelled);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(ui.Count("Busy"), 0);
    EXPECT_FALSE(std::filesystem::exists(listing));
    EXPECT_EQ(s.EquationsLabel, before.EquationsLabel);
    EXPECT_TRUE(s.Equations.NumCondEq == before.Equations.NumCondEq &&
                s.Equations.ScaleUnknown == before.Equations.ScaleUnknown &&
                s.Equations.K == before.Equations.K &&
                s.Network.ObsWeights == before.Network.ObsWeights &&
                s.Network.ObservationNumber == before.Network.ObservationNumber &&
                s.Options.Datum == before.Options.Datum);
    // The frame shows the labels of the state at the end.
    if (ui.Count("Labels") > 0) {
      const auto last = std::find_if(ui.Calls().rbegin(), ui.Calls().rend(),
                                     [](const RecordedCall& c) { return c.kind == "Labels"; });
      EXPECT_EQ(last->text.substr(last->text.rfind('\n') + 1), before.EquationsLabel);
    }
  }
}

TEST(AdjustmentDriver, OverwriteNoAsksForTheNameAgain) {
  TempDir dir;
  const std::string old = dir.Write("viejo.tmp", "contenido");
  const std::string fresh = dir.File("nuevo.tmp");
  NetworkState s = Loaded(testing::ValidationProject("ghilani16_1"));
  ScriptedInteraction ui;
  ui.Then(Answer::No)
      .Then(Answer::No)
      .Then("4.12")
      .Then(Answer::No)
      .Then(old)
      .Then(Answer::No)
      .Then(fresh)
      .Then(OutputType::Closed)
      .Then(OutputType::Summary)
      .Then(Answer::No);
  ASSERT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Completed);
  EXPECT_EQ(ReadBytes(old), "contenido");
  EXPECT_TRUE(std::filesystem::exists(fresh));
  const auto prompts = ui.Prompts();
  const auto overwrite = std::find_if(prompts.begin(), prompts.end(), [](const RecordedCall& c) {
    return c.text == "Fichero ya existe.  ¿ Sobrescribir ? ";
  });
  ASSERT_NE(overwrite, prompts.end());
  EXPECT_EQ(overwrite->defaultButton, 2);
  EXPECT_EQ((overwrite + 1)->defaultText, "salida.tmp");
  EXPECT_EQ(ui.Count("OutputType"), 2);  // closing the dialog shows it again
  EXPECT_EQ(ui.Count("Editor"), 0);
  EXPECT_FALSE(ui.Busy());
}

// Refused names are asked again: the project (however spelt), a folder, a
// missing folder, and a listing whose "elipses.tmp" would be the project.
TEST(AdjustmentDriver, OutputNamesThatAreInputsOrCannotBeWrittenAreAskedAgain) {
  TempDir dir;
  const std::string original = ReadBytes(testing::ValidationProject("ghilani16_1"));
  const std::string project = dir.Write("elipses.tmp", original);
  NetworkState s = Loaded(project);
  const std::string spelt = (dir.Path() / "." / "elipses.tmp").string();
  const std::string folder = dir.Path().string(), missing = dir.File("no/salida.tmp");
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then(Answer::No).Then("4.12").Then(Answer::Yes);
  for (const std::string& name : {spelt, folder, missing, dir.File("salida.tmp")}) ui.Then(name);
  ui.Then("");
  EXPECT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Cancelled);
  const std::string input = " es uno de los datos del cálculo y no se puede sobrescribir !";
  const auto messages = ui.Messages();
  EXPECT_EQ(std::vector<std::string>(messages.end() - 4, messages.end()),
            (std::vector<std::string>{
                "¡ El fichero " + spelt + input,
                "No se puede escribir el fichero " + folder + ": es una carpeta.",
                "No se puede escribir el fichero " + missing + ": la carpeta no existe.",
                "¡ El fichero " + (dir.Path() / "elipses.tmp").string() + input}));
  EXPECT_EQ(ReadBytes(project), original);
  EXPECT_FALSE(std::filesystem::exists(dir.File("salida.tmp")));
}

// Figures are offered only when the last run computed them: the plain run
// offers no hyperellipsoid figures an earlier run left, and a run that
// stops before its ellipses offers none. After a failure the network still
// adjusts.
TEST(AdjustmentDriver, FailuresAbandonOfferNoFiguresAndTheNetworkStillAdjusts) {
  TempDir dir;
  NetworkState s = Loaded(testing::ValidationProject("ghilani16_1"));
  s.Figures.SectionsDone = s.Figures.RosettesDone = s.Figures.AxisProjDone = true;
  ScriptedInteraction plain;
  PlainRun(plain, dir.File("bien.tmp"));
  ASSERT_EQ(RunAdjustment(s, plain, AdjustmentMethod::Inverse), CommandOutcome::Completed);
  EXPECT_TRUE(s.Ellipses.Done);
  EXPECT_FALSE(s.Figures.SectionsDone || s.Figures.RosettesDone || s.Figures.AxisProjDone);
  // The listing opens but its lines find the disk full.
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then(Answer::No).Then("4.12").Then(Answer::No).Then("/dev/full");
  ui.Then(Answer::Yes).Then(OutputType::Full).Then(Answer::No);
  EXPECT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Abandoned);
  EXPECT_EQ(ui.Messages().back(),
            "¡ Se ha producido un error en el cálculo !\r\n\r\n"
            "No se puede escribir el fichero /dev/full: no queda espacio en el disco.");
  EXPECT_EQ(ui.Prompts().back().icon, Icon::Exclamation);
  EXPECT_FALSE(s.Abandon);
  EXPECT_FALSE(ui.Busy());
  EXPECT_EQ(ui.Pending(), 1u);  // the view question is never asked
  EXPECT_FALSE(s.Ellipses.Done);

  ScriptedInteraction again;
  PlainRun(again, dir.File("otra.tmp"));
  EXPECT_EQ(RunAdjustment(s, again, AdjustmentMethod::Inverse), CommandOutcome::Completed);
}

TEST(AdjustmentDriver, SingularNormalMatrixIsReportedAndSurvived) {
  TempDir dir;
  // Point 3 is measured only by distances due north: the X column of A is
  // exactly zero, so the normal matrix has an exactly zero first pivot.
  const std::string one =
      " 0 ,Ptos ,3 ,Ecuaciones ,3\r\n"
      "00 ,1 ,0 ,0 ,fijo ,1\r\n00 ,2 ,0 ,-100 ,fijo ,2\r\n00 ,3 ,0 ,50 ,vble ,3\r\n"
      "1 ,-99 ,1 ,3 ,50.01 ,1\r\n2 ,-99 ,2 ,3 ,149.98 ,1\r\n3 ,-99 ,1 ,3 ,50.02 ,1\r\n";
  NetworkState s = Loaded(dir.Write("singular.txt", one));
  for (InversionMethod method :
       {InversionMethod::GaussJordan, InversionMethod::LU, InversionMethod::Cholesky}) {
    s.Options.Inversion = method;
    ScriptedInteraction ui;
    const std::string listing = dir.File("s" + std::to_string(int(method)) + ".tmp");
    PlainRun(ui, listing);
    EXPECT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Abandoned)
        << int(method);
    const std::string message = ui.Messages().back();
    if (method == InversionMethod::GaussJordan)
      EXPECT_EQ(message, "Matriz singular");
    else
      EXPECT_TRUE(message.rfind("¡ Se ha producido un error en la inversión", 0) == 0) << message;
    const std::string text = Cp1252ToUtf8(ReadBytes(listing));
    EXPECT_TRUE(Contains(text, "RESOLUCION DE LA RED COMO RED LIGADA"));
    EXPECT_FALSE(Contains(text, "ANALISIS ESTADISTICO"));
    // The listing ends with one line saying why it stops short.
    const std::string last = text.substr(text.rfind("\r\n", text.size() - 3) + 2);
    EXPECT_EQ(last.rfind("    CÁLCULO INTERRUMPIDO: " + message.substr(0, message.find('\r')), 0),
              0u)
        << last;
    EXPECT_FALSE(Contains(text, "nan") || Contains(text, "inf"));
  }
  NetworkState good = Loaded(testing::ValidationProject("ghilani16_1"));
  ScriptedInteraction ui;
  PlainRun(ui, dir.File("g.tmp"));
  EXPECT_EQ(RunAdjustment(good, ui, AdjustmentMethod::Inverse), CommandOutcome::Completed);
}

// "nan" or "inf" as printed numbers; "sub-infinito" is a word of the listing.
bool HasNonFinite(const std::string& text) {
  for (std::size_t at = text.find("inf"); at != std::string::npos; at = text.find("inf", at + 1))
    if (text.compare(at, 7, "infinit") != 0) return true;
  return Contains(text, "nan");
}

TEST(AdjustmentDriver, NetworkTypeCancelEndsAtOnce) {
  NetworkState s = Loaded(testing::ValidationProject("syn_free5"));
  ScriptedInteraction ui;
  ui.Then("");
  EXPECT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Constraints), CommandOutcome::Cancelled);
  EXPECT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Count("Busy"), 0);
}

// A scale unknown chosen for an earlier constrained run stays in A; the
// free-network methods do not take it, and the first step that needs its
// column stops the run with its own message.
TEST(AdjustmentDriver, ScaleUnknownLeftInAStopsTheFreeNetworkMethods) {
  TempDir dir;
  for (AdjustmentMethod method : {AdjustmentMethod::Constraints, AdjustmentMethod::Pseudoinverse}) {
    const bool constraints = method == AdjustmentMethod::Constraints;
    NetworkState s = Loaded(testing::ValidationProject("syn_free5"));
    s.Equations.ScaleUnknown = 1;
    ScriptedInteraction ui;
    if (constraints) ui.Then("2");
    const std::string listing = dir.File(constraints ? "escala1.tmp" : "escala2.tmp");
    ui.Then(Answer::No).Then("4.12").Then(Answer::No).Then(listing).Then(OutputType::Full);
    if (!constraints) ui.Then(Answer::No).Then(Answer::No);
    EXPECT_EQ(RunAdjustment(s, ui, method), CommandOutcome::Abandoned) << constraints;
    EXPECT_EQ(s.Equations.ScaleUnknown, 1);
    EXPECT_TRUE(Contains(ui.Messages().back(), "incógnita de escala")) << ui.Messages().back();
    const std::string text = Cp1252ToUtf8(ReadBytes(listing));
    EXPECT_TRUE(Contains(text, "CORRECCIONES A LAS VARIABLES"));
    EXPECT_FALSE(Contains(text, "ppm"));
    EXPECT_FALSE(HasNonFinite(text));
    EXPECT_EQ(ui.Pending(), 0u);
  }
}

}  // namespace
}  // namespace ombrel
