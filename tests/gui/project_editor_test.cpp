// The project editor: the number choices that move between the combo boxes
// as vertices and observations come and go, the buttons they enable, the
// refusals of typed numbers, the questions on saving over a file and on
// closing, and the menus that open it on a new or an existing project.
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

#include "gui/command_windows.h"
#include "gui/main_window.h"
#include "gui/number_choices.h"
#include "gui/open_project_dialog.h"
#include "gui/project_editor_dialog.h"
#include "gui/qt_interaction.h"
#include "gui/working_folder.h"
#include "gui_test_support.h"
#include "model/project_file.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Child;
using testing::ReadBytes;
using testing::TempDir;
using testing::WhenModal;

QComboBox* Combo(const QWidget& d, const char* name) {
  return Child<QComboBox>(d, name);
}
QLineEdit* Edit(const QWidget& d, const char* name) {
  return Child<QLineEdit>(d, name);
}
QPushButton* Button(const QWidget& d, const char* name) {
  return Child<QPushButton>(d, name);
}
std::string Row(const QWidget& d, const char* list, int row) {
  return Child<QListWidget>(d, list)->item(row)->text().toStdString();
}
int Rows(const QWidget& d, const char* list) {
  return Child<QListWidget>(d, list)->count();
}
bool Offers(const QWidget& d, const char* box, int number) {
  return Combo(d, box)->findText(QString::fromStdString(ComboItem(number))) >= 0;
}
void Pick(const QWidget& d, const char* box, int number) {
  Choose(Combo(d, box), ComboItem(number));
}

void AddVertex(const QWidget& d, int vertex, int order, const char* x, const char* y,
               bool fixed = false) {
  Pick(d, "vertexCombo", vertex);
  Pick(d, "orderCombo", order);
  Edit(d, "xEdit")->setText(QString::fromUtf8(x));
  Edit(d, "yEdit")->setText(QString::fromUtf8(y));
  Child<QCheckBox>(d, "fixedCheck")->setChecked(fixed);
  ASSERT_TRUE(Button(d, "addVertexButton")->isEnabled()) << vertex;
  Button(d, "addVertexButton")->click();
}

void AddAngle(const QWidget& d, int equation, int back, int station, int fore) {
  Pick(d, "angleEquationCombo", equation);
  Pick(d, "backsightCombo", back);
  Pick(d, "stationCombo", station);
  Edit(d, "angleEdit")->setText(QStringLiteral("100.5"));
  Edit(d, "angleWeightEdit")->setText(QStringLiteral("1"));
  EXPECT_FALSE(Button(d, "addAngleButton")->isEnabled()) << "sin estación final";
  Pick(d, "foresightCombo", fore);
  ASSERT_TRUE(Button(d, "addAngleButton")->isEnabled()) << equation;
  Button(d, "addAngleButton")->click();
}

void AddDistance(const QWidget& d, int equation, int from, int to) {
  Pick(d, "distanceEquationCombo", equation);
  Pick(d, "distanceFromCombo", from);
  Pick(d, "distanceToCombo", to);
  Edit(d, "distanceEdit")->setText(QStringLiteral("250.25"));
  Edit(d, "distanceWeightEdit")->setText(QStringLiteral("1"));
  ASSERT_TRUE(Button(d, "addDistanceButton")->isEnabled()) << equation;
  Button(d, "addDistanceButton")->click();
}

// What "&Nuevo Proyecto" leaves before the editor opens.
NetworkState NewProjectState() {
  NetworkState state;
  state.SelectedFile = kUntitled;
  return state;
}

class ProjectEditorTest : public ::testing::Test {
 protected:
  ProjectEditorTest() { ui.SetUnattended(true); }

  TempDir dir;
  NetworkState state = NewProjectState();
  QtInteraction ui;
  ProjectEditorDialog d{state, ui, ProjectLists()};
};

constexpr const char* kPointBoxes[] = {"backsightCombo", "stationCombo", "foresightCombo",
                                       "distanceFromCombo", "distanceToCombo"};

TEST_F(ProjectEditorTest, NumbersMoveBetweenTheChoicesAsVerticesAndObservationsComeAndGo) {
  EXPECT_EQ(Combo(d, "vertexCombo")->count(), 98);
  EXPECT_EQ(Combo(d, "distanceEquationCombo")->count(), 99);
  EXPECT_EQ(Combo(d, "backsightCombo")->count(), 0);
  AddVertex(d, 1, 1, "0", "0", true);
  AddVertex(d, 4, 3, "100", "100", true);
  AddVertex(d, 2, 2, "100", "0");
  AddVertex(d, 3, 4, "0", "100");
  EXPECT_FALSE(Offers(d, "vertexCombo", 4));
  EXPECT_TRUE(Offers(d, "orderCombo", 3)) << "la ordenación conserva sus números";
  EXPECT_EQ(Combo(d, "stationCombo")->itemText(1).toStdString(), ComboItem(2))
      << "en orden numérico";
  AddAngle(d, 1, 4, 1, 2);
  AddAngle(d, 14, 2, 1, 3);
  AddDistance(d, 4, 4, 2);
  AddDistance(d, 6, 1, 2);
  EXPECT_FALSE(Offers(d, "angleEquationCombo", 4)) << "la distancia deja también el ángulo";
  EXPECT_EQ(Child<QLabel>(d, "equationCountLabel")->text().toStdString(), "4");

  // Vertex 4, picked, shows its fields; removed once the person agrees, it
  // takes its observations and every number they held comes back.
  Child<QListWidget>(d, "vertexList")->setCurrentRow(3);
  EXPECT_EQ(Edit(d, "xEdit")->text().toStdString(), "100");
  EXPECT_TRUE(Child<QCheckBox>(d, "fixedCheck")->isChecked());
  ASSERT_TRUE(Button(d, "removeVertexButton")->isEnabled());
  Button(d, "removeVertexButton")->click();  // unattended: No
  EXPECT_EQ(ui.Messages().back(), "¿ Desea eliminar el vértice 4 y sus 2 observables asociados ?");
  EXPECT_EQ(Rows(d, "observationList"), 5);
  ui.SetNextAnswer(Answer::Yes);
  Button(d, "removeVertexButton")->click();
  EXPECT_EQ(Rows(d, "observationList"), 3);
  EXPECT_EQ(Child<QLabel>(d, "vertexCountLabel")->text().toStdString(), "3");
  EXPECT_TRUE(Offers(d, "vertexCombo", 4));
  for (const char* box : kPointBoxes) EXPECT_FALSE(Offers(d, box, 4)) << box;
  EXPECT_TRUE(Offers(d, "angleEquationCombo", 1) && Offers(d, "distanceEquationCombo", 4));
  EXPECT_FALSE(Offers(d, "angleEquationCombo", 14));
  EXPECT_TRUE(Edit(d, "xEdit")->text().isEmpty());
  EXPECT_FALSE(Button(d, "removeVertexButton")->isEnabled());

  Child<QListWidget>(d, "observationList")->setCurrentRow(2);
  ASSERT_TRUE(Button(d, "removeObservationButton")->isEnabled());
  Button(d, "removeObservationButton")->click();
  EXPECT_TRUE(Offers(d, "distanceEquationCombo", 6));
  EXPECT_EQ(Row(d, "fileList", 0), " 0 ,Ptos ,       3   ,Ecuaciones ,       1  ");
}

TEST_F(ProjectEditorTest, APickedVertexIsModifiedUnderItsOwnNumberAndRefusalsAddNothing) {
  AddVertex(d, 8, 1, "1", "2", true);
  AddVertex(d, 3, 2, "5", "6");
  Child<QListWidget>(d, "vertexList")->setCurrentRow(1);
  EXPECT_FALSE(Button(d, "addVertexButton")->isEnabled());
  Edit(d, "xEdit")->setText(QStringLiteral("1.5"));
  Pick(d, "orderCombo", 5);
  Child<QCheckBox>(d, "fixedCheck")->setChecked(false);
  ASSERT_TRUE(Button(d, "modifyVertexButton")->isEnabled());
  Button(d, "modifyVertexButton")->click();
  EXPECT_EQ(Row(d, "vertexList", 2), "00 ,  5  ,       1.5 ,         2 ,      vble ,        8 ");
  EXPECT_FALSE(Button(d, "modifyVertexButton")->isEnabled());

  // What the lists refuse reaches the person as a message and a beep, and
  // nothing is added.
  AddDistance(d, 2, 3, 3);
  EXPECT_NE(ui.Messages().back().find("La ecuación 2 es una distancia del vértice 3 a sí mismo."),
            std::string::npos);
  EXPECT_EQ(Rows(d, "observationList"), 1);
  EXPECT_EQ(ui.Beeps(), 1);
}

TEST_F(ProjectEditorTest, BadNumbersAreRefusedAndFieldsKeepTheirColumns) {
  QLineEdit* y = Edit(d, "yEdit");
  Pick(d, "vertexCombo", 1);
  Pick(d, "orderCombo", 1);
  Edit(d, "xEdit")->setText(QStringLiteral("1500,25"));
  y->setText(QStringLiteral("1000"));
  Button(d, "addVertexButton")->click();
  EXPECT_EQ(Rows(d, "vertexList"), 1);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kBadCharacters});
  EXPECT_EQ(ui.Beeps(), 1);

  ui.ClearRecord();
  y->clear();
  QTest::keyClicks(y, QStringLiteral("12a"));
  EXPECT_EQ(y->text().toStdString(), "12a") << "el carácter entra igualmente";
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kBadKey});
  ui.ClearRecord();
  QTest::keyClick(y, Qt::Key_Backspace);
  QTest::keyClick(y, Qt::Key_Left);
  EXPECT_EQ(y->text().toStdString(), "12");
  EXPECT_TRUE(ui.Messages().empty()) << "las teclas de edición no escriben";

  QLineEdit* weight = Edit(d, "distanceWeightEdit");
  QTest::keyClicks(weight, QStringLiteral("123456.78901"));
  EXPECT_EQ(weight->text().toStdString(), "123456.789");
}

// Closing with unsaved changes offers to save them: Cancelar stays, Guardar
// needs a name and the overwrite question, Descartar leaves the model as it
// was. Without changes only leaving is asked.
TEST_F(ProjectEditorTest, ClosingWithChangesOffersToSaveThem) {
  const std::string path = dir.Write("red.txt", "viejo\r\n");
  d.show();
  ui.SetNextAnswer(Answer::No);
  Button(d, "cancelButton")->click();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(ui.Messages().back(), kLeaveEditor);

  AddVertex(d, 1, 1, "0", "0", true);
  ui.SetNextAnswer(Answer::Cancel);
  d.close();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(ui.Messages().back(), kUnsavedProject);
  ui.SetNextAnswer(Answer::Yes);
  d.close();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(ui.Messages().back(), kNameTheProject);
  Edit(d, "fileNameEdit")->setText(QString::fromStdString(path));
  ui.SetNextAnswer(Answer::Yes);
  ui.SetNextAnswer(Answer::No);  // overwrite
  d.close();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(ReadBytes(path), "viejo\r\n");
  ui.SetNextAnswer(Answer::No);
  d.close();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(state.ProjectName, kUntitled);

  ProjectEditorDialog again(state, ui, ProjectLists());
  again.show();
  AddVertex(again, 1, 1, "0", "0", true);
  Edit(again, "fileNameEdit")->setText(QString::fromStdString(dir.File("nueva.txt")));
  ui.SetNextAnswer(Answer::Yes);
  again.close();
  EXPECT_FALSE(again.isVisible());
  EXPECT_EQ(state.ProjectName, dir.File("nueva.txt"));
  EXPECT_EQ(ui.Messages().back(), kProjectSaved);
}

// The editor says why it cannot open a project, as the loader would.
TEST_F(ProjectEditorTest, AnUnreadableProjectGivesItsReasonAndNoEditor) {
  state.SelectedFile =
      dir.Write("malo.txt", " 0 ,Ptos ,         5 ,Ecuaciones ,         5\r\nbasura\r\n");
  bool opened = false;
  QObject guard;
  QTimer::singleShot(20, &guard, [&opened] {
    if (auto* editor = qobject_cast<ProjectEditorDialog*>(QApplication::activeModalWidget())) {
      opened = true;
      editor->done(QDialog::Rejected);
    }
  });
  ShowProjectEditor(state, ui, nullptr);
  EXPECT_FALSE(opened);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kProjectReadError});
}

// A new project saved from the editor is the active network; "Editar"
// opens an existing one with its numbers taken, and saved under another name
// it is the same file.
TEST(ProjectEditorWindowTest, NewProjectAndEditFromTheMenusReachTheMainWindow) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.Path().string());
  SetWorkingFolder(folder);
  MainWindow window;
  window.Ui().SetUnattended(true);
  window.State().Import.MatrixInput = true;
  const std::string path = dir.File("nueva.txt");
  WhenModal<ProjectEditorDialog>([&](ProjectEditorDialog* d) {
    AddVertex(*d, 1, 1, "1000.00", "1000.00", true);
    AddVertex(*d, 2, 2, "1500.25", "1020.10");
    AddDistance(*d, 1, 1, 2);
    Edit(*d, "fileNameEdit")->setText(QString::fromStdString(path));
    Button(*d, "saveButton")->click();
  });
  testing::Trigger(window, "newProjectAction");
  EXPECT_EQ(window.Ui().Messages(), std::vector<std::string>{kProjectSaved});
  EXPECT_EQ(Child<QLabel>(window, "projectLabel")->text().toStdString(), path);
  EXPECT_EQ(Child<QLabel>(window, "pointsLabel")->text().toStdString(),
            "Número de vértices:   2   ( 1 fijo )");
  EXPECT_TRUE(Child<QMenu>(window, "adjustMenu")->menuAction()->isEnabled());
  EXPECT_FALSE(window.State().Import.MatrixInput) << "el proyecto guardado es la red activa";

  const std::string example = dir.Write("ejemplo.txt", ReadBytes(testing::ExampleProjectPath()));
  const std::string copy = dir.File("copia.txt");
  WhenModal<OpenProjectDialog>([&](OpenProjectDialog* open) {
    testing::ChooseFile(*open, folder, QStringLiteral("ejemplo.txt"));
  });
  WhenModal<ProjectEditorDialog>([&](ProjectEditorDialog* d) {
    EXPECT_EQ(d->windowTitle().toStdString(), " Ombrel  " + example);
    EXPECT_EQ(Rows(*d, "fileList"), 11);
    EXPECT_FALSE(Offers(*d, "vertexCombo", 5));
    EXPECT_TRUE(Offers(*d, "distanceToCombo", 5));
    EXPECT_FALSE(Offers(*d, "angleEquationCombo", 5));
    Edit(*d, "fileNameEdit")->setText(QString::fromStdString(copy));
    Button(*d, "saveButton")->click();
  });
  testing::Trigger(window, "editProjectAction");
  EXPECT_EQ(ReadBytes(copy), ReadBytes(example));
  EXPECT_EQ(window.State().ProjectName, copy);
}

}  // namespace
}  // namespace ombrel
