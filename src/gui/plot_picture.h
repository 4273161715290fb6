// The picture area of the graphics window: paints a PlotScene (picture
// units are pixels, y up from the bottom edge), the zoom rectangle and the
// coordinate readout, and reports the mouse, the wheel and its own new
// sizes in picture units.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "plot/plot_scene.h"
#include "plot/rubber_band.h"

namespace ombrel {

class PlotPicture : public QWidget {
  Q_OBJECT

 public:
  explicit PlotPicture(QWidget* parent = nullptr);

  void SetScene(PlotScene scene);
  // The rectangle to show; none once it is cleared.
  void SetBand(const RubberBand& band);
  // The two readout lines; empty texts hide the readout.
  void SetReadout(const QString& x, const QString& y);
  QString ReadoutX() const { return readoutX_; }
  QString ReadoutY() const { return readoutY_; }

  // Picture units of a widget position and back.
  double PictureX(double wx) const { return wx; }
  double PictureY(double wy) const { return height() - wy; }
  QPointF WidgetPoint(double px, double py) const { return {px, height() - py}; }

 signals:
  void MouseDown(Qt::MouseButton button, double px, double py);
  void MouseMove(Qt::MouseButtons buttons, double px, double py);
  void MouseUp(Qt::MouseButton button, double px, double py);
  // Wheel turns (steps of 15 degrees, positive away from the person) with
  // the pointer at (px, py).
  void Wheel(double steps, double px, double py);
  void Resized(double width, double height);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PaintBand(QPainter& painter) const;
  void PaintReadout(QPainter& painter) const;

  PlotScene scene_;
  std::optional<QRectF> band_;
  QString readoutX_, readoutY_;
};

}  // namespace ombrel
