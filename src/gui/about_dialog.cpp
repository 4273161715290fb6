#include "gui/about_dialog.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/dialog_widgets.h"

namespace ombrel {
namespace {

// A label in a larger bold type, for the product's name.
QLabel* TitleLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSize(font.pointSize() + 4);
  label->setFont(font);
  return label;
}

// The editor's box has its image on the left of the texts.
QLayout* EditorTexts(QDialog* dialog) {
  auto* row = new QHBoxLayout;
  auto* image = new QLabel(dialog);
  image->setPixmap(dialog->style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(48, 48));
  auto* texts = new QVBoxLayout;
  texts->addWidget(TitleLabel(QStringLiteral("OMBREL para Windows"), dialog));
  texts->addWidget(new QLabel(QStringLiteral("Editor de texto"), dialog));
  texts->addWidget(new QLabel(QStringLiteral("Versión 1.1"), dialog));
  row->addWidget(image, 0, Qt::AlignTop);
  row->addSpacing(12);
  row->addLayout(texts);
  return row;
}

QLayout* ApplicationTexts(QDialog* dialog) {
  auto* texts = new QVBoxLayout;
  texts->addWidget(TitleLabel(QStringLiteral("OMBREL 1.2"), dialog));
  texts->addWidget(
      new QLabel(QStringLiteral("Diseño y compensación de redes topográficas"), dialog));
  return texts;
}

}  // namespace

AboutDialog::AboutDialog(AboutBox box, QWidget* parent) : QDialog(parent) {
  const bool editor = box == AboutBox::Editor;
  setWindowTitle(editor ? QStringLiteral("Acerca del Editor")
                        : QStringLiteral(" Acerca  de  Ombrel"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(editor ? EditorTexts(this) : ApplicationTexts(this));
  auto* closeButton = Named("closeButton", new QPushButton(QStringLiteral("Aceptar"), this));
  closeButton->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(closeButton);
  layout->addSpacing(12);
  layout->addLayout(row);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace ombrel
