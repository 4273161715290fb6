// A label for long texts such as a project's path: it asks for little width,
// so the window does not grow to the width of the text, and shows each line
// shortened in the middle ("/home/…/red.txt") when it does not fit, with the
// whole text as its tooltip. text() is always the whole text.
#pragma once

#include <QLabel>

namespace ombrel {

class ElidedLabel : public QLabel {
 public:
  using QLabel::QLabel;

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;
  // Each line of the text as shown at the label's present width.
  QStringList ShownLines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
};

}  // namespace ombrel
