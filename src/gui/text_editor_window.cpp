#include "gui/text_editor_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>
#include <exception>
#include <new>

#include "gui/about_dialog.h"
#include "gui/dialog_widgets.h"
#include "gui/listing_viewer.h"
#include "gui/printing.h"
#include "gui/qt_prompts.h"
#include "gui/replace_dialog.h"
#include "gui/text_document.h"
#include "model/text_file.h"

namespace ombrel {
namespace {

const char* const kFontNames[] = {"Courier New", "Arial", "Symbol"};
const int kFontSizes[] = {8, 10, 12};

// Three entries: text files, TMP files, all files; the last one chosen at start.
const QString kFilter =
    QStringLiteral("Archivos de texto (*.txt);;Archivos TMP (*.tmp);;Todos los archivos (*)");
const QString kAllFiles = QStringLiteral("Todos los archivos (*)");

QFont FontFor(int fontIndex, int sizeIndex) {
  QFont font(QString::fromUtf8(kFontNames[fontIndex]));
  if (fontIndex == 0) font.setStyleHint(QFont::Monospace);
  font.setPointSize(kFontSizes[sizeIndex]);
  return font;
}

}  // namespace

TextEditorWindow::TextEditorWindow(QtInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  textEdit_ = Named("textEdit", new QPlainTextEdit(this));
  textEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(textEdit_);
  BuildMenus();
  layout->setMenuBar(menuBar_);
  resize(760, 520);
  Clear();
}

void TextEditorWindow::BuildMenus() {
  const auto item = [](QMenu* menu, const QString& caption, const char* name) {
    return Named(name, menu->addAction(caption));
  };
  menuBar_ = new QMenuBar(this);
  QMenu* file = menuBar_->addMenu(QStringLiteral("&Archivo "));
  connect(item(file, QStringLiteral("A&brir..."), "openAction"), &QAction::triggered, this,
          &TextEditorWindow::openFile);
  connect(item(file, QStringLiteral("&Guardar"), "saveAction"), &QAction::triggered, this,
          &TextEditorWindow::save);
  connect(item(file, QStringLiteral("Guardar c&omo..."), "saveAsAction"), &QAction::triggered, this,
          &TextEditorWindow::saveAs);
  file->addSeparator();
  connect(item(file, QStringLiteral("&Imprimir..."), "printAction"), &QAction::triggered, this,
          &TextEditorWindow::printText);
  file->addSeparator();
  connect(item(file, QStringLiteral("&Salir"), "quitAction"), &QAction::triggered, this,
          &TextEditorWindow::reject);

  QMenu* edit = Named("editMenu", menuBar_->addMenu(QStringLiteral("&Edición ")));
  cutAction_ = item(edit, QStringLiteral("&Cortar"), "cutAction");
  copyAction_ = item(edit, QStringLiteral("C&opiar"), "copyAction");
  pasteAction_ = item(edit, QStringLiteral("&Pegar"), "pasteAction");
  connect(edit, &QMenu::aboutToShow, this, &TextEditorWindow::updateEditActions);
  connect(cutAction_, &QAction::triggered, textEdit_, &QPlainTextEdit::cut);
  connect(copyAction_, &QAction::triggered, textEdit_, &QPlainTextEdit::copy);
  connect(pasteAction_, &QAction::triggered, textEdit_, &QPlainTextEdit::paste);
  QMenu* replace = edit->addMenu(QStringLiteral("&Reemplazar"));
  connect(item(replace, QStringLiteral("Reempla&zar caracteres"), "replaceAction"),
          &QAction::triggered, this, &TextEditorWindow::replaceCharacter);
  AddStandardCommands(edit);

  QMenu* text = menuBar_->addMenu(QStringLiteral("&Texto "));
  QMenu* fonts = text->addMenu(QStringLiteral("&Fuentes"));
  QMenu* sizes = text->addMenu(QStringLiteral("T&amaño"));
  const char* fontNames[] = {"courierFontAction", "arialFontAction", "symbolFontAction"};
  const char* sizeNames[] = {"size8Action", "size10Action", "size12Action"};
  for (int i = 0; i < 3; ++i) {
    const auto at = static_cast<std::size_t>(i);
    fontActions_[at] = item(fonts, QString::fromUtf8(kFontNames[i]), fontNames[i]);
    sizeActions_[at] = item(sizes, QString::number(kFontSizes[i]), sizeNames[i]);
    fontActions_[at]->setCheckable(true);
    sizeActions_[at]->setCheckable(true);
    connect(fontActions_[at], &QAction::triggered, this, [this, i] { chooseFont(i); });
    connect(sizeActions_[at], &QAction::triggered, this, [this, i] { chooseSize(i); });
  }

  QMenu* about = menuBar_->addMenu(QStringLiteral("A&cerca de"));
  connect(item(about, QStringLiteral("Acerca de Editor"), "aboutAction"), &QAction::triggered, this,
          &TextEditorWindow::showAbout);
}

void TextEditorWindow::Clear() {
  saveName_.clear();
  currentFile_.clear();
  textEdit_->clear();
  savedText_.clear();
  setWindowTitle(QString::fromUtf8(kEditorCaption));
  chooseFont(0);
  chooseSize(1);
}

// Reads the whole file; the text box is only replaced when all of it was read.
bool TextEditorWindow::LoadFile(const QString& path) {
  const auto bytes = ReadFileBytes(FromQt(path));
  if (!bytes) return false;
  const QString text = DocumentFromBytes(*bytes);
  textEdit_->setPlainText(text);
  savedText_ = text;
  return true;
}

bool TextEditorWindow::OpenListing(const std::string& path) {
  currentFile_ = ToQt(path);
  bool read = false;
  try {
    read = LoadFile(currentFile_);
  } catch (const std::exception&) {  // no memory for a file that large, above all
    read = false;
  }
  if (!read) {
    ui_.MessageBox(std::string(" ¡Se ha producido un error al abrir el archivo! ") + kCrLf +
                       "    ¡Quizá el fichero sea demasiado grande! ",
                   Buttons::Ok, Icon::None, 1, kAppTitle);
    return false;
  }
  setWindowTitle(QString::fromUtf8(kListingEditorCaption) + QStringLiteral(" - ") + currentFile_);
  return true;
}

void TextEditorWindow::openFile() {
  const QString name = ToQt(ui_.ChooseFileToOpen(QStringLiteral("Abrir"), kFilter, kAllFiles));
  if (name.isEmpty()) return;
  if (QFileInfo(name).size() > kLargestEditableBytes) {
    ListingViewer viewer(name, kViewerPageBytes, this);
    if (viewer.IsOpen()) {
      viewer.exec();
      return;
    }
  }
  currentFile_ = name;
  bool read = false;
  try {
    read = LoadFile(name);
  } catch (const std::bad_alloc&) {
    ui_.MessageBox(" ¡El fichero es demasiado grande! ", Buttons::Ok, Icon::None, 1, kAppTitle);
    return;
  } catch (const std::exception&) {
    read = false;
  }
  if (!read) {
    ui_.MessageBox(" ¡Se ha producido un error al abrir el archivo! ", Buttons::Ok, Icon::None, 1,
                   kAppTitle);
    return;
  }
  setWindowTitle(QString::fromUtf8(kEditorCaption) + QStringLiteral(" - ") + name);
}

bool TextEditorWindow::AcceptsLostCharacters(const QString& text) {
  const QString outside = CharactersOutsideCp1252(text);
  if (outside.isEmpty()) return true;
  const std::string question =
      std::string(" El texto contiene caracteres que el fichero no puede guardar: ") +
      FromQt(outside.left(20)) + kCrLf + " Se guardarán como \"?\". ¿Desea guardarlo así? ";
  return ui_.MessageBox(question, Buttons::YesNo, Icon::Exclamation, 2, kAppTitle) == Answer::Yes;
}

bool TextEditorWindow::WriteTo(const QString& path) {
  QFile file(path);
  const std::string bytes = BytesFromDocument(textEdit_->toPlainText());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    ui_.MessageBox(" ¡Se ha producido un error al guardar el archivo! ", Buttons::Ok, Icon::None, 1,
                   kAppTitle);
    return false;
  }
  setWindowTitle(QString::fromUtf8(kEditorCaption) + QStringLiteral(" - ") + path);
  return true;
}

// The save name only changes once the person has agreed to write there, so
// a later "&Guardar" cannot overwrite a file that was refused here.
bool TextEditorWindow::saveAs() {
  const QString name =
      ToQt(ui_.ChooseFileToSave(QStringLiteral("Guardar como"), kFilter, kAllFiles));
  if (name.isEmpty()) return false;
  if (FileExists(FromQt(name))) {
    const std::string question =
        std::string(" ¡El Fichero ya existe! ") + kCrLf + " ¿Desea sobreescribirlo? ";
    if (ui_.MessageBox(question, Buttons::YesNo, Icon::Information, 2, kAppTitle) != Answer::Yes)
      return false;
  }
  if (!AcceptsLostCharacters(textEdit_->toPlainText())) return false;
  saveName_ = name;
  return WriteTo(saveName_);
}

bool TextEditorWindow::save() {
  if (saveName_.isEmpty()) return saveAs();
  return AcceptsLostCharacters(textEdit_->toPlainText()) && WriteTo(saveName_);
}

void TextEditorWindow::printText() {
  PrintText(textEdit_->toPlainText(), ui_, this);
}

// Changes are measured against the text as last loaded, not as last saved.
bool TextEditorWindow::ConfirmClose() {
  if (textEdit_->toPlainText() == savedText_) return true;
  if (ui_.MessageBox(" ¿Desea guardar cambios? ", Buttons::YesNo, Icon::Information, 2,
                     kAppTitle) != Answer::Yes)
    return true;
  if (!currentFile_.isEmpty()) {
    saveName_ = currentFile_;
    return save();
  }
  return saveAs();
}

void TextEditorWindow::reject() {
  if (ConfirmClose()) QDialog::reject();
}

void TextEditorWindow::updateEditActions() {
  const bool selection = textEdit_->textCursor().hasSelection();
  cutAction_->setEnabled(selection);
  copyAction_->setEnabled(selection);
  pasteAction_->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

void TextEditorWindow::replaceCharacter() {
  ReplaceDialog dialog(ui_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // One edit of the document, so that undo takes the whole replacement back.
  const QString replaced = ReplaceCharacter(textEdit_->toPlainText(), dialog.From(), dialog.To());
  if (replaced == textEdit_->toPlainText()) return;
  QTextCursor cursor(textEdit_->document());
  cursor.select(QTextCursor::Document);
  cursor.insertText(replaced);
}

void TextEditorWindow::chooseFont(int index) {
  fontActions_[static_cast<std::size_t>(fontIndex_)]->setChecked(false);
  fontIndex_ = index;
  fontActions_[static_cast<std::size_t>(index)]->setChecked(true);
  textEdit_->setFont(FontFor(fontIndex_, sizeIndex_));
}

void TextEditorWindow::chooseSize(int index) {
  sizeActions_[static_cast<std::size_t>(sizeIndex_)]->setChecked(false);
  sizeIndex_ = index;
  sizeActions_[static_cast<std::size_t>(index)]->setChecked(true);
  textEdit_->setFont(FontFor(fontIndex_, sizeIndex_));
}

void TextEditorWindow::showAbout() {
  AboutDialog about(AboutBox::Editor, this);
  about.exec();
}

}  // namespace ombrel
