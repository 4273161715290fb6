#include "gui/frm_editor_acerca.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/about_parts.h"

namespace ombrel {

frmEditorAcerca::frmEditorAcerca(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Acerca del Editor"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* image = new QLabel(this);
  image->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(48, 48));
  auto* texts = new QVBoxLayout;
  texts->addWidget(AboutTitle(QStringLiteral("OMBREL para Windows"), this));
  texts->addWidget(new QLabel(QStringLiteral("Editor de texto"), this));
  texts->addWidget(new QLabel(QStringLiteral("Versión 1.1"), this));
  top->addWidget(image, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(texts);
  layout->addLayout(top);
  Aceptar = AboutCloseButton(this, layout);
}

}  // namespace ombrel
