// The name of a file a command writes besides the listing (the blunder
// listing, the exported results and project), asked as the DXF name is.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Asks with the heading and the question "Indique el nombre del fichero de
// salida :", default defaultName. A name that is one of the run's input
// files, that cannot be written, or that check refuses (its message) is
// refused and asked again; an existing file is overwritten only when the
// person says so. "" when cancelled.
std::string AskOutputFileName(
    const NetworkState& state, Interaction& ui, const std::string& heading,
    const std::string& defaultName,
    const std::function<std::optional<std::string>(const std::string&)>& check = nullptr);

// A refusal: a beep and the text (information icon, OK).
void RefuseWithBeep(Interaction& ui, const std::string& text);

}  // namespace ombrel
