#include "gui/progress_dialog.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <cstdio>
#include <limits>

#include "ui/interaction.h"

namespace ombrel {
namespace {

constexpr int kSteps = 1000;

}  // namespace

std::string MegabyteText(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  std::string shown = text;
  if (const auto point = shown.find('.'); point != std::string::npos) shown[point] = ',';
  return shown;
}

ProgressDialog::ProgressDialog(QWidget* parent) : QProgressDialog(parent) {
  setObjectName("progressDialog");
  setWindowTitle(QString::fromUtf8(kAppTitle));
  setWindowModality(Qt::WindowModal);
  setAutoClose(false);
  setAutoReset(false);
  // Shown by its owner only: never by the dialog's own timer.
  setMinimumDuration(std::numeric_limits<int>::max());
  // Its own bar, moved directly: the dialog's setValue would run the event
  // loop from inside the caller.
  bar_ = new QProgressBar(this);
  bar_->setObjectName("progressBar");
  bar_->setRange(0, kSteps);
  bar_->setValue(0);
  setBar(bar_);
  setMinimumWidth(520);
  auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
  cancel->setObjectName("cancelButton");
  setCancelButton(cancel);
  // The dialog stays up until the computation has really stopped.
  disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
  connect(this, &QProgressDialog::canceled, this, &ProgressDialog::AskToStop);
  setLabelText(QStringLiteral("Calculando..."));
}

void ProgressDialog::ShowProgress(double fraction, const std::string& text,
                                  std::uint64_t bytesWritten, std::uint64_t bytesExpected) {
  if (stopping_) return;
  std::string shown = text;
  if (bytesWritten > 0) shown += "\nEscrito: " + MegabyteText(bytesWritten);
  if (bytesExpected > 0) shown += " de unos " + MegabyteText(bytesExpected);
  setLabelText(QString::fromStdString(shown));
  bar_->setValue(static_cast<int>(fraction * kSteps));
}

void ProgressDialog::reject() {
  AskToStop();
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  AskToStop();
}

void ProgressDialog::AskToStop() {
  if (stopping_) return;
  stopping_ = true;
  setLabelText(QString::fromUtf8(kStoppingText));
  emit stopRequested();
}

}  // namespace ombrel
