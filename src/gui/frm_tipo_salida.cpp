#include "gui/frm_tipo_salida.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ombrel {

frmTipoSalida::frmTipoSalida(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Ombrel"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Indique el tipo de salida deseada:"), this));
  auto* buttons = new QHBoxLayout;
  Command1 = new QPushButton(QStringLiteral("Salida completa"), this);
  Command2 = new QPushButton(QStringLiteral("Salida resumida"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command2->setObjectName(QStringLiteral("Command2"));
  Command1->setDefault(true);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  layout->addLayout(buttons);
  connect(Command1, &QPushButton::clicked, this, &frmTipoSalida::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmTipoSalida::Command2_Click);
}

void frmTipoSalida::Command1_Click() {
  choice_ = OutputType::Full;
  accept();
}

void frmTipoSalida::Command2_Click() {
  choice_ = OutputType::Summary;
  accept();
}

}  // namespace ombrel
