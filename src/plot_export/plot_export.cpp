#include "plot_export/plot_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cerrno>
#include <cmath>
#include <cstdio>

#include "listing/output_file.h"
#include "plot/plot_file_kind.h"
#include "plot/plot_legend.h"
#include "plot_export/gui_application.h"
#include "plot_export/scene_painter.h"

namespace ombrel {
namespace {

constexpr double kResolution = 96.0;  // picture units per inch in SVG and PDF
constexpr double kPngScale = 2.0;
constexpr double kMaxBarLength = 160.0;  // picture units
constexpr double kRightColumn = 250.0;   // the arrow and the scale bar

struct LegendLayout {
  double pad, lineHeight, fontPixels;
};

LegendLayout Layout(double width) {
  const double font = std::max(11.0, std::round(width / 90.0));
  return {font, std::round(1.5 * font), font};
}

QString Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PaintNorthArrow(QPainter& painter, QPointF base, double length) {
  const QPointF tip(base.x(), base.y() - length);
  painter.drawLine(base, tip);
  const double head = length / 4.0;
  painter.setBrush(Qt::black);
  painter.drawPolygon(QPolygonF({tip, QPointF(tip.x() - head / 2, tip.y() + head),
                                 QPointF(tip.x() + head / 2, tip.y() + head)}));
  painter.setBrush(Qt::NoBrush);
  painter.drawText(QRectF(tip.x() - 20, tip.y() - 2 * head - 4, 40, 2 * head),
                   Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("N"));
}

void PaintScaleBar(QPainter& painter, QPointF start, double length, const QString& label,
                   double tick) {
  const QPointF end(start.x() + length, start.y());
  painter.drawLine(start, end);
  painter.drawLine(start - QPointF(0, tick), start + QPointF(0, tick));
  painter.drawLine(end - QPointF(0, tick), end + QPointF(0, tick));
  painter.drawText(QRectF(start.x() - 40, start.y() - 3 * tick - 20, 80, 20),
                   Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("0"));
  painter.drawText(QRectF(end.x() - 60, start.y() - 3 * tick - 20, 120, 20),
                   Qt::AlignHCenter | Qt::AlignBottom, label);
}

void PaintLegend(QPainter& painter, const NetworkState& state, const PlotView& view, double top) {
  const double width = view.Fit().width;
  const LegendLayout layout = Layout(width);
  const PlotLegend legend = BuildPlotLegend(state, view, kMaxBarLength);
  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(layout.fontPixels));
  painter.setFont(font);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(QPointF(0, top), QPointF(width, top));
  double y = top + layout.pad;
  const double textWidth = width - kRightColumn - 2 * layout.pad;
  for (const std::string& line : legend.lines) {
    const QRectF box(layout.pad, y, textWidth, 4 * layout.lineHeight);
    const QRectF used = painter.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, Text(line));
    painter.drawText(box, Qt::AlignLeft | Qt::TextWordWrap, Text(line));
    y += std::max(layout.lineHeight, used.height());
  }
  const double barLength = legend.barMetres / view.Fit().scale;
  const double right = width - layout.pad;
  PaintNorthArrow(painter, QPointF(right - 20, top + layout.pad + 60), 40);
  PaintScaleBar(painter, QPointF(right - 70 - barLength, top + layout.pad + 60), barLength,
                Text(legend.barLabel), 4);
}

std::optional<std::string> WriteBytes(const std::string& path, const QByteArray& bytes) {
  return WriteFileBytes(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), false);
}

QByteArray Svg(const NetworkState& state, const PlotView& view, QSize size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(static_cast<int>(kResolution));
  generator.setTitle(QStringLiteral("Ombrel: gráfico de la red"));
  QPainter painter(&generator);
  PaintExportedPlot(painter, state, view);
  painter.end();
  return buffer.data();
}

QByteArray Png(const NetworkState& state, const PlotView& view, QSize size) {
  QImage image(size * kPngScale, QImage::Format_RGB32);
  image.setDotsPerMeterX(static_cast<int>(std::lround(kResolution * kPngScale / 0.0254)));
  image.setDotsPerMeterY(image.dotsPerMeterX());
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(kPngScale, kPngScale);
  PaintExportedPlot(painter, state, view);
  painter.end();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return buffer.data();
}

QByteArray Pdf(const NetworkState& state, const PlotView& view, QSize size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setTitle(QStringLiteral("Ombrel: gráfico de la red"));
  writer.setResolution(static_cast<int>(kResolution));
  writer.setPageSize(QPageSize(QSizeF(size) / kResolution, QPageSize::Inch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter(&writer);
  PaintExportedPlot(painter, state, view);
  painter.end();
  return buffer.data();
}

}  // namespace

double LegendHeight(const NetworkState& state, const PlotView& view) {
  const LegendLayout layout = Layout(view.Fit().width);
  const auto lines = BuildPlotLegend(state, view, kMaxBarLength).lines.size();
  // Room for one wrapped line besides those of the legend.
  const double text = static_cast<double>(lines + 1) * layout.lineHeight;
  return std::round(std::max(text, 90.0) + 2 * layout.pad);
}

void PaintExportedPlot(QPainter& painter, const NetworkState& state, const PlotView& view) {
  const double width = view.Fit().width, height = view.Fit().height;
  painter.fillRect(QRectF(0, 0, width, height + LegendHeight(state, view)), Qt::white);
  PaintPlotScene(painter, view.Scene(state), width, height, FigureStyle::Curves);
  PaintLegend(painter, state, view, height);
}

bool WritePlotFile(const std::string& path, const NetworkState& state, const PlotView& view,
                   std::string* cause) {
  const auto kind = PlotFileKindOf(path);
  if (!kind || !view.Drawn()) {
    if (cause) *cause = kind ? "no hay ningún gráfico dibujado" : kPlotFileKindRefusal;
    return false;
  }
  EnsureGuiApplication();
  const QSize size(static_cast<int>(std::lround(view.Fit().width)),
                   static_cast<int>(std::lround(view.Fit().height + LegendHeight(state, view))));
  const QByteArray bytes = *kind == PlotFileKind::Svg   ? Svg(state, view, size)
                           : *kind == PlotFileKind::Png ? Png(state, view, size)
                                                        : Pdf(state, view, size);
  const auto failure = WriteBytes(path, bytes);
  if (failure && cause) *cause = *failure;
  return !failure;
}

}  // namespace ombrel
