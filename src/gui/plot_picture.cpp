#include "gui/plot_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "gui/qt_prompts.h"
#include "plot_export/scene_painter.h"

namespace ombrel {

PlotPicture::PlotPicture(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
}

void PlotPicture::SetScene(PlotScene scene) {
  scene_ = std::move(scene);
  update();
}

void PlotPicture::SetBand(const RubberBand& band) {
  if (band.Started())
    band_ = QRectF(WidgetPoint(band.x1, band.y1), WidgetPoint(band.x2, band.y2)).normalized();
  else
    band_.reset();
  update();
}

void PlotPicture::SetReadout(const QString& x, const QString& y) {
  readoutX_ = x;
  readoutY_ = y;
  update();
}

void PlotPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  PaintPlotScene(painter, scene_, width(), height(), FigureStyle::Dots);
  PaintBand(painter);
  PaintReadout(painter);
}

void PlotPicture::PaintBand(QPainter& painter) const {
  if (!band_) return;
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(*band_);
}

void PlotPicture::PaintReadout(QPainter& painter) const {
  if (readoutX_.isEmpty() && readoutY_.isEmpty()) return;
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(std::max(10, height() / 40));
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const QRect box(4, 4, metrics.horizontalAdvance(readoutX_ + QLatin1Char(' ')) + 8,
                  2 * metrics.lineSpacing() + 6);
  painter.fillRect(box, Qt::white);
  painter.setPen(Qt::black);
  painter.drawText(box.adjusted(4, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   readoutX_ + QLatin1Char('\n') + readoutY_);
}

void PlotPicture::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  emit MouseDown(event->button(), PictureX(p.x()), PictureY(p.y()));
}

void PlotPicture::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  emit MouseMove(event->buttons(), PictureX(p.x()), PictureY(p.y()));
}

void PlotPicture::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  emit MouseUp(event->button(), PictureX(p.x()), PictureY(p.y()));
}

void PlotPicture::wheelEvent(QWheelEvent* event) {
  const QPointF p = event->position();
  emit Wheel(event->angleDelta().y() / 120.0, PictureX(p.x()), PictureY(p.y()));
  event->accept();
}

void PlotPicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit Resized(width(), height());
}

}  // namespace ombrel
