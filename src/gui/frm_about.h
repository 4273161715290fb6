// The application's about box.
#pragma once

#include <QDialog>

class QPushButton;

namespace ombrel {

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);
  QPushButton* Aceptar = nullptr;
};

}  // namespace ombrel
