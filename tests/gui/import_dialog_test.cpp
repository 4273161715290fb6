// The import dialog and the approximate-coordinates dialog, driven from the
// file menu: the files named, the import and the commands it enables, the
// coordinates typed, and an adjustment of the imported network.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <sstream>

#include "cli/cli_app.h"
#include "gui/frm_abrir_proyecto.h"
#include "gui/frm_coordenadas.h"
#include "gui/frm_importar.h"
#include "gui/main_window.h"
#include "gui/working_folder.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

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
    std::filesystem::copy_file(testing::ExampleProjectPath(), dir.File("red.txt"));
    testing::ActivateThroughDialog(window, Folder(), QStringLiteral("red.txt"));
    window.Ui().ClearRecord();
  }
  // Opens the import dialog from the file menu and acts on it.
  void Import(std::function<void(frmImportar*)> act) {
    bool shown = false;
    WhenModal<frmImportar>([&](frmImportar* dialog) {
      shown = true;
      act(dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    testing::Trigger(window, "importMatricesAction");
    EXPECT_TRUE(shown);
  }
  static void Name(frmImportar* dialog, const std::string& a, const std::string& k,
                   const std::string& p, const std::string& e = "") {
    const std::string* names[] = {&a, &k, &p, &e};
    for (std::size_t i = 0; i < 4; ++i)
      dialog->txtArchivo[i]->setText(QString::fromStdString(*names[i]));
  }
  void ImportFiles(const std::string& e = "") {
    Import([&](frmImportar* dialog) {
      Name(dialog, a, k, p, e);
      dialog->cmdAceptar->click();
    });
  }
  bool MenuEnabled(const char* menu) const {
    return testing::Child<QMenu>(window, menu)->menuAction()->isEnabled();
  }
  bool Enabled(const char* action) const {
    return testing::Child<QAction>(window, action)->isEnabled();
  }
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
  State().ApproxCoordsGiven = true;
  Import([&](frmImportar* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Importar Matrices");
    EXPECT_FALSE(dialog->cmdAceptar->isEnabled());
    EXPECT_FALSE(dialog->cmdCoordenadas->isEnabled());
    Name(dialog, a, k, "");
    EXPECT_FALSE(dialog->cmdAceptar->isEnabled());

    std::string caption, label;
    WhenModal<frmAbrirProyecto>([&](frmAbrirProyecto* open) {
      caption = open->windowTitle().toStdString();
      label = open->lblNombre->text().toStdString();
      open->SetFolder(Folder());
      open->File1->setCurrentItem(open->File1->findItems("p.txt", Qt::MatchExactly).first());
      open->btnAceptar->click();
    });
    dialog->cmdExaminar[frmImportar::kFileP]->click();
    EXPECT_EQ(caption, "Abrir fichero de importación");
    EXPECT_EQ(label, "Fichero de pesos (P):");
    EXPECT_EQ(dialog->txtArchivo[frmImportar::kFileP]->text().toStdString(), p);
    EXPECT_TRUE(dialog->cmdAceptar->isEnabled());  // E may stay empty
    EXPECT_TRUE(dialog->cmdCoordenadas->isEnabled());
    dialog->txtArchivo[frmImportar::kFileK]->clear();
    EXPECT_FALSE(dialog->cmdAceptar->isEnabled());
    dialog->txtArchivo[frmImportar::kFileK]->setText(QString::fromStdString(k));

    // Browsing for A forgets the coordinates even when nothing is chosen.
    WhenModal<frmAbrirProyecto>([&](frmAbrirProyecto* open) {
      label = open->lblNombre->text().toStdString();
      open->btnCancelar->click();
    });
    dialog->cmdExaminar[frmImportar::kFileA]->click();
    EXPECT_EQ(label, "Fichero de la Matriz A:");
    EXPECT_FALSE(State().ApproxCoordsGiven);
    EXPECT_EQ(dialog->txtArchivo[frmImportar::kFileA]->text().toStdString(), a);
    dialog->cmdAceptar->click();
  });
  EXPECT_TRUE(State().MatrixInput);
  EXPECT_EQ(State().ImportFileP, p);
  EXPECT_EQ(State().NumPoints, 5);
  EXPECT_EQ(testing::Child<QLabel>(window, "pointsLabel")->text().toStdString(),
            "12 ecuaciones  6 incógnitas");
  EXPECT_TRUE(window.Ui().Messages().empty());
}

TEST_F(ImportDialogTest, CommandsFollowTheImport) {
  ActivateExample();
  ASSERT_TRUE(MenuEnabled("reviewMenu"));
  ImportFiles();
  EXPECT_FALSE(MenuEnabled("reviewMenu"));
  EXPECT_TRUE(MenuEnabled("viewMenu"));
  EXPECT_TRUE(MenuEnabled("adjustMenu"));
  EXPECT_TRUE(MenuEnabled("designMenu"));
  EXPECT_TRUE(Enabled("adjustInverseButton") && Enabled("adjustPseudoinverseButton"));
  EXPECT_FALSE(Enabled("adjustConstraintsAction") || Enabled("adjustConstraintsButton"));  // no E

  ImportFiles(dir.Write("e.txt", "1 0 1 0 1 0\r\n0 1 0 1 0 1"));
  EXPECT_TRUE(Enabled("adjustConstraintsAction") && Enabled("adjustConstraintsButton"));

  ImportFiles(dir.Write("e5.txt", "1 0 1 0 1\r\n0 1 0 1 0"));
  ASSERT_EQ(window.Ui().Messages().size(), 1u);
  EXPECT_NE(window.Ui().Messages()[0].find("no tienen el mismo numero de columnas"),
            std::string::npos);
  EXPECT_FALSE(MenuEnabled("adjustMenu"));
  EXPECT_FALSE(Enabled("adjustInverseButton") || Enabled("adjustPseudoinverseButton") ||
               Enabled("adjustConstraintsButton") || Enabled("adjustConstraintsAction"));
  EXPECT_TRUE(MenuEnabled("designMenu"));
  EXPECT_TRUE(MenuEnabled("viewMenu"));
}

// Typing is checked at every keystroke; "Cancelar" copies nothing, and
// a failed import opens no coordinates at all.
TEST_F(ImportDialogTest, CoordinatesDialogListsTheVariablePointsAndCancelCopiesNothing) {
  ActivateExample();
  ASSERT_EQ(State().PointX(1), 1000.0);
  Import([&](frmImportar* dialog) {
    Name(dialog, a, k, p);
    bool typed = false;
    WhenModal<frmCoordenadas>([&](frmCoordenadas* coords) {
      typed = true;
      EXPECT_EQ(coords->windowTitle().toStdString(), kApproxCaption);
      ASSERT_EQ(coords->Lista->count(), 3);
      EXPECT_EQ(coords->Lista->item(2)->text().toStdString(), "3");
      coords->Lista->setCurrentRow(0);
      EXPECT_EQ(coords->XCOOR->text().toStdString(), "0");
      Type(coords->XCOOR, "1a2.5");
      EXPECT_EQ(coords->XCOOR->text().toStdString(), "12.5");
      EXPECT_EQ(window.Ui().Messages(), std::vector<std::string>{"¡ No es un dato numérico !"});
      Type(coords->YCOOR, "-");
      EXPECT_EQ(State().ApproxX(1), 12.5);
      EXPECT_EQ(State().ApproxY(1), 0.0);
      coords->cmdCancelar->click();
    });
    dialog->cmdCoordenadas->click();
    EXPECT_TRUE(typed);

    bool opened = false;
    QTimer::singleShot(0, [&] {
      if (auto* coords = qobject_cast<frmCoordenadas*>(QApplication::activeModalWidget())) {
        opened = true;
        coords->reject();
      }
    });
    dialog->txtArchivo[frmImportar::kFileK]->setText(QString::fromStdString(dir.File("no.txt")));
    dialog->cmdCoordenadas->click();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(State().Abandon);
  });
  EXPECT_FALSE(State().ApproxCoordsGiven);
  EXPECT_EQ(State().PointX.Size(), 5);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(State().PointX(i), 0.0) << i;  // zeroed on opening
}

// The same network and coordinates give the listing of the terminal's
// "--coordenadas", whose summary has the adjusted coordinates by point.
TEST_F(ImportDialogTest, AdjustmentWithTypedCoordinatesMatchesTheTerminal) {
  const double typed[3][2] = {{100, 200}, {300, 400}, {500.5, 600.25}};
  Import([&](frmImportar* dialog) {
    Name(dialog, a, k, p);
    WhenModal<frmCoordenadas>([&](frmCoordenadas* coords) {
      for (int point = 0; point < 3; ++point) {
        coords->Lista->setCurrentRow(point);
        Type(coords->XCOOR, QByteArray::number(typed[point][0]).constData());
        Type(coords->YCOOR, QByteArray::number(typed[point][1]).constData());
      }
      coords->cmdAceptar->click();
    });
    dialog->cmdCoordenadas->click();
    dialog->cmdAceptar->click();
  });
  ASSERT_TRUE(State().ApproxCoordsGiven);
  EXPECT_EQ(State().PointY(3), 600.25);

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
