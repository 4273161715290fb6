// The replace dialog: one character by another in the whole editor text.
#pragma once

#include <QChar>
#include <QDialog>

#include "ui/interaction.h"

class QLineEdit;
class QPushButton;

namespace ombrel {

class frmReemplazar : public QDialog {
  Q_OBJECT

 public:
  explicit frmReemplazar(Interaction& ui, QWidget* parent = nullptr);

  QChar From() const;
  QChar To() const;

  QLineEdit* Text1 = nullptr;  // "Reemplazar caracter:"
  QLineEdit* Text2 = nullptr;  // "Por caracter:"
  QPushButton* Aceptar = nullptr;
  QPushButton* Cancelar = nullptr;

 private:
  void Aceptar_Click();

  Interaction& ui_;
};

}  // namespace ombrel
