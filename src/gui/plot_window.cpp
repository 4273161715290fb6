#include "gui/plot_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/command_guard.h"
#include "gui/dialog_widgets.h"
#include "gui/plot_picture.h"
#include "gui/plot_saving.h"
#include "gui/printing.h"
#include "gui/qt_prompts.h"
#include "listing/number_format.h"
#include "plot/dxf_writer.h"
#include "plot/figure_prompts.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

const std::string kMatrixInputNotice =
    JoinLines({"    Cuando la entrada ha sido mediante matrices    ",
               "    no se dispone de datos sobre los puntos fijos,    ",
               "    ni sobre las observaciones realizadas.    ",
               "    Por ello no se dibujan en el menú gráfico.    "});

QFrame* DecorativeLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

void AddOnce(std::vector<std::pair<int, int>>& pairs, const std::pair<int, int>& pair) {
  if (std::find(pairs.begin(), pairs.end(), pair) == pairs.end()) pairs.push_back(pair);
}

}  // namespace

PlotWindow::PlotWindow(NetworkState& state, QtInteraction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setWindowTitle(QStringLiteral(" Menú  Gráfico"));
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildCommands());
  picture_ = Named("picture", new PlotPicture(this));
  picture_->setMinimumSize(kPictureWidth / 2, kPictureHeight / 2);
  picture_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // Until the layout places it, the picture has the window's first size.
  picture_->resize(kPictureWidth, kPictureHeight);
  layout->addWidget(picture_, 1);
  resize(layout->sizeHint().width() + kPictureWidth / 2, kPictureHeight + 24);

  const auto on = [this](QPushButton* button, void (PlotWindow::*click)()) {
    connect(button, &QPushButton::clicked, this,
            [this, click] { Guard([&] { (this->*click)(); }); });
  };
  on(showAllButton_, &PlotWindow::showWholeNetwork);
  on(absoluteEllipsesButton_, &PlotWindow::showAbsoluteEllipses);
  on(relativeEllipsesButton_, &PlotWindow::addRelativeEllipse);
  on(ellipseScaleButton_, &PlotWindow::changeEllipseScale);
  on(rosettesButton_, &PlotWindow::addRosette);
  on(sectionsButton_, &PlotWindow::addSection);
  on(projectionsButton_, &PlotWindow::addAxisProjection);
  on(dxfButton_, &PlotWindow::exportDxf);
  on(saveButton_, &PlotWindow::savePicture);
  on(printButton_, &PlotWindow::printDrawing);
  connect(picture_, &PlotPicture::MouseDown, this, [this](Qt::MouseButton b, double x, double y) {
    Guard([&] { pressOnPicture(b, x, y); });
  });
  connect(picture_, &PlotPicture::MouseMove, this, [this](Qt::MouseButtons b, double x, double y) {
    Guard([&] { moveOnPicture(b, x, y); });
  });
  connect(picture_, &PlotPicture::MouseUp, this, [this](Qt::MouseButton b, double x, double y) {
    Guard([&] { releaseOnPicture(b, x, y); });
  });
  connect(picture_, &PlotPicture::Wheel, this,
          [this](double steps, double x, double y) { Guard([&] { zoomAtPointer(steps, x, y); }); });
  connect(picture_, &PlotPicture::Resized, this,
          [this](double w, double h) { Guard([&] { fitToPicture(w, h); }); });
}

QWidget* PlotWindow::BuildCommands() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(DecorativeLine(panel));
  showAllButton_ = AddButton(layout, "showAllButton", "Ver toda la red");
  layout->addWidget(DecorativeLine(panel));
  layout->addSpacing(12);
  layout->addWidget(DecorativeLine(panel));
  layout->addWidget(new QLabel(QStringLiteral("ELIPSES CLASICAS:"), panel));
  absoluteEllipsesButton_ = AddButton(layout, "absoluteEllipsesButton", "Elipses absolutas");
  relativeEllipsesButton_ = AddButton(layout, "relativeEllipsesButton", "Elipses relativas");
  ellipseScaleButton_ = AddButton(layout, "ellipseScaleButton", "Escala elipses");
  layout->addWidget(DecorativeLine(panel));
  layout->addSpacing(12);
  layout->addWidget(DecorativeLine(panel));
  layout->addWidget(new QLabel(QStringLiteral("NUEVAS ELIPSES:"), panel));
  rosettesButton_ = AddButton(layout, "rosettesButton", "Rosetas de error");
  sectionsButton_ = AddButton(layout, "sectionsButton", "Secciones  del hiperelipsoide ..");
  projectionsButton_ = AddButton(layout, "projectionsButton", "Proyecciones de los  semiejes");
  layout->addWidget(DecorativeLine(panel));
  layout->addSpacing(12);
  layout->addWidget(DecorativeLine(panel));
  dxfButton_ = AddButton(layout, "dxfButton", "Crear fichero DXF");
  saveButton_ = AddButton(layout, "saveButton", "Guardar gráfico...");
  saveButton_->setToolTip(QStringLiteral("Guarda lo que se ve, con su leyenda, en SVG, PNG o PDF"));
  printButton_ = AddButton(layout, "printButton", "Imprimir...");
  layout->addWidget(DecorativeLine(panel));
  layout->addStretch();
  // Nothing is drawn yet: the figures and the export wait for the full view.
  for (QPushButton* b : {absoluteEllipsesButton_, relativeEllipsesButton_, rosettesButton_,
                         sectionsButton_, projectionsButton_, dxfButton_, saveButton_})
    b->setEnabled(false);
  return panel;
}

QPushButton* PlotWindow::AddButton(QVBoxLayout* layout, const char* name, const char* caption) {
  auto* button = Named(name, new QPushButton(QString::fromUtf8(caption), layout->parentWidget()));
  button->setAutoDefault(false);
  layout->addWidget(button);
  return button;
}

// A fault of the drawing (an overflow after zooming in too far, figures
// whose arrays a computation left unsized) ends the command with its
// message; the window stays open with what it showed.
void PlotWindow::Guard(const std::function<void()>& command) {
  RunGuarded(state_, ui_, command);
}

void PlotWindow::showWholeNetwork() {
  band_.Clear();
  picture_->SetBand(band_);
  view_.ShowAll(state_, picture_->width(), picture_->height());
  AfterRedraw();
  if (state_.Import.MatrixInput)
    ui_.MessageBox(kMatrixInputNotice, Buttons::Ok, Icon::Information, 1, kAppTitle);
  EnableFigureButtons();
}

void PlotWindow::EnableFigureButtons() {
  const bool ellipses = state_.Ellipses.Done;
  absoluteEllipsesButton_->setEnabled(ellipses);
  relativeEllipsesButton_->setEnabled(ellipses);
  rosettesButton_->setEnabled(state_.Figures.RosettesDone);
  sectionsButton_->setEnabled(state_.Figures.SectionsDone);
  projectionsButton_->setEnabled(state_.Figures.AxisProjDone);
}

void PlotWindow::NetworkChanged() {
  if (!state_.HasActiveProject()) {
    close();
    return;
  }
  if (!view_.Drawn()) return;
  band_.Clear();
  picture_->SetBand(band_);
  view_.ShowAll(state_, picture_->width(), picture_->height());
  AfterRedraw();
  EnableFigureButtons();
}

void PlotWindow::AfterRedraw() {
  dxfButton_->setEnabled(view_.DxfEnabled());
  saveButton_->setEnabled(view_.Drawn());
  ShowScene();
}

void PlotWindow::AfterViewChange() {
  band_.Clear();
  picture_->SetBand(band_);
  AfterRedraw();
}

void PlotWindow::ShowScene() {
  picture_->SetScene(view_.Scene(state_));
}

void PlotWindow::showAbsoluteEllipses() {
  view_.Shown().absolute = true;
  ShowScene();
}

void PlotWindow::addRelativeEllipse() {
  if (const auto pair = AskRelativePair(state_, ui_)) {
    AddOnce(view_.Shown().relative, *pair);
    ShowScene();
  }
}

void PlotWindow::changeEllipseScale() {
  if (!AskEllipseFactor(state_, ui_) || !view_.Drawn()) return;
  view_.Redraw(state_);
  AfterRedraw();
}

void PlotWindow::addRosette() {
  AddFigureOfUnknowns(FigureKind::Rosette);
}

void PlotWindow::addSection() {
  AddFigureOfUnknowns(FigureKind::Section);
}

void PlotWindow::addAxisProjection() {
  AddFigureOfUnknowns(FigureKind::AxisProjection);
}

void PlotWindow::AddFigureOfUnknowns(FigureKind kind) {
  const auto pair = AskUnknownPair(state_, ui_, kind);
  if (!pair) return;
  FigureSelection& shown = view_.Shown();
  AddOnce(kind == FigureKind::Rosette   ? shown.rosettes
          : kind == FigureKind::Section ? shown.sections
                                        : shown.projections,
          *pair);
  ShowScene();
}

void PlotWindow::exportDxf() {
  ExportDxf(state_, ui_, view_.Shown());
}

void PlotWindow::savePicture() {
  SavePlotPicture(state_, ui_, view_);
}

// The picture as it is on the screen, zoom rectangle and readout included.
void PlotWindow::printDrawing() {
  PrintThroughDialog(ui_, this,
                     [this](QPrinter& printer) { return PrintWidget(*picture_, printer); });
}

// The right button inside the rectangle zooms to it; elsewhere it starts a
// drag, as the middle button does.
void PlotWindow::pressOnPicture(Qt::MouseButton button, double px, double py) {
  if (!view_.Drawn()) return;
  if (button == Qt::LeftButton) {
    band_.Press(px, py);
    picture_->SetBand(band_);
  } else if (button == Qt::RightButton && band_.Contains(px, py)) {
    view_.ZoomTo(state_, band_.x1, band_.y1, band_.x2, band_.y2);
    band_.Clear();
    picture_->SetBand(band_);
    AfterRedraw();
  } else if (button == Qt::RightButton || button == Qt::MiddleButton) {
    panning_ = true;
    panX_ = px;
    panY_ = py;
  }
}

void PlotWindow::moveOnPicture(Qt::MouseButtons buttons, double px, double py) {
  if (!view_.Drawn()) return;
  if (panning_ && (buttons & (Qt::RightButton | Qt::MiddleButton))) {
    view_.Pan(px - panX_, py - panY_);
    panX_ = px;
    panY_ = py;
    AfterViewChange();
  }
  const PlotFit& fit = view_.Fit();
  picture_->SetReadout(ToQt(" x =" + FormatNumber(fit.GroundX(px), 9, 2)),
                       ToQt(" y =" + FormatNumber(fit.GroundY(py), 9, 2)));
  if (buttons & Qt::LeftButton) {
    band_.Drag(px, py);
    picture_->SetBand(band_);
  }
}

void PlotWindow::releaseOnPicture(Qt::MouseButton button, double px, double py) {
  if (button == Qt::RightButton || button == Qt::MiddleButton) panning_ = false;
  if (!view_.Drawn() || button != Qt::LeftButton) return;
  band_.Release(px, py);
  picture_->SetBand(band_);
}

void PlotWindow::zoomAtPointer(double steps, double px, double py) {
  if (!view_.Drawn() || steps == 0.0) return;
  view_.ZoomAbout(px, py, std::pow(1.25, steps));
  AfterViewChange();
}

void PlotWindow::fitToPicture(double width, double height) {
  if (!view_.Drawn()) return;
  view_.Resize(state_, width, height);
  AfterViewChange();
}

}  // namespace ombrel
