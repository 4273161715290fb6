// The message a command shows when a run-time error reaches it from a step
// without a handler of its own.
#pragma once

#include <string>

#include "model/network_state.h"
#include "numeric/run_time_error.h"
#include "ui/interaction.h"

namespace ombrel {

// "¡ Se ha producido un error en el cálculo !", two line breaks and a short
// Spanish description of the cause.
std::string CalculationErrorMessage(const RunTimeError& error);

// Reports an error caught by a driver: "Matriz singular" (OK, no icon) for a
// singular matrix, the calculation message (OK, exclamation) for any other;
// keeps the text in MessageText and sets Abandon.
void ReportRunTimeError(NetworkState& state, Interaction& ui, const RunTimeError& error);

// Reports a computation the person stopped as a failure is reported:
// kStoppedMessage (OK, information) kept in MessageText, Abandon set.
void ReportStopped(NetworkState& state, Interaction& ui);

}  // namespace ombrel
