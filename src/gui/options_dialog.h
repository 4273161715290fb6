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

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

 private slots:
  void toggleStudy();
  void toggleInversionCheck();
  void chooseInversionMethod(int method);
  // Refuses a precision or a number of decimals it cannot take, keeping the
  // value before, and closes.
  void acceptOptions();

 private:
  QWidget* BuildResultsFrame();
  QWidget* BuildStudyFrame();
  QWidget* BuildAlgorithmsFrame();
  void ShowOptions();
  void EnablePrecision(bool enabled);

  NetworkState& state_;
  Interaction& ui_;
  QLineEdit* decimalsEdit_ = nullptr;
  QCheckBox* studyCheck_ = nullptr;  // "Analizar"
  QLineEdit* precisionEdit_ = nullptr;
  QLabel* precisionLabel_ = nullptr;
  QLabel* metresLabel_ = nullptr;
  // Gauss, LU and Cholesky, by the state's Inversion.
  std::array<QRadioButton*, 3> inversionRadios_{};
  // The single pseudoinverse method: the button only shows it.
  QRadioButton* svdRadio_ = nullptr;
  QCheckBox* checkInversionBox_ = nullptr;
  QPushButton* acceptButton_ = nullptr;
};

}  // namespace ombrel
