// Where the main window says a computation left its results.
#include <QFileInfo>
#include <QStatusBar>

#include "gui/main_window.h"
#include "gui/qt_prompts.h"

namespace ombrel {

void MainWindow::ShowListingPath(CommandOutcome outcome) {
  const QFileInfo listing(ToQt(state_.ListingFileName));
  if ((outcome != CommandOutcome::Completed && outcome != CommandOutcome::Abandoned) ||
      state_.ListingFileName.empty() || !listing.isFile())
    return;
  statusBar()->showMessage(QStringLiteral("Resultados en ") + listing.absoluteFilePath());
}

}  // namespace ombrel
