#include "gui/frm_grafico.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "adjust/run_time_message.h"
#include "gui/plot_picture.h"
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

frmGrafico::frmGrafico(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setWindowTitle(QStringLiteral(" Menú  Gráfico"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildCommands());
  Picture1 = new PlotPicture(this);
  Picture1->setFixedSize(kPictureWidth, kPictureHeight);
  layout->addWidget(Picture1);

  const auto on = [this](QPushButton* button, void (frmGrafico::*click)()) {
    connect(button, &QPushButton::clicked, this,
            [this, click] { Guard([&] { (this->*click)(); }); });
  };
  on(Command1, &frmGrafico::Command1_Click);
  on(Command2, &frmGrafico::Command2_Click);
  on(Command3, &frmGrafico::Command3_Click);
  on(Command4, &frmGrafico::Command4_Click);
  on(Command5, &frmGrafico::Command5_Click);
  on(Command6, &frmGrafico::Command6_Click);
  on(Command7, &frmGrafico::Command7_Click);
  on(Command8, &frmGrafico::Command8_Click);
  connect(Picture1, &PlotPicture::MouseDown, this, [this](Qt::MouseButton b, double x, double y) {
    Guard([&] { Picture1_MouseDown(b, x, y); });
  });
  connect(Picture1, &PlotPicture::MouseMove, this, [this](Qt::MouseButtons b, double x, double y) {
    Guard([&] { Picture1_MouseMove(b, x, y); });
  });
  connect(Picture1, &PlotPicture::MouseUp, this, [this](Qt::MouseButton b, double x, double y) {
    Guard([&] { Picture1_MouseUp(b, x, y); });
  });
}

QWidget* frmGrafico::BuildCommands() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(DecorativeLine(panel));
  Command1 = AddButton(layout, "Ver toda la red");
  layout->addWidget(DecorativeLine(panel));
  layout->addSpacing(12);
  layout->addWidget(DecorativeLine(panel));
  Label1 = new QLabel(QStringLiteral("ELIPSES CLASICAS:"), panel);
  layout->addWidget(Label1);
  Command2 = AddButton(layout, "Elipses absolutas");
  Command3 = AddButton(layout, "Elipses relativas");
  Command4 = AddButton(layout, "Escala elipses");
  layout->addWidget(DecorativeLine(panel));
  layout->addSpacing(12);
  layout->addWidget(DecorativeLine(panel));
  Label2 = new QLabel(QStringLiteral("NUEVAS ELIPSES:"), panel);
  layout->addWidget(Label2);
  Command5 = AddButton(layout, "Rosetas de error");
  Command6 = AddButton(layout, "Secciones  del hiperelipsoide ..");
  Command7 = AddButton(layout, "Proyecciones de los  semiejes");
  layout->addWidget(DecorativeLine(panel));
  layout->addSpacing(12);
  layout->addWidget(DecorativeLine(panel));
  Command8 = AddButton(layout, "Crear fichero DXF");
  layout->addWidget(DecorativeLine(panel));
  layout->addStretch();
  // Nothing is drawn yet: the figures and the export wait for the full view.
  for (QPushButton* b : {Command2, Command3, Command5, Command6, Command7, Command8})
    b->setEnabled(false);
  return panel;
}

QPushButton* frmGrafico::AddButton(QVBoxLayout* layout, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), layout->parentWidget());
  button->setAutoDefault(false);
  layout->addWidget(button);
  return button;
}

// A run-time error of the drawing (an overflow after zooming in too far,
// figures whose arrays a computation left unsized) ends the command with
// its message; the window stays open with what it showed.
void frmGrafico::Guard(const std::function<void()>& command) {
  try {
    command();
  } catch (const RunTimeError& error) {
    ReportRunTimeError(state_, ui_, error);
    state_.Abandon = false;
  }
}

void frmGrafico::Command1_Click() {
  band_.Clear();
  Picture1->SetBand(band_);
  view_.ShowAll(state_, Picture1->width(), Picture1->height());
  AfterRedraw();
  if (state_.MatrixInput) ui_.MessageBox(kMatrixInputNotice, Buttons::Ok, Icon::Information);
  EnableFigureButtons();
}

void frmGrafico::EnableFigureButtons() {
  const bool ellipses = state_.EllipsesDone == "Si";
  Command2->setEnabled(ellipses);
  Command3->setEnabled(ellipses);
  Command5->setEnabled(state_.RosettesDone == "Si");
  Command6->setEnabled(state_.SectionsDone == "Si");
  Command7->setEnabled(state_.AxisProjDone == "Si");
}

void frmGrafico::AfterRedraw() {
  Command8->setEnabled(view_.DxfEnabled());
  ShowScene();
}

void frmGrafico::ShowScene() {
  Picture1->SetScene(view_.Scene(state_));
}

void frmGrafico::Command2_Click() {
  view_.Shown().absolute = true;
  ShowScene();
}

void frmGrafico::Command3_Click() {
  if (const auto pair = AskRelativePair(state_, ui_)) {
    AddOnce(view_.Shown().relative, *pair);
    ShowScene();
  }
}

void frmGrafico::Command4_Click() {
  if (!AskEllipseFactor(state_, ui_) || !view_.Drawn()) return;
  view_.Redraw(state_);
  AfterRedraw();
}

void frmGrafico::Command5_Click() {
  FigureOfUnknowns_Click(FigureKind::Rosette);
}

void frmGrafico::Command6_Click() {
  FigureOfUnknowns_Click(FigureKind::Section);
}

void frmGrafico::Command7_Click() {
  FigureOfUnknowns_Click(FigureKind::AxisProjection);
}

void frmGrafico::FigureOfUnknowns_Click(FigureKind kind) {
  const auto pair = AskUnknownPair(state_, ui_, kind);
  if (!pair) return;
  FigureSelection& shown = view_.Shown();
  AddOnce(kind == FigureKind::Rosette   ? shown.rosettes
          : kind == FigureKind::Section ? shown.sections
                                        : shown.projections,
          *pair);
  ShowScene();
}

void frmGrafico::Command8_Click() {
  ExportDxf(state_, ui_, view_.Shown());
}

void frmGrafico::Picture1_MouseDown(Qt::MouseButton button, double px, double py) {
  if (!view_.Drawn()) return;
  if (button == Qt::LeftButton) {
    band_.Press(px, py);
    Picture1->SetBand(band_);
  } else if (button == Qt::RightButton && band_.Contains(px, py)) {
    view_.ZoomTo(state_, band_.x1, band_.y1, band_.x2, band_.y2);
    band_.Clear();
    Picture1->SetBand(band_);
    AfterRedraw();
  }
}

void frmGrafico::Picture1_MouseMove(Qt::MouseButtons buttons, double px, double py) {
  if (!view_.Drawn()) return;
  const PlotFit& fit = view_.Fit();
  Picture1->SetReadout(ToQt(" x =" + FormatNumber(fit.GroundX(px), 9, 2)),
                       ToQt(" y =" + FormatNumber(fit.GroundY(py), 9, 2)));
  if (buttons & Qt::LeftButton) {
    band_.Drag(px, py);
    Picture1->SetBand(band_);
  }
}

void frmGrafico::Picture1_MouseUp(Qt::MouseButton button, double px, double py) {
  if (!view_.Drawn() || button != Qt::LeftButton) return;
  band_.Release(px, py);
  Picture1->SetBand(band_);
}

}  // namespace ombrel
