// The output-type dialog: complete or summarised listing.
#pragma once

#include <QDialog>

#include "ui/interaction.h"

namespace ombrel {

class OutputTypeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OutputTypeDialog(QWidget* parent = nullptr);

  // Closed until one of the two buttons is pressed.
  OutputType Choice() const { return choice_; }

 private slots:
  void chooseFull();
  void chooseSummary();

 private:
  OutputType choice_ = OutputType::Closed;
};

}  // namespace ombrel
