#include "gui/frm_proyecto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "gui/dialog_widgets.h"
#include "gui/frm_proyecto_choices.h"
#include "gui/qt_prompts.h"

namespace ombrel {
namespace {

// A value or weight fills a 10-column field of the file; a longer text would
// push the later columns out of place.
constexpr int kValueColumns = 10;

QListWidget* NewList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setFont(FixedColumnFont());
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

QLineEdit* NewValueBox(QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setMaxLength(kValueColumns);
  return box;
}

QLabel* NewLabel(const char* caption, QWidget* parent) {
  return new QLabel(QString::fromUtf8(caption), parent);
}

// One captioned field a row from the top of grid, the caption on the left;
// returns the row after the last.
int AddFields(QGridLayout* grid, std::initializer_list<std::pair<const char*, QWidget*>> rows) {
  int row = 0;
  for (const auto& [caption, field] : rows) {
    grid->addWidget(NewLabel(caption, grid->parentWidget()), row, 0);
    grid->addWidget(field, row++, 1);
  }
  return row;
}

void ShowLines(QListWidget* list, const std::vector<std::string>& lines) {
  const QSignalBlocker blocker(list);
  list->clear();
  for (const std::string& line : lines) list->addItem(ToQt(line));
  list->setCurrentRow(-1);
}

}  // namespace

frmProyecto::frmProyecto(NetworkState& state, Interaction& ui, ProjectLists lists, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui), lists_(std::move(lists)) {
  SSTab1 = new QTabWidget(this);
  SSTab1->addTab(BuildVerticesTab(), QStringLiteral("Vértices"));
  SSTab1->addTab(BuildObservablesTab(), QStringLiteral("Observables"));
  SSTab1->addTab(BuildSaveTab(), QStringLiteral("Salvar y salir"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SSTab1);
  resize(820, 480);
  Form_Load();
  Connect();
}

QWidget* frmProyecto::BuildVerticesTab() {
  auto* tab = new QWidget;
  List1 = NewList(tab);
  lblDisp = new QLabel(tab);
  cmdQui = PlainButton("Eliminar vértice y observables asociados", tab);

  auto* frame = new QGroupBox(QStringLiteral("     Vértice    "), tab);
  txtX = NewValueBox(frame);
  txtY = NewValueBox(frame);
  Combo1 = new QComboBox(frame);
  Combo9 = new QComboBox(frame);
  Check1 = new QCheckBox(QStringLiteral("Punto Fijo"), frame);
  cmdTransfer = PlainButton("Añadir", frame);
  Command3 = PlainButton("Modificar", frame);
  auto* fields = new QGridLayout(frame);
  const int checkRow = AddFields(fields, {{"X ( metros )", txtX},
                                          {"Y ( metros )", txtY},
                                          {"Vértice", Combo1},
                                          {"Ordenación del vector x", Combo9}});
  fields->addWidget(Check1, checkRow, 0, 1, 2);
  fields->addWidget(cmdTransfer, checkRow + 1, 0);
  fields->addWidget(Command3, checkRow + 1, 1);

  auto* count = new QHBoxLayout;
  count->addWidget(NewLabel("Número de vértices", tab));
  count->addWidget(lblDisp);
  count->addStretch();
  auto* side = new QVBoxLayout;
  side->addWidget(frame);
  side->addLayout(count);
  side->addWidget(cmdQui);
  side->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addWidget(List1, 1);
  layout->addLayout(side);
  return tab;
}

QWidget* frmProyecto::BuildObservablesTab() {
  auto* tab = new QWidget;
  List2 = NewList(tab);
  lblEcu = new QLabel(tab);
  cmdQuitar = PlainButton("Eliminar observable", tab);
  SSTab2 = new QTabWidget(tab);
  SSTab2->addTab(BuildAngleTab(), QStringLiteral("Nuevo ángulo"));
  SSTab2->addTab(BuildDistanceTab(), QStringLiteral("Nueva distancia"));

  auto* count = new QHBoxLayout;
  count->addWidget(NewLabel("Número de ecuaciones", tab));
  count->addWidget(lblEcu);
  count->addStretch();
  auto* side = new QVBoxLayout;
  side->addWidget(SSTab2);
  side->addLayout(count);
  side->addWidget(cmdQuitar);
  side->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addWidget(List2, 1);
  layout->addLayout(side);
  return tab;
}

QWidget* frmProyecto::BuildAngleTab() {
  auto* tab = new QWidget;
  Combo3 = new QComboBox(tab);
  Combo4 = new QComboBox(tab);
  Combo5 = new QComboBox(tab);
  Combo6 = new QComboBox(tab);
  txtAn = NewValueBox(tab);
  Text1 = NewValueBox(tab);
  cmdAn = PlainButton("Añadir", tab);
  Command1 = PlainButton("A todos ....", tab);
  auto* layout = new QGridLayout(tab);
  const int addRow = AddFields(layout, {{"Ecuacion", Combo3},
                                        {"Pto inicial", Combo4},
                                        {"Estación", Combo5},
                                        {"Pto final", Combo6},
                                        {"Angulo ( cent )", txtAn},
                                        {"Peso", Text1}});
  layout->addWidget(Command1, addRow - 1, 2);  // beside the weight
  layout->addWidget(cmdAn, addRow, 1);
  return tab;
}

QWidget* frmProyecto::BuildDistanceTab() {
  auto* tab = new QWidget;
  Combo2 = new QComboBox(tab);
  Combo7 = new QComboBox(tab);
  Combo8 = new QComboBox(tab);
  txtDi = NewValueBox(tab);
  Text2 = NewValueBox(tab);
  cmdDi = PlainButton("Añadir", tab);
  Command2 = PlainButton("A todas ....", tab);
  auto* layout = new QGridLayout(tab);
  const int addRow = AddFields(layout, {{"Ecuacion", Combo2},
                                        {"Pto inicial", Combo7},
                                        {"Pto final", Combo8},
                                        {"Distancia ( mts )", txtDi},
                                        {"Peso", Text2}});
  layout->addWidget(Command2, addRow - 1, 2);  // beside the weight
  layout->addWidget(cmdDi, addRow, 1);
  layout->setRowStretch(addRow + 1, 1);
  return tab;
}

QWidget* frmProyecto::BuildSaveTab() {
  auto* tab = new QWidget;
  List3 = NewList(tab);
  auto* frame = new QGroupBox(QStringLiteral("Salvar proyecto / Salir del menú "), tab);
  txtName = new QLineEdit(frame);
  cmdSalvar = PlainButton("Salvar y salir", frame);
  auto* fields = new QVBoxLayout(frame);
  fields->addWidget(NewLabel("Nombre y extensión:", frame));
  fields->addWidget(txtName);
  fields->addWidget(cmdSalvar);
  cmdCancelar = PlainButton("CANCELAR", tab);
  auto* side = new QVBoxLayout;
  side->addWidget(frame);
  side->addWidget(cmdCancelar);
  side->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addWidget(List3, 1);
  layout->addLayout(side);
  return tab;
}

void frmProyecto::Connect() {
  ConnectVertexFields();
  ConnectObservationFields();
  for (QLineEdit* box : {txtX, txtY, txtAn, txtDi, Text1, Text2}) box->installEventFilter(this);
  connect(txtName, &QLineEdit::textChanged, this,
          [this] { cmdSalvar->setEnabled(!txtName->text().isEmpty()); });
  connect(cmdSalvar, &QPushButton::clicked, this, &frmProyecto::cmdSalvar_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &frmProyecto::reject);
}

void frmProyecto::Form_Load() {
  setWindowTitle(ToQt(" Ombrel  " + state_.SelectedFile));
  FillChoices();
  if (state_.SelectedFile != kUntitled) txtName->setText(ToQt(state_.SelectedFile));
  // The numbers an opened project already uses are no longer free for new
  // vertices and observations.
  for (int k = 1; k <= lists_.NumPoints(); ++k) {
    const std::string vertex =
        ReadPointLine(lists_.PointList()[static_cast<std::size_t>(k)]).vertex;
    RemoveNumberChoice(Combo1, vertex);
    for (QComboBox* box : {Combo4, Combo5, Combo6, Combo7, Combo8}) AddNumberChoice(box, vertex);
  }
  for (int j = 1; j <= lists_.NumObs(); ++j) {
    const std::string equation =
        EquationItemOf(lists_.ObservationList()[static_cast<std::size_t>(j)]);
    RemoveNumberChoice(Combo2, equation);
    RemoveNumberChoice(Combo3, equation);
  }
  ShowLists(true);
  ShowCounts();
  for (QPushButton* button : {cmdQui, cmdTransfer, Command3, cmdQuitar, cmdAn, cmdDi})
    button->setEnabled(false);
  cmdSalvar->setEnabled(!txtName->text().isEmpty());
}

void frmProyecto::FillChoices() {
  FillNumberChoices(Combo1, kMaxProjectPoints);
  FillNumberChoices(Combo9, kMaxProjectPoints);
  FillNumberChoices(Combo2, kMaxProjectObservations);
  FillNumberChoices(Combo3, kMaxProjectObservations);
}

void frmProyecto::ShowLists(bool points) {
  if (points) {
    ShowLines(List1, lists_.PointList());
    cmdQui->setEnabled(false);
  }
  ShowLines(List2, lists_.ObservationList());
  ShowLines(List3, lists_.FileList());
  cmdQuitar->setEnabled(false);
}

void frmProyecto::ShowCounts() {
  lblDisp->setText(QString::number(lists_.NumPoints()));
  lblEcu->setText(QString::number(lists_.NumObs()));
}

bool frmProyecto::Accepts(std::initializer_list<const QLineEdit*> fields) {
  for (const QLineEdit* field : fields) {
    if (IsValidNumberText(FromQt(field->text()))) continue;
    ui_.Beep();
    ui_.MessageBox(kBadCharacters, Buttons::Ok, Icon::Information, 1, kAppTitle);
    return false;
  }
  return true;
}

// Typed numbers take digits and the point; any other character is let
// through with a warning, since the buttons check the whole text before
// using it. Keys that edit or move (backspace, delete, arrows, shortcuts)
// type no character and pass quietly.
bool frmProyecto::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const QString text = static_cast<QKeyEvent*>(event)->text();
  if (text.isEmpty()) return false;
  const QChar c = text.at(0);
  const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
  if (digit || c == QLatin1Char('.') || !c.isPrint()) return false;
  ui_.Beep();
  ui_.MessageBox(kBadKey, Buttons::Ok, Icon::Information, 1, kAppTitle);
  return false;
}

void frmProyecto::reject() {
  if (state_.EditorExit == "NoAbandono" &&
      ui_.MessageBox(kLeaveEditor, Buttons::YesNo, Icon::Information, 2, kAppTitle) != Answer::Yes)
    return;
  QDialog::reject();
}

}  // namespace ombrel
