#include "gui/coordinates_dialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "gui/command_guard.h"
#include "gui/dialog_widgets.h"
#include "gui/qt_prompts.h"
#include "model/approximate_coordinates.h"
#include "model/decimal_text.h"
#include "model/field_reader.h"

namespace ombrel {
namespace {

// What may stand in a coordinate field while it is typed: nothing or a lone
// sign yet, otherwise a number with "." as decimal point.
bool AcceptableWhileTyping(const std::string& text) {
  if (text.empty() || text == "-") return true;
  return text.find(',') == std::string::npos && ParseNumberField(text).has_value();
}

}  // namespace

CoordinatesDialog::CoordinatesDialog(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setWindowTitle(QString::fromUtf8(kApproxCaption));
  pointList_ = Named("pointList", new QListWidget(this));
  xEdit_ = Named("xEdit", new QLineEdit(this));
  yEdit_ = Named("yEdit", new QLineEdit(this));
  acceptButton_ = Named("acceptButton", new QPushButton(QStringLiteral("Aceptar"), this));
  cancelButton_ = Named("cancelButton", new QPushButton(QStringLiteral("Cancelar"), this));
  acceptButton_->setDefault(true);
  x_ = {xEdit_, &state_.Import.ApproxX, "XCOOR", {}};
  y_ = {yEdit_, &state_.Import.ApproxY, "YCOOR", {}};

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Punto"), this), 0, 0);
  grid->addWidget(pointList_, 1, 0, 4, 1);
  grid->addWidget(new QLabel(QStringLiteral("X"), this), 1, 1);
  grid->addWidget(xEdit_, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Y"), this), 2, 1);
  grid->addWidget(yEdit_, 2, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(acceptButton_);
  buttons->addWidget(cancelButton_);
  grid->addLayout(buttons, 5, 0, 1, 3);
  pointList_->setMaximumWidth(90);

  ListPoints();
  connect(pointList_, &QListWidget::currentRowChanged, this, &CoordinatesDialog::showPoint);
  connect(xEdit_, &QLineEdit::textEdited, this, [this] { TakeTyped(x_); });
  connect(yEdit_, &QLineEdit::textEdited, this, [this] { TakeTyped(y_); });
  connect(acceptButton_, &QPushButton::clicked, this, &CoordinatesDialog::acceptCoordinates);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  xEdit_->installEventFilter(this);
  yEdit_->installEventFilter(this);
}

void CoordinatesDialog::ListPoints() {
  BeginApproxCoordinates(state_);
  for (int k = 1; k <= state_.Import.ApproxCount; ++k) pointList_->addItem(QString::number(k));
  // Nothing to type into until a point is picked.
  xEdit_->setEnabled(false);
  yEdit_->setEnabled(false);
}

int CoordinatesDialog::PickedPoint() const {
  return pointList_->currentRow() + 1;
}

void CoordinatesDialog::showPoint() {
  const int k = PickedPoint();
  if (k < 1) return;
  for (Coordinate* c : {&x_, &y_}) {
    c->accepted = ToQt(DecimalText((*c->values)(k)));
    c->field->setText(c->accepted);
    c->field->setEnabled(true);
  }
}

// A keystroke that makes the text no number is taken back at once.
void CoordinatesDialog::TakeTyped(Coordinate& c) {
  const int k = PickedPoint();
  const std::string text = FromQt(c.field->text());
  if (!AcceptableWhileTyping(text)) {
    const int cursor = c.field->cursorPosition();
    ui_.MessageBox("¡ No es un dato numérico !", Buttons::Ok, Icon::None, 1, c.title);
    c.field->setText(c.accepted);
    c.field->setCursorPosition(cursor > 0 ? cursor - 1 : 0);
    return;
  }
  c.accepted = c.field->text();
  if (k >= 1) (*c.values)(k) = ParseNumberField(text).value_or(0.0);
}

void CoordinatesDialog::acceptCoordinates() {
  if (RunGuarded(state_, ui_, [this] { AcceptApproxCoordinates(state_); })) accept();
}

// Entering a field selects all of it, so that typing replaces the value.
bool CoordinatesDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && (watched == xEdit_ || watched == yEdit_)) {
    auto* field = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, field, &QLineEdit::selectAll);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ombrel
