// The project editor: vertices, angles and distances entered into three
// sorted lists that are, line for line, the project file, and the save that
// writes the file and makes it the active network. The lists themselves live
// in ProjectLists; the dialog keeps its widgets in step with them and moves
// the vertex and equation numbers between the combo boxes.
#pragma once

#include <QDialog>
#include <QString>
#include <initializer_list>

#include "model/network_state.h"
#include "model/project_lists.h"
#include "ui/interaction.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace ombrel {

inline constexpr const char* kBadCharacters = "¡ Algún carácter no es correcto !";
inline constexpr const char* kBadKey = "¡ Carácter no válido !";
inline constexpr const char* kLeaveEditor = "¿ Está seguro de querer salir del menú ?";
inline constexpr const char* kProjectSaved = "Proyecto almacenado correctamente";

class frmProyecto : public QDialog {
  Q_OBJECT

 public:
  // lists is the project being edited; a new project starts from the empty
  // lists.
  frmProyecto(NetworkState& state, Interaction& ui, ProjectLists lists, QWidget* parent = nullptr);

  QTabWidget* SSTab1 = nullptr;  // "Vértices", "Observables", "Salvar y salir"
  QTabWidget* SSTab2 = nullptr;  // "Nuevo ángulo", "Nueva distancia"

  // "Vértices"
  QListWidget* List1 = nullptr;
  QLabel* lblDisp = nullptr;
  QPushButton* cmdQui = nullptr;  // "Eliminar vértice y observables asociados"
  QLineEdit* txtX = nullptr;
  QLineEdit* txtY = nullptr;
  QComboBox* Combo1 = nullptr;         // "Vértice"
  QComboBox* Combo9 = nullptr;         // "Ordenación del vector x"
  QCheckBox* Check1 = nullptr;         // "Punto Fijo"
  QPushButton* cmdTransfer = nullptr;  // "Añadir"
  QPushButton* Command3 = nullptr;     // "Modificar"

  // "Observables"
  QListWidget* List2 = nullptr;
  QLabel* lblEcu = nullptr;
  QPushButton* cmdQuitar = nullptr;  // "Eliminar observable"
  QComboBox* Combo3 = nullptr;       // angle: "Ecuacion"
  QComboBox* Combo4 = nullptr;       // "Pto inicial"
  QComboBox* Combo5 = nullptr;       // "Estación"
  QComboBox* Combo6 = nullptr;       // "Pto final"
  QLineEdit* txtAn = nullptr;        // "Angulo ( cent )"
  QLineEdit* Text1 = nullptr;        // angle "Peso"
  QPushButton* cmdAn = nullptr;      // "Añadir"
  QPushButton* Command1 = nullptr;   // "A todos ...."
  QComboBox* Combo2 = nullptr;       // distance: "Ecuacion"
  QComboBox* Combo7 = nullptr;       // "Pto inicial"
  QComboBox* Combo8 = nullptr;       // "Pto final"
  QLineEdit* txtDi = nullptr;        // "Distancia ( mts )"
  QLineEdit* Text2 = nullptr;        // distance "Peso"
  QPushButton* cmdDi = nullptr;      // "Añadir"
  QPushButton* Command2 = nullptr;   // "A todas ...."

  // "Salvar y salir"
  QListWidget* List3 = nullptr;
  QLineEdit* txtName = nullptr;  // "Nombre y extensión:"
  QPushButton* cmdSalvar = nullptr;
  QPushButton* cmdCancelar = nullptr;

  // Every way of closing passes here: the question comes first while the
  // project has not been saved.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildVerticesTab();
  QWidget* BuildObservablesTab();
  QWidget* BuildAngleTab();
  QWidget* BuildDistanceTab();
  QWidget* BuildSaveTab();
  void Connect();
  void ConnectVertexFields();
  void ConnectObservationFields();
  void Form_Load();
  void FillChoices();

  // Shows the lists again; nothing stays picked in the lists shown.
  void ShowLists(bool points);
  void ShowCounts();
  bool Accepts(std::initializer_list<const QLineEdit*> fields);

  void List1_Click();
  void ClearVertexFields();
  void UpdateVertexButtons();
  void Combo1_Click();
  void cmdTransfer_Click();
  void Command3_Click();
  void cmdQui_Click();

  void List2_Click();
  void ObservationFieldSet();
  void UpdateObservationButtons();
  void ClearAngleFields();
  void ClearDistanceFields();
  void TakeEquation(const QString& item);
  void cmdAn_Click();
  void cmdDi_Click();
  void cmdQuitar_Click();
  void Command1_Click();
  void Command2_Click();

  void cmdSalvar_Click();

  NetworkState& state_;
  Interaction& ui_;
  ProjectLists lists_;
  // Set while the dialog itself fills fields, so that doing so is not taken
  // for the person changing them.
  bool filling_ = false;
};

}  // namespace ombrel
