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

class frmImportar : public QDialog {
  Q_OBJECT

 public:
  enum Field { kFileA, kFileK, kFileP, kFileE };

  frmImportar(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

  std::array<QLineEdit*, 4> txtArchivo{};     // A, K, P, E
  std::array<QPushButton*, 4> cmdExaminar{};  // "Examinar..." of each field
  QPushButton* cmdCoordenadas = nullptr;      // "Introducir coordenadas aproximadas"
  QPushButton* cmdAceptar = nullptr;
  QPushButton* cmdCancelar = nullptr;

 private:
  QWidget* BuildFileFrame(Field field, const char* title, const char* hint);
  QWidget* BuildFormatNote();
  void Form_Load();
  MatrixFileNames FileNames() const;
  // Imports and reports a run-time error instead of letting it escape.
  void Import();
  void txtArchivo_Change();
  void cmdExaminar_Click(Field field);
  void cmdAceptar_Click();
  void cmdCoordenadas_Click();

  NetworkState& state_;
  Interaction& ui_;
};

}  // namespace ombrel
