// Every command of the desktop (menu item, toolbar button, dialog button
// that computes or loads a file) runs through RunGuarded, so that no fault
// escapes into Qt's event loop, which cannot pass it on and would end the
// application with the person's work.
#pragma once

#include <functional>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kOutOfMemoryMessage =
    "¡ No hay memoria suficiente !\r\n\r\nLa orden se ha interrumpido.";
inline constexpr const char* kUnexpectedFaultMessage =
    "¡ Se ha producido un error inesperado !\r\n\r\nLa orden se ha interrumpido.";

// Runs command. A fault that escapes it is reported in a message box: a
// run-time error as the computations report theirs (ReportRunTimeError),
// a lack of memory and any other fault with the messages above (OK,
// exclamation icon), kept in MessageText. After a fault the busy pointer
// is gone and Abandon is clear, so that the next command starts afresh;
// returns false.
bool RunGuarded(NetworkState& state, Interaction& ui, const std::function<void()>& command);

}  // namespace ombrel
