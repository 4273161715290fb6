#include "gui/scrolling_prompt.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/dialog_widgets.h"

namespace ombrel {
namespace {

// What the window keeps below and around the text: field, buttons, margins
// and the title bar.
constexpr int kRoomForTheRest = 220;

int ScreenHeight(const QWidget* parent) {
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().height() : 600;
}

int TextRoom(const QWidget* parent) {
  return std::max(120, ScreenHeight(parent) - kRoomForTheRest);
}

}  // namespace

bool TallerThanScreen(const QString& text, QWidget* parent) {
  const QFontMetrics metrics(QApplication::font());
  return metrics.lineSpacing() * (text.count(QLatin1Char('\n')) + 1) > TextRoom(parent);
}

ScrollingPrompt::ScrollingPrompt(QWidget* parent, const QString& title, const QString& text,
                                 const std::vector<QString>& captions, int defaultIndex,
                                 int cancelIndex, bool withField, const QString& fieldText)
    : QDialog(parent), cancelIndex_(cancelIndex), pressed_(cancelIndex) {
  setWindowTitle(title);
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* area = Named("promptTextArea", new QScrollArea(this));
  area->setWidget(label);
  area->setWidgetResizable(true);
  area->setMaximumHeight(TextRoom(parent));
  area->setMinimumWidth(std::min(label->sizeHint().width() + 40, 900));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(area, 1);
  if (withField) {
    field_ = Named("promptField", new QLineEdit(fieldText, this));
    field_->selectAll();
    layout->addWidget(field_);
  }
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    auto* button = new QPushButton(captions[i], this);
    button->setAutoDefault(false);
    button->setDefault(static_cast<int>(i) == defaultIndex);
    connect(button, &QPushButton::clicked, this, [this, i] {
      pressed_ = static_cast<int>(i);
      if (pressed_ == cancelIndex_)
        QDialog::reject();
      else
        accept();
    });
    buttons_.push_back(button);
    row->addWidget(button);
  }
  layout->addLayout(row);
  if (field_) field_->setFocus();
  // The window never grows past the screen, whatever the text.
  setMaximumHeight(ScreenHeight(parent));
}

QString ScrollingPrompt::FieldText() const {
  return field_ ? field_->text() : QString();
}

void ScrollingPrompt::reject() {
  pressed_ = cancelIndex_;
  QDialog::reject();
}

}  // namespace ombrel
