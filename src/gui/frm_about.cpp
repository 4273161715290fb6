#include "gui/frm_about.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/about_parts.h"

namespace ombrel {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral(" Acerca  de  Ombrel"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(AboutTitle(QStringLiteral("OMBREL 1.2"), this));
  layout->addWidget(
      new QLabel(QStringLiteral("Diseño y compensación de redes topográficas"), this));
  Aceptar = AboutCloseButton(this, layout);
}

}  // namespace ombrel
