// The graphics window " Menú  Gráfico": the active network and the error
// figures of the last computation, zoom with the mouse, the coordinate
// readout, the magnification of the figures and the DXF export.
#pragma once

#include <QDialog>
#include <functional>

#include "model/network_state.h"
#include "plot/plot_view.h"
#include "plot/rubber_band.h"
#include "ui/interaction.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace ombrel {

class PlotPicture;

inline constexpr int kPictureWidth = 840;
inline constexpr int kPictureHeight = 600;

class frmGrafico : public QDialog {
  Q_OBJECT

 public:
  frmGrafico(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

  QPushButton* Command1 = nullptr;  // "Ver toda la red"
  QPushButton* Command2 = nullptr;  // "Elipses absolutas"
  QPushButton* Command3 = nullptr;  // "Elipses relativas"
  QPushButton* Command4 = nullptr;  // "Escala elipses"
  QPushButton* Command5 = nullptr;  // "Rosetas de error"
  QPushButton* Command6 = nullptr;  // "Secciones  del hiperelipsoide .."
  QPushButton* Command7 = nullptr;  // "Proyecciones de los  semiejes"
  QPushButton* Command8 = nullptr;  // "Crear fichero DXF"
  QLabel* Label1 = nullptr;         // "ELIPSES CLASICAS:"
  QLabel* Label2 = nullptr;         // "NUEVAS ELIPSES:"
  PlotPicture* Picture1 = nullptr;

  const PlotView& View() const { return view_; }

 private:
  QWidget* BuildCommands();
  QPushButton* AddButton(QVBoxLayout* layout, const char* caption);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void FigureOfUnknowns_Click(FigureKind kind);
  void Guard(const std::function<void()>& command);
  void Command8_Click();
  void Picture1_MouseDown(Qt::MouseButton button, double px, double py);
  void Picture1_MouseMove(Qt::MouseButtons buttons, double px, double py);
  void Picture1_MouseUp(Qt::MouseButton button, double px, double py);
  void EnableFigureButtons();
  // After the network is drawn again: the DXF export only at full view.
  void AfterRedraw();
  void ShowScene();

  NetworkState& state_;
  Interaction& ui_;
  PlotView view_;
  RubberBand band_;
};

}  // namespace ombrel
