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

class ReviewDialog : public QDialog {
  Q_OBJECT

 public:
  ReviewDialog(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

  // Every way of closing passes here: while a preview is not applied the
  // person is asked first, and No keeps the dialog open.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void pickPoint();
  void previewPointKind();
  void applyFixedPoints();
  void pickEquation();
  void previewWeight();
  // Like a preview of every line, so it too must be applied or confirmed lost.
  void previewWeightOfAll();
  void applyWeights();

 private:
  QWidget* BuildPointsTab();
  QWidget* BuildWeightsTab();
  void ShowNetwork();
  void EnablePointControls(bool enabled);
  void EnableWeightControls(bool enabled);
  void ShowLines();
  // Beeps and refuses a weight text that is not a number.
  bool CheckWeight(const std::string& text);

  NetworkState& state_;
  Interaction& ui_;
  ReviewLists lists_;
  bool previewed_ = false;  // a preview not applied yet: leaving asks first
  QTabWidget* tabs_ = nullptr;
  // "Puntos fijos"
  QListWidget* pointList_ = nullptr;
  QLabel* pointCountLabel_ = nullptr;
  QGroupBox* pointKindGroup_ = nullptr;  // "Tipo de vértice"
  QRadioButton* fixedRadio_ = nullptr;
  QRadioButton* variableRadio_ = nullptr;
  QLabel* pointLabel_ = nullptr;  // "Vértice número ... :"
  QPushButton* previewPointButton_ = nullptr;
  QPushButton* applyPointsButton_ = nullptr;
  QPushButton* cancelPointsButton_ = nullptr;
  // "Peso observables"
  QListWidget* equationList_ = nullptr;
  QLabel* equationCountLabel_ = nullptr;
  QLabel* equationLabel_ = nullptr;      // "Ecuación ... :"
  QLabel* equationKindLabel_ = nullptr;  // angle or distance
  QLineEdit* weightEdit_ = nullptr;
  QPushButton* previewWeightButton_ = nullptr;
  QPushButton* weightToAllButton_ = nullptr;
  QPushButton* applyWeightsButton_ = nullptr;
  QPushButton* cancelWeightsButton_ = nullptr;
};

}  // namespace ombrel
