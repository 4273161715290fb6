// The real prompt windows, shown when no answer is queued: Spanish buttons,
// default button, icon and title; the input box's cancel; the working folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "gui/qt_interaction.h"
#include "gui/working_folder.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

QStringList Captions(QMessageBox* box) {
  QStringList captions;
  for (QAbstractButton* button : box->buttons()) captions << button->text();
  captions.sort();
  return captions;
}

TEST(QtPrompts, QuestionBoxHasSpanishButtonsAndTheAskedDefault) {
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
}

TEST(QtPrompts, ExclamationBoxHasOnlyAceptar) {
  QtInteraction ui;
  QStringList captions;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
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

TEST(WorkingFolder, ProgramFolderWhenWritableOtherwiseHome) {
  testing::TempDir dir;
  const QString writable = QString::fromStdString(dir.Path().string());
  const QString home = QDir::homePath();
  EXPECT_EQ(ChooseWorkingFolder(writable, home), writable);
  EXPECT_EQ(ChooseWorkingFolder(writable + QStringLiteral("/no-existe"), home), home);
  EXPECT_TRUE(QDir(writable).entryList(QDir::Files).isEmpty());  // the probe leaves nothing
}

}  // namespace
}  // namespace ombrel
