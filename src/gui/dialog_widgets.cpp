#include "gui/dialog_widgets.h"

#include <QPushButton>
#include <QString>

namespace ombrel {

QFont FixedColumnFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

QPushButton* PlainButton(const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace ombrel
