#include "gui/editor_printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace ombrel {

bool PrintLines(const QString& text, QPrinter& printer) {
  // Copies the printer cannot make itself are printed one after another.
  const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(QFont(QStringLiteral("Courier New"), 10));
  const int lineHeight = QFontMetrics(painter.font(), &printer).lineSpacing();
  const int pageHeight = painter.viewport().height();
  QStringList lines = text.split(QLatin1Char('\n'));
  for (int i = 0; i < 4; ++i) lines.prepend(QString());
  for (int copy = 0; copy < copies; ++copy) {
    if (copy > 0) printer.newPage();
    int y = lineHeight;
    for (const QString& line : lines) {
      if (y > pageHeight) {
        printer.newPage();
        y = lineHeight;
      }
      painter.drawText(0, y, line);
      y += lineHeight;
    }
  }
  return painter.end();
}

void PrintText(const QString& text, Interaction& ui, QWidget* parent) {
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty()) {
    ui.MessageBox(kPrintToFileRefused, Buttons::Ok, Icon::None, 1, kAppTitle);
    return;
  }
  if (!PrintLines(text, printer))
    ui.MessageBox("No se puede imprimir en la impresora elegida.", Buttons::Ok, Icon::None, 1,
                  kAppTitle);
}

}  // namespace ombrel
