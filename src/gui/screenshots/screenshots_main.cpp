// Draws the desktop windows as they look with the bundled example network
// active and saves them as PNG images for the documentation:
//   ombrel-screenshots PROJECT OUTPUT_FOLDER
// The project's folder becomes the working folder, so the listing written
// for the editor image stays there.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <cstdio>

#include "adjust/adjustment_driver.h"
#include "gui/frm_editor.h"
#include "gui/frm_mincu.h"
#include "gui/frm_opciones.h"
#include "gui/working_folder.h"
#include "model/project_file.h"

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name) {
  widget.show();
  QApplication::processEvents();
  const QString path = folder.filePath(QString::fromUtf8(name));
  if (widget.grab().save(path)) return true;
  std::fprintf(stderr, "No se puede escribir %s\n", path.toLocal8Bit().constData());
  return false;
}

// A full adjustment with the default answers, so the editor has a listing.
void Adjust(ombrel::frmMincu& window) {
  ombrel::QtInteraction& ui = window.Ui();
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextText("4.12");
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextText("salida.tmp");
  ui.SetNextOutputType(ombrel::OutputType::Full);
  ui.SetNextAnswer(ombrel::Answer::No);
  ombrel::mnuInici_Click(window.State(), ui, ombrel::kAdjustInverse);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "uso: ombrel-screenshots PROYECTO CARPETA_DE_IMAGENES\n");
    return 1;
  }
  const QString project = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  // Made absolute before the working folder changes.
  const QDir output(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
  ombrel::SetWorkingFolder(QFileInfo(project).absolutePath());

  ombrel::frmMincu window;
  window.Ui().SetUnattended(true);
  if (!ombrel::LoadProjectFile(window.State(), window.Ui(), project.toStdString())) return 2;
  window.resize(760, 260);
  bool saved = Save(window, output, "ventana_principal.png");

  ombrel::frmOpciones options(window.State(), window.Ui(), &window);
  saved = Save(options, output, "opciones.png") && saved;

  QFile::remove(QStringLiteral("salida.tmp"));  // no overwrite question
  Adjust(window);
  ombrel::frmEditor editor(window.Ui(), &window);
  if (!editor.OpenListing(window.State().ListingFileName)) return 2;
  editor.resize(900, 560);
  saved = Save(editor, output, "editor.png") && saved;
  return saved ? 0 : 2;
}
