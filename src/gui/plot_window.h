// The graphics window " Menú  Gráfico": the active network and the error
// figures of the last computation, zoom with the mouse (the rectangle, or
// the wheel about the pointer) and panning by dragging with the right or
// middle button, the coordinate readout, the magnification of the figures,
// the DXF export and the picture files. It is not modal: the main window's
// commands go on while it is open, and the drawing grows with the window.
// The drawing also prints, on paper or to a PDF file.
#pragma once

#include <QDialog>
#include <functional>

#include "gui/qt_interaction.h"
#include "model/network_state.h"
#include "plot/plot_view.h"
#include "plot/rubber_band.h"

class QPushButton;
class QVBoxLayout;

namespace ombrel {

class PlotPicture;

inline constexpr int kPictureWidth = 840;
inline constexpr int kPictureHeight = 600;

class PlotWindow : public QDialog {
  Q_OBJECT

 public:
  PlotWindow(NetworkState& state, QtInteraction& ui, QWidget* parent = nullptr);

  const PlotView& View() const { return view_; }

  // After a command of the main window that may have changed the network
  // or computed it again: a window that shows the network shows the whole
  // of it again, without figures, offering those the last computation left.
  void NetworkChanged();

 private slots:
  void showWholeNetwork();
  void showAbsoluteEllipses();
  void addRelativeEllipse();
  void changeEllipseScale();
  void addRosette();
  void addSection();
  void addAxisProjection();
  void exportDxf();
  void savePicture();
  void printDrawing();
  // The mouse on the picture, in picture units: the left button draws the
  // zoom rectangle, the right one inside it zooms.
  void pressOnPicture(Qt::MouseButton button, double px, double py);
  void moveOnPicture(Qt::MouseButtons buttons, double px, double py);
  void releaseOnPicture(Qt::MouseButton button, double px, double py);
  // steps of the wheel, positive to enlarge the drawing about (px, py).
  void zoomAtPointer(double steps, double px, double py);
  void fitToPicture(double width, double height);

 private:
  QWidget* BuildCommands();
  QPushButton* AddButton(QVBoxLayout* layout, const char* name, const char* caption);
  void AddFigureOfUnknowns(FigureKind kind);
  void Guard(const std::function<void()>& command);
  void EnableFigureButtons();
  // After the network is drawn again: the DXF export only at full view.
  void AfterRedraw();
  void ShowScene();
  // A view change that keeps the figures: the rectangle goes, and the
  // drawing and the DXF button follow the new view.
  void AfterViewChange();

  NetworkState& state_;
  QtInteraction& ui_;
  PlotView view_;
  RubberBand band_;
  bool panning_ = false;
  double panX_ = 0.0, panY_ = 0.0;  // the last picture point of a drag
  QPushButton* showAllButton_ = nullptr;
  QPushButton* absoluteEllipsesButton_ = nullptr;
  QPushButton* relativeEllipsesButton_ = nullptr;
  QPushButton* ellipseScaleButton_ = nullptr;
  QPushButton* rosettesButton_ = nullptr;
  QPushButton* sectionsButton_ = nullptr;
  QPushButton* projectionsButton_ = nullptr;
  QPushButton* dxfButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  PlotPicture* picture_ = nullptr;
};

}  // namespace ombrel
