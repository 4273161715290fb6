#include "gui/frm_mincu.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidgetAction>

#include "adjust/adjustment_driver.h"
#include "design/design_driver.h"
#include "gui/frm_about.h"
#include "gui/frm_abrir_proyecto.h"
#include "gui/frm_editor.h"
#include "gui/frm_opciones.h"
#include "gui/command_windows.h"
#include "gui/qt_prompts.h"
#include "gui/toolbar_icons.h"

namespace ombrel {
namespace {

const char* const kToolbarTips[] = {"Nuevo Proyecto",
                                    "Activar Proyecto",
                                    "Importar Matrices",
                                    "Editor de Texto",
                                    "Compensación con Matriz Inversa",
                                    "Compensación con Pseudoinversa",
                                    "Compensación con Matriz de Constreñimientos"};

// The collection's 15 items: command button numbers, 0 for a gap of blank
// space and -1 for a dividing line between groups.
const int kToolbarLayout[kToolbarItems] = {0, 1, 2, 3, 0, -1, 0, 4, 0, -1, 0, 0, 5, 6, 7};

// Toolbar buttons 5, 6 and 7 run the menu items of index 0, 2 and 1.
constexpr int kAdjustIndexOfButton[] = {kAdjustInverse, kAdjustPseudoinverse, kAdjustConstraints};

QAction* Item(QMenu* menu, const char* caption) {
  return menu->addAction(QString::fromUtf8(caption));
}

}  // namespace

frmMincu::frmMincu(QWidget* parent) : QMainWindow(parent), ui_(this) {
  ui_.SetWindow(this);
  setWindowTitle(QString::fromUtf8(kMainCaption));
  BuildMenus();
  BuildToolbar();
  BuildProjectFrame();
  Form_Load();
}

void frmMincu::BuildMenus() {
  QMenuBar* bar = menuBar();
  menuArchivo = bar->addMenu(QStringLiteral(" &Archivo "));
  mnuFile[0] = Item(menuArchivo, "&Nuevo Proyecto");
  mnuFile[1] = Item(menuArchivo, "A&ctivar Proyecto...");
  mnuFile[2] = Item(menuArchivo, "&Editar   Proyecto...");
  mnuFile[3] = menuArchivo->addSeparator();
  mnuFile[4] = Item(menuArchivo, "&Importar Matrices...");
  mnuFile[5] = menuArchivo->addSeparator();
  mnuFile[6] = Item(menuArchivo, "&Salir");
  for (int i : {0, 1, 2, 4, 6})
    connect(mnuFile[static_cast<std::size_t>(i)], &QAction::triggered, this,
            [this, i] { mnuFile_Click(i); });

  menuEditor = bar->addMenu(QStringLiteral("&Editor"));
  mnuEditar = Item(menuEditor, "E&ditor de texto");
  connect(mnuEditar, &QAction::triggered, this, &frmMincu::mnuEditar_Click);

  menuRevisar = bar->addMenu(QStringLiteral(" &Revisar "));
  mnuRevi = Item(menuRevisar, "Ptos fijos / Peso observables");
  connect(mnuRevi, &QAction::triggered, this, &frmMincu::mnuRevi_Click);

  menuVer = bar->addMenu(QStringLiteral(" &Ver "));
  mnuVer = Item(menuVer, "Gráfico de la red,  Elipses,  ....");
  connect(mnuVer, &QAction::triggered, this, &frmMincu::mnuVer_Click);

  menuCompensacion = bar->addMenu(QStringLiteral(" &Compensación "));
  const char* methods[] = {"Con matriz &Inversa", "Con  la matriz  ( &E )", "Con &Pseudoinversa"};
  menuDiseno = bar->addMenu(QStringLiteral(" &Problemas de diseño "));
  const char* designs[] = {"Problema de orden &CERO", "Problema de orden &UNO",
                           "Problema de orden &DOS"};
  for (int i = 0; i < 3; ++i) {
    const auto at = static_cast<std::size_t>(i);
    mnuInici[at] = Item(menuCompensacion, methods[i]);
    mnuDesign[at] = Item(menuDiseno, designs[i]);
    connect(mnuInici[at], &QAction::triggered, this, [this, i] { mnuInici_Click(i); });
    connect(mnuDesign[at], &QAction::triggered, this, [this, i] { mnuDesign_Click(i); });
  }

  menuAvanzado = bar->addMenu(QStringLiteral("A&vanzado"));
  mnuAvanzado[0] = Item(menuAvanzado, "&Opciones");
  connect(mnuAvanzado[0], &QAction::triggered, this, [this] { mnuAvanzado_Click(0); });

  menuAcerca = bar->addMenu(QStringLiteral(" Acerca de Om&brel"));
  mnuAbout = Item(menuAcerca, "&Acerca de Ombrel");
  connect(mnuAbout, &QAction::triggered, this, &frmMincu::mnuAbout_Click);
}

void frmMincu::BuildToolbar() {
  Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
  Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
  Toolbar1->setMovable(false);
  Toolbar1->setIconSize(QSize(32, 32));
  for (int item = 0; item < kToolbarItems; ++item) {
    const int button = kToolbarLayout[item];
    QAction* action = nullptr;
    if (button > 0) {
      action = Toolbar1->addAction(ToolbarIcon(button, style()),
                                   QString::fromUtf8(kToolbarTips[button - 1]));
      action->setToolTip(QString::fromUtf8(kToolbarTips[button - 1]));
      connect(action, &QAction::triggered, this, [this, button] { Toolbar1_ButtonClick(button); });
      ToolbarButtons[static_cast<std::size_t>(button - 1)] = action;
    } else if (button < 0) {
      action = Toolbar1->addSeparator();
    } else {
      auto* gap = new QWidget(Toolbar1);
      gap->setFixedWidth(8);
      action = Toolbar1->addWidget(gap);
    }
    ToolbarItems[static_cast<std::size_t>(item)] = action;
  }
}

void frmMincu::BuildProjectFrame() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* frame = new QGroupBox(QStringLiteral(" Proyecto Activo "), central);
  auto* frameLayout = new QVBoxLayout(frame);
  lblProyecto = new QLabel(frame);
  lblVertices = new QLabel(frame);
  lblEcuaciones = new QLabel(frame);
  QFont bold = lblProyecto->font();
  bold.setBold(true);
  lblProyecto->setFont(bold);
  for (QLabel* label : {lblProyecto, lblVertices, lblEcuaciones}) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    frameLayout->addWidget(label);
  }
  layout->addWidget(frame);
  layout->addStretch();
  setCentralWidget(central);
  resize(720, 300);
}

// Start-up: nothing that needs a project can be chosen until a loader
// enables it; the state starts from its defaults.
void frmMincu::Form_Load() {
  for (QMenu* menu : {menuRevisar, menuVer, menuCompensacion, menuDiseno})
    menu->menuAction()->setEnabled(false);
  for (int button : {5, 6, 7})
    ToolbarButtons[static_cast<std::size_t>(button - 1)]->setEnabled(false);
  ShowLabels(state_.ProjectLabel, state_.PointsLabel, state_.EquationsLabel);
}

void frmMincu::ShowLabels(const std::string& project, const std::string& points,
                          const std::string& equations) {
  lblProyecto->setText(ToQt(project));
  lblVertices->setText(ToQt(points));
  lblEcuaciones->setText(ToQt(equations));
}

void frmMincu::SetEnabled(Command command, bool enabled) {
  switch (command) {
    case Command::MenuReview:
      menuRevisar->menuAction()->setEnabled(enabled);
      break;
    case Command::MenuView:
      menuVer->menuAction()->setEnabled(enabled);
      break;
    case Command::MenuAdjust:
      menuCompensacion->menuAction()->setEnabled(enabled);
      break;
    case Command::MenuDesign:
      menuDiseno->menuAction()->setEnabled(enabled);
      break;
    case Command::AdjustInverse:
      mnuInici[0]->setEnabled(enabled);
      ToolbarButtons[4]->setEnabled(enabled);
      break;
    case Command::AdjustConstraints:
      mnuInici[1]->setEnabled(enabled);
      ToolbarButtons[6]->setEnabled(enabled);
      break;
    case Command::AdjustPseudo:
      mnuInici[2]->setEnabled(enabled);
      ToolbarButtons[5]->setEnabled(enabled);
      break;
  }
}

void frmMincu::OpenInEditor(const std::string& path) {
  frmEditor editor(ui_, this);
  if (editor.OpenListing(path)) editor.exec();
}

bool frmMincu::NeedsProject() {
  if (state_.HasActiveProject()) return true;
  ui_.Beep();
  ui_.MessageBox("¡ No tiene ningún proyecto activo !", Buttons::Ok, Icon::Information, 1,
                 kAppTitle);
  return false;
}

void frmMincu::mnuFile_Click(int index) {
  switch (index) {
    case 0:
      state_.SelectedFile = kUntitled;
      state_.EditorMode = "Añadir";
      state_.EditorExit = "NoAbandono";
      ShowProjectEditor(state_, ui_, this);
      break;
    case 1: {
      state_.NetworkType = "Activar";
      frmAbrirProyecto dialog(state_, ui_, this);
      dialog.exec();
      // Only a project that was actually loaded replaces an imported network.
      if (state_.FileChosen && dialog.Loaded()) state_.MatrixInput = false;
      break;
    }
    case 2: {
      state_.NetworkType = "Editar";
      frmAbrirProyecto dialog(state_, ui_, this);
      dialog.exec();
      break;
    }
    case 4:
      state_.NetworkType = "Importar";
      ShowImportDialog(state_, ui_, this);
      break;
    case 6:
      close();
      QApplication::quit();
      break;
    default:
      break;
  }
}

void frmMincu::mnuEditar_Click() {
  frmEditor editor(ui_, this);
  editor.exec();
}

void frmMincu::mnuRevi_Click() {
  if (!NeedsProject()) return;
  state_.EditorExit = "Abandonar";
  ShowReviewDialog(state_, ui_, this);
}

void frmMincu::mnuVer_Click() {
  if (!NeedsProject()) return;
  if (state_.MatrixInput && !state_.ApproxCoordsGiven) {
    ui_.Beep();
    ui_.MessageBox("¡ No se dispone de las coordenadas aproximadas !", Buttons::Ok,
                   Icon::Exclamation, 1, kAppTitle);
    ShowApproxDialog(state_, ui_, this);
    if (!state_.ApproxCoordsGiven) return;
  }
  ShowNetworkPlot(state_, ui_, this);
}

void frmMincu::mnuInici_Click(int index) {
  ombrel::mnuInici_Click(state_, ui_, index);
}

// The design driver makes its own active-project check.
void frmMincu::mnuDesign_Click(int index) {
  ombrel::mnuDesign_Click(state_, ui_, index);
}

void frmMincu::mnuAvanzado_Click(int) {
  frmOpciones options(state_, ui_, this);
  options.exec();
}

void frmMincu::mnuAbout_Click() {
  frmAbout about(this);
  about.exec();
}

void frmMincu::Toolbar1_ButtonClick(int button) {
  switch (button) {
    case 1:
      mnuFile_Click(0);
      break;
    case 2:
      mnuFile_Click(1);
      break;
    case 3:
      mnuFile_Click(4);
      break;
    case 4:
      mnuEditar_Click();
      break;
    case 5:
    case 6:
    case 7:
      mnuInici_Click(kAdjustIndexOfButton[button - 5]);
      break;
    default:
      break;
  }
}

}  // namespace ombrel
