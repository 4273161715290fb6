#include "plot_export/scene_painter.h"

#include <algorithm>
#include <cmath>

namespace ombrel {
namespace {

bool Finite(double a, double b) {
  return std::isfinite(a) && std::isfinite(b);
}

QString Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A figure of semi-axes a, b about (cx, cy) whose major axis has azimuth
// alpha (from up towards right): the device's x axis turned onto the major
// axis, which points to (sin alpha, -cos alpha) on the device.
void PaintFigure(QPainter& painter, const PlotEllipse& e, double height) {
  const double values[] = {e.cx, e.cy, e.semiMajor, e.semiMinor, e.azimuth};
  if (!std::all_of(std::begin(values), std::end(values), [](double v) { return std::isfinite(v); }))
    return;
  painter.save();
  painter.translate(e.cx, height - e.cy);
  painter.rotate(e.azimuth * 180.0 / M_PI - 90.0);
  painter.drawEllipse(QPointF(0.0, 0.0), e.semiMajor, e.semiMinor);
  painter.restore();
}

}  // namespace

QColor PlotQColor(PlotColour colour) {
  // A darker cyan than the pure one, which is hard to read on white.
  return colour == PlotColour::Cyan ? QColor(0, 160, 170) : QColor(Qt::black);
}

void PaintPlotScene(QPainter& painter, const PlotScene& scene, double width, double height,
                    FigureStyle style) {
  const auto at = [height](double x, double y) { return QPointF(x, height - y); };
  QFont font = painter.font();
  font.setPixelSize(std::max(9, static_cast<int>(std::lround(1.9 * width / 120.0))));
  painter.setFont(font);
  painter.setBrush(Qt::NoBrush);
  for (const PlotLine& l : scene.lines) {
    if (!Finite(l.x1, l.y1) || !Finite(l.x2, l.y2)) continue;
    painter.setPen(QPen(PlotQColor(l.colour), 1));
    painter.drawLine(at(l.x1, l.y1), at(l.x2, l.y2));
  }
  for (const PlotDot& d : scene.dots) {
    if (!Finite(d.x, d.y) || (d.ring && style == FigureStyle::Curves)) continue;
    painter.setPen(QPen(PlotQColor(d.colour), d.colour == PlotColour::Cyan ? 4 : 1));
    painter.drawPoint(at(d.x, d.y));
  }
  if (style == FigureStyle::Curves) {
    painter.setPen(QPen(Qt::black, 1));
    for (const PlotEllipse& e : scene.ellipses) PaintFigure(painter, e, height);
  }
  for (const PlotText& t : scene.texts) {
    if (!Finite(t.x, t.y)) continue;
    painter.setPen(PlotQColor(t.colour));
    painter.drawText(QRectF(at(t.x, t.y), QSizeF(width, height)), Qt::AlignLeft | Qt::AlignTop,
                     Text(t.text));
  }
}

}  // namespace ombrel
