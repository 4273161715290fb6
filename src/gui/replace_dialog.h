// The replace dialog: one character by another in the whole editor text.
#pragma once

#include <QChar>
#include <QDialog>

#include "ui/interaction.h"

class QLineEdit;

namespace ombrel {

class ReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ReplaceDialog(Interaction& ui, QWidget* parent = nullptr);

  QChar From() const;
  QChar To() const;

 private slots:
  // Both characters are needed; otherwise the dialog says so and stays.
  void acceptIfComplete();

 private:
  Interaction& ui_;
  QLineEdit* fromEdit_ = nullptr;
  QLineEdit* toEdit_ = nullptr;
};

}  // namespace ombrel
