#include "gui_test_support.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/frm_abrir_proyecto.h"
#include "support/temp_dir.h"

namespace ombrel::testing {

std::string ActivateThroughDialog(MainWindow& window, const QString& folder, const QString& file) {
  WhenModal<frmAbrirProyecto>([folder, file](frmAbrirProyecto* dialog) {
    EXPECT_TRUE(dialog->SetFolder(folder));
    const auto found = dialog->File1->findItems(file, Qt::MatchExactly);
    if (!found.isEmpty()) dialog->File1->setCurrentItem(found.first());
    QTest::mouseClick(dialog->btnAceptar, Qt::LeftButton);
    if (dialog->isVisible()) dialog->reject();
  });
  Trigger(window, "activateProjectAction");
  return window.State().SelectedFile;
}

std::string ExampleProjectPath() {
  return SourceDir() + "/examples/ghilani16_1.txt";
}

}  // namespace ombrel::testing
