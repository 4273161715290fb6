// The open-project dialog " Abrir  Proyecto": drive list, folder list, file
// list and name field. Its command is the state's NetworkType: "Activar"
// loads the chosen project, "Editar" opens it in the project editor and any
// other value ("Importar") only leaves the choice in SelectedFile.
#pragma once

#include <QDialog>
#include <QString>

#include "model/network_state.h"
#include "ui/interaction.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace ombrel {

class frmAbrirProyecto : public QDialog {
  Q_OBJECT

 public:
  frmAbrirProyecto(NetworkState& state, Interaction& ui, QWidget* parent = nullptr);

  // Shows folder in the folder and file lists; false (and nothing changes)
  // when it cannot be read.
  bool SetFolder(const QString& folder);
  QString Folder() const { return folder_; }
  // True after "Activar" loaded the project.
  bool Loaded() const { return loaded_; }
  // The import dialog's use: its own caption, and the name label saying
  // which matrix the file is for.
  void ShowForImport(const QString& nameLabel);

  QComboBox* drvBox1 = nullptr;
  QListWidget* dirBox1 = nullptr;
  QListWidget* File1 = nullptr;
  QLabel* lblNombre = nullptr;  // "&Nombre del proyecto:"
  QLineEdit* Text1 = nullptr;
  QPushButton* btnAceptar = nullptr;
  QPushButton* btnCancelar = nullptr;

 private:
  void BuildControls();
  void FillDrives();
  void FillFolders();
  void FillFiles();
  void drvBox1_Change(int index);
  void dirBox1_Activate(QListWidgetItem* item);
  void File1_Click(QListWidgetItem* item);
  void File1_DblClick(QListWidgetItem* item);
  void Text1_Change();
  void btnAceptar_Click();

  NetworkState& state_;
  Interaction& ui_;
  QString folder_;
  int drive_ = -1;
  bool loaded_ = false;
};

}  // namespace ombrel
