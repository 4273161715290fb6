// The modal windows that the main window's commands open on the active
// network: the project editor, the matrix import and approximate
// coordinates, the review of fixed points and weights and the network plot.
// Each lives in its own show_*.cpp file.
#pragma once

#include "gui/qt_interaction.h"
#include "model/network_state.h"
#include "ui/interaction.h"

class QWidget;

namespace ombrel {

void ShowProjectEditor(NetworkState& state, Interaction& ui, QWidget* parent);
void ShowImportDialog(NetworkState& state, Interaction& ui, QWidget* parent);
void ShowReviewDialog(NetworkState& state, Interaction& ui, QWidget* parent);
void ShowApproxDialog(NetworkState& state, Interaction& ui, QWidget* parent);
// The graphics window is not modal: a second call raises the open one.
void ShowNetworkPlot(NetworkState& state, QtInteraction& ui, QWidget* parent);
// Tells an open graphics window of parent that a command may have changed
// the network or computed it again.
void RefreshNetworkPlot(QWidget* parent);

}  // namespace ombrel
