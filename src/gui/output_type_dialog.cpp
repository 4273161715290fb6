#include "gui/output_type_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_widgets.h"

namespace ombrel {

OutputTypeDialog::OutputTypeDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Ombrel"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Indique el tipo de salida deseada:"), this));
  auto* buttons = new QHBoxLayout;
  auto* full = Named("fullOutputButton", new QPushButton(QStringLiteral("Salida completa"), this));
  auto* summary =
      Named("summaryOutputButton", new QPushButton(QStringLiteral("Salida resumida"), this));
  full->setDefault(true);
  buttons->addWidget(full);
  buttons->addWidget(summary);
  layout->addLayout(buttons);
  connect(full, &QPushButton::clicked, this, &OutputTypeDialog::chooseFull);
  connect(summary, &QPushButton::clicked, this, &OutputTypeDialog::chooseSummary);
}

void OutputTypeDialog::chooseFull() {
  choice_ = OutputType::Full;
  accept();
}

void OutputTypeDialog::chooseSummary() {
  choice_ = OutputType::Summary;
  accept();
}

}  // namespace ombrel
