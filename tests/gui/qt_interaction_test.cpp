// The queue of answers that lets the GUI tests drive whole commands, and the
// busy pointer.
#include "gui/qt_interaction.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>

namespace ombrel {
namespace {

TEST(QtInteraction, QueuedAnswersAreTakenInOrderAndMissingOnesRecorded) {
  QtInteraction ui;
  ui.SetUnattended(true);
  ui.SetNextAnswer(Answer::Yes);
  ui.SetNextText("7");
  EXPECT_EQ(ui.MessageBox("¿ a ?", Buttons::YesNo, Icon::Information, 2, kAppTitle), Answer::Yes);
  // An OK box answers itself and leaves the queued text for the input box.
  EXPECT_EQ(ui.MessageBox("aviso", Buttons::Ok, Icon::Information, 1, kAppTitle), Answer::Ok);
  EXPECT_EQ(ui.InputBox("¿ cuántas ?", kAppTitle, "1"), "7");
  EXPECT_TRUE(ui.Unanswered().empty());

  EXPECT_EQ(ui.MessageBox("¿ b ?", Buttons::YesNoCancel, Icon::Information, 2, kAppTitle),
            Answer::Cancel);
  EXPECT_EQ(ui.InputBox("¿ nombre ?", kAppTitle, "salida.tmp"), "");
  ASSERT_EQ(ui.Unanswered().size(), 2u);
  EXPECT_EQ(ui.Unanswered()[0], "¿ b ?");

  // A text queued where a button is asked for stays queued.
  ui.SetNextText("x");
  EXPECT_EQ(ui.MessageBox("¿ c ?", Buttons::YesNo, Icon::Information, 2, kAppTitle), Answer::No);
  EXPECT_EQ(ui.Pending(), 1u);
  EXPECT_EQ(ui.Messages().size(), 4u);
}

TEST(QtInteraction, BusyPointerIsSetOnceAndRestored) {
  QtInteraction ui;
  ui.SetBusy(true);
  ui.SetBusy(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
  ui.SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace ombrel
