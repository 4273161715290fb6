// The output-type dialog: complete or summarised listing.
#pragma once

#include <QDialog>

#include "ui/interaction.h"

class QPushButton;

namespace ombrel {

class frmTipoSalida : public QDialog {
  Q_OBJECT

 public:
  explicit frmTipoSalida(QWidget* parent = nullptr);

  // Closed until one of the two buttons is pressed.
  OutputType Choice() const { return choice_; }

  QPushButton* Command1 = nullptr;  // "Salida completa"
  QPushButton* Command2 = nullptr;  // "Salida resumida"

 private:
  void Command1_Click();
  void Command2_Click();

  OutputType choice_ = OutputType::Closed;
};

}  // namespace ombrel
