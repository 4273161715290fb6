// The import dialog and the approximate-coordinates dialog, driven from the
// file menu: the files named, the import and the commands it enables, the
// coordinates typed, and an adjustment of the imported network.
#include "gui/import_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <sstream>

#include "cli/cli_app.h"
#include "gui/coordinates_dialog.h"
#include "gui/main_window.h"
#include "gui/open_project_dialog.h"
#include "gui/working_folder.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Child;
using testing::TempDir;
using testing::WhenModal;

// Three variable points, each coordinate observed twice.
constexpr const char* kIdentityTwice =
    "1 0 0 0 0 0\r\n0 1 0 0 0 0\r\n0 0 1 0 0 0\r\n0 0 0 1 0 0\r\n0 0 0 0 1 0\r\n0 0 0 0 0 1\r\n"
    "1 0 0 0 0 0\r\n0 1 0 0 0 0\r\n0 0 1 0 0 0\r\n0 0 0 1 0 0\r\n0 0 0 0 1 0\r\n0 0 0 0 0 1";

class ImportDialogTest : public ::testing::Test {
 protected:
  ImportDialogTest() {
    SetWorkingFolder(Folder());
    window.Ui().SetUnattended(true);
  }
  QString Folder() const { return QString::fromStdString(dir.Path().string()); }
  void ActivateExample() {
    testing::ActivateExample(window, dir);
    window.Ui().ClearRecord();
  }
  // Opens the import dialog from the file menu and acts on it.
  void Import(std::function<void(ImportDialog*)> act) {
    bool shown = false;
    WhenModal<ImportDialog>([&](ImportDialog* dialog) {
      shown = true;
      act(dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    testing::Trigger(window, "importMatricesAction");
    EXPECT_TRUE(shown);
  }
  static void Name(ImportDialog* dialog, const std::string& a, const std::string& k,
                   const std::string& p, const std::string& e = "") {
    for (const auto& [letter, name] : {std::pair{'A', a}, {'K', k}, {'P', p}, {'E', e}})
      File(dialog, letter)->setText(QString::fromStdString(name));
  }
  static QLineEdit* File(ImportDialog* dialog, char matrix) {
    const std::string name = std::string("file") + matrix + "Edit";
    return Child<QLineEdit>(*dialog, name.c_str());
  }
  static QPushButton* Button(QWidget* dialog, const char* name) {
    return Child<QPushButton>(*dialog, name);
  }
  void ImportFiles(const std::string& e = "") {
    Import([&](ImportDialog* dialog) {
      Name(dialog, a, k, p, e);
      Button(dialog, "acceptButton")->click();
    });
  }
  bool MenuEnabled(const char* menu) const {
    return Child<QMenu>(window, menu)->menuAction()->isEnabled();
  }
  bool Enabled(const char* action) const { return Child<QAction>(window, action)->isEnabled(); }
  static void Type(QLineEdit* field, const char* text) {
    field->clear();
    QTest::keyClicks(field, text);
  }
  NetworkState& State() { return window.State(); }

  TempDir dir;
  MainWindow window;
  std::string a = dir.Write("a.txt", kIdentityTwice);
  std::string k = dir.Write("k.txt",
                            "0.01\r\n0.02\r\n-0.01\r\n0.03\r\n0.02\r\n0.01\r\n"
                            "0\r\n0.02\r\n0.01\r\n-0.02\r\n0\r\n0.01");
  std::string p = dir.Write("p.txt", "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1");
};

TEST_F(ImportDialogTest, AceptarWaitsForAKAndPAndExaminarNamesTheMatrix) {
  State().Import.ApproxCoordsGiven = true;
  Import([&](ImportDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Importar Matrices");
    EXPECT_FALSE(Button(dialog, "acceptButton")->isEnabled());
    EXPECT_FALSE(Button(dialog, "coordinatesButton")->isEnabled());
    Name(dialog, a, k, "");
    EXPECT_FALSE(Button(dialog, "acceptButton")->isEnabled());

    std::string caption, label;
    WhenModal<OpenProjectDialog>([&](OpenProjectDialog* open) {
      caption = open->windowTitle().toStdString();
      label = Child<QLabel>(*open, "nameLabel")->text().toStdString();
      testing::ChooseFile(*open, Folder(), QStringLiteral("p.txt"));
    });
    Button(dialog, "browsePButton")->click();
    EXPECT_EQ(caption, "Abrir fichero de importación");
    EXPECT_EQ(label, "Fichero de pesos (P):");
    EXPECT_EQ(File(dialog, 'P')->text().toStdString(), p);
    EXPECT_TRUE(Button(dialog, "acceptButton")->isEnabled());  // E may stay empty
    EXPECT_TRUE(Button(dialog, "coordinatesButton")->isEnabled());
    File(dialog, 'K')->clear();
    EXPECT_FALSE(Button(dialog, "acceptButton")->isEnabled());
    File(dialog, 'K')->setText(QString::fromStdString(k));

    // Browsing for A forgets the coordinates even when nothing is chosen.
    WhenModal<OpenProjectDialog>([&](OpenProjectDialog* open) {
      label = Child<QLabel>(*open, "nameLabel")->text().toStdString();
      Button(open, "cancelButton")->click();
    });
    Button(dialog, "browseAButton")->click();
    EXPECT_EQ(label, "Fichero de la Matriz A:");
    EXPECT_FALSE(State().Import.ApproxCoordsGiven);
    EXPECT_EQ(File(dialog, 'A')->text().toStdString(), a);
    Button(dialog, "acceptButton")->click();
  });
  EXPECT_TRUE(State().Import.MatrixInput);
  EXPECT_EQ(State().Import.ImportFileP, p);
  EXPECT_EQ(Child<QLabel>(window, "pointsLabel")->text().toStdString(),
            "12 ecuaciones  6 incógnitas");
  EXPECT_TRUE(window.Ui().Messages().empty());
}

// A failed import (here an A with a row of zeros) leaves the project that
// was active, its frame and its menus exactly as they were; a good one
// enables the commands of a network of matrices, E's only with an E.
TEST_F(ImportDialogTest, CommandsFollowTheImportAndAFailedOneLeavesTheProjectAsItWas) {
  ActivateExample();
  const NetworkState before = State();
  const auto frame = [&] {
    std::vector<std::string> shown;
    for (const char* label : {"projectLabel", "pointsLabel", "equationsLabel"})
      shown.push_back(Child<QLabel>(window, label)->text().toStdString());
    for (const char* menu : {"reviewMenu", "viewMenu", "adjustMenu", "designMenu"})
      shown.push_back(MenuEnabled(menu) ? "on" : "off");
    for (const char* action : {"adjustInverseButton", "adjustConstraintsButton",
                               "adjustConstraintsAction", "adjustPseudoinverseButton"})
      shown.push_back(Enabled(action) ? "on" : "off");
    return shown;
  };
  const std::vector<std::string> shown = frame();
  a = dir.Write("ceros.txt", "1 0\r\n0 0\r\n");
  ImportFiles(dir.Write("e.txt", "1 0 1"));
  EXPECT_EQ(window.Ui().Messages().size(), 1u);
  EXPECT_EQ(frame(), shown);
  EXPECT_FALSE(State().Import.MatrixInput);
  EXPECT_FALSE(State().Abandon);
  EXPECT_EQ(State().ProjectName, before.ProjectName);
  EXPECT_TRUE(State().Equations.A == before.Equations.A &&
              State().Network.PointX == before.Network.PointX);

  a = dir.Write("a.txt", kIdentityTwice);
  ImportFiles();
  EXPECT_FALSE(MenuEnabled("reviewMenu"));
  EXPECT_TRUE(MenuEnabled("viewMenu") && MenuEnabled("adjustMenu") && MenuEnabled("designMenu"));
  EXPECT_TRUE(Enabled("adjustInverseButton") && Enabled("adjustPseudoinverseButton"));
  EXPECT_FALSE(Enabled("adjustConstraintsAction") || Enabled("adjustConstraintsButton"));
  ImportFiles(dir.Write("e.txt", "1 0 1 0 1 0\r\n0 1 0 1 0 1"));
  EXPECT_TRUE(Enabled("adjustConstraintsAction") && Enabled("adjustConstraintsButton"));
}

// Typing is checked at every keystroke; "Cancelar" copies nothing, and
// a failed import opens no coordinates at all.
TEST_F(ImportDialogTest, CoordinatesDialogListsTheVariablePointsAndCancelCopiesNothing) {
  ActivateExample();
  ASSERT_EQ(State().Network.PointX(1), 1000.0);
  Import([&](ImportDialog* dialog) {
    Name(dialog, a, k, p);
    bool typed = false;
    WhenModal<CoordinatesDialog>([&](CoordinatesDialog* coords) {
      typed = true;
      EXPECT_EQ(coords->windowTitle().toStdString(), kApproxCaption);
      ASSERT_EQ(Child<QListWidget>(*coords, "pointList")->count(), 3);
      EXPECT_EQ(Child<QListWidget>(*coords, "pointList")->item(2)->text().toStdString(), "3");
      Child<QListWidget>(*coords, "pointList")->setCurrentRow(0);
      EXPECT_EQ(Child<QLineEdit>(*coords, "xEdit")->text().toStdString(), "0");
      Type(Child<QLineEdit>(*coords, "xEdit"), "1a2.5");
      EXPECT_EQ(Child<QLineEdit>(*coords, "xEdit")->text().toStdString(), "12.5");
      EXPECT_EQ(window.Ui().Messages(), std::vector<std::string>{"¡ No es un dato numérico !"});
      Type(Child<QLineEdit>(*coords, "yEdit"), "-");
      EXPECT_EQ(State().Import.ApproxX(1), 12.5);
      EXPECT_EQ(State().Import.ApproxY(1), 0.0);
      Button(coords, "cancelButton")->click();
    });
    Button(dialog, "coordinatesButton")->click();
    EXPECT_TRUE(typed);

    bool opened = false;
    QTimer::singleShot(0, [&] {
      if (auto* coords = qobject_cast<CoordinatesDialog*>(QApplication::activeModalWidget())) {
        opened = true;
        coords->reject();
      }
    });
    File(dialog, 'K')->setText(QString::fromStdString(dir.File("no.txt")));
    Button(dialog, "coordinatesButton")->click();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(State().Abandon);  // the network imported before is kept
  });
  EXPECT_FALSE(State().Import.ApproxCoordsGiven);
  EXPECT_EQ(State().Network.PointX.Size(), 5);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(State().Network.PointX(i), 0.0) << i;  // zeroed on opening
}

// The same network and coordinates give the listing of the terminal's
// "--coordenadas", whose summary has the adjusted coordinates by point.
TEST_F(ImportDialogTest, AdjustmentWithTypedCoordinatesMatchesTheTerminal) {
  const double typed[3][2] = {{100, 200}, {300, 400}, {500.5, 600.25}};
  Import([&](ImportDialog* dialog) {
    Name(dialog, a, k, p);
    WhenModal<CoordinatesDialog>([&](CoordinatesDialog* coords) {
      for (int point = 0; point < 3; ++point) {
        Child<QListWidget>(*coords, "pointList")->setCurrentRow(point);
        Type(Child<QLineEdit>(*coords, "xEdit"), QByteArray::number(typed[point][0]).constData());
        Type(Child<QLineEdit>(*coords, "yEdit"), QByteArray::number(typed[point][1]).constData());
      }
      Button(coords, "acceptButton")->click();
    });
    Button(dialog, "coordinatesButton")->click();
    Button(dialog, "acceptButton")->click();
  });
  ASSERT_TRUE(State().Import.ApproxCoordsGiven);
  EXPECT_EQ(State().Network.PointY(3), 600.25);

  QtInteraction& ui = window.Ui();
  ui.SetNextText("4.12");        // Baarda's parameter
  ui.SetNextAnswer(Answer::No);  // three methods
  ui.SetNextText(dir.File("gui.tmp"));
  ui.SetNextOutputType(OutputType::Full);
  ui.SetNextAnswer(Answer::No);  // see the listing now
  testing::Trigger(window, "adjustInverseAction");
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_TRUE(ui.Unanswered().empty());

  const std::string coords = dir.Write("c.txt", "1 100 200\r\n2 300 400\r\n3 500.5 600.25\r\n");
  const std::string terminal = dir.File("terminal.tmp");
  std::istringstream in;
  std::ostringstream out, err;
  ASSERT_EQ(
      RunCli({"compensar", "--matrices", a, k, p, "--coordenadas", coords, "--metodo", "inversa",
              "--respuestas", dir.Write("r.txt", "4.12\nNo\n" + terminal + "\ncompleta\nNo\n")},
             in, out, err),
      kExitOk)
      << err.str();
  const std::string listing = testing::ReadBytes(dir.File("gui.tmp"));
  const auto summary = listing.find("RESUMEN DE RESULTADOS");
  ASSERT_NE(summary, std::string::npos);
  EXPECT_NE(listing.find("X(  1 )", summary), std::string::npos);
  EXPECT_NE(listing.find("Y(  3 )", summary), std::string::npos);
  EXPECT_TRUE(listing == testing::ReadBytes(terminal));
}

}  // namespace
}  // namespace ombrel
