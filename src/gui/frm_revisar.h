// The review dialog " Menú  Revisar": which points are fixed and the weights
// of the observations, changed first in the lists (preview) and then applied
// to the network in memory. The project file is not rewritten.
#pragma once

#include <QDialog>

#include "model/network_state.h"
#include "model/review_lists.h"
#include "ui/interaction.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QTabWidget;

namespace ombrel {

inline constexpr const char* kReviewCaption = " Menú  Revisar";
inline constexpr const char* kLeaveReviewQuestion =
    "    No ha modificado nigún dato todavía         \r\n"
    "    ¿ Está seguro de querer salir del menú ?    ";

class frmRevisar : public QDialog {
  Q_OBJECT

 public:
  frmRevisar(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

  // Every way of closing passes here: while a preview is not applied the
  // person is asked first, and No keeps the dialog open.
  void done(int result) override;

  QTabWidget* SSTab1 = nullptr;
  // "Puntos fijos"
  QListWidget* List1 = nullptr;
  QLabel* Label2 = nullptr;         // number of points
  QGroupBox* Frame2 = nullptr;      // "Tipo de vértice"
  QRadioButton* Option1 = nullptr;  // " Vértice  fijo"
  QRadioButton* Option2 = nullptr;  // " Vértice vble"
  QLabel* Label5 = nullptr;
  QPushButton* Command3 = nullptr;  // "Previsualizar"
  QPushButton* Command1 = nullptr;  // "Modificar ptos fijos"
  QPushButton* Command4 = nullptr;  // "Cancelar"
  // "Peso observables"
  QListWidget* List2 = nullptr;
  QLabel* Label4 = nullptr;  // number of equations
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;  // " Nuevo  peso :"
  QLineEdit* Text1 = nullptr;
  QPushButton* Command6 = nullptr;  // "Previsualizar"
  QPushButton* Command7 = nullptr;  // "A todos ...."
  QPushButton* Command2 = nullptr;  // "Modificar pesos"
  QPushButton* Command5 = nullptr;  // "Cancelar"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildPointsTab();
  QWidget* BuildWeightsTab();
  void Form_Load();
  void EnablePointControls(bool enabled);
  void EnableWeightControls(bool enabled);
  void ShowLines();
  // Beeps and refuses a weight text that is not a number.
  bool CheckWeight(const std::string& text);
  void List1_Click();
  void List2_Click();
  void Command3_Click();
  void Command1_Click();
  void Command6_Click();
  void Command7_Click();
  void Command2_Click();

  NetworkState& state_;
  Interaction& ui_;
  ReviewLists lists_;
};

}  // namespace ombrel
