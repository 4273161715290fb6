#include "gui/replace_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/dialog_widgets.h"

namespace ombrel {

ReplaceDialog::ReplaceDialog(Interaction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setWindowTitle(QStringLiteral("Reemplazar caracteres"));
  fromEdit_ = Named("fromEdit", new QLineEdit(this));
  toEdit_ = Named("toEdit", new QLineEdit(this));
  fromEdit_->setMaxLength(1);
  toEdit_->setMaxLength(1);
  fromEdit_->setMaximumWidth(40);
  toEdit_->setMaximumWidth(40);
  auto* accept = Named("acceptButton", new QPushButton(QStringLiteral("Aceptar"), this));
  auto* cancel = Named("cancelButton", new QPushButton(QStringLiteral("Cancelar"), this));
  accept->setDefault(true);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Reemplazar caracter:"), this), 0, 0);
  grid->addWidget(fromEdit_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Por caracter:"), this), 1, 0);
  grid->addWidget(toEdit_, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(accept);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 2, 0, 1, 2);
  connect(accept, &QPushButton::clicked, this, &ReplaceDialog::acceptIfComplete);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QChar ReplaceDialog::From() const {
  return fromEdit_->text().isEmpty() ? QChar() : fromEdit_->text()[0];
}
QChar ReplaceDialog::To() const {
  return toEdit_->text().isEmpty() ? QChar() : toEdit_->text()[0];
}

void ReplaceDialog::acceptIfComplete() {
  if (fromEdit_->text().isEmpty() || toEdit_->text().isEmpty()) {
    ui_.MessageBox("¡Las dos celdas han de contener un caracter!", Buttons::Ok, Icon::None, 1,
                   kAppTitle);
    return;
  }
  accept();
}

}  // namespace ombrel
