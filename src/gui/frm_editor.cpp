#include "gui/frm_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <new>

#include "gui/about_dialog.h"
#include "gui/editor_printing.h"
#include "gui/frm_reemplazar.h"
#include "gui/qt_prompts.h"
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

frmEditor::frmEditor(QtInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  Text1 = new QPlainTextEdit(this);
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Text1);
  BuildMenus();
  layout->setMenuBar(menuBar_);
  resize(760, 520);
  Form_Load();
}

void frmEditor::BuildMenus() {
  menuBar_ = new QMenuBar(this);
  QMenu* file = menuBar_->addMenu(QStringLiteral("&Archivo "));
  connect(file->addAction(QStringLiteral("A&brir...")), &QAction::triggered, this,
          &frmEditor::FicheroAbrir_Click);
  connect(file->addAction(QStringLiteral("&Guardar")), &QAction::triggered, this,
          [this] { FicheroGu_Click(); });
  connect(file->addAction(QStringLiteral("Guardar c&omo...")), &QAction::triggered, this,
          [this] { FicheroGuardar_Click(); });
  file->addSeparator();
  connect(file->addAction(QStringLiteral("&Imprimir...")), &QAction::triggered, this,
          &frmEditor::FicheroImprimir_Click);
  file->addSeparator();
  connect(file->addAction(QStringLiteral("&Salir")), &QAction::triggered, this, &frmEditor::reject);

  mnuEdicion = menuBar_->addMenu(QStringLiteral("&Edición "));
  Cortar = mnuEdicion->addAction(QStringLiteral("&Cortar"));
  Copiar = mnuEdicion->addAction(QStringLiteral("C&opiar"));
  Pegar = mnuEdicion->addAction(QStringLiteral("&Pegar"));
  connect(mnuEdicion, &QMenu::aboutToShow, this, &frmEditor::mnuEdicion_Click);
  connect(Cortar, &QAction::triggered, this, &frmEditor::Cortar_Click);
  connect(Copiar, &QAction::triggered, this, &frmEditor::Copiar_Click);
  connect(Pegar, &QAction::triggered, this, &frmEditor::Pegar_Click);
  QMenu* replace = mnuEdicion->addMenu(QStringLiteral("&Reemplazar"));
  connect(replace->addAction(QStringLiteral("Reempla&zar caracteres")), &QAction::triggered, this,
          &frmEditor::Reemplazar_Click);

  QMenu* text = menuBar_->addMenu(QStringLiteral("&Texto "));
  QMenu* fonts = text->addMenu(QStringLiteral("&Fuentes"));
  QMenu* sizes = text->addMenu(QStringLiteral("T&amaño"));
  for (int i = 0; i < 3; ++i) {
    const auto at = static_cast<std::size_t>(i);
    Fuente[at] = fonts->addAction(QString::fromUtf8(kFontNames[i]));
    Tamano[at] = sizes->addAction(QString::number(kFontSizes[i]));
    Fuente[at]->setCheckable(true);
    Tamano[at]->setCheckable(true);
    connect(Fuente[at], &QAction::triggered, this, [this, i] { Fuente_Click(i); });
    connect(Tamano[at], &QAction::triggered, this, [this, i] { Tamano_Click(i); });
  }

  QMenu* about = menuBar_->addMenu(QStringLiteral("A&cerca de"));
  connect(about->addAction(QStringLiteral("Acerca de Editor")), &QAction::triggered, this,
          &frmEditor::Acerca_Click);
}

void frmEditor::Form_Load() {
  saveName_.clear();
  currentFile_.clear();
  Text1->clear();
  savedText_.clear();
  setWindowTitle(QString::fromUtf8(kEditorCaption));
  Fuente_Click(0);
  Tamano_Click(1);
}

// Reads the whole file; the text box is only replaced when all of it was read.
bool frmEditor::LoadFile(const QString& path) {
  const auto bytes = ReadFileBytes(FromQt(path));
  if (!bytes) return false;
  const QString text = DocumentFromBytes(*bytes);
  Text1->setPlainText(text);
  savedText_ = text;
  return true;
}

bool frmEditor::OpenListing(const std::string& path) {
  currentFile_ = ToQt(path);
  bool read = false;
  try {
    read = LoadFile(currentFile_);
  } catch (const std::bad_alloc&) {
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

void frmEditor::FicheroAbrir_Click() {
  const QString name = ToQt(ui_.ChooseFileToOpen(QStringLiteral("Abrir"), kFilter, kAllFiles));
  if (name.isEmpty()) return;
  currentFile_ = name;
  try {
    if (!LoadFile(name)) {
      ui_.MessageBox(" ¡Se ha producido un error al abrir el archivo! ", Buttons::Ok, Icon::None, 1,
                     kAppTitle);
      return;
    }
  } catch (const std::bad_alloc&) {
    ui_.MessageBox(" ¡El fichero es demasiado grande! ", Buttons::Ok, Icon::None, 1, kAppTitle);
    return;
  }
  setWindowTitle(QString::fromUtf8(kEditorCaption) + QStringLiteral(" - ") + name);
}

bool frmEditor::WriteTo(const QString& path) {
  QFile file(path);
  const std::string bytes = BytesFromDocument(Text1->toPlainText());
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
bool frmEditor::FicheroGuardar_Click() {
  const QString name =
      ToQt(ui_.ChooseFileToSave(QStringLiteral("Guardar como"), kFilter, kAllFiles));
  if (name.isEmpty()) return false;
  if (FileExists(FromQt(name))) {
    const std::string question =
        std::string(" ¡El Fichero ya existe! ") + kCrLf + " ¿Desea sobreescribirlo? ";
    if (ui_.MessageBox(question, Buttons::YesNo, Icon::Information, 2, kAppTitle) != Answer::Yes)
      return false;
  }
  saveName_ = name;
  return WriteTo(saveName_);
}

bool frmEditor::FicheroGu_Click() {
  if (saveName_.isEmpty()) return FicheroGuardar_Click();
  return WriteTo(saveName_);
}

void frmEditor::FicheroImprimir_Click() {
  PrintText(Text1->toPlainText(), ui_, this);
}

// Changes are measured against the text as last loaded, not as last saved.
bool frmEditor::ConfirmClose() {
  if (Text1->toPlainText() == savedText_) return true;
  if (ui_.MessageBox(" ¿Desea guardar cambios? ", Buttons::YesNo, Icon::Information, 2,
                     kAppTitle) != Answer::Yes)
    return true;
  if (!currentFile_.isEmpty()) {
    saveName_ = currentFile_;
    return FicheroGu_Click();
  }
  return FicheroGuardar_Click();
}

void frmEditor::reject() {
  if (ConfirmClose()) QDialog::reject();
}

void frmEditor::mnuEdicion_Click() {
  const bool selection = Text1->textCursor().hasSelection();
  Cortar->setEnabled(selection);
  Copiar->setEnabled(selection);
  Pegar->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

void frmEditor::Cortar_Click() {
  Text1->cut();
}
void frmEditor::Copiar_Click() {
  Text1->copy();
}
void frmEditor::Pegar_Click() {
  Text1->paste();
}

void frmEditor::Reemplazar_Click() {
  frmReemplazar dialog(ui_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  Text1->setPlainText(ReplaceCharacter(Text1->toPlainText(), dialog.From(), dialog.To()));
}

void frmEditor::Fuente_Click(int index) {
  Fuente[static_cast<std::size_t>(fontIndex_)]->setChecked(false);
  fontIndex_ = index;
  Fuente[static_cast<std::size_t>(index)]->setChecked(true);
  Text1->setFont(FontFor(fontIndex_, sizeIndex_));
}

void frmEditor::Tamano_Click(int index) {
  Tamano[static_cast<std::size_t>(sizeIndex_)]->setChecked(false);
  sizeIndex_ = index;
  Tamano[static_cast<std::size_t>(index)]->setChecked(true);
  Text1->setFont(FontFor(fontIndex_, sizeIndex_));
}

void frmEditor::Acerca_Click() {
  AboutDialog about(AboutBox::Editor, this);
  about.exec();
}

}  // namespace ombrel
