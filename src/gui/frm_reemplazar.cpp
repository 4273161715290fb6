#include "gui/frm_reemplazar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ombrel {

frmReemplazar::frmReemplazar(Interaction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setWindowTitle(QStringLiteral("Reemplazar caracteres"));
  Text1 = new QLineEdit(this);
  Text2 = new QLineEdit(this);
  Text1->setMaxLength(1);
  Text2->setMaxLength(1);
  Text1->setMaximumWidth(40);
  Text2->setMaximumWidth(40);
  Aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  Aceptar->setDefault(true);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Reemplazar caracter:"), this), 0, 0);
  grid->addWidget(Text1, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Por caracter:"), this), 1, 0);
  grid->addWidget(Text2, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Aceptar);
  buttons->addWidget(Cancelar);
  grid->addLayout(buttons, 2, 0, 1, 2);
  connect(Aceptar, &QPushButton::clicked, this, &frmReemplazar::Aceptar_Click);
  connect(Cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QChar frmReemplazar::From() const {
  return Text1->text().isEmpty() ? QChar() : Text1->text()[0];
}
QChar frmReemplazar::To() const {
  return Text2->text().isEmpty() ? QChar() : Text2->text()[0];
}

void frmReemplazar::Aceptar_Click() {
  if (Text1->text().isEmpty() || Text2->text().isEmpty()) {
    ui_.MessageBox("¡Las dos celdas han de contener un caracter!", Buttons::Ok, Icon::None, 1,
                   kAppTitle);
    return;
  }
  accept();
}

}  // namespace ombrel
