// The main window: menus, toolbar and the " Proyecto Activo " frame. It owns
// the one NetworkState of the application and the desktop Interaction, and
// every command runs inside its handler on the GUI thread.
#pragma once

#include <QMainWindow>
#include <array>

#include "gui/qt_interaction.h"
#include "model/network_state.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace ombrel {

inline constexpr const char* kMainCaption =
    "Ombrel   Diseño y compensación de redes topográficas y locales";
inline constexpr int kToolbarItems = 15;

class frmMincu : public QMainWindow, public MainWindowPort {
  Q_OBJECT

 public:
  explicit frmMincu(QWidget* parent = nullptr);

  NetworkState& State() { return state_; }
  QtInteraction& Ui() { return ui_; }

  // MainWindowPort
  void ShowLabels(const std::string& project, const std::string& points,
                  const std::string& equations) override;
  void SetEnabled(Command command, bool enabled) override;
  void OpenInEditor(const std::string& path) override;

  // Command handlers, named after their menu item arrays.
  void mnuFile_Click(int index);
  void mnuEditar_Click();
  void mnuRevi_Click();
  void mnuVer_Click();
  void mnuInici_Click(int index);
  void mnuDesign_Click(int index);
  void mnuAvanzado_Click(int index);
  void mnuAbout_Click();
  void Toolbar1_ButtonClick(int button);  // 1 to 7

  QMenu* menuArchivo = nullptr;
  QMenu* menuEditor = nullptr;
  QMenu* menuRevisar = nullptr;
  QMenu* menuVer = nullptr;
  QMenu* menuCompensacion = nullptr;
  QMenu* menuDiseno = nullptr;
  QMenu* menuAvanzado = nullptr;
  QMenu* menuAcerca = nullptr;
  std::array<QAction*, 7> mnuFile{};  // 3 and 5 are separators
  QAction* mnuEditar = nullptr;
  QAction* mnuRevi = nullptr;
  QAction* mnuVer = nullptr;
  std::array<QAction*, 3> mnuInici{};
  std::array<QAction*, 3> mnuDesign{};
  std::array<QAction*, 1> mnuAvanzado{};
  QAction* mnuAbout = nullptr;

  QToolBar* Toolbar1 = nullptr;
  // The toolbar's collection, items 1 to 15 at indexes 0 to 14: seven
  // command buttons and the spacing between their groups.
  std::array<QAction*, kToolbarItems> ToolbarItems{};
  // The command buttons 1 to 7 at indexes 0 to 6.
  std::array<QAction*, 7> ToolbarButtons{};

  QLabel* lblProyecto = nullptr;
  QLabel* lblVertices = nullptr;
  QLabel* lblEcuaciones = nullptr;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildProjectFrame();
  void Form_Load();
  // Beeps and refuses when no project is active.
  bool NeedsProject();

  NetworkState state_;
  QtInteraction ui_;
};

}  // namespace ombrel
