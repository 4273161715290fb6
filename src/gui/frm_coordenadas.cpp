#include "gui/frm_coordenadas.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

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

frmCoordenadas::frmCoordenadas(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setWindowTitle(QString::fromUtf8(kApproxCaption));
  Lista = new QListWidget(this);
  XCOOR = new QLineEdit(this);
  YCOOR = new QLineEdit(this);
  cmdAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  cmdCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cmdAceptar->setDefault(true);
  x_ = {XCOOR, &state_.ApproxX, "XCOOR", {}};
  y_ = {YCOOR, &state_.ApproxY, "YCOOR", {}};

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Punto"), this), 0, 0);
  grid->addWidget(Lista, 1, 0, 4, 1);
  grid->addWidget(new QLabel(QStringLiteral("X"), this), 1, 1);
  grid->addWidget(XCOOR, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Y"), this), 2, 1);
  grid->addWidget(YCOOR, 2, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdAceptar);
  buttons->addWidget(cmdCancelar);
  grid->addLayout(buttons, 5, 0, 1, 3);
  Lista->setMaximumWidth(90);

  Form_Load();
  connect(Lista, &QListWidget::currentRowChanged, this, &frmCoordenadas::Lista_Click);
  connect(XCOOR, &QLineEdit::textEdited, this, [this] { Coordinate_Change(x_); });
  connect(YCOOR, &QLineEdit::textEdited, this, [this] { Coordinate_Change(y_); });
  connect(cmdAceptar, &QPushButton::clicked, this, &frmCoordenadas::cmdAceptar_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
  XCOOR->installEventFilter(this);
  YCOOR->installEventFilter(this);
}

void frmCoordenadas::Form_Load() {
  BeginApproxCoordinates(state_);
  for (int k = 1; k <= state_.ApproxCount; ++k) Lista->addItem(QString::number(k));
  // Nothing to type into until a point is picked.
  XCOOR->setEnabled(false);
  YCOOR->setEnabled(false);
}

int frmCoordenadas::PickedPoint() const {
  return Lista->currentRow() + 1;
}

void frmCoordenadas::Lista_Click() {
  const int k = PickedPoint();
  if (k < 1) return;
  for (Coordinate* c : {&x_, &y_}) {
    c->accepted = ToQt(DecimalText((*c->values)(k)));
    c->field->setText(c->accepted);
    c->field->setEnabled(true);
  }
}

// A keystroke that makes the text no number is taken back at once.
void frmCoordenadas::Coordinate_Change(Coordinate& c) {
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

void frmCoordenadas::cmdAceptar_Click() {
  AcceptApproxCoordinates(state_);
  accept();
}

// Entering a field selects all of it, so that typing replaces the value.
bool frmCoordenadas::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && (watched == XCOOR || watched == YCOOR)) {
    auto* field = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, field, &QLineEdit::selectAll);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ombrel
