// The main window: start-up state, the commands that need a project, the
// open-project dialog and the toolbar's adjustment buttons.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <filesystem>

#include "gui/frm_abrir_proyecto.h"
#include "gui/frm_mincu.h"
#include "gui/working_folder.h"
#include "gui_test_support.h"
#include "model/text_file.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::ActivateThroughDialog;
using testing::TempDir;

constexpr const char* kNoProjectMessage = "¡ No tiene ningún proyecto activo !";

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    std::filesystem::copy_file(testing::ExampleProjectPath(), dir.File("red.txt"));
    dir.Write("malo.txt", " 0 ,Ptos ,         5 ,Ecuaciones ,         5\r\nbasura\r\n");
    SetWorkingFolder(QString::fromStdString(dir.Path().string()));
    window.Ui().SetUnattended(true);
  }
  QString Folder() const { return QString::fromStdString(dir.Path().string()); }
  std::string Activate(const char* file) {
    return ActivateThroughDialog(window, Folder(), QString::fromUtf8(file));
  }
  bool MenuEnabled(QMenu* menu) const { return menu->menuAction()->isEnabled(); }

  TempDir dir;
  frmMincu window;
};

TEST_F(MainWindowTest, StartsWithCaptionEmptyFrameAndProjectCommandsDisabled) {
  EXPECT_EQ(window.windowTitle().toStdString(),
            "Ombrel   Diseño y compensación de redes topográficas y locales");
  EXPECT_EQ(window.lblProyecto->text().toStdString(), "NO HAY NINGUN PROYECTO ACTIVO");
  EXPECT_EQ(window.lblVertices->text().toStdString(), std::string(21, ' '));
  EXPECT_EQ(window.lblEcuaciones->text().toStdString(), std::string(21, ' '));

  for (QMenu* menu :
       {window.menuRevisar, window.menuVer, window.menuCompensacion, window.menuDiseno})
    EXPECT_FALSE(MenuEnabled(menu)) << menu->title().toStdString();
  for (QMenu* menu :
       {window.menuArchivo, window.menuEditor, window.menuAvanzado, window.menuAcerca})
    EXPECT_TRUE(MenuEnabled(menu)) << menu->title().toStdString();
  for (int i : {0, 1, 2, 4, 6})
    EXPECT_TRUE(window.mnuFile[static_cast<std::size_t>(i)]->isEnabled());

  for (int b = 1; b <= 7; ++b)
    EXPECT_EQ(window.ToolbarButtons[static_cast<std::size_t>(b - 1)]->isEnabled(), b <= 4)
        << "botón " << b;
}

TEST_F(MainWindowTest, MenuCaptionsAndToolbarCollection) {
  EXPECT_EQ(window.menuCompensacion->title().toStdString(), " &Compensación ");
  EXPECT_EQ(window.mnuInici[1]->text().toStdString(), "Con  la matriz  ( &E )");
  EXPECT_EQ(window.mnuFile[2]->text().toStdString(), "&Editar   Proyecto...");
  EXPECT_TRUE(window.mnuFile[3]->isSeparator());
  EXPECT_TRUE(window.mnuFile[5]->isSeparator());
  EXPECT_EQ(window.mnuVer->text().toStdString(), "Gráfico de la red,  Elipses,  ....");

  EXPECT_EQ(window.Toolbar1->actions().size(), kToolbarItems);
  // Items 13, 14 and 15 are the inverse, pseudoinverse and E buttons.
  EXPECT_EQ(window.ToolbarItems[12], window.ToolbarButtons[4]);
  EXPECT_EQ(window.ToolbarItems[13], window.ToolbarButtons[5]);
  EXPECT_EQ(window.ToolbarItems[14], window.ToolbarButtons[6]);
  EXPECT_EQ(window.ToolbarButtons[5]->toolTip().toStdString(), "Compensación con Pseudoinversa");
  EXPECT_EQ(window.ToolbarButtons[6]->toolTip().toStdString(),
            "Compensación con Matriz de Constreñimientos");
}

TEST_F(MainWindowTest, CommandsThatNeedAProjectRefuseWithoutOne) {
  const std::vector<std::pair<const char*, std::function<void()>>> commands = {
      {"revisar", [&] { window.mnuRevi_Click(); }},
      {"ver", [&] { window.mnuVer_Click(); }},
      {"inversa", [&] { window.mnuInici_Click(0); }},
      {"matriz E", [&] { window.mnuInici_Click(1); }},
      {"pseudoinversa", [&] { window.mnuInici_Click(2); }},
      {"diseño cero", [&] { window.mnuDesign_Click(0); }},
      {"diseño dos", [&] { window.mnuDesign_Click(2); }},
      {"botón 5", [&] { window.Toolbar1_ButtonClick(5); }},
      {"botón 6", [&] { window.Toolbar1_ButtonClick(6); }},
      {"botón 7", [&] { window.Toolbar1_ButtonClick(7); }},
  };
  for (const auto& [name, run] : commands) {
    window.Ui().ClearRecord();
    run();
    ASSERT_EQ(window.Ui().Messages().size(), 1u) << name;
    EXPECT_EQ(window.Ui().Messages()[0], kNoProjectMessage) << name;
    EXPECT_EQ(window.Ui().Beeps(), 1) << name;
    EXPECT_TRUE(window.Ui().Unanswered().empty()) << name;
  }
  EXPECT_EQ(window.State().ProjectName, "Untitled");
  EXPECT_FALSE(window.State().HasActiveProject());
}

TEST_F(MainWindowTest, ActivatingAProjectShowsItAndEnablesItsCommands) {
  const std::string chosen = Activate("red.txt");
  EXPECT_EQ(chosen, dir.File("red.txt"));
  EXPECT_TRUE(window.State().FileChosen);
  EXPECT_EQ(window.State().NetworkType, "Activar");
  EXPECT_EQ(window.lblProyecto->text().toStdString(), chosen);
  EXPECT_EQ(window.lblVertices->text().toStdString(), "Número de vértices:   5   ( 4 fijos )");
  EXPECT_EQ(window.lblEcuaciones->text().toStdString(), "Número de ecuaciones:   5");
  for (QMenu* menu :
       {window.menuRevisar, window.menuVer, window.menuCompensacion, window.menuDiseno})
    EXPECT_TRUE(MenuEnabled(menu)) << menu->title().toStdString();
  for (int b = 5; b <= 7; ++b)
    EXPECT_TRUE(window.ToolbarButtons[static_cast<std::size_t>(b - 1)]->isEnabled());
  EXPECT_TRUE(window.Ui().Messages().empty());
}

TEST_F(MainWindowTest, AFailedLoadLeavesTheActiveNetworkAsItWas) {
  const std::string first = Activate("red.txt");
  window.State().MatrixInput = true;  // as if an import had been active
  const std::string points = window.lblVertices->text().toStdString();

  Activate("malo.txt");
  ASSERT_EQ(window.Ui().Messages().size(), 1u);
  EXPECT_NE(window.Ui().Messages()[0].find("error en la lectura"), std::string::npos);
  EXPECT_EQ(window.State().ProjectName, first);
  EXPECT_EQ(window.lblProyecto->text().toStdString(), first);
  EXPECT_EQ(window.lblVertices->text().toStdString(), points);
  EXPECT_EQ(window.State().NumPoints, 5);
  EXPECT_TRUE(window.State().MatrixInput);
}

TEST_F(MainWindowTest, OpenDialogAcceptsOnlyTheListSelectionAndCancelChoosesNothing) {
  // A name typed without a selection gives the folder alone: unreadable.
  testing::WhenModal<frmAbrirProyecto>([&](frmAbrirProyecto* dialog) {
    EXPECT_FALSE(dialog->btnAceptar->isEnabled());
    dialog->SetFolder(Folder());
    dialog->Text1->setText(QStringLiteral("red.txt"));
    EXPECT_TRUE(dialog->btnAceptar->isEnabled());
    dialog->btnAceptar->click();
  });
  window.mnuFile_Click(1);
  EXPECT_EQ(window.State().SelectedFile, dir.File(""));
  EXPECT_FALSE(window.State().HasActiveProject());
  ASSERT_EQ(window.Ui().Messages().size(), 1u);

  testing::WhenModal<frmAbrirProyecto>(
      [](frmAbrirProyecto* dialog) { dialog->btnCancelar->click(); });
  window.State().MatrixInput = true;
  window.mnuFile_Click(1);
  EXPECT_FALSE(window.State().FileChosen);
  EXPECT_TRUE(window.State().MatrixInput);
}

TEST_F(MainWindowTest, OpenDialogMovesBetweenFolders) {
  std::filesystem::create_directory(dir.Path() / "sub");
  dir.Write("sub/otra.txt", "x");
  frmAbrirProyecto dialog(window.State(), window.Ui());
  ASSERT_TRUE(dialog.SetFolder(Folder()));
  EXPECT_EQ(dialog.File1->count(), 2);  // malo.txt, red.txt
  const auto sub = dialog.dirBox1->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
  ASSERT_EQ(sub.size(), 1);
  emit dialog.dirBox1->itemActivated(sub.first());
  EXPECT_EQ(dialog.Folder().toStdString(), (dir.Path() / "sub").string());
  ASSERT_EQ(dialog.File1->count(), 1);
  EXPECT_EQ(dialog.File1->item(0)->text().toStdString(), "otra.txt");
  EXPECT_FALSE(dialog.SetFolder(QString::fromStdString(dir.File("no-existe"))));
  EXPECT_EQ(dialog.Folder().toStdString(), (dir.Path() / "sub").string());
}

// Buttons 5, 6 and 7 follow the toolbar's order, not the menu's: inverse,
// pseudoinverse, then the constraint matrix E. On a network with four fixed
// points the inverse first asks about the scale factor, and E refuses.
TEST_F(MainWindowTest, ToolbarAdjustmentButtonsRunTheirOwnMethod) {
  Activate("red.txt");
  const std::string scaleQuestion = "¿ Desea agregar al cálculo el factor de escala ?";
  const std::string fixedRefusal = "¡ La red tiene dos o más puntos fijos !";
  auto firstMessage = [&](int button) {
    window.Ui().ClearRecord();
    window.Toolbar1_ButtonClick(button);
    return window.Ui().Messages().empty() ? std::string() : window.Ui().Messages()[0];
  };
  EXPECT_EQ(firstMessage(5), scaleQuestion);
  EXPECT_EQ(firstMessage(7), fixedRefusal);
  const std::string pseudo = firstMessage(6);
  EXPECT_NE(pseudo, scaleQuestion);
  EXPECT_NE(pseudo, fixedRefusal);
  // The menu's own order: index 1 is E.
  window.Ui().ClearRecord();
  window.mnuInici[1]->trigger();
  ASSERT_FALSE(window.Ui().Messages().empty());
  EXPECT_EQ(window.Ui().Messages()[0], fixedRefusal);
}

}  // namespace
}  // namespace ombrel
