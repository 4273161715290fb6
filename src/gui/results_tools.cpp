#include "gui/results_tools.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

#include "adjust/network_check_command.h"
#include "adjust/project_export_command.h"
#include "adjust/results_export_command.h"
#include "gui/command_guard.h"
#include "gui/dialog_widgets.h"
#include "listing/number_format.h"

namespace ombrel {
namespace {

QString Number(double value, int decimals) {
  return QString::fromStdString(FormatNumber(value, 1, decimals)).trimmed();
}

QStringList RowCells(const BlunderRow& b, const RowName& name) {
  QStringList cells = {b.checked ? QString::number(b.place) : QStringLiteral("-"),
                       QString::number(name.number), QString::fromStdString(name.kind),
                       QString::fromStdString(name.points), Number(b.residual, 6)};
  if (!b.checked)
    return cells << QStringLiteral("sin control") << ""
                 << ""
                 << ""
                 << "";
  return cells << Number(b.drop, 6)
               << (b.hasVarianceWithout ? Number(b.varianceWithout, 6) : QStringLiteral("---"))
               << Number(b.statistic, 4) << Number(b.redundancy, 6)
               << (b.rejected ? QStringLiteral("rechazada") : QString());
}

QAction* AddCommand(QMenu* menu, QAction* before, const char* caption, const char* name,
                    std::function<void()> command) {
  auto* action = Named(name, new QAction(QString::fromUtf8(caption), menu));
  menu->insertAction(before, action);
  QObject::connect(action, &QAction::triggered, menu, std::move(command));
  return action;
}

}  // namespace

BlunderTableDialog::BlunderTableDialog(const BlunderReport& report, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Ombrel - Errores groseros"));
  auto* layout = new QVBoxLayout(this);
  const BlunderSearch& s = report.search;
  layout->addWidget(new QLabel(
      QString::fromUtf8("vt P v = %1   grados de libertad: %2   varianza: %3   valor crítico de "
                        "|w|: %4.  Residuos en 1e-4 gon (ángulos) y metros (distancias).")
          .arg(Number(s.weightedSum, 6))
          .arg(s.degreesOfFreedom)
          .arg(Number(s.variance, 6))
          .arg(Number(s.criticalValue, 4)),
      this));
  const QStringList headers = {
      "Puesto",           "Ecuación",          "Tipo",        "Puntos",      "Residuo",
      "Disminución vtPv", "Varianza sin ella", "w de Baarda", "Redundancia", "Test"};
  auto* table = Named("blunderTable", new QTableWidget(static_cast<int>(s.ranked.size()),
                                                       static_cast<int>(headers.size()), this));
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  for (int r = 0; r < table->rowCount(); ++r) {
    const BlunderRow& b = s.ranked[static_cast<std::size_t>(r)];
    const QStringList cells = RowCells(b, report.names[static_cast<std::size_t>(b.row - 1)]);
    for (int c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c != 2 && c != 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(r, c, item);
    }
  }
  table->resizeColumnsToContents();
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(900, 420);
}

void AddResultsTools(QMainWindow& window, NetworkState& state, Interaction& ui) {
  QMenu* file = window.findChild<QMenu*>(QStringLiteral("fileMenu"));
  QMenu* review = window.findChild<QMenu*>(QStringLiteral("reviewMenu"));
  QAction* quit = window.findChild<QAction*>(QStringLiteral("quitAction"));
  // Before the separator that stands above "Salir".
  const QList<QAction*> items = file->actions();
  QAction* before = quit;
  const auto at = items.indexOf(quit);
  if (at > 0 && items[at - 1]->isSeparator()) before = items[at - 1];
  // The commands outlive this call: they hold the window's state and
  // interaction by pointer.
  NetworkState* s = &state;
  Interaction* u = &ui;
  QMainWindow* w = &window;
  const auto guarded = [s, u](std::function<void()> command) {
    return [s, u, command] { RunGuarded(*s, *u, command); };
  };
  AddCommand(file, before, "Exportar &resultados...", "exportResultsAction",
             guarded([s, u] { ExportResultsCommand(*s, *u); }));
  AddCommand(file, before, "Exportar &proyecto...", "exportProjectAction",
             guarded([s, u] { ExportProjectCommand(*s, *u); }));
  AddCommand(review, nullptr, "Comprobar la red", "checkNetworkAction",
             guarded([s, u] { CheckNetworkCommand(*s, *u); }));
  AddCommand(review, nullptr, "Buscar errores groseros", "findBlundersAction", guarded([s, u, w] {
               BlunderReport report;
               if (FindBlundersCommand(*s, *u, &report) != CommandOutcome::Completed) return;
               BlunderTableDialog table(report, w);
               table.exec();
             }));
}

}  // namespace ombrel
