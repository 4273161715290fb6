// Printing through the print dialog: the text editor's text and the
// graphics window's drawing. A printer that writes a PDF file, the only one
// on a machine without printers, serves like paper.
#pragma once

#include <QString>
#include <functional>

#include "ui/interaction.h"

class QPrinter;
class QWidget;

namespace ombrel {

// The print dialog, then print(printer) for the printer chosen; a PDF file
// written is named to the person at the end. A cancelled dialog ends
// silently; a printer that cannot start is reported.
void PrintThroughDialog(Interaction& ui, QWidget* parent,
                        const std::function<bool(QPrinter&)>& print);

// The print dialog, then four empty lines and the text on the printer.
void PrintText(const QString& text, Interaction& ui, QWidget* parent);

// Sends the text to a printer already set up; false when it cannot start.
bool PrintLines(const QString& text, QPrinter& printer);

// Draws the widget as it looks on the screen on one page, scaled to fit
// and centred; false when the printer cannot start.
bool PrintWidget(QWidget& widget, QPrinter& printer);

}  // namespace ombrel
