// A prompt whose text is taller than the screen, such as the list of every
// eigenvalue of a large network in the hyperellipsoid's question: the text
// scrolls inside the window, while the answer field and the buttons stay in
// sight below it.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QLineEdit;
class QPushButton;

namespace ombrel {

class ScrollingPrompt : public QDialog {
  Q_OBJECT

 public:
  // captions are the buttons from left to right; cancelIndex is the one that
  // Escape or closing the window stands for, defaultIndex the one Enter
  // presses. With a field, it starts with fieldText.
  ScrollingPrompt(QWidget* parent, const QString& title, const QString& text,
                  const std::vector<QString>& captions, int defaultIndex, int cancelIndex,
                  bool withField, const QString& fieldText = QString());

  // The button pressed (cancelIndex when the window was closed otherwise).
  int Pressed() const { return pressed_; }
  QString FieldText() const;

  void reject() override;

 private:
  std::vector<QPushButton*> buttons_;
  QLineEdit* field_ = nullptr;
  int cancelIndex_;
  int pressed_;
};

// True when text, shown as a prompt's label, would not leave room on the
// screen of parent for the field and the buttons below it.
bool TallerThanScreen(const QString& text, QWidget* parent);

}  // namespace ombrel
