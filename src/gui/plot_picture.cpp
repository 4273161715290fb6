#include "gui/plot_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "gui/qt_prompts.h"

namespace ombrel {
namespace {

QColor Colour(PlotColour colour) {
  // A darker cyan than the pure one, which is hard to read on white.
  return colour == PlotColour::Cyan ? QColor(0, 160, 170) : QColor(Qt::black);
}

bool Finite(double a, double b) {
  return std::isfinite(a) && std::isfinite(b);
}

}  // namespace

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
  PaintScene(painter);
  PaintBand(painter);
  PaintReadout(painter);
}

void PlotPicture::PaintScene(QPainter& painter) const {
  // Texts are sized by the symbol unit u = width / 120.
  QFont font = painter.font();
  font.setPixelSize(std::max(9, static_cast<int>(std::lround(1.9 * width() / 120.0))));
  painter.setFont(font);
  for (const PlotLine& l : scene_.lines) {
    if (!Finite(l.x1, l.y1) || !Finite(l.x2, l.y2)) continue;
    painter.setPen(QPen(Colour(l.colour), 1));
    painter.drawLine(WidgetPoint(l.x1, l.y1), WidgetPoint(l.x2, l.y2));
  }
  for (const PlotDot& d : scene_.dots) {
    if (!Finite(d.x, d.y)) continue;
    painter.setPen(QPen(Colour(d.colour), d.colour == PlotColour::Cyan ? 4 : 1));
    painter.drawPoint(WidgetPoint(d.x, d.y));
  }
  for (const PlotText& t : scene_.texts) {
    if (!Finite(t.x, t.y)) continue;
    painter.setPen(Colour(t.colour));
    const QPointF corner = WidgetPoint(t.x, t.y);
    painter.drawText(QRectF(corner, QSizeF(width(), height())), Qt::AlignLeft | Qt::AlignTop,
                     ToQt(t.text));
  }
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

}  // namespace ombrel
