// Widgets the dialogs that edit a network build alike.
#pragma once

#include <QFont>
#include <QString>

class QPushButton;
class QWidget;

namespace ombrel {

// Gives a control the object name that tests find it by; returns it.
template <typename Widget>
Widget* Named(const char* name, Widget* widget) {
  widget->setObjectName(QString::fromUtf8(name));
  return widget;
}

// The fixed-pitch font of lists whose lines keep the columns of a file.
QFont FixedColumnFont();

// A button that Enter in a text box never presses: in these dialogs the
// first button is often one that deletes or applies.
QPushButton* PlainButton(const char* caption, QWidget* parent);

}  // namespace ombrel
