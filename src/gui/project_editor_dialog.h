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
inline constexpr const char* kUnsavedProject =
    "El proyecto tiene cambios que no se han guardado.\r\n\r\n"
    "¿ Desea guardarlos antes de salir del menú ?";
inline constexpr const char* kNameTheProject =
    "Escriba el nombre del proyecto en \"Nombre y extensión:\" y pulse \"Salvar y salir\".";

class ProjectEditorDialog : public QDialog {
  Q_OBJECT

 public:
  // lists is the project being edited; a new project starts from the empty
  // lists.
  ProjectEditorDialog(NetworkState& state, Interaction& ui, ProjectLists lists,
                      QWidget* parent = nullptr);

  // Every way of closing passes here. While the project has not been saved
  // a question comes first: with changes, whether to save them (Guardar,
  // Descartar, Cancelar); without, whether to leave.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void pickVertex();
  void startNewVertex();
  void updateVertexButtons();
  void addVertex();
  void modifyVertex();
  void removeVertex();

  void pickObservation();
  void observationFieldChanged();
  void addAngle();
  void addDistance();
  void removeObservation();
  void setAngleWeightOfAll();
  void setDistanceWeightOfAll();

  void saveAndClose();

 private:
  QWidget* BuildVerticesTab();
  QWidget* BuildObservablesTab();
  QWidget* BuildAngleTab();
  QWidget* BuildDistanceTab();
  QWidget* BuildSaveTab();
  void Connect();
  void ConnectVertexFields();
  void ConnectObservationFields();
  // The opened project's numbers are taken from the choices; nothing is
  // picked yet.
  void ShowProject();
  void FillChoices();

  // Shows the lists again; nothing stays picked in the lists shown.
  void ShowLists(bool points);
  void ShowCounts();
  bool Accepts(std::initializer_list<const QLineEdit*> fields);
  // Shows fault (beep, information icon) when there is one; true when none.
  bool Allows(const std::string& fault);
  // The answer to the save question on closing; true when the dialog may
  // close without saving.
  bool OfferToSave();
  void ClearVertexFields();
  void UpdateObservationButtons();
  void ClearAngleFields();
  void ClearDistanceFields();
  void TakeEquation(const QString& item);

  NetworkState& state_;
  Interaction& ui_;
  ProjectLists lists_;
  std::vector<std::string> savedLines_;  // the file as opened or last saved
  std::string pickedVertex_;             // the number of the vertex picked; empty for none
  // Whether the vertex fields add a new vertex or modify the picked one.
  enum class VertexMode { Add, Modify };
  VertexMode vertexMode_ = VertexMode::Add;
  bool saved_ = false;  // saved on the way out: leaving asks nothing

  QTabWidget* tabs_ = nullptr;             // "Vértices", "Observables", "Salvar y salir"
  QTabWidget* observationTabs_ = nullptr;  // "Nuevo ángulo", "Nueva distancia"

  // "Vértices"
  QListWidget* vertexList_ = nullptr;
  QLabel* vertexCountLabel_ = nullptr;
  QPushButton* removeVertexButton_ = nullptr;
  QLineEdit* xEdit_ = nullptr;
  QLineEdit* yEdit_ = nullptr;
  QComboBox* vertexCombo_ = nullptr;  // the free vertex numbers
  QComboBox* orderCombo_ = nullptr;   // "Ordenación del vector x"
  QCheckBox* fixedCheck_ = nullptr;
  QPushButton* addVertexButton_ = nullptr;
  QPushButton* modifyVertexButton_ = nullptr;

  // "Observables": a new angle and a new distance
  QListWidget* observationList_ = nullptr;
  QLabel* equationCountLabel_ = nullptr;
  QPushButton* removeObservationButton_ = nullptr;
  QComboBox* angleEquationCombo_ = nullptr;
  QComboBox* backsightCombo_ = nullptr;
  QComboBox* stationCombo_ = nullptr;
  QComboBox* foresightCombo_ = nullptr;
  QLineEdit* angleEdit_ = nullptr;
  QLineEdit* angleWeightEdit_ = nullptr;
  QPushButton* addAngleButton_ = nullptr;
  QPushButton* angleWeightToAllButton_ = nullptr;
  QComboBox* distanceEquationCombo_ = nullptr;
  QComboBox* distanceFromCombo_ = nullptr;
  QComboBox* distanceToCombo_ = nullptr;
  QLineEdit* distanceEdit_ = nullptr;
  QLineEdit* distanceWeightEdit_ = nullptr;
  QPushButton* addDistanceButton_ = nullptr;
  QPushButton* distanceWeightToAllButton_ = nullptr;

  // "Salvar y salir"
  QListWidget* fileList_ = nullptr;
  QLineEdit* fileNameEdit_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  // Set while the dialog itself fills fields, so that doing so is not taken
  // for the person changing them.
  bool filling_ = false;
};

}  // namespace ombrel
