#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

namespace ombrel {
namespace {

TEST(ScriptedInteraction, AnswersInOrderAndRecordsVerbatim) {
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then("4.12");
  EXPECT_EQ(ui.MessageBox("\r\nTexto\r\n\r\n¿ Pregunta ?", Buttons::YesNo, Icon::Information, 2,
                          kAppTitle),
            Answer::No);
  EXPECT_EQ(ui.MessageBox("aviso", Buttons::Ok, Icon::Exclamation, 1, "Otro"), Answer::Ok);
  EXPECT_EQ(ui.InputBox("Parámetro", "Título", "4.12"), "4.12");
  const auto prompts = ui.Prompts();
  ASSERT_EQ(prompts.size(), 3u);
  const auto& q = prompts[0];
  EXPECT_EQ(q.text, "\r\nTexto\r\n\r\n¿ Pregunta ?");
  EXPECT_EQ(q.buttons, Buttons::YesNo);
  EXPECT_EQ(q.defaultButton, 2);
  EXPECT_EQ(q.answer, "No");
  EXPECT_EQ(prompts[1].title, "Otro");
  EXPECT_EQ(prompts[2].defaultText, "4.12");
  EXPECT_EQ(ui.Pending(), 0u);
}

TEST(ScriptedInteraction, PromptWithoutAnswerFailsNamingIt) {
  ScriptedInteraction ui;
  try {
    ui.InputBox("Nombre del fichero de salida", kAppTitle, "salida.tmp");
    FAIL();
  } catch (const ScriptExhausted& e) {
    EXPECT_NE(std::string(e.what()).find("Nombre del fichero de salida"), std::string::npos);
  }
  ui.Then("texto");
  EXPECT_THROW(ui.MessageBox("¿ Sí ?", Buttons::YesNo, Icon::Information, 2, kAppTitle),
               ScriptExhausted);
}

}  // namespace
}  // namespace ombrel
