// Commands whose windows are not part of this version of the desktop
// application yet: the project editor, the matrix import, the review of
// fixed points and weights and the network plot. Each
// tells the person so and changes nothing.
#pragma once

#include "model/network_state.h"
#include "ui/interaction.h"

class QWidget;

namespace ombrel {

inline constexpr const char* kNotAvailable = "¡ Esta opción no está disponible en esta versión !";

void ShowProjectEditor(NetworkState& state, Interaction& ui, QWidget* parent);
void ShowImportDialog(NetworkState& state, Interaction& ui, QWidget* parent);
void ShowReviewDialog(NetworkState& state, Interaction& ui, QWidget* parent);
void ShowApproxDialog(NetworkState& state, Interaction& ui, QWidget* parent);
void ShowNetworkPlot(NetworkState& state, Interaction& ui, QWidget* parent);

}  // namespace ombrel
