// The dialog "Introducción de las coordenadas aproximadas": the variable
// points of an imported network by number, and their X and Y, checked at
// every keystroke. The coordinates reach the network only on "Aceptar".
#pragma once

#include <QDialog>
#include <QString>

#include "model/network_state.h"
#include "numeric/matrix.h"
#include "ui/interaction.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ombrel {

inline constexpr const char* kApproxCaption = "Introducción de las coordenadas aproximadas";

class CoordinatesDialog : public QDialog {
  Q_OBJECT

 public:
  // Prepares the working copy of the coordinates; a network whose shapes do
  // not fit raises a run-time error here, before the dialog shows.
  CoordinatesDialog(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void showPoint();
  void acceptCoordinates();

 private:
  // One coordinate field: its working array and the last text it accepted.
  struct Coordinate {
    QLineEdit* field;
    Vector* values;
    const char* title;
    QString accepted;
  };

  void ListPoints();
  int PickedPoint() const;
  void TakeTyped(Coordinate& coordinate);

  NetworkState& state_;
  Interaction& ui_;
  QListWidget* pointList_ = nullptr;
  QLineEdit* xEdit_ = nullptr;
  QLineEdit* yEdit_ = nullptr;
  QPushButton* acceptButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  Coordinate x_{}, y_{};
};

}  // namespace ombrel
