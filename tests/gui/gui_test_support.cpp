#include "gui_test_support.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "gui/open_project_dialog.h"
#include "gui/working_folder.h"
#include "support/temp_dir.h"

namespace ombrel::testing {

void ChooseFile(OpenProjectDialog& dialog, const QString& folder, const QString& file) {
  EXPECT_TRUE(dialog.SetFolder(folder));
  auto* files = Child<QListWidget>(dialog, "fileList");
  const auto found = files->findItems(file, Qt::MatchExactly);
  EXPECT_EQ(found.size(), 1) << file.toStdString();
  if (!found.isEmpty()) files->setCurrentItem(found.first());
  QTest::mouseClick(Child<QPushButton>(dialog, "acceptButton"), Qt::LeftButton);
}

std::string ActivateThroughDialog(MainWindow& window, const QString& folder, const QString& file) {
  WhenModal<OpenProjectDialog>([folder, file](OpenProjectDialog* dialog) {
    ChooseFile(*dialog, folder, file);
    if (dialog->isVisible()) dialog->reject();
  });
  Trigger(window, "activateProjectAction");
  return window.State().SelectedFile;
}

void PrintToPdfWhenAsked(const std::string& path) {
  const QString name = QString::fromStdString(path);
  WhenModal<QPrintDialog>([name](QPrintDialog* dialog) {
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(name);
    // The dialog's own field names the file when it is accepted.
    if (auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
      field->setText(name);
    dialog->accept();
  });
}

std::string ExampleProjectPath() {
  return SourceDir() + "/examples/ghilani16_1.txt";
}

std::string ActivateExample(MainWindow& window, const TempDir& dir, const std::string& project) {
  const std::string name = std::filesystem::path(project).filename().string();
  std::filesystem::copy_file(project, dir.File(name));
  const QString folder = QString::fromStdString(dir.Path().string());
  SetWorkingFolder(folder);
  window.Ui().SetUnattended(true);
  const std::string chosen = ActivateThroughDialog(window, folder, QString::fromStdString(name));
  EXPECT_TRUE(window.State().HasActiveProject()) << project;
  return chosen;
}

}  // namespace ombrel::testing
