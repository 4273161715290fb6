#include "gui/about_parts.h"

#include <QDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ombrel {

QLabel* AboutTitle(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSize(font.pointSize() + 4);
  label->setFont(font);
  return label;
}

QPushButton* AboutCloseButton(QDialog* dialog, QVBoxLayout* layout) {
  auto* button = new QPushButton(QStringLiteral("Aceptar"), dialog);
  button->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(button);
  layout->addSpacing(12);
  layout->addLayout(row);
  QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
  return button;
}

}  // namespace ombrel
