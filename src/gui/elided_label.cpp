#include "gui/elided_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace ombrel {
namespace {

constexpr int kMinimumWidth = 80;

}  // namespace

QSize ElidedLabel::minimumSizeHint() const {
  return {kMinimumWidth, QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const {
  return {kMinimumWidth, QLabel::sizeHint().height()};
}

QStringList ElidedLabel::ShownLines() const {
  QString text = this->text();
  text.remove(QLatin1Char('\r'));
  QStringList lines = text.split(QLatin1Char('\n'));
  const int width = contentsRect().width();
  for (QString& line : lines) line = fontMetrics().elidedText(line, Qt::ElideMiddle, width);
  return lines;
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.setFont(font());
  painter.drawText(contentsRect(), static_cast<int>(alignment()),
                   ShownLines().join(QLatin1Char('\n')));
}

bool ElidedLabel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QLabel::event(event);
  QString whole = text();
  whole.remove(QLatin1Char('\r'));
  if (ShownLines().join(QLatin1Char('\n')) != whole)
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), whole, this);
  else
    QToolTip::hideText();
  return true;
}

}  // namespace ombrel
