#include "gui/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace ombrel {
namespace {

// The adjustment buttons show the matrix they work with, drawn as text.
QIcon LetterIcon(const QString& text, const QColor& colour) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, 2));
  painter.setBrush(QColor(255, 255, 255, 230));
  painter.drawRoundedRect(QRectF(2, 2, 28, 28), 4, 4);
  QFont font(QStringLiteral("Sans Serif"));
  font.setBold(true);
  font.setPixelSize(text.size() > 2 ? 11 : 14);
  painter.setFont(font);
  painter.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, text);
  return QIcon(pixmap);
}

}  // namespace

QIcon ToolbarIcon(int button, const QStyle* style) {
  switch (button) {
    case 1:
      return style->standardIcon(QStyle::SP_FileIcon);
    case 2:
      return style->standardIcon(QStyle::SP_DialogOpenButton);
    case 3:
      return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case 4:
      return style->standardIcon(QStyle::SP_FileDialogContentsView);
    case 5:
      return LetterIcon(QStringLiteral("N⁻¹"), QColor(20, 80, 160));
    case 6:
      return LetterIcon(QStringLiteral("N⁺"), QColor(20, 120, 60));
    case 7:
      return LetterIcon(QStringLiteral("E"), QColor(160, 60, 20));
    default:
      break;
  }
  return QIcon();
}

}  // namespace ombrel
