// The two about boxes, the application's and the editor's: a title in large
// type, a few lines and the "Aceptar" button that closes the box.
#pragma once

#include <QDialog>

namespace ombrel {

enum class AboutBox { Application, Editor };

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(AboutBox box, QWidget* parent = nullptr);
};

}  // namespace ombrel
