#include "gui/printing.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QWidget>
#include <algorithm>

#include "gui/qt_prompts.h"

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

// The widget scaled to fit the page and centred on it.
bool PrintWidget(QWidget& widget, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  const QSize size = widget.size();
  if (!size.isEmpty()) {
    const double scale =
        std::min(double(page.width()) / size.width(), double(page.height()) / size.height());
    painter.translate((page.width() - scale * size.width()) / 2,
                      (page.height() - scale * size.height()) / 2);
    painter.scale(scale, scale);
  }
  widget.render(&painter);
  return painter.end();
}

void PrintThroughDialog(Interaction& ui, QWidget* parent,
                        const std::function<bool(QPrinter&)>& print) {
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!print(printer)) {
    ui.MessageBox("No se puede imprimir en la impresora elegida.", Buttons::Ok, Icon::None, 1,
                  kAppTitle);
    return;
  }
  if (printer.outputFormat() == QPrinter::PdfFormat)
    ui.MessageBox(
        "Documento guardado en " + FromQt(QFileInfo(printer.outputFileName()).absoluteFilePath()),
        Buttons::Ok, Icon::Information, 1, kAppTitle);
}

void PrintText(const QString& text, Interaction& ui, QWidget* parent) {
  PrintThroughDialog(ui, parent, [&](QPrinter& printer) { return PrintLines(text, printer); });
}

}  // namespace ombrel
