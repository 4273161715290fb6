// The text editor: the change check on closing, saving and its overwrite
// question, replacing a character and undoing it, finding, fonts and sizes, clipboard enabling.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "gui/listing_viewer.h"
#include "gui/main_window.h"
#include "gui/replace_dialog.h"
#include "gui/text_document.h"
#include "gui/text_editor_window.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Child;
using testing::TempDir;

constexpr const char* kSaveQuestion = " ¿Desea guardar cambios? ";

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : editor(ui) {
    ui.SetUnattended(true);
    listing = dir.Write("salida.tmp", kListing);
    editor.show();
  }
  void Choose(const char* action) { testing::Trigger(editor, action); }
  void Open(const std::string& path) {
    ui.SetNextText(path);
    Choose("openAction");
  }
  QPlainTextEdit* Text() const { return Child<QPlainTextEdit>(editor, "textEdit"); }
  std::string Shown() const { return Text()->toPlainText().toStdString(); }

  static constexpr const char* kListing = "Sigma = 0,25\r\nX(  1 ) 1000,5 \xF1\r\n";
  TempDir dir;
  QtInteraction ui;
  TextEditorWindow editor;
  std::string listing;
};

// Untouched, closing asks nothing; after a change No loses it and Yes
// writes it back to the opened file in Windows-1252 with CR LF.
TEST_F(EditorTest, OpeningShowsTheFileAndOnlyAChangeIsQuestionedOnClosing) {
  Open(listing);
  EXPECT_EQ(Shown(), "Sigma = 0,25\nX(  1 ) 1000,5 ñ\n");
  EXPECT_EQ(editor.windowTitle().toStdString(), "Zelvo - Editor de texto - " + listing);
  editor.reject();
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_FALSE(editor.isVisible());
  for (const auto& [answer, bytes] : {std::pair{Answer::No, std::string(kListing)},
                                      {Answer::Yes, std::string("a\xF1o\r\nfin\r\n")}}) {
    ui.ClearRecord();
    editor.show();
    Open(listing);
    Text()->setPlainText(QStringLiteral("año\nfin"));
    ui.SetNextAnswer(answer);
    editor.reject();
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{kSaveQuestion});
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(testing::ReadBytes(listing), bytes);
  }
}

TEST_F(EditorTest, ClosingAnUnnamedTextStaysOpenWhenSaveAsIsCancelled) {
  Text()->setPlainText(QStringLiteral("nuevo"));
  ui.SetNextAnswer(Answer::Yes);
  ui.SetNextText("");  // the save dialog cancelled
  editor.reject();
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ui.Pending(), 0u);
}

// "&Guardar" right after opening asks for a name; "Guardar c&omo..." over
// an existing file asks first, and a refused name is not remembered.
TEST_F(EditorTest, SavingAsksForANameAndBeforeOverwriting) {
  Open(listing);
  const std::string copy = dir.File("copia.txt");
  ui.SetNextText(copy);
  Choose("saveAction");
  EXPECT_EQ(testing::ReadBytes(copy), std::string(kListing) + "\r\n");
  EXPECT_EQ(editor.windowTitle().toStdString(), "Zelvo - Editor de texto - " + copy);

  const std::string other = dir.Write("otro.txt", "original\r\n");
  Text()->setPlainText(QStringLiteral("sustituto"));
  ui.SetNextText(other);
  ui.SetNextAnswer(Answer::No);
  Choose("saveAsAction");
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{" ¡El Fichero ya existe! \r\n ¿Desea sobreescribirlo? "});
  EXPECT_EQ(testing::ReadBytes(other), "original\r\n");
  EXPECT_EQ(editor.SaveName().toStdString(), copy);
  ui.SetNextText(other);
  ui.SetNextAnswer(Answer::Yes);
  Choose("saveAsAction");
  EXPECT_EQ(testing::ReadBytes(other), "sustituto\r\n");
  EXPECT_EQ(ui.Pending(), 0u);
}

// A character Windows-1252 lacks would be saved as "?": only when the
// person accepts; a refusal writes nothing.
TEST_F(EditorTest, CharactersTheFileCannotHoldAreSavedOnlyWhenAccepted) {
  Text()->setPlainText(QStringLiteral("\u03A9 = 5 año"));
  const std::string path = dir.File("omega.txt");
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    ui.SetNextText(path);
    ui.SetNextAnswer(answer);
    Choose("saveAsAction");
    EXPECT_NE(ui.Messages().back().find("\u03A9"), std::string::npos);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(std::filesystem::exists(path), answer == Answer::Yes);
  }
  EXPECT_EQ(testing::ReadBytes(path), "? = 5 a\xF1o\r\n");
  EXPECT_EQ(editor.SaveName().toStdString(), path);
  EXPECT_EQ(CharactersOutsideCp1252(QStringLiteral("€ñ\u03A9x\u03A9\u4E2D")),
            QStringLiteral("\u03A9\u4E2D"));
}

TEST_F(EditorTest, ReplacingCommaByPointTurnsEveryDecimalCommaAndUndoTakesItBack) {
  ASSERT_TRUE(editor.OpenListing(listing));
  EXPECT_EQ(editor.windowTitle().toStdString(), "Ombrel - Editor de texto - " + listing);
  testing::WhenModal<ReplaceDialog>([this](ReplaceDialog* dialog) {
    Child<QLineEdit>(*dialog, "fromEdit")->setText(QStringLiteral(","));
    Child<QPushButton>(*dialog, "acceptButton")->click();  // the second box is empty
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{"¡Las dos celdas han de contener un caracter!"});
    Child<QLineEdit>(*dialog, "toEdit")->setText(QStringLiteral("."));
    Child<QPushButton>(*dialog, "acceptButton")->click();
  });
  Choose("replaceAction");
  EXPECT_EQ(Shown(), "Sigma = 0.25\nX(  1 ) 1000.5 ñ\n");

  testing::WhenModal<ReplaceDialog>(
      [](ReplaceDialog* dialog) { Child<QPushButton>(*dialog, "cancelButton")->click(); });
  Choose("replaceAction");
  EXPECT_EQ(Shown(), "Sigma = 0.25\nX(  1 ) 1000.5 ñ\n");
  Choose("undoAction");  // one step takes the whole replacement back
  EXPECT_EQ(Shown(), "Sigma = 0,25\nX(  1 ) 1000,5 ñ\n");
  ui.SetNextText("1000");
  Choose("findAction");
  EXPECT_EQ(Text()->textCursor().selectedText().toStdString(), "1000");
}

TEST_F(EditorTest, FontAndSizeChecksMoveAndApplyToTheWholeText) {
  auto checked = [&](const char* action) { return Child<QAction>(editor, action)->isChecked(); };
  EXPECT_TRUE(checked("courierFontAction") && checked("size10Action"));
  Choose("size12Action");
  EXPECT_FALSE(checked("size10Action"));
  EXPECT_TRUE(checked("size12Action"));
  Choose("arialFontAction");
  EXPECT_FALSE(checked("courierFontAction"));
  EXPECT_TRUE(checked("arialFontAction"));
  EXPECT_EQ(Text()->font().family().toStdString(), "Arial");
  EXPECT_EQ(Text()->font().pointSize(), 12);
}

TEST_F(EditorTest, CutAndCopyNeedASelectionAndPasteNeedsClipboardText) {
  auto* menu = Child<QMenu>(editor, "editMenu");
  auto enabled = [&](const char* action) { return Child<QAction>(editor, action)->isEnabled(); };
  Text()->setPlainText(QStringLiteral("0,25"));
  QApplication::clipboard()->clear();
  emit menu->aboutToShow();
  EXPECT_FALSE(enabled("cutAction") || enabled("copyAction") || enabled("pasteAction"));

  Text()->selectAll();
  emit menu->aboutToShow();
  EXPECT_TRUE(enabled("cutAction") && enabled("copyAction"));
  Choose("cutAction");
  EXPECT_TRUE(Text()->toPlainText().isEmpty());
  emit menu->aboutToShow();
  EXPECT_TRUE(enabled("pasteAction"));
  Choose("pasteAction");
  EXPECT_EQ(Shown(), "0,25");
}

// Saving with CR LF is checked by the editor's tests above.
TEST(TextDocument, OnlyCrLfIsFoldedOnReading) {
  EXPECT_EQ(DocumentFromBytes("a\xF1o\r\nb\r\r\nc\r").toStdString(), "año\nb\r\nc\r");
}

// On a machine without printers the print dialog offers a PDF file, which
// takes the text as paper would: a listing longer than a page goes out on
// several pages, but not one page a line.
TEST_F(EditorTest, PrintingToAPdfFileIsNotRefusedAndALongTextFillsSeveralPages) {
  QStringList lines;
  for (int i = 0; i < 300; ++i) lines << QStringLiteral("línea %1").arg(i);
  Text()->setPlainText(lines.join(QLatin1Char('\n')));
  const std::string pdf = dir.File("impreso.pdf");
  testing::PrintToPdfWhenAsked(pdf);
  Choose("printAction");
  const std::string bytes = testing::ReadBytes(pdf);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Documento guardado en " + pdf});
  int pages = 0;
  for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
       at = bytes.find("/Type /Page\n", at + 1))
    ++pages;
  EXPECT_GT(pages, 1);
  EXPECT_LT(pages, 30);
}

// The pages of a large file hold each of its lines once, in order, and the
// viewer shows one page at a time.
TEST(ListingViewerTest, PagesCutAtLineStartsAndCoverTheFileOnce) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 300; ++i)
    bytes += "l\xEDnea " + std::to_string(i) + std::string(i % 7, 'x') + "\r\n";
  const QString path = QString::fromStdString(dir.Write("grande.tmp", bytes));
  PagedTextFile file(path, 500);
  ASSERT_TRUE(file.IsOpen());
  QString joined;
  for (int page = 0; page < file.PageCount(); ++page) {
    const QString text = file.Page(page);
    EXPECT_TRUE(text.isEmpty() || text.endsWith(QLatin1Char('\n'))) << page;
    joined += text;
  }
  EXPECT_GT(file.PageCount(), 5);
  EXPECT_EQ(joined, DocumentFromBytes(bytes));

  ListingViewer viewer(path, 500);
  auto* shown = Child<QPlainTextEdit>(viewer, "viewerText");
  EXPECT_EQ(shown->toPlainText(), file.Page(0));
  Child<QPushButton>(viewer, "lastPageButton")->click();
  EXPECT_EQ(viewer.CurrentPage(), file.PageCount() - 1);
  EXPECT_TRUE(shown->toPlainText().endsWith(QStringLiteral("línea 299xxxxx\n")));
  EXPECT_TRUE(shown->isReadOnly());
}

// At the end of a computation a listing above the editor's limit opens in
// the viewer, its size in the caption (a sparse file: cheap to make).
TEST(ListingViewerTest, AListingTooLargeToEditOpensInTheViewer) {
  TempDir dir;
  const std::string path = dir.Write("enorme.tmp", "primera\r\n");
  std::filesystem::resize_file(path, kLargestEditableBytes + 1);
  MainWindow window;
  window.Ui().SetUnattended(true);
  QString caption;
  testing::WhenModal<ListingViewer>([&](ListingViewer* viewer) {
    caption = viewer->windowTitle();
    viewer->reject();
  });
  window.OpenInEditor(path);
  EXPECT_EQ(caption.toStdString(), std::string(kViewerCaption) + " - " + path + " (" +
                                       SizeText(kLargestEditableBytes + 1).toStdString() + ")");
}

}  // namespace
}  // namespace ombrel
