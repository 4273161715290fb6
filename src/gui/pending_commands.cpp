#include "gui/pending_commands.h"

namespace ombrel {
namespace {

void NotAvailable(Interaction& ui) {
  ui.Beep();
  ui.MessageBox(kNotAvailable, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

}  // namespace

void ShowProjectEditor(NetworkState&, Interaction& ui, QWidget*) {
  NotAvailable(ui);
}
void ShowImportDialog(NetworkState&, Interaction& ui, QWidget*) {
  NotAvailable(ui);
}
void ShowReviewDialog(NetworkState&, Interaction& ui, QWidget*) {
  NotAvailable(ui);
}
void ShowApproxDialog(NetworkState&, Interaction& ui, QWidget*) {
  NotAvailable(ui);
}
void ShowNetworkPlot(NetworkState&, Interaction& ui, QWidget*) {
  NotAvailable(ui);
}

}  // namespace ombrel
