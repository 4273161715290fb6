// The import dialog "Importar Matrices": the files of A, K, P and optionally
// E, chosen through the open dialog or typed, and the import that forms the
// equations from them.
#pragma once

#include <QDialog>
#include <array>

#include "model/matrix_import.h"
#include "model/network_state.h"
#include "ui/interaction.h"

class QLineEdit;
class QPushButton;

namespace ombrel {

inline constexpr const char* kImportCaption = "Importar Matrices";

class ImportDialog : public QDialog {
  Q_OBJECT

 public:
  enum Field { kFileA, kFileK, kFileP, kFileE };

  ImportDialog(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

 private slots:
  void updateButtons();
  void browse(Field field);
  void importAndClose();
  void enterCoordinates();

 private:
  QWidget* BuildFileFrame(Field field, const char* title, const char* hint);
  QWidget* BuildFormatNote();
  void ShowLastFiles();
  MatrixFileNames FileNames() const;
  // Imports and reports a fault instead of letting it escape; false (with
  // the state as it was) when the import failed. closing: the dialog's
  // "Aceptar", which also shows the import's commands.
  bool Import(bool closing);

  NetworkState& state_;
  Interaction& ui_;
  std::array<QLineEdit*, 4> fileEdits_{};        // A, K, P, E
  std::array<QPushButton*, 4> browseButtons_{};  // "Examinar..." of each field
  QPushButton* coordinatesButton_ = nullptr;
  QPushButton* acceptButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace ombrel
