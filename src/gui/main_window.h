// The main window: menus, toolbar and the " Proyecto Activo " frame. It owns
// the one NetworkState of the application and the desktop Interaction, and
// every command runs inside its slot on the GUI thread.
#pragma once

#include <QMainWindow>

#include "adjust/adjustment_method.h"
#include "adjust/command_outcome.h"
#include "design/design_problem.h"
#include "gui/qt_interaction.h"
#include "model/network_state.h"

class QAction;
class QLabel;
class QMenu;

namespace ombrel {

inline constexpr const char* kMainCaption =
    "Ombrel   Diseño y compensación de redes topográficas y locales";

class MainWindow : public QMainWindow, public MainWindowPort {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  NetworkState& State() { return state_; }
  QtInteraction& Ui() { return ui_; }

  // MainWindowPort
  void ShowLabels(const std::string& project, const std::string& points,
                  const std::string& equations) override;
  void SetEnabled(Command command, bool enabled) override;
  void OpenInEditor(const std::string& path) override;

 private slots:
  void newProject();
  void activateProject();
  void editProject();
  void importMatrices();
  void quitApplication();
  void openTextEditor();
  void reviewNetwork();
  void showNetworkPlot();
  void adjustWithInverse();
  void adjustWithConstraints();
  void adjustWithPseudoinverse();
  void designOrderZero();
  void designOrderOne();
  void designOrderTwo();
  void showOptions();
  void showAbout();
  void openRecentProject(const QString& path);

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildProjectFrame();
  // Nothing that needs a project can be chosen until a loader enables it.
  void DisableProjectCommands();
  // Runs a command through RunGuarded: a fault that escapes it is reported
  // and the window goes on.
  void RunCommand(void (MainWindow::*command)());
  // Beeps and refuses when no project is active.
  bool NeedsProject();
  void Adjust(AdjustmentMethod method);
  void Design(DesignProblem problem);
  // The conventions of a desktop program (main_window_conventions.cpp):
  // standard shortcuts, the recent projects of the file menu, tooltips that
  // name the shortcuts.
  void AddDesktopConventions();
  void ShowRecentProjects();
  // After a command: a project made active joins the recent ones, and an
  // open graphics window follows a command that may change the network.
  void AfterCommand(void (MainWindow::*command)());
  // A computation that wrote its listing ends with the listing's full path
  // in the status bar, so the person knows where the results are.
  void ShowListingPath(CommandOutcome outcome);

  NetworkState state_;
  QtInteraction ui_;

  QMenu* reviewMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QMenu* adjustMenu_ = nullptr;
  QMenu* designMenu_ = nullptr;
  QAction* adjustInverseAction_ = nullptr;
  QAction* adjustConstraintsAction_ = nullptr;
  QAction* adjustPseudoinverseAction_ = nullptr;
  QAction* adjustInverseButton_ = nullptr;
  QAction* adjustConstraintsButton_ = nullptr;
  QAction* adjustPseudoinverseButton_ = nullptr;
  QLabel* projectLabel_ = nullptr;
  QLabel* pointsLabel_ = nullptr;
  QLabel* equationsLabel_ = nullptr;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace ombrel
