// The options dialog: listing decimals, the approximate-numbers study and
// its precision, the inversion method and the inversion check. The options
// live in the network state for this run only.
#pragma once

#include <QDialog>
#include <array>

#include "model/network_state.h"
#include "ui/interaction.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ombrel {

class frmOpciones : public QDialog {
  Q_OBJECT

 public:
  frmOpciones(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

  QLineEdit* txtDecimales = nullptr;
  QCheckBox* Check1 = nullptr;  // "Analizar"
  QLineEdit* txtPrecision = nullptr;
  QLabel* lblPrecision = nullptr;
  QLabel* lblMetros = nullptr;
  std::array<QRadioButton*, 3> Inversa{};
  std::array<QRadioButton*, 1> Pseudo{};
  QCheckBox* Check2 = nullptr;  // "Comprobar precisión en la inversión de AtPA"
  QPushButton* Aceptar = nullptr;

 private:
  QWidget* BuildResultsFrame();
  QWidget* BuildStudyFrame();
  QWidget* BuildAlgorithmsFrame();
  void Form_Load();
  void EnablePrecision(bool enabled);
  void Check1_Click();
  void Check2_Click();
  void Inversa_Click(int index);
  void Pseudo_Click(int index);
  void Aceptar_Click();

  NetworkState& state_;
  Interaction& ui_;
};

}  // namespace ombrel
