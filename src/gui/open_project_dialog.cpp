#include "gui/open_project_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include "adjust/open_project_command.h"
#include "gui/command_guard.h"
#include "gui/command_windows.h"
#include "gui/dialog_widgets.h"
#include "gui/qt_prompts.h"
#include "gui/working_folder.h"

namespace ombrel {
namespace {

constexpr int kPathRole = Qt::UserRole;

QLabel* BuddyLabel(const char* caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

OpenProjectDialog::OpenProjectDialog(NetworkState& state, Interaction& ui, Purpose purpose,
                                     QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui), purpose_(purpose) {
  setWindowTitle(QStringLiteral(" Abrir  Proyecto"));
  BuildControls();
  state_.FileChosen = false;
  FillDrives();
  if (!SetFolder(StartFolder())) SetFolder(QDir::homePath());
  updateAcceptButton();
}

void OpenProjectDialog::BuildControls() {
  driveCombo_ = Named("driveCombo", new QComboBox(this));
  folderList_ = Named("folderList", new QListWidget(this));
  fileList_ = Named("fileList", new QListWidget(this));
  nameEdit_ = Named("nameEdit", new QLineEdit(this));
  acceptButton_ = Named("acceptButton", new QPushButton(QStringLiteral("&Aceptar"), this));
  cancelButton_ = Named("cancelButton", new QPushButton(QStringLiteral("&Cancelar"), this));
  fileList_->setSortingEnabled(true);
  acceptButton_->setDefault(true);

  auto* grid = new QGridLayout(this);
  nameLabel_ = Named("nameLabel", BuddyLabel("&Nombre del proyecto:", nameEdit_, this));
  grid->addWidget(nameLabel_, 0, 0);
  grid->addWidget(nameEdit_, 1, 0);
  grid->addWidget(fileList_, 2, 0, 3, 1);
  grid->addWidget(BuddyLabel("&Directorios:", folderList_, this), 0, 1);
  grid->addWidget(folderList_, 1, 1, 2, 1);
  grid->addWidget(BuddyLabel("&Unidades de disco:", driveCombo_, this), 3, 1);
  grid->addWidget(driveCombo_, 4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(acceptButton_);
  buttons->addWidget(cancelButton_);
  grid->addLayout(buttons, 5, 0, 1, 2);
  grid->setColumnMinimumWidth(0, 220);
  grid->setColumnMinimumWidth(1, 260);

  connect(driveCombo_, &QComboBox::activated, this, &OpenProjectDialog::changeDrive);
  connect(folderList_, &QListWidget::itemActivated, this, &OpenProjectDialog::openFolder);
  connect(fileList_, &QListWidget::itemClicked, this, &OpenProjectDialog::pickFile);
  connect(fileList_, &QListWidget::currentItemChanged, this,
          [this](QListWidgetItem* item) { pickFile(item); });
  connect(fileList_, &QListWidget::itemActivated, this, &OpenProjectDialog::openFile);
  connect(nameEdit_, &QLineEdit::textChanged, this, &OpenProjectDialog::updateAcceptButton);
  connect(nameEdit_, &QLineEdit::returnPressed, this, [this] {
    if (acceptButton_->isEnabled()) acceptChoice();
  });
  connect(acceptButton_, &QPushButton::clicked, this, &OpenProjectDialog::acceptChoice);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void OpenProjectDialog::ShowForImport(const QString& nameLabel) {
  setWindowTitle(QStringLiteral("Abrir fichero de importación"));
  nameLabel_->setText(nameLabel);
}

// On this platform the drives are the mounted volumes and the home folder.
void OpenProjectDialog::FillDrives() {
  driveCombo_->addItem(QDir::homePath(), QDir::homePath());
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady())
      driveCombo_->addItem(volume.rootPath(), volume.rootPath());
}

bool OpenProjectDialog::SetFolder(const QString& folder) {
  const QDir dir(folder);
  if (!dir.exists() || !dir.isReadable()) return false;
  folder_ = dir.absolutePath();
  FillFolders();
  FillFiles();
  // The drive shown is the longest root that holds the folder.
  int best = -1;
  for (int i = 0; i < driveCombo_->count(); ++i) {
    const QString root = driveCombo_->itemData(i).toString();
    if (folder_.startsWith(root) &&
        (best < 0 || root.size() > driveCombo_->itemData(best).toString().size()))
      best = i;
  }
  drive_ = best;
  driveCombo_->setCurrentIndex(best);
  return true;
}

// The folder's ancestors, the folder itself and its subfolders, indented by depth.
void OpenProjectDialog::FillFolders() {
  folderList_->clear();
  QStringList chain;
  for (QDir dir(folder_);;) {
    chain.prepend(dir.absolutePath());
    if (!dir.cdUp()) break;
  }
  int depth = 0;
  for (const QString& path : chain) {
    const QString name = depth == 0 ? path : QDir(path).dirName();
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, folderList_);
    item->setData(kPathRole, path);
    ++depth;
  }
  folderList_->setCurrentRow(folderList_->count() - 1);
  const QDir dir(folder_);
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, folderList_);
    item->setData(kPathRole, dir.filePath(name));
  }
}

void OpenProjectDialog::FillFiles() {
  fileList_->clear();
  fileList_->addItems(QDir(folder_).entryList(QDir::Files, QDir::Name));
}

void OpenProjectDialog::changeDrive(int index) {
  const QString root = driveCombo_->itemData(index).toString();
  if (!SetFolder(root)) {
    ui_.Beep();
    driveCombo_->setCurrentIndex(drive_);
  }
}

void OpenProjectDialog::openFolder(QListWidgetItem* item) {
  if (item && !SetFolder(item->data(kPathRole).toString())) ui_.Beep();
}

void OpenProjectDialog::pickFile(QListWidgetItem* item) {
  if (item) nameEdit_->setText(item->text());
}

void OpenProjectDialog::openFile(QListWidgetItem* item) {
  pickFile(item);
  if (acceptButton_->isEnabled()) acceptChoice();
}

void OpenProjectDialog::updateAcceptButton() {
  acceptButton_->setEnabled(!nameEdit_->text().isEmpty());
}

// The chosen file is the name in the text field, which a click in the list
// fills: a name alone is taken in the folder shown, a typed path as it is
// (relative to the folder shown), and the path of a folder moves there.
void OpenProjectDialog::acceptChoice() {
  const QFileInfo typed(QDir(folder_).filePath(nameEdit_->text()));
  if (typed.isDir()) {
    if (!SetFolder(typed.absoluteFilePath())) ui_.Beep();
    nameEdit_->clear();
    return;
  }
  state_.FileChosen = true;
  state_.SelectedFile = FromQt(typed.absoluteFilePath());
  RememberStartFolder(typed.absolutePath());
  accept();
  RunGuarded(state_, ui_, [this] {
    if (purpose_ == Purpose::Edit) {
      ShowProjectEditor(state_, ui_, parentWidget());
    } else if (purpose_ == Purpose::Activate) {
      loaded_ = LoadProjectFile(state_, ui_, state_.SelectedFile);
      if (loaded_) WorkInFolderOf(state_.SelectedFile);
    }
  });
}

}  // namespace ombrel
