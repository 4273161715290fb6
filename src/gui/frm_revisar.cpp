#include "gui/frm_revisar.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/dialog_widgets.h"
#include "gui/qt_prompts.h"
#include "model/project_labels.h"
#include "model/project_lists.h"

namespace ombrel {
namespace {

constexpr int kWeightColumns = 12;

QListWidget* FixedColumnList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setFont(FixedColumnFont());
  list->setMinimumWidth(420);
  return list;
}

// A caption label with the counter label beside it.
QHBoxLayout* Counter(const char* caption, QLabel* value, QWidget* parent) {
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QString::fromUtf8(caption), parent));
  row->addWidget(value);
  row->addStretch();
  return row;
}

}  // namespace

frmRevisar::frmRevisar(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui), lists_(state) {
  setWindowTitle(QString::fromUtf8(kReviewCaption));
  SSTab1 = new QTabWidget(this);
  SSTab1->addTab(BuildPointsTab(), QStringLiteral("Puntos fijos"));
  SSTab1->addTab(BuildWeightsTab(), QStringLiteral("Peso observables"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SSTab1);
  Form_Load();
}

QWidget* frmRevisar::BuildPointsTab() {
  auto* tab = new QWidget(this);
  auto* frame = new QGroupBox(QStringLiteral("  Revisión puntos fijos  "), tab);
  List1 = FixedColumnList(frame);
  Label2 = new QLabel(frame);
  Frame2 = new QGroupBox(QStringLiteral("Tipo de vértice"), frame);
  Option1 = new QRadioButton(QStringLiteral(" Vértice  fijo"), Frame2);
  Option2 = new QRadioButton(QStringLiteral(" Vértice vble"), Frame2);
  auto* options = new QVBoxLayout(Frame2);
  options->addWidget(Option1);
  options->addWidget(Option2);
  Label5 = new QLabel(frame);
  Command3 = PlainButton("Previsualizar", frame);
  Command1 = PlainButton("Modificar ptos fijos", frame);
  Command4 = PlainButton("Cancelar", frame);

  auto* side = new QVBoxLayout;
  side->addWidget(Label5);
  side->addWidget(Frame2);
  side->addWidget(Command3);
  side->addStretch();
  side->addWidget(Command1);
  side->addWidget(Command4);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(List1, 0, 0);
  grid->addLayout(Counter("Número de vértices", Label2, frame), 1, 0);
  grid->addLayout(side, 0, 1, 2, 1);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(frame);

  connect(List1, &QListWidget::currentRowChanged, this, &frmRevisar::List1_Click);
  connect(List1, &QListWidget::itemClicked, this, &frmRevisar::List1_Click);
  connect(Command3, &QPushButton::clicked, this, &frmRevisar::Command3_Click);
  connect(Command1, &QPushButton::clicked, this, &frmRevisar::Command1_Click);
  connect(Command4, &QPushButton::clicked, this, &QDialog::reject);
  return tab;
}

QWidget* frmRevisar::BuildWeightsTab() {
  auto* tab = new QWidget(this);
  auto* frame = new QGroupBox(QStringLiteral("  Revisión peso observables  "), tab);
  List2 = FixedColumnList(frame);
  Label4 = new QLabel(frame);
  Label7 = new QLabel(frame);
  Label8 = new QLabel(frame);
  Label9 = new QLabel(QStringLiteral(" Nuevo  peso :"), frame);
  Text1 = new QLineEdit(frame);
  Text1->setMaxLength(kWeightColumns);
  Text1->installEventFilter(this);
  Command6 = PlainButton("Previsualizar", frame);
  Command7 = PlainButton("A todos ....", frame);
  Command2 = PlainButton("Modificar pesos", frame);
  Command5 = PlainButton("Cancelar", frame);

  auto* side = new QVBoxLayout;
  side->addWidget(Label7);
  side->addWidget(Label8);
  side->addWidget(Label9);
  side->addWidget(Text1);
  side->addWidget(Command6);
  side->addWidget(Command7);
  side->addStretch();
  side->addWidget(Command2);
  side->addWidget(Command5);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(List2, 0, 0);
  grid->addLayout(Counter("Número de ecuaciones", Label4, frame), 1, 0);
  grid->addLayout(side, 0, 1, 2, 1);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(frame);

  connect(List2, &QListWidget::currentRowChanged, this, &frmRevisar::List2_Click);
  connect(List2, &QListWidget::itemClicked, this, &frmRevisar::List2_Click);
  connect(Command6, &QPushButton::clicked, this, &frmRevisar::Command6_Click);
  connect(Command7, &QPushButton::clicked, this, &frmRevisar::Command7_Click);
  connect(Command2, &QPushButton::clicked, this, &frmRevisar::Command2_Click);
  connect(Command5, &QPushButton::clicked, this, &QDialog::reject);
  return tab;
}

void frmRevisar::Form_Load() {
  ShowLines();
  Label2->setText(QString::number(state_.NumPoints));
  Label4->setText(QString::number(state_.NumObs));
  EnablePointControls(false);
  EnableWeightControls(false);
}

// The widgets show the lines of the review lists, item for item.
void frmRevisar::ShowLines() {
  const auto fill = [](QListWidget* list, const std::vector<std::string>& lines) {
    const QSignalBlocker quiet(list);
    const int row = list->currentRow();
    list->clear();
    for (const std::string& line : lines) list->addItem(ToQt(line));
    list->setCurrentRow(row);
  };
  fill(List1, lists_.PointList());
  fill(List2, lists_.EquationList());
}

void frmRevisar::EnablePointControls(bool enabled) {
  Frame2->setEnabled(enabled);
  Command3->setEnabled(enabled);
}

void frmRevisar::EnableWeightControls(bool enabled) {
  Text1->setEnabled(enabled);
  Command6->setEnabled(enabled);
  Command7->setEnabled(enabled);
}

void frmRevisar::List1_Click() {
  const int k = List1->currentRow();
  if (k < 1) return;
  const std::string& line = lists_.PointList()[static_cast<std::size_t>(k)];
  Label5->setText(QStringLiteral("Vértice número") + ToQt(SignedText(lists_.NumberOf(line))) +
                  QStringLiteral(" :"));
  (lists_.IsFixed(k) ? Option1 : Option2)->setChecked(true);
  EnablePointControls(true);
}

void frmRevisar::Command3_Click() {
  const int k = List1->currentRow();
  if (k < 1) return;
  lists_.SetFixed(k, Option1->isChecked());
  ShowLines();
  EnablePointControls(false);
  state_.EditorExit = "NoAbandono";
}

void frmRevisar::Command1_Click() {
  lists_.ApplyFixedPoints(state_, ui_);
  state_.EditorExit = "Abandonar";
  accept();
}

void frmRevisar::List2_Click() {
  const int i = List2->currentRow();
  if (i < 1) return;
  const std::string& line = lists_.EquationList()[static_cast<std::size_t>(i)];
  Label7->setText(QStringLiteral("Ecuación ") + QString::number(lists_.NumberOf(line)) +
                  QStringLiteral(" :"));
  Label8->setText(lists_.IsDistance(i) ? QStringLiteral("de distancia")
                                       : QStringLiteral("de ángulo"));
  EnableWeightControls(true);
}

bool frmRevisar::CheckWeight(const std::string& text) {
  if (IsValidNumberText(text)) return true;
  ui_.Beep();
  ui_.MessageBox("¡ Algún carácter no es correcto !", Buttons::Ok, Icon::Information, 1, kAppTitle);
  return false;
}

void frmRevisar::Command6_Click() {
  const int i = List2->currentRow();
  const std::string text = FromQt(Text1->text());
  if (i < 1 || !CheckWeight(text)) return;
  lists_.SetWeight(i, text);
  ShowLines();
  EnableWeightControls(false);
  state_.EditorExit = "NoAbandono";
}

// Like a preview of every line, so it too must be applied or confirmed lost.
void frmRevisar::Command7_Click() {
  const std::string text = FromQt(Text1->text());
  if (!CheckWeight(text)) return;
  lists_.SetWeightOfAll(text);
  ShowLines();
  state_.EditorExit = "NoAbandono";
}

void frmRevisar::Command2_Click() {
  lists_.ApplyWeights(state_);
  state_.EditorExit = "Abandonar";
  accept();
}

void frmRevisar::done(int result) {
  if (state_.EditorExit == "NoAbandono" &&
      ui_.MessageBox(kLeaveReviewQuestion, Buttons::YesNo, Icon::Information, 2, kAppTitle) !=
          Answer::Yes)
    return;
  QDialog::done(result);
}

// Digits, the point and backspace are what a weight is made of; anything
// else is pointed out but still typed, and the preview refuses it.
bool frmRevisar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool allowed =
        key->key() == Qt::Key_Backspace || text.isEmpty() ||
        (text.size() == 1 && ((text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) ||
                              text[0] == QLatin1Char('.')));
    if (!allowed) {
      ui_.Beep();
      ui_.MessageBox("¡ Carácter no válido !", Buttons::Ok, Icon::Information, 1, kAppTitle);
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ombrel
