// Printing the editor's text through the print dialog.
#pragma once

#include <QString>

#include "ui/interaction.h"

class QPrinter;
class QWidget;

namespace ombrel {

inline constexpr const char* kPrintToFileRefused = " Opción no disponible. ";

// The print dialog, then four empty lines and the text on the printer.
// Printing to a file is not offered by this editor.
void PrintText(const QString& text, Interaction& ui, QWidget* parent);

// Sends the text to a printer already set up; false when it cannot start.
bool PrintLines(const QString& text, QPrinter& printer);

}  // namespace ombrel
