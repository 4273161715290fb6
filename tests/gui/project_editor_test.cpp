// The project editor: opening and saving the validation projects, the sorted
// lists, deleting a vertex with its observations, the refusals and the
// questions on saving over a file and on closing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "gui/command_windows.h"
#include "gui/frm_abrir_proyecto.h"
#include "gui/frm_proyecto.h"
#include "gui/frm_proyecto_choices.h"
#include "gui/main_window.h"
#include "gui/qt_interaction.h"
#include "gui/working_folder.h"
#include "gui_test_support.h"
#include "model/project_file.h"
#include "support/network_compare.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WhenModal;

std::string Item(int number) {
  return ComboItem(number);
}

std::string Row(const QListWidget* list, int row) {
  return list->item(row)->text().toStdString();
}

bool Offers(const QComboBox* box, int number) {
  return box->findText(QString::fromStdString(Item(number))) >= 0;
}

void AddVertex(frmProyecto& d, int vertex, int order, const char* x, const char* y,
               bool fixed = false) {
  Choose(d.Combo1, Item(vertex));
  Choose(d.Combo9, Item(order));
  d.txtX->setText(QString::fromUtf8(x));
  d.txtY->setText(QString::fromUtf8(y));
  d.Check1->setChecked(fixed);
  ASSERT_TRUE(d.cmdTransfer->isEnabled()) << vertex;
  d.cmdTransfer->click();
}

void AddAngle(frmProyecto& d, int equation, int back, int station, int fore, const char* weight) {
  Choose(d.Combo3, Item(equation));
  Choose(d.Combo4, Item(back));
  Choose(d.Combo5, Item(station));
  d.txtAn->setText(QStringLiteral("100.5"));
  d.Text1->setText(QString::fromUtf8(weight));
  EXPECT_FALSE(d.cmdAn->isEnabled()) << "sin estación final";
  Choose(d.Combo6, Item(fore));
  ASSERT_TRUE(d.cmdAn->isEnabled()) << equation;
  d.cmdAn->click();
}

void AddDistance(frmProyecto& d, int equation, int from, int to) {
  Choose(d.Combo2, Item(equation));
  Choose(d.Combo7, Item(from));
  Choose(d.Combo8, Item(to));
  d.txtDi->setText(QStringLiteral("250.25"));
  d.Text2->setText(QStringLiteral("1"));
  ASSERT_TRUE(d.cmdDi->isEnabled()) << equation;
  d.cmdDi->click();
}

class ProjectEditorTest : public ::testing::Test {
 protected:
  ProjectEditorTest() {
    ui.SetUnattended(true);
    state.SelectedFile = kUntitled;
    state.EditorMode = "Añadir";
    state.EditorExit = "NoAbandono";
  }

  TempDir dir;
  NetworkState state;
  QtInteraction ui;
};

TEST_F(ProjectEditorTest, EveryValidationProjectSavedUnderANewNameIsTheSameFileAndNetwork) {
  int projects = 0;
  for (const auto& entry : std::filesystem::directory_iterator(testing::ValidationDir())) {
    const auto source = entry.path() / "project.txt";
    if (!std::filesystem::exists(source)) continue;
    ++projects;
    const std::string name = entry.path().filename().string();
    const std::string copy = dir.File(name + ".txt");
    state.SelectedFile = source.string();
    state.EditorExit = "NoAbandono";
    ui.ClearRecord();
    WhenModal<frmProyecto>([&](frmProyecto* d) {
      EXPECT_EQ(d->windowTitle().toStdString(), " Ombrel  " + source.string());
      EXPECT_EQ(d->txtName->text().toStdString(), source.string());
      const int points = d->List1->count() - 1;
      EXPECT_EQ(d->lblDisp->text().toInt(), points) << name;
      EXPECT_EQ(d->List3->count(), 1 + points + d->List2->count() - 1) << name;
      // The first vertex's number is taken; the fore-sight boxes offer it.
      const int first = ColumnInteger(Columns(Row(d->List1, 1), 54, 56));
      EXPECT_FALSE(Offers(d->Combo1, first)) << name;
      EXPECT_TRUE(Offers(d->Combo8, first)) << name;
      d->txtName->setText(QString::fromStdString(copy));
      d->cmdSalvar->click();
    });
    ShowProjectEditor(state, ui, nullptr);
    EXPECT_EQ(ReadBytes(copy), ReadBytes(source.string())) << name;
    EXPECT_EQ(state.EditorExit, "Abandonar") << name;
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{kProjectSaved}) << name;

    NetworkState loaded;
    ASSERT_TRUE(LoadProjectFile(loaded, ui, copy)) << name;
    testing::ExpectSameNetwork(state, loaded, name);
  }
  EXPECT_GE(projects, 9);
}

TEST_F(ProjectEditorTest, ListsSortByOrderAndEquationTextAndVerticesStayBeforeObservations) {
  frmProyecto d(state, ui, ProjectLists());
  EXPECT_EQ(d.windowTitle().toStdString(), " Ombrel  Untitled");
  EXPECT_EQ(d.Combo1->count(), 98);
  EXPECT_EQ(d.Combo2->count(), 99);
  EXPECT_EQ(d.Combo4->count(), 0);
  EXPECT_FALSE(d.cmdSalvar->isEnabled());

  AddVertex(d, 7, 3, "30", "31");
  AddVertex(d, 5, 1, "10", "11", true);
  AddVertex(d, 9, 2, "20", "21");
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(Columns(Row(d.List1, k), 6, 8), Item(k));
  EXPECT_EQ(Row(d.List1, 0), kPointPrompt);
  EXPECT_FALSE(Offers(d.Combo1, 5));
  EXPECT_TRUE(Offers(d.Combo9, 1)) << "la ordenación conserva sus números";
  EXPECT_EQ(d.Combo5->itemText(0).toStdString(), Item(5)) << "en orden numérico";
  EXPECT_TRUE(d.txtX->text().isEmpty());
  EXPECT_FALSE(d.Check1->isChecked());

  for (int equation : {1, 10, 2}) AddDistance(d, equation, 5, 9);
  EXPECT_EQ(Row(d.List2, 1).substr(0, 2), "1 ");
  EXPECT_EQ(Row(d.List2, 2).substr(0, 2), "10");
  EXPECT_EQ(Row(d.List2, 3).substr(0, 2), "2 ");
  EXPECT_FALSE(Offers(d.Combo3, 10)) << "la ecuación deja también el ángulo";
  EXPECT_EQ(d.lblEcu->text().toStdString(), "3");

  AddVertex(d, 3, 4, "40", "41");
  ASSERT_EQ(d.List3->count(), 8);
  EXPECT_EQ(Row(d.List3, 0), " 0 ,Ptos ,       4   ,Ecuaciones ,       3  ");
  EXPECT_EQ(Row(d.List3, 4), "00 ,  4  ,        40 ,        41 ,      vble ,        3 ");
  for (int j = 1; j <= 3; ++j) EXPECT_EQ(Row(d.List3, 4 + j), Row(d.List2, j));

  const std::string path = dir.File("orden.txt");
  d.txtName->setText(QString::fromStdString(path));
  d.cmdSalvar->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  NetworkState loaded;
  ASSERT_TRUE(LoadProjectFile(loaded, ui, path));
  EXPECT_EQ(loaded.PointNumber(1), 5);
  EXPECT_EQ(loaded.PointNumber(2), 9);
  EXPECT_EQ(loaded.VariableIndex(2), 1);
  EXPECT_EQ(loaded.VariableIndex(3), 2);
  EXPECT_EQ(loaded.ObservationNumber(2), 10);
  testing::ExpectSameNetwork(state, loaded, "orden");
}

TEST_F(ProjectEditorTest, DeletingAVertexTakesItsObservationsAndGivesTheirNumbersBack) {
  frmProyecto d(state, ui, ProjectLists());
  AddVertex(d, 1, 1, "0", "0", true);
  AddVertex(d, 2, 2, "100", "0");
  AddVertex(d, 4, 3, "100", "100", true);
  AddAngle(d, 1, 4, 1, 2, "1");
  AddAngle(d, 2, 1, 4, 2, "1");
  AddAngle(d, 3, 1, 2, 4, "1");
  AddAngle(d, 14, 2, 1, 2, "1");
  AddDistance(d, 4, 4, 2);
  AddDistance(d, 5, 1, 4);
  AddDistance(d, 6, 1, 2);
  ASSERT_EQ(d.List2->count(), 8);

  // "A todos ...." reaches the two kinds separately.
  d.Text1->setText(QStringLiteral("0.5"));
  d.Command1->click();
  EXPECT_EQ(Columns(Row(d.List2, 2), 47, 56), "       0.5");
  EXPECT_EQ(Columns(Row(d.List2, 7), 47, 56), "         1");
  EXPECT_EQ(Row(d.List3, 3 + 7), Row(d.List2, 7));

  d.List1->setCurrentRow(3);
  EXPECT_EQ(d.txtX->text().toStdString(), "100");
  EXPECT_TRUE(d.Check1->isChecked());
  EXPECT_EQ(d.Combo9->currentText().toStdString(), Item(3));
  EXPECT_EQ(state.EditorMode, "Modificar");
  ASSERT_TRUE(d.cmdQui->isEnabled());
  d.cmdQui->click();

  ASSERT_EQ(d.List2->count(), 3);
  EXPECT_EQ(Row(d.List2, 1).substr(0, 2), "14");
  EXPECT_EQ(Row(d.List2, 2).substr(0, 2), "6 ");
  EXPECT_EQ(d.List1->count(), 3);
  EXPECT_EQ(d.lblDisp->text().toStdString(), "2");
  EXPECT_EQ(d.lblEcu->text().toStdString(), "2");
  EXPECT_EQ(Row(d.List3, 0), " 0 ,Ptos ,       2   ,Ecuaciones ,       2  ");
  EXPECT_TRUE(Offers(d.Combo1, 4));
  for (const QComboBox* box : {d.Combo4, d.Combo5, d.Combo6, d.Combo7, d.Combo8})
    EXPECT_FALSE(Offers(box, 4));
  for (int equation : {1, 2, 3, 4, 5}) {
    EXPECT_TRUE(Offers(d.Combo2, equation)) << equation;
    EXPECT_TRUE(Offers(d.Combo3, equation)) << equation;
  }
  EXPECT_FALSE(Offers(d.Combo3, 6));
  EXPECT_TRUE(d.txtX->text().isEmpty());
  EXPECT_FALSE(d.cmdQui->isEnabled());
  EXPECT_FALSE(d.Command3->isEnabled());

  d.List2->setCurrentRow(2);
  ASSERT_TRUE(d.cmdQuitar->isEnabled());
  d.cmdQuitar->click();
  EXPECT_TRUE(Offers(d.Combo2, 6));
  EXPECT_EQ(Row(d.List3, 0), " 0 ,Ptos ,       2   ,Ecuaciones ,       1  ");
  EXPECT_EQ(d.List3->count(), 4);
}

TEST_F(ProjectEditorTest, ModifyingAVertexRebuildsItsLineUnderTheSameNumber) {
  frmProyecto d(state, ui, ProjectLists());
  AddVertex(d, 8, 1, "1", "2", true);
  AddVertex(d, 3, 2, "5", "6");
  d.List1->setCurrentRow(1);
  EXPECT_FALSE(d.cmdTransfer->isEnabled());
  d.txtX->setText(QStringLiteral("1.5"));
  Choose(d.Combo9, Item(5));
  d.Check1->setChecked(false);
  ASSERT_TRUE(d.Command3->isEnabled());
  d.Command3->click();
  ASSERT_EQ(d.List1->count(), 3);
  EXPECT_EQ(Row(d.List1, 2), "00 ,  5  ,       1.5 ,         2 ,      vble ,        8 ");
  EXPECT_EQ(Row(d.List3, 2), Row(d.List1, 2));
  EXPECT_EQ(state.EditorMode, "Añadir");
  EXPECT_FALSE(d.Command3->isEnabled());
}

TEST_F(ProjectEditorTest, BadNumbersAreRefusedAndFieldsKeepTheirColumns) {
  frmProyecto d(state, ui, ProjectLists());
  for (const char* x : {"1500,25", "1.500.25"}) {
    ui.ClearRecord();
    Choose(d.Combo1, Item(1));
    Choose(d.Combo9, Item(1));
    d.txtX->setText(QString::fromUtf8(x));
    d.txtY->setText(QStringLiteral("1000"));
    d.cmdTransfer->click();
    EXPECT_EQ(d.List1->count(), 1) << x;
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{kBadCharacters}) << x;
    EXPECT_EQ(ui.Beeps(), 1) << x;
  }

  ui.ClearRecord();
  d.txtY->clear();
  QTest::keyClicks(d.txtY, QStringLiteral("12a"));
  EXPECT_EQ(d.txtY->text().toStdString(), "12a") << "el carácter entra igualmente";
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kBadKey});
  EXPECT_EQ(ui.Beeps(), 1);
  ui.ClearRecord();
  QTest::keyClick(d.txtY, Qt::Key_Backspace);
  QTest::keyClick(d.txtY, Qt::Key_Delete);
  QTest::keyClick(d.txtY, Qt::Key_Left);
  EXPECT_EQ(d.txtY->text().toStdString(), "12");
  EXPECT_TRUE(ui.Messages().empty()) << "las teclas de edición no escriben";

  d.Text2->clear();
  QTest::keyClicks(d.Text2, QStringLiteral("123456.78901"));
  EXPECT_EQ(d.Text2->text().toStdString(), "123456.789");
  EXPECT_TRUE(ui.Messages().empty());
  for (const QLineEdit* box : {d.txtX, d.txtY, d.txtAn, d.Text1, d.txtDi})
    EXPECT_EQ(box->maxLength(), 10);
}

TEST_F(ProjectEditorTest, AnUnreadableProjectGivesTheReadingMessageAndNoEditor) {
  state.SelectedFile =
      dir.Write("malo.txt", " 0 ,Ptos ,         5 ,Ecuaciones ,         5\r\nbasura\r\n");
  bool opened = false;
  QObject guard;
  QTimer::singleShot(20, &guard, [&opened] {
    if (auto* d = qobject_cast<frmProyecto*>(QApplication::activeModalWidget())) {
      opened = true;
      d->done(QDialog::Rejected);
    }
  });
  ShowProjectEditor(state, ui, nullptr);
  EXPECT_FALSE(opened);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kProjectReadError});
}

TEST_F(ProjectEditorTest, AnsweringNoToOverwritingOrLeavingKeepsTheEditorOpen) {
  const std::string path = dir.Write("red.txt", "viejo\r\n");
  frmProyecto d(state, ui, ProjectLists());
  d.show();
  AddVertex(d, 1, 1, "0", "0", true);
  d.txtName->setText(QString::fromStdString(path));
  ui.SetNextAnswer(Answer::No);
  d.cmdSalvar->click();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(ReadBytes(path), "viejo\r\n");
  EXPECT_FALSE(state.HasActiveProject());
  EXPECT_EQ(ui.Messages().back(), "Fichero ya existe. Sobrescribir ?");

  ui.SetNextAnswer(Answer::No);
  d.cmdCancelar->click();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(ui.Messages().back(), kLeaveEditor);
  ui.SetNextAnswer(Answer::Yes);
  d.close();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_EQ(state.ProjectName, kUntitled);
  EXPECT_EQ(ReadBytes(path), "viejo\r\n");
}

TEST(ProjectEditorWindowTest, NewProjectAndEditFromTheMenusReachTheMainWindow) {
  TempDir dir;
  SetWorkingFolder(QString::fromStdString(dir.Path().string()));
  MainWindow window;
  window.Ui().SetUnattended(true);
  window.State().MatrixInput = true;
  const std::string path = dir.File("nueva.txt");
  WhenModal<frmProyecto>([&](frmProyecto* d) {
    AddVertex(*d, 1, 1, "1000.00", "1000.00", true);
    AddVertex(*d, 2, 2, "1500.25", "1020.10");
    AddDistance(*d, 1, 1, 2);
    d->txtName->setText(QString::fromStdString(path));
    d->cmdSalvar->click();
  });
  testing::Trigger(window, "newProjectAction");
  EXPECT_EQ(testing::Child<QLabel>(window, "projectLabel")->text().toStdString(), path);
  EXPECT_EQ(testing::Child<QLabel>(window, "pointsLabel")->text().toStdString(),
            "Número de vértices:   2   ( 1 fijo )");
  EXPECT_EQ(testing::Child<QLabel>(window, "equationsLabel")->text().toStdString(),
            "Número de ecuaciones:   1");
  EXPECT_TRUE(testing::Child<QMenu>(window, "adjustMenu")->menuAction()->isEnabled());
  EXPECT_FALSE(window.State().MatrixInput) << "el proyecto guardado es la red activa";

  // "Editar" opens the saved file in the editor; cancelling leaves the network.
  WhenModal<frmAbrirProyecto>([&](frmAbrirProyecto* open) {
    EXPECT_TRUE(open->SetFolder(QString::fromStdString(dir.Path().string())));
    open->File1->setCurrentItem(
        open->File1->findItems(QStringLiteral("nueva.txt"), Qt::MatchExactly).value(0));
    QTest::mouseClick(open->btnAceptar, Qt::LeftButton);
  });
  WhenModal<frmProyecto>([&](frmProyecto* d) {
    EXPECT_EQ(d->List3->count(), 4);
    EXPECT_EQ(Row(d->List2, 1), "1  , -99 ,        1  ,        2  ,    250.25 ,         1");
    window.Ui().SetNextAnswer(Answer::Yes);
    d->cmdCancelar->click();
  });
  testing::Trigger(window, "editProjectAction");
  EXPECT_EQ(window.State().NumPoints, 2);
  EXPECT_EQ(window.State().ProjectName, path);
}

}  // namespace
}  // namespace ombrel
