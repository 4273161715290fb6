// Draws the desktop windows as they look with the bundled example network
// active (main window, options, project editor, review, text editor, the
// viewer of large listings and a prompt taller than the screen) and
// saves them as PNG images for the documentation:
//   ombrel-screenshots PROJECT OUTPUT_FOLDER [FREE_PROJECT FIGURES_PROJECT]
// The project's folder becomes the working folder, so the listings written
// for the editor and the graphics window stay there. FREE_PROJECT, a free
// network, is drawn with its absolute ellipses; FIGURES_PROJECT, adjusted
// with the hyperellipsoid figures, with a relative ellipse and rosettes.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <cstdio>

#include "adjust/adjustment_driver.h"
#include "adjust/open_project_command.h"
#include "gui/listing_viewer.h"
#include "gui/main_window.h"
#include "gui/options_dialog.h"
#include "gui/plot_picture.h"
#include "gui/plot_window.h"
#include "gui/project_editor_dialog.h"
#include "gui/qt_prompts.h"
#include "gui/review_dialog.h"
#include "gui/scrolling_prompt.h"
#include "gui/text_editor_window.h"
#include "gui/working_folder.h"
#include "model/project_lists.h"

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
void Adjust(ombrel::MainWindow& window) {
  ombrel::QtInteraction& ui = window.Ui();
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextText("4.12");
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextText("salida.tmp");
  ui.SetNextOutputType(ombrel::OutputType::Full);
  ui.SetNextAnswer(ombrel::Answer::No);
  window.findChild<QAction*>(QStringLiteral("adjustInverseAction"))->trigger();
}

// Presses the button of that object name.
void Click(const QWidget& window, const char* button) {
  window.findChild<QPushButton*>(QString::fromUtf8(button))->click();
}

// The pointer over a picture point, so that the readout shows.
void PointAt(ombrel::PlotPicture& picture, double px, double py) {
  const QPointF at = picture.WidgetPoint(px, py);
  QMouseEvent move(QEvent::MouseMove, at, picture.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&picture, &move);
}

// A free network adjusted with the constraint matrix of network type 2,
// drawn with its absolute ellipses.
bool SaveFreeNetworkPlot(const QString& project, const QDir& output) {
  ombrel::NetworkState state;
  ombrel::QtInteraction ui;
  ui.SetUnattended(true);
  if (!ombrel::LoadProjectFile(state, ui, project.toStdString())) return false;
  QFile::remove(QStringLiteral("libre.tmp"));
  ui.SetNextText("2");
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextText("4.12");
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextText("libre.tmp");
  ui.SetNextOutputType(ombrel::OutputType::Full);
  ui.SetNextAnswer(ombrel::Answer::No);
  ombrel::RunAdjustment(state, ui, ombrel::AdjustmentMethod::Constraints);
  if (!state.Ellipses.Done) return false;
  ombrel::PlotWindow window(state, ui);
  Click(window, "showAllButton");
  Click(window, "absoluteEllipsesButton");
  const ombrel::PlotFit& fit = window.View().Fit();
  PointAt(*window.findChild<ombrel::PlotPicture*>(QStringLiteral("picture")),
          fit.PictureX(state.Network.PointX(1)), fit.PictureY(state.Network.PointY(1)));
  return Save(window, output, "grafico_elipses.png");
}

// A network adjusted with the hyperellipsoid figures (every eigenvalue
// kept), drawn with the relative ellipse of its first two variable points
// and the rosettes of the two unknowns of each of them.
bool SaveFiguresPlot(const QString& project, const QDir& output) {
  ombrel::NetworkState state;
  ombrel::QtInteraction ui;
  ui.SetUnattended(true);
  if (!ombrel::LoadProjectFile(state, ui, project.toStdString())) return false;
  QFile::remove(QStringLiteral("figuras.tmp"));
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextAnswer(ombrel::Answer::No);
  ui.SetNextText("4.12");
  ui.SetNextAnswer(ombrel::Answer::Yes);
  ui.SetNextText("figuras.tmp");
  ui.SetNextOutputType(ombrel::OutputType::Full);
  ui.SetNextText(std::to_string(state.ProjectUnknowns()));
  ui.SetNextText("1");
  ui.SetNextAnswer(ombrel::Answer::No);
  ombrel::RunAdjustment(state, ui, ombrel::AdjustmentMethod::Inverse);
  if (!state.Figures.RosettesDone || ombrel::EllipseItemCount(state) < 2) return false;
  const auto label = [&](int k) {
    return std::to_string(state.Network.PointNumber(ombrel::EllipseItemPoint(state, k)));
  };
  ombrel::PlotWindow window(state, ui);
  Click(window, "showAllButton");
  Click(window, "absoluteEllipsesButton");
  ui.SetNextText(label(1) + "," + label(2));
  Click(window, "relativeEllipsesButton");
  ui.SetNextText("1,2");
  Click(window, "rosettesButton");
  ui.SetNextText("3,4");
  Click(window, "rosettesButton");
  return Save(window, output, "grafico_figuras.png");
}

// The project editor on the example project, with its observations shown,
// and the review dialog on the same network.
bool SaveProjectWindows(ombrel::MainWindow& window, const QString& project, const QDir& output) {
  ombrel::Result<ombrel::ProjectLists> lists =
      ombrel::ProjectLists::FromFile(project.toStdString());
  if (!lists) return false;
  window.State().SelectedFile = project.toStdString();
  ombrel::ProjectEditorDialog editor(window.State(), window.Ui(), std::move(*lists), &window);
  editor.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(1);
  editor.resize(820, 520);
  bool saved = Save(editor, output, "proyecto.png");
  ombrel::ReviewDialog review(window.State(), window.Ui(), &window);
  saved = Save(review, output, "revisar.png") && saved;
  editor.hide();
  review.hide();
  return saved;
}

// The read-only viewer of a listing too large to edit, on the example's
// listing cut into small pages, and a prompt taller than the screen, such as
// the eigenvalues of a large network, with its text scrolling.
bool SaveLargeTextWindows(const QString& listing, const QDir& output) {
  ombrel::ListingViewer viewer(listing, 2 << 10);
  viewer.showPage(1);
  viewer.resize(900, 560);
  bool saved = Save(viewer, output, "visor.png");
  QString text = QStringLiteral("\nIndique el numero VALORES PROPIOS a conservar : \n\n");
  for (int i = 90; i >= 1; --i)
    text += QStringLiteral("  %1\n").arg(0.0123456789 * i * i, 26, 'f', 18);
  ombrel::ScrollingPrompt prompt(nullptr, QStringLiteral("Ombrel"), text,
                                 {QStringLiteral("Aceptar"), QStringLiteral("Cancelar")}, 0, 1,
                                 true, QStringLiteral("90"));
  saved = Save(prompt, output, "pregunta_larga.png") && saved;
  viewer.hide();
  prompt.hide();
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr,
                 "uso: ombrel-screenshots PROYECTO CARPETA_DE_IMAGENES [RED_LIBRE RED_FIGURAS]\n");
    return 1;
  }
  const QString project = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  const QString freeProject =
      argc == 5 ? QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath() : QString();
  const QString figuresProject =
      argc == 5 ? QFileInfo(QString::fromLocal8Bit(argv[4])).absoluteFilePath() : QString();
  // Made absolute before the working folder changes.
  const QDir output(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
  ombrel::SetWorkingFolder(QFileInfo(project).absolutePath());

  ombrel::MainWindow window;
  window.Ui().SetUnattended(true);
  if (!ombrel::LoadProjectFile(window.State(), window.Ui(), project.toStdString())) return 2;
  window.resize(760, 260);
  bool saved = Save(window, output, "ventana_principal.png");

  ombrel::OptionsDialog options(window.State(), window.Ui(), &window);
  saved = Save(options, output, "opciones.png") && saved;
  saved = SaveProjectWindows(window, project, output) && saved;

  QFile::remove(QStringLiteral("salida.tmp"));  // no overwrite question
  Adjust(window);
  ombrel::TextEditorWindow editor(window.Ui(), &window);
  if (!editor.OpenListing(window.State().ListingFileName)) return 2;
  editor.resize(900, 560);
  saved = Save(editor, output, "editor.png") && saved;
  editor.hide();
  saved = SaveLargeTextWindows(ombrel::ToQt(window.State().ListingFileName), output) && saved;
  if (argc == 5) {
    saved = SaveFreeNetworkPlot(freeProject, output) && saved;
    saved = SaveFiguresPlot(figuresProject, output) && saved;
  }
  return saved ? 0 : 2;
}
