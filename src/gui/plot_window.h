// The graphics window " Menú  Gráfico": the active network and the error
// figures of the last computation, zoom with the mouse, the coordinate
// readout, the magnification of the figures, the DXF export and printing
// the drawing (on paper or to a PDF file).
#pragma once

#include <QDialog>
#include <functional>

#include "model/network_state.h"
#include "plot/plot_view.h"
#include "plot/rubber_band.h"
#include "ui/interaction.h"

class QPushButton;
class QVBoxLayout;

namespace ombrel {

class PlotPicture;

inline constexpr int kPictureWidth = 840;
inline constexpr int kPictureHeight = 600;

class PlotWindow : public QDialog {
  Q_OBJECT

 public:
  PlotWindow(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

  const PlotView& View() const { return view_; }

 private slots:
  void showWholeNetwork();
  void showAbsoluteEllipses();
  void addRelativeEllipse();
  void changeEllipseScale();
  void addRosette();
  void addSection();
  void addAxisProjection();
  void exportDxf();
  void printDrawing();
  // The mouse on the picture, in picture units: the left button draws the
  // zoom rectangle, the right one inside it zooms.
  void pressOnPicture(Qt::MouseButton button, double px, double py);
  void moveOnPicture(Qt::MouseButtons buttons, double px, double py);
  void releaseOnPicture(Qt::MouseButton button, double px, double py);

 private:
  QWidget* BuildCommands();
  QPushButton* AddButton(QVBoxLayout* layout, const char* name, const char* caption);
  void AddFigureOfUnknowns(FigureKind kind);
  void Guard(const std::function<void()>& command);
  void EnableFigureButtons();
  // After the network is drawn again: the DXF export only at full view.
  void AfterRedraw();
  void ShowScene();

  NetworkState& state_;
  Interaction& ui_;
  PlotView view_;
  RubberBand band_;
  QPushButton* showAllButton_ = nullptr;
  QPushButton* absoluteEllipsesButton_ = nullptr;
  QPushButton* relativeEllipsesButton_ = nullptr;
  QPushButton* ellipseScaleButton_ = nullptr;
  QPushButton* rosettesButton_ = nullptr;
  QPushButton* sectionsButton_ = nullptr;
  QPushButton* projectionsButton_ = nullptr;
  QPushButton* dxfButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  PlotPicture* picture_ = nullptr;
};

}  // namespace ombrel
