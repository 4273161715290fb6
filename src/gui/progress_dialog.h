// The dialog of a long computation: what it is doing, how far it has gone,
// the output written so far and the size the listing files will reach at
// that pace, and Cancelar, which asks the computation to stop. The dialog
// stays until the computation has ended; pressing Cancelar, Escape or
// closing it only asks for the stop.
#pragma once

#include <QProgressDialog>
#include <cstdint>
#include <string>

class QProgressBar;

namespace ombrel {

inline constexpr const char* kStoppingText = "Deteniendo el cálculo...";

// "12,3 MB": bytes in millions with one decimal and the decimal comma.
std::string MegabyteText(std::uint64_t bytes);

class ProgressDialog : public QProgressDialog {
  Q_OBJECT

 public:
  // Modal to parent; shown only when the caller shows it.
  explicit ProgressDialog(QWidget* parent);

  // fraction 0..1; either byte count 0 when unknown.
  void ShowProgress(double fraction, const std::string& text, std::uint64_t bytesWritten,
                    std::uint64_t bytesExpected);
  bool Stopping() const { return stopping_; }

 signals:
  void stopRequested();

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void AskToStop();

  QProgressBar* bar_ = nullptr;
  bool stopping_ = false;
};

}  // namespace ombrel
