// The text editor: the change check on closing, saving and its overwrite
// question, replacing a character, fonts and sizes, clipboard enabling.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

#include "gui/editor_printing.h"
#include "gui/frm_editor.h"
#include "gui/frm_reemplazar.h"
#include "gui/text_document.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

constexpr const char* kSaveQuestion = " ¿Desea guardar cambios? ";

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : editor(ui) {
    ui.SetUnattended(true);
    listing = dir.Write("salida.tmp", "Sigma = 0,25\r\nX(  1 ) 1000,5 \xF1\r\n");
    editor.show();
  }
  void Open(const std::string& path) {
    ui.SetNextText(path);
    editor.FicheroAbrir_Click();
  }

  TempDir dir;
  QtInteraction ui;
  frmEditor editor;
  std::string listing;
};

TEST_F(EditorTest, OpeningShowsTheFileAndClosingUntouchedAsksNothing) {
  Open(listing);
  EXPECT_EQ(editor.Text1->toPlainText().toStdString(), "Sigma = 0,25\nX(  1 ) 1000,5 ñ\n");
  EXPECT_EQ(editor.windowTitle().toStdString(), "Zelvo - Editor de texto - " + listing);
  editor.reject();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_FALSE(editor.isVisible());
}

TEST_F(EditorTest, AChangeIsQuestionedOnClosingAndNoLosesIt) {
  Open(listing);
  editor.Text1->appendPlainText(QStringLiteral("más"));
  ui.SetNextAnswer(Answer::No);
  editor.reject();
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], kSaveQuestion);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(testing::ReadBytes(listing), "Sigma = 0,25\r\nX(  1 ) 1000,5 \xF1\r\n");
}

TEST_F(EditorTest, YesOnClosingWritesBackToTheOpenedFileAsWindows1252) {
  Open(listing);
  editor.Text1->setPlainText(QStringLiteral("año\nfin"));
  ui.SetNextAnswer(Answer::Yes);
  editor.reject();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(testing::ReadBytes(listing), "a\xF1o\r\nfin\r\n");
}

TEST_F(EditorTest, ClosingAnUnnamedTextStaysOpenWhenSaveAsIsCancelled) {
  editor.Text1->setPlainText(QStringLiteral("nuevo"));
  ui.SetNextAnswer(Answer::Yes);
  ui.SetNextText("");  // the save dialog cancelled
  editor.reject();
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(EditorTest, SaveRightAfterOpenAsksForAName) {
  Open(listing);
  const std::string copy = dir.File("copia.txt");
  ui.SetNextText(copy);
  EXPECT_TRUE(editor.FicheroGu_Click());
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_EQ(editor.SaveName().toStdString(), copy);
  EXPECT_EQ(testing::ReadBytes(copy), "Sigma = 0,25\r\nX(  1 ) 1000,5 \xF1\r\n\r\n");
  EXPECT_EQ(editor.windowTitle().toStdString(), "Zelvo - Editor de texto - " + copy);
}

TEST_F(EditorTest, SaveAsOverAnExistingFileAsksAndNoKeepsIt) {
  const std::string other = dir.Write("otro.txt", "original\r\n");
  editor.Text1->setPlainText(QStringLiteral("sustituto"));
  ui.SetNextText(other);
  ui.SetNextAnswer(Answer::No);
  EXPECT_FALSE(editor.FicheroGuardar_Click());
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], " ¡El Fichero ya existe! \r\n ¿Desea sobreescribirlo? ");
  EXPECT_EQ(testing::ReadBytes(other), "original\r\n");
  // The refused name is not remembered: "&Guardar" asks again.
  EXPECT_TRUE(editor.SaveName().isEmpty());

  ui.SetNextText(other);
  ui.SetNextAnswer(Answer::Yes);
  EXPECT_TRUE(editor.FicheroGuardar_Click());
  EXPECT_EQ(testing::ReadBytes(other), "sustituto\r\n");
}

TEST_F(EditorTest, ReplacingCommaByPointTurnsEveryDecimalComma) {
  ASSERT_TRUE(editor.OpenListing(listing));
  EXPECT_EQ(editor.windowTitle().toStdString(), "Ombrel - Editor de texto - " + listing);
  testing::WhenModal<frmReemplazar>([this](frmReemplazar* dialog) {
    dialog->Text1->setText(QStringLiteral(","));
    dialog->Aceptar->click();  // the second box is empty: refused, still open
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(ui.Messages().size(), 1u);
    dialog->Text2->setText(QStringLiteral("."));
    dialog->Aceptar->click();
  });
  editor.Reemplazar_Click();
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "¡Las dos celdas han de contener un caracter!");
  EXPECT_EQ(editor.Text1->toPlainText().toStdString(), "Sigma = 0.25\nX(  1 ) 1000.5 ñ\n");

  testing::WhenModal<frmReemplazar>([](frmReemplazar* dialog) { dialog->Cancelar->click(); });
  editor.Reemplazar_Click();
  EXPECT_EQ(editor.Text1->toPlainText().toStdString(), "Sigma = 0.25\nX(  1 ) 1000.5 ñ\n");
}

TEST_F(EditorTest, FontAndSizeChecksMoveAndApplyToTheWholeText) {
  EXPECT_TRUE(editor.Fuente[0]->isChecked());
  EXPECT_TRUE(editor.Tamano[1]->isChecked());
  const int before = editor.Text1->font().pointSize();
  editor.Tamano[2]->trigger();
  EXPECT_FALSE(editor.Tamano[1]->isChecked());
  EXPECT_TRUE(editor.Tamano[2]->isChecked());
  EXPECT_EQ(editor.Text1->font().pointSize(), 12);
  EXPECT_GT(editor.Text1->font().pointSize(), before);
  editor.Fuente[1]->trigger();
  EXPECT_FALSE(editor.Fuente[0]->isChecked());
  EXPECT_TRUE(editor.Fuente[1]->isChecked());
  EXPECT_EQ(editor.Text1->font().family().toStdString(), "Arial");
  EXPECT_EQ(editor.Text1->font().pointSize(), 12);
}

TEST_F(EditorTest, CutAndCopyNeedASelectionAndPasteNeedsClipboardText) {
  editor.Text1->setPlainText(QStringLiteral("0,25"));
  QApplication::clipboard()->clear();
  editor.mnuEdicion_Click();
  EXPECT_FALSE(editor.Cortar->isEnabled());
  EXPECT_FALSE(editor.Copiar->isEnabled());
  EXPECT_FALSE(editor.Pegar->isEnabled());

  editor.Text1->selectAll();
  editor.mnuEdicion_Click();
  EXPECT_TRUE(editor.Cortar->isEnabled());
  EXPECT_TRUE(editor.Copiar->isEnabled());
  editor.Cortar->trigger();
  EXPECT_TRUE(editor.Text1->toPlainText().isEmpty());
  editor.mnuEdicion_Click();
  EXPECT_TRUE(editor.Pegar->isEnabled());
  editor.Pegar->trigger();
  EXPECT_EQ(editor.Text1->toPlainText().toStdString(), "0,25");
}

TEST(TextDocument, FileBytesRoundTripWithCrLfAndAFinalLineEnd) {
  const QString text = DocumentFromBytes("a\xF1o\r\nb\r\n");
  EXPECT_EQ(text.toStdString(), "año\nb\n");
  EXPECT_EQ(BytesFromDocument(QStringLiteral("año\nb")), "a\xF1o\r\nb\r\n");
  EXPECT_EQ(BytesFromDocument(QStringLiteral("€")), "\x80\r\n");
}

// A listing longer than a page goes out on several pages.
TEST(EditorPrinting, ALongTextFillsSeveralPages) {
  TempDir dir;
  QStringList lines;
  for (int i = 0; i < 300; ++i) lines << QStringLiteral("línea %1").arg(i);
  auto pages = [&](int count) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("listado.pdf")));
    EXPECT_TRUE(PrintLines(lines.mid(0, count).join(QLatin1Char('\n')), printer));
    const std::string pdf = testing::ReadBytes(dir.File("listado.pdf"));
    int found = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1))
      ++found;
    return found;
  };
  EXPECT_EQ(pages(10), 1);
  EXPECT_GT(pages(300), 1);
}

}  // namespace
}  // namespace ombrel
