// The real prompt windows, shown when no answer is queued: Spanish buttons,
// default button, icon and title; the input box's cancel; the prompt too
// tall for the screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "gui/qt_interaction.h"
#include "gui/scrolling_prompt.h"
#include "gui_test_support.h"

namespace ombrel {
namespace {

QStringList Captions(QMessageBox* box) {
  QStringList captions;
  for (QAbstractButton* button : box->buttons()) captions << button->text();
  captions.sort();
  return captions;
}

TEST(QtPrompts, MessageBoxesHaveSpanishButtonsTheirIconAndTheAskedDefault) {
  QtInteraction ui;
  QStringList captions;
  QString title, text, defaultCaption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  testing::WhenModal<QMessageBox>([&](QMessageBox* box) {
    captions = Captions(box);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
    for (QAbstractButton* button : box->buttons())
      if (button->text() == QStringLiteral("Cancelar")) button->click();
  });
  const Answer answer = ui.MessageBox("\r\nEncabezado\r\n\r\n¿ Sigue ?", Buttons::YesNoCancel,
                                      Icon::Information, 2, kAppTitle);
  EXPECT_EQ(answer, Answer::Cancel);
  EXPECT_EQ(captions, (QStringList{"Cancelar", "No", "Sí"}));
  EXPECT_EQ(defaultCaption.toStdString(), "No");
  EXPECT_EQ(title.toStdString(), "Ombrel");
  EXPECT_EQ(text.toStdString(), "\nEncabezado\n\n¿ Sigue ?");
  EXPECT_EQ(icon, QMessageBox::Information);

  testing::WhenModal<QMessageBox>([&](QMessageBox* box) {
    captions = Captions(box);
    icon = box->icon();
    box->buttons().first()->click();
  });
  EXPECT_EQ(ui.MessageBox("¡ Aviso !", Buttons::Ok, Icon::Exclamation, 1, kAppTitle), Answer::Ok);
  EXPECT_EQ(captions, QStringList{"Aceptar"});
  EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST(QtPrompts, InputBoxShowsTheDefaultAndCancelGivesTheEmptyText) {
  QtInteraction ui;
  QString shown;
  testing::WhenModal<QInputDialog>([&](QInputDialog* box) {
    shown = box->textValue();
    box->reject();
  });
  EXPECT_EQ(ui.InputBox("Parámetro", kAppTitle, "4.12"), "");
  EXPECT_EQ(shown.toStdString(), "4.12");

  testing::WhenModal<QInputDialog>([](QInputDialog* box) {
    box->setTextValue(QStringLiteral("3.5"));
    box->accept();
  });
  EXPECT_EQ(ui.InputBox("Parámetro", kAppTitle, "4.12"), "3.5");
}

// A text taller than the screen scrolls, and the window with its field and
// buttons fits on the screen; the answer and Cancel work as in the plain box.
TEST(QtPrompts, APromptTallerThanTheScreenScrollsAndKeepsItsButtons) {
  QtInteraction ui;
  std::string prompt = "\r\nIndique el numero VALORES PROPIOS a conservar : \r\n\r\n";
  for (int i = 1; i <= 300; ++i) prompt += "   " + std::to_string(i) + ".000000\r\n";
  const int screen = QGuiApplication::primaryScreen()->availableGeometry().height();
  int height = 0;
  bool scrolls = false;
  testing::WhenModal<ScrollingPrompt>([&](ScrollingPrompt* box) {
    height = box->height();
    scrolls = box->findChild<QScrollArea*>()->verticalScrollBar()->maximum() > 0;
    testing::Child<QLineEdit>(*box, "promptField")->setText(QStringLiteral("12"));
    box->accept();
  });
  EXPECT_EQ(ui.InputBox(prompt, kAppTitle, "45"), "12");
  EXPECT_LE(height, screen);
  EXPECT_TRUE(scrolls);

  testing::WhenModal<ScrollingPrompt>([](ScrollingPrompt* box) { box->reject(); });
  EXPECT_EQ(ui.InputBox(prompt, kAppTitle, "45"), "");
  testing::WhenModal<ScrollingPrompt>([](ScrollingPrompt* box) { box->reject(); });
  EXPECT_EQ(ui.MessageBox(prompt, Buttons::YesNoCancel, Icon::Information, 2, kAppTitle),
            Answer::Cancel);
}

}  // namespace
}  // namespace ombrel
