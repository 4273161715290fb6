// Helpers for driving the desktop windows in-process: finding a window's
// controls by object name, acting on the next modal dialog from inside its
// own event loop, and activating a project through the open-project dialog.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "gui/main_window.h"
#include "gui/open_project_dialog.h"
#include "support/temp_dir.h"

namespace ombrel::testing {

// The control of that object name inside parent. A missing one ends the run
// with its name: every later step of the test would act on nothing.
template <typename T = QWidget>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromUtf8(name));
  if (!child) qFatal("no existe el control %s", name);
  return child;
}

// Chooses the menu item or toolbar button of that object name.
inline void Trigger(const QObject& window, const char* action) {
  Child<QAction>(window, action)->trigger();
}

// Runs act on the next modal dialog of type T as soon as it is showing.
// When none appears within a few seconds the test fails and every modal
// window is closed, so that a missing dialog cannot hang the run.
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
      return;
    }
    if (++*tries < 500) return;
    timer->stop();
    timer->deleteLater();
    ADD_FAILURE() << "no apareció el diálogo esperado";
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  timer->start();
}

// Chooses file in folder in the open-project dialog and accepts it.
void ChooseFile(OpenProjectDialog& dialog, const QString& folder, const QString& file);

// "A&ctivar Proyecto..." with the file chosen in the open-project dialog.
// Returns the SelectedFile the dialog left.
std::string ActivateThroughDialog(MainWindow& window, const QString& folder, const QString& file);

// Answers the next print dialog with the PDF file at path, as on a machine
// whose only printer writes PDF files.
void PrintToPdfWhenAsked(const std::string& path);

// The example network that the window tests activate.
std::string ExampleProjectPath();

// Copies a project (the example network unless told) into dir under its own
// name, makes dir the working folder and activates the copy in window,
// which then answers from its queue; fails the test when no project is
// active then. Returns the SelectedFile the open-project dialog left.
std::string ActivateExample(MainWindow& window, const TempDir& dir,
                            const std::string& project = ExampleProjectPath());

}  // namespace ombrel::testing
