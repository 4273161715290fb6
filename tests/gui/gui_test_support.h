// Helpers for driving the desktop windows in-process: acting on the next
// modal dialog from inside its own event loop, and activating a project
// through the open-project dialog.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "gui/frm_mincu.h"

namespace ombrel::testing {

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

// "A&ctivar Proyecto..." with the file chosen in the open-project dialog.
// Returns the SelectedFile the dialog left.
std::string ActivateThroughDialog(frmMincu& window, const QString& folder, const QString& file);

// An unattended main window: OK boxes answer themselves, nothing waits.
void MakeUnattended(frmMincu& window);

// The bytes of the validation network used by the window tests.
std::string ExampleProjectPath();

}  // namespace ombrel::testing
