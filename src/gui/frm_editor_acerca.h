// The editor's about box.
#pragma once

#include <QDialog>

class QPushButton;

namespace ombrel {

class frmEditorAcerca : public QDialog {
  Q_OBJECT

 public:
  explicit frmEditorAcerca(QWidget* parent = nullptr);
  QPushButton* Aceptar = nullptr;
};

}  // namespace ombrel
