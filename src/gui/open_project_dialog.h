// The open-project dialog " Abrir  Proyecto": drive list, folder list, file
// list and name field. What it does with the chosen file depends on what it
// was opened for: it loads the project, opens it in the project editor, or
// (for the import of matrices) only leaves the choice in SelectedFile.
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

class OpenProjectDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Purpose { Activate, Edit, Import };

  OpenProjectDialog(NetworkState& state, Interaction& ui, Purpose purpose,
                    QWidget* parent = nullptr);

  // Shows folder in the folder and file lists; false (and nothing changes)
  // when it cannot be read.
  bool SetFolder(const QString& folder);
  QString Folder() const { return folder_; }
  // True after an activation loaded the project.
  bool Loaded() const { return loaded_; }
  // The import dialog's use: its own caption, and the name label saying
  // which matrix the file is for.
  void ShowForImport(const QString& nameLabel);

 private slots:
  void changeDrive(int index);
  void openFolder(QListWidgetItem* item);
  void pickFile(QListWidgetItem* item);
  // A double click: picks the file and accepts it.
  void openFile(QListWidgetItem* item);
  void updateAcceptButton();
  void acceptChoice();

 private:
  void BuildControls();
  void FillDrives();
  void FillFolders();
  void FillFiles();

  NetworkState& state_;
  Interaction& ui_;
  Purpose purpose_;
  QComboBox* driveCombo_ = nullptr;
  QListWidget* folderList_ = nullptr;
  QListWidget* fileList_ = nullptr;
  QLabel* nameLabel_ = nullptr;  // "&Nombre del proyecto:"
  QLineEdit* nameEdit_ = nullptr;
  QPushButton* acceptButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QString folder_;
  int drive_ = -1;
  bool loaded_ = false;
};

}  // namespace ombrel
