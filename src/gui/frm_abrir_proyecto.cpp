#include "gui/frm_abrir_proyecto.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include "gui/command_windows.h"
#include "gui/qt_prompts.h"
#include "gui/working_folder.h"
#include "model/project_file.h"

namespace ombrel {
namespace {

constexpr int kPathRole = Qt::UserRole;

QLabel* BuddyLabel(const char* caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

frmAbrirProyecto::frmAbrirProyecto(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setWindowTitle(QStringLiteral(" Abrir  Proyecto"));
  BuildControls();
  state_.FileChosen = false;
  SetWorkingFolder(WorkingFolder());
  FillDrives();
  if (!SetFolder(WorkingFolder())) SetFolder(QDir::homePath());
  Text1_Change();
}

void frmAbrirProyecto::BuildControls() {
  drvBox1 = new QComboBox(this);
  dirBox1 = new QListWidget(this);
  File1 = new QListWidget(this);
  Text1 = new QLineEdit(this);
  btnAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
  btnCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
  File1->setSortingEnabled(true);
  btnAceptar->setDefault(true);

  auto* grid = new QGridLayout(this);
  lblNombre = BuddyLabel("&Nombre del proyecto:", Text1, this);
  grid->addWidget(lblNombre, 0, 0);
  grid->addWidget(Text1, 1, 0);
  grid->addWidget(File1, 2, 0, 3, 1);
  grid->addWidget(BuddyLabel("&Directorios:", dirBox1, this), 0, 1);
  grid->addWidget(dirBox1, 1, 1, 2, 1);
  grid->addWidget(BuddyLabel("&Unidades de disco:", drvBox1, this), 3, 1);
  grid->addWidget(drvBox1, 4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnAceptar);
  buttons->addWidget(btnCancelar);
  grid->addLayout(buttons, 5, 0, 1, 2);
  grid->setColumnMinimumWidth(0, 220);
  grid->setColumnMinimumWidth(1, 260);

  connect(drvBox1, &QComboBox::activated, this, &frmAbrirProyecto::drvBox1_Change);
  connect(dirBox1, &QListWidget::itemActivated, this, &frmAbrirProyecto::dirBox1_Activate);
  connect(File1, &QListWidget::itemClicked, this, &frmAbrirProyecto::File1_Click);
  connect(File1, &QListWidget::currentItemChanged, this,
          [this](QListWidgetItem* item) { File1_Click(item); });
  connect(File1, &QListWidget::itemActivated, this, &frmAbrirProyecto::File1_DblClick);
  connect(Text1, &QLineEdit::textChanged, this, &frmAbrirProyecto::Text1_Change);
  connect(Text1, &QLineEdit::returnPressed, this, [this] {
    if (btnAceptar->isEnabled()) btnAceptar_Click();
  });
  connect(btnAceptar, &QPushButton::clicked, this, &frmAbrirProyecto::btnAceptar_Click);
  connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void frmAbrirProyecto::ShowForImport(const QString& nameLabel) {
  setWindowTitle(QStringLiteral("Abrir fichero de importación"));
  lblNombre->setText(nameLabel);
}

// On this platform the drives are the mounted volumes and the home folder.
void frmAbrirProyecto::FillDrives() {
  drvBox1->addItem(QDir::homePath(), QDir::homePath());
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady())
      drvBox1->addItem(volume.rootPath(), volume.rootPath());
}

bool frmAbrirProyecto::SetFolder(const QString& folder) {
  const QDir dir(folder);
  if (!dir.exists() || !dir.isReadable()) return false;
  folder_ = dir.absolutePath();
  FillFolders();
  FillFiles();
  // The drive shown is the longest root that holds the folder.
  int best = -1;
  for (int i = 0; i < drvBox1->count(); ++i) {
    const QString root = drvBox1->itemData(i).toString();
    if (folder_.startsWith(root) &&
        (best < 0 || root.size() > drvBox1->itemData(best).toString().size()))
      best = i;
  }
  drive_ = best;
  drvBox1->setCurrentIndex(best);
  return true;
}

// The folder's ancestors, the folder itself and its subfolders, indented by depth.
void frmAbrirProyecto::FillFolders() {
  dirBox1->clear();
  QStringList chain;
  for (QDir dir(folder_);;) {
    chain.prepend(dir.absolutePath());
    if (!dir.cdUp()) break;
  }
  int depth = 0;
  for (const QString& path : chain) {
    const QString name = depth == 0 ? path : QDir(path).dirName();
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, dirBox1);
    item->setData(kPathRole, path);
    ++depth;
  }
  dirBox1->setCurrentRow(dirBox1->count() - 1);
  const QDir dir(folder_);
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, dirBox1);
    item->setData(kPathRole, dir.filePath(name));
  }
}

void frmAbrirProyecto::FillFiles() {
  File1->clear();
  File1->addItems(QDir(folder_).entryList(QDir::Files, QDir::Name));
}

void frmAbrirProyecto::drvBox1_Change(int index) {
  const QString root = drvBox1->itemData(index).toString();
  if (!SetFolder(root)) {
    ui_.Beep();
    drvBox1->setCurrentIndex(drive_);
  }
}

void frmAbrirProyecto::dirBox1_Activate(QListWidgetItem* item) {
  if (item && !SetFolder(item->data(kPathRole).toString())) ui_.Beep();
}

void frmAbrirProyecto::File1_Click(QListWidgetItem* item) {
  if (item) Text1->setText(item->text());
}

void frmAbrirProyecto::File1_DblClick(QListWidgetItem* item) {
  File1_Click(item);
  if (btnAceptar->isEnabled()) btnAceptar_Click();
}

void frmAbrirProyecto::Text1_Change() {
  btnAceptar->setEnabled(!Text1->text().isEmpty());
}

// The chosen file is the list's selection; a name only typed in the field
// leaves the path ending in the separator, which no loader can read.
void frmAbrirProyecto::btnAceptar_Click() {
  state_.FileChosen = true;
  const QListWidgetItem* selected = File1->currentItem();
  const QString name = selected && selected->isSelected() ? selected->text() : QString();
  const QString base = folder_.endsWith(QLatin1Char('/')) ? folder_ : folder_ + QLatin1Char('/');
  state_.SelectedFile = FromQt(base + name);
  accept();
  if (state_.NetworkType == "Editar") {
    state_.EditorMode = "Añadir";
    state_.EditorExit = "NoAbandono";
    ShowProjectEditor(state_, ui_, parentWidget());
  } else if (state_.NetworkType == "Activar") {
    loaded_ = LoadProjectFile(state_, ui_, state_.SelectedFile);
  }
}

}  // namespace ombrel
