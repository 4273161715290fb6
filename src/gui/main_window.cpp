#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "adjust/adjustment_driver.h"
#include "design/design_driver.h"
#include "gui/about_dialog.h"
#include "gui/command_guard.h"
#include "gui/command_windows.h"
#include "gui/computation_runner.h"
#include "gui/dialog_widgets.h"
#include "gui/elided_label.h"
#include "gui/listing_viewer.h"
#include "gui/open_project_dialog.h"
#include "gui/options_dialog.h"
#include "gui/qt_prompts.h"
#include "gui/results_tools.h"
#include "gui/text_editor_window.h"
#include "gui/toolbar_icons.h"

namespace ombrel {
namespace {

struct ToolbarCommand {
  const char* name;
  const char* tip;
  void (MainWindow::*slot)();
  QAction* MainWindow::*button;  // where the window keeps it, if it does
};

// The toolbar's collection of 15 items: command button numbers 1 to 7 (the
// numbering of ToolbarIcon), 0 for a gap of blank space and -1 for a
// dividing line between groups. Items 13, 14 and 15 are the adjustments
// with the inverse, the pseudoinverse and E.
constexpr int kToolbarItems = 15;
const int kToolbarLayout[kToolbarItems] = {0, 1, 2, 3, 0, -1, 0, 4, 0, -1, 0, 0, 5, 6, 7};

QMenu* AddMenu(QMenuBar* bar, const QString& title, const char* name) {
  return Named(name, bar->addMenu(title));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui_(this) {
  ui_.SetWindow(this);
  setWindowTitle(QString::fromUtf8(kMainCaption));
  BuildMenus();
  BuildToolbar();
  BuildProjectFrame();
  AddDesktopConventions();
  DisableProjectCommands();
  ShowLabels(state_.ProjectLabel, state_.PointsLabel, state_.EquationsLabel);
}

void MainWindow::BuildMenus() {
  const auto item = [this](QMenu* menu, const char* caption, const char* name,
                           void (MainWindow::*slot)()) {
    QAction* action = Named(name, menu->addAction(QString::fromUtf8(caption)));
    connect(action, &QAction::triggered, this, [this, slot] { RunCommand(slot); });
    return action;
  };
  QMenuBar* bar = menuBar();
  QMenu* file = AddMenu(bar, QStringLiteral(" &Archivo "), "fileMenu");
  item(file, "&Nuevo Proyecto", "newProjectAction", &MainWindow::newProject);
  item(file, "A&ctivar Proyecto...", "activateProjectAction", &MainWindow::activateProject);
  item(file, "&Editar   Proyecto...", "editProjectAction", &MainWindow::editProject);
  file->addSeparator();
  item(file, "&Importar Matrices...", "importMatricesAction", &MainWindow::importMatrices);
  file->addSeparator();
  item(file, "&Salir", "quitAction", &MainWindow::quitApplication);

  QMenu* editor = AddMenu(bar, QStringLiteral("&Editor"), "editorMenu");
  item(editor, "E&ditor de texto", "textEditorAction", &MainWindow::openTextEditor);

  reviewMenu_ = AddMenu(bar, QStringLiteral(" &Revisar "), "reviewMenu");
  item(reviewMenu_, "Ptos fijos / Peso observables", "reviewAction", &MainWindow::reviewNetwork);

  viewMenu_ = AddMenu(bar, QStringLiteral(" &Ver "), "viewMenu");
  item(viewMenu_, "Gráfico de la red,  Elipses,  ....", "plotAction", &MainWindow::showNetworkPlot);

  adjustMenu_ = AddMenu(bar, QStringLiteral(" &Compensación "), "adjustMenu");
  adjustInverseAction_ = item(adjustMenu_, "Con matriz &Inversa", "adjustInverseAction",
                              &MainWindow::adjustWithInverse);
  adjustConstraintsAction_ = item(adjustMenu_, "Con  la matriz  ( &E )", "adjustConstraintsAction",
                                  &MainWindow::adjustWithConstraints);
  adjustPseudoinverseAction_ = item(adjustMenu_, "Con &Pseudoinversa", "adjustPseudoinverseAction",
                                    &MainWindow::adjustWithPseudoinverse);

  designMenu_ = AddMenu(bar, QStringLiteral(" &Problemas de diseño "), "designMenu");
  item(designMenu_, "Problema de orden &CERO", "designOrderZeroAction",
       &MainWindow::designOrderZero);
  item(designMenu_, "Problema de orden &UNO", "designOrderOneAction", &MainWindow::designOrderOne);
  item(designMenu_, "Problema de orden &DOS", "designOrderTwoAction", &MainWindow::designOrderTwo);

  QMenu* advanced = AddMenu(bar, QStringLiteral("A&vanzado"), "advancedMenu");
  item(advanced, "&Opciones", "optionsAction", &MainWindow::showOptions);

  QMenu* about = AddMenu(bar, QStringLiteral(" Acerca de Om&brel"), "aboutMenu");
  item(about, "&Acerca de Ombrel", "aboutAction", &MainWindow::showAbout);
  AddResultsTools(*this, state_, ui_);
}

void MainWindow::BuildToolbar() {
  const ToolbarCommand commands[] = {
      {"newProjectButton", "Nuevo Proyecto", &MainWindow::newProject, nullptr},
      {"activateProjectButton", "Activar Proyecto", &MainWindow::activateProject, nullptr},
      {"importMatricesButton", "Importar Matrices", &MainWindow::importMatrices, nullptr},
      {"textEditorButton", "Editor de Texto", &MainWindow::openTextEditor, nullptr},
      {"adjustInverseButton", "Compensación con Matriz Inversa", &MainWindow::adjustWithInverse,
       &MainWindow::adjustInverseButton_},
      {"adjustPseudoinverseButton", "Compensación con Pseudoinversa",
       &MainWindow::adjustWithPseudoinverse, &MainWindow::adjustPseudoinverseButton_},
      {"adjustConstraintsButton", "Compensación con Matriz de Constreñimientos",
       &MainWindow::adjustWithConstraints, &MainWindow::adjustConstraintsButton_}};
  QToolBar* toolbar = Named("toolbar", addToolBar(QStringLiteral("Toolbar1")));
  toolbar->setMovable(false);
  toolbar->setIconSize(QSize(32, 32));
  for (const int button : kToolbarLayout) {
    if (button < 0) {
      toolbar->addSeparator();
    } else if (button == 0) {
      auto* gap = new QWidget(toolbar);
      gap->setFixedWidth(8);
      toolbar->addWidget(gap);
    } else {
      const ToolbarCommand& command = commands[button - 1];
      const QString tip = QString::fromUtf8(command.tip);
      QAction* action = Named(command.name, toolbar->addAction(ToolbarIcon(button, style()), tip));
      action->setToolTip(tip);
      connect(action, &QAction::triggered, this, [this, slot = command.slot] { RunCommand(slot); });
      if (command.button) this->*command.button = action;
    }
  }
}

void MainWindow::BuildProjectFrame() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* frame = new QGroupBox(QStringLiteral(" Proyecto Activo "), central);
  auto* frameLayout = new QVBoxLayout(frame);
  projectLabel_ = Named("projectLabel", new ElidedLabel(frame));
  pointsLabel_ = Named("pointsLabel", new QLabel(frame));
  equationsLabel_ = Named("equationsLabel", new QLabel(frame));
  QFont bold = projectLabel_->font();
  bold.setBold(true);
  projectLabel_->setFont(bold);
  for (QLabel* label : {projectLabel_, pointsLabel_, equationsLabel_}) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    frameLayout->addWidget(label);
  }
  layout->addWidget(frame);
  layout->addStretch();
  setCentralWidget(central);
  resize(720, 300);
}

void MainWindow::DisableProjectCommands() {
  for (QMenu* menu : {reviewMenu_, viewMenu_, adjustMenu_, designMenu_})
    menu->menuAction()->setEnabled(false);
  for (QAction* button :
       {adjustInverseButton_, adjustPseudoinverseButton_, adjustConstraintsButton_})
    button->setEnabled(false);
}

void MainWindow::ShowLabels(const std::string& project, const std::string& points,
                            const std::string& equations) {
  projectLabel_->setText(ToQt(project));
  pointsLabel_->setText(ToQt(points));
  equationsLabel_->setText(ToQt(equations));
}

void MainWindow::SetEnabled(Command command, bool enabled) {
  const auto both = [enabled](QAction* item, QAction* button) {
    item->setEnabled(enabled);
    button->setEnabled(enabled);
  };
  switch (command) {
    case Command::MenuReview:
      reviewMenu_->menuAction()->setEnabled(enabled);
      break;
    case Command::MenuView:
      viewMenu_->menuAction()->setEnabled(enabled);
      break;
    case Command::MenuAdjust:
      adjustMenu_->menuAction()->setEnabled(enabled);
      break;
    case Command::MenuDesign:
      designMenu_->menuAction()->setEnabled(enabled);
      break;
    case Command::AdjustInverse:
      both(adjustInverseAction_, adjustInverseButton_);
      break;
    case Command::AdjustConstraints:
      both(adjustConstraintsAction_, adjustConstraintsButton_);
      break;
    case Command::AdjustPseudo:
      both(adjustPseudoinverseAction_, adjustPseudoinverseButton_);
      break;
  }
}

void MainWindow::OpenInEditor(const std::string& path) {
  ShowListing(ui_, path, this);
}

void MainWindow::RunCommand(void (MainWindow::*command)()) {
  RunGuarded(state_, ui_, [this, command] { (this->*command)(); });
  AfterCommand(command);
}

bool MainWindow::NeedsProject() {
  if (state_.HasActiveProject()) return true;
  ui_.Beep();
  ui_.MessageBox("¡ No tiene ningún proyecto activo !", Buttons::Ok, Icon::Information, 1,
                 kAppTitle);
  return false;
}

void MainWindow::newProject() {
  state_.SelectedFile = kUntitled;
  ShowProjectEditor(state_, ui_, this);
}

void MainWindow::activateProject() {
  OpenProjectDialog dialog(state_, ui_, OpenProjectDialog::Purpose::Activate, this);
  dialog.exec();
  // Only a project that was actually loaded replaces an imported network.
  if (state_.FileChosen && dialog.Loaded()) state_.Import.MatrixInput = false;
}

void MainWindow::editProject() {
  OpenProjectDialog dialog(state_, ui_, OpenProjectDialog::Purpose::Edit, this);
  dialog.exec();
}

void MainWindow::importMatrices() {
  ShowImportDialog(state_, ui_, this);
}

void MainWindow::quitApplication() {
  close();
  QApplication::quit();
}

void MainWindow::openTextEditor() {
  TextEditorWindow editor(ui_, this);
  editor.exec();
}

void MainWindow::reviewNetwork() {
  if (!NeedsProject()) return;
  ShowReviewDialog(state_, ui_, this);
}

void MainWindow::showNetworkPlot() {
  if (!NeedsProject()) return;
  if (state_.Import.MatrixInput && !state_.Import.ApproxCoordsGiven) {
    ui_.Beep();
    ui_.MessageBox("¡ No se dispone de las coordenadas aproximadas !", Buttons::Ok,
                   Icon::Exclamation, 1, kAppTitle);
    ShowApproxDialog(state_, ui_, this);
    if (!state_.Import.ApproxCoordsGiven) return;
  }
  ShowNetworkPlot(state_, ui_, this);
}

void MainWindow::Adjust(AdjustmentMethod method) {
  CommandOutcome outcome = CommandOutcome::Cancelled;
  RunComputation(this, ui_, [this, method, &outcome](Interaction& ui) {
    outcome = RunAdjustment(state_, ui, method);
  });
  ShowListingPath(outcome);
}

void MainWindow::adjustWithInverse() {
  Adjust(AdjustmentMethod::Inverse);
}

void MainWindow::adjustWithConstraints() {
  Adjust(AdjustmentMethod::Constraints);
}

void MainWindow::adjustWithPseudoinverse() {
  Adjust(AdjustmentMethod::Pseudoinverse);
}

// The design driver makes its own active-project check.
void MainWindow::Design(DesignProblem problem) {
  CommandOutcome outcome = CommandOutcome::Cancelled;
  RunComputation(this, ui_, [this, problem, &outcome](Interaction& ui) {
    outcome = RunDesign(state_, ui, problem);
  });
  ShowListingPath(outcome);
}

void MainWindow::designOrderZero() {
  Design(DesignProblem::OrderZero);
}

void MainWindow::designOrderOne() {
  Design(DesignProblem::OrderOne);
}

void MainWindow::designOrderTwo() {
  Design(DesignProblem::OrderTwo);
}

void MainWindow::showOptions() {
  OptionsDialog options(state_, ui_, this);
  options.exec();
}

void MainWindow::showAbout() {
  AboutDialog about(AboutBox::Application, this);
  about.exec();
}

}  // namespace ombrel
