#include "gui/review_dialog.h"

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

#include "gui/command_guard.h"
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

ReviewDialog::ReviewDialog(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui), lists_(state) {
  setWindowTitle(QString::fromUtf8(kReviewCaption));
  tabs_ = Named("tabs", new QTabWidget(this));
  tabs_->addTab(BuildPointsTab(), QStringLiteral("Puntos fijos"));
  tabs_->addTab(BuildWeightsTab(), QStringLiteral("Peso observables"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  ShowNetwork();
}

QWidget* ReviewDialog::BuildPointsTab() {
  auto* tab = new QWidget(this);
  auto* frame = new QGroupBox(QStringLiteral("  Revisión puntos fijos  "), tab);
  pointList_ = Named("pointList", FixedColumnList(frame));
  pointCountLabel_ = Named("pointCountLabel", new QLabel(frame));
  pointKindGroup_ =
      Named("pointKindGroup", new QGroupBox(QStringLiteral("Tipo de vértice"), frame));
  fixedRadio_ =
      Named("fixedRadio", new QRadioButton(QStringLiteral(" Vértice  fijo"), pointKindGroup_));
  variableRadio_ =
      Named("variableRadio", new QRadioButton(QStringLiteral(" Vértice vble"), pointKindGroup_));
  auto* options = new QVBoxLayout(pointKindGroup_);
  options->addWidget(fixedRadio_);
  options->addWidget(variableRadio_);
  pointLabel_ = Named("pointLabel", new QLabel(frame));
  previewPointButton_ = Named("previewPointButton", PlainButton("Previsualizar", frame));
  applyPointsButton_ = Named("applyPointsButton", PlainButton("Modificar ptos fijos", frame));
  cancelPointsButton_ = Named("cancelPointsButton", PlainButton("Cancelar", frame));

  auto* side = new QVBoxLayout;
  side->addWidget(pointLabel_);
  side->addWidget(pointKindGroup_);
  side->addWidget(previewPointButton_);
  side->addStretch();
  side->addWidget(applyPointsButton_);
  side->addWidget(cancelPointsButton_);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(pointList_, 0, 0);
  grid->addLayout(Counter("Número de vértices", pointCountLabel_, frame), 1, 0);
  grid->addLayout(side, 0, 1, 2, 1);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(frame);

  connect(pointList_, &QListWidget::currentRowChanged, this, &ReviewDialog::pickPoint);
  connect(pointList_, &QListWidget::itemClicked, this, &ReviewDialog::pickPoint);
  connect(previewPointButton_, &QPushButton::clicked, this, &ReviewDialog::previewPointKind);
  connect(applyPointsButton_, &QPushButton::clicked, this, &ReviewDialog::applyFixedPoints);
  connect(cancelPointsButton_, &QPushButton::clicked, this, &QDialog::reject);
  return tab;
}

QWidget* ReviewDialog::BuildWeightsTab() {
  auto* tab = new QWidget(this);
  auto* frame = new QGroupBox(QStringLiteral("  Revisión peso observables  "), tab);
  equationList_ = Named("equationList", FixedColumnList(frame));
  equationCountLabel_ = Named("equationCountLabel", new QLabel(frame));
  equationLabel_ = Named("equationLabel", new QLabel(frame));
  equationKindLabel_ = Named("equationKindLabel", new QLabel(frame));
  auto* newWeightLabel = new QLabel(QStringLiteral(" Nuevo  peso :"), frame);
  weightEdit_ = Named("weightEdit", new QLineEdit(frame));
  weightEdit_->setMaxLength(kWeightColumns);
  weightEdit_->installEventFilter(this);
  previewWeightButton_ = Named("previewWeightButton", PlainButton("Previsualizar", frame));
  weightToAllButton_ = Named("weightToAllButton", PlainButton("A todos ....", frame));
  applyWeightsButton_ = Named("applyWeightsButton", PlainButton("Modificar pesos", frame));
  cancelWeightsButton_ = Named("cancelWeightsButton", PlainButton("Cancelar", frame));

  auto* side = new QVBoxLayout;
  side->addWidget(equationLabel_);
  side->addWidget(equationKindLabel_);
  side->addWidget(newWeightLabel);
  side->addWidget(weightEdit_);
  side->addWidget(previewWeightButton_);
  side->addWidget(weightToAllButton_);
  side->addStretch();
  side->addWidget(applyWeightsButton_);
  side->addWidget(cancelWeightsButton_);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(equationList_, 0, 0);
  grid->addLayout(Counter("Número de ecuaciones", equationCountLabel_, frame), 1, 0);
  grid->addLayout(side, 0, 1, 2, 1);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(frame);

  connect(equationList_, &QListWidget::currentRowChanged, this, &ReviewDialog::pickEquation);
  connect(equationList_, &QListWidget::itemClicked, this, &ReviewDialog::pickEquation);
  connect(previewWeightButton_, &QPushButton::clicked, this, &ReviewDialog::previewWeight);
  connect(weightToAllButton_, &QPushButton::clicked, this, &ReviewDialog::previewWeightOfAll);
  connect(applyWeightsButton_, &QPushButton::clicked, this, &ReviewDialog::applyWeights);
  connect(cancelWeightsButton_, &QPushButton::clicked, this, &QDialog::reject);
  return tab;
}

void ReviewDialog::ShowNetwork() {
  ShowLines();
  pointCountLabel_->setText(QString::number(state_.Network.NumPoints));
  equationCountLabel_->setText(QString::number(state_.Network.NumObs));
  EnablePointControls(false);
  EnableWeightControls(false);
}

// The widgets show the lines of the review lists, item for item.
void ReviewDialog::ShowLines() {
  const auto fill = [](QListWidget* list, const std::vector<std::string>& lines) {
    const QSignalBlocker quiet(list);
    const int row = list->currentRow();
    list->clear();
    for (const std::string& line : lines) list->addItem(ToQt(line));
    list->setCurrentRow(row);
  };
  fill(pointList_, lists_.PointList());
  fill(equationList_, lists_.EquationList());
}

void ReviewDialog::EnablePointControls(bool enabled) {
  pointKindGroup_->setEnabled(enabled);
  previewPointButton_->setEnabled(enabled);
}

void ReviewDialog::EnableWeightControls(bool enabled) {
  weightEdit_->setEnabled(enabled);
  previewWeightButton_->setEnabled(enabled);
  weightToAllButton_->setEnabled(enabled);
}

void ReviewDialog::pickPoint() {
  const int k = pointList_->currentRow();
  if (k < 1) return;
  const std::string& line = lists_.PointList()[static_cast<std::size_t>(k)];
  pointLabel_->setText(QStringLiteral("Vértice número") + ToQt(SignedText(lists_.NumberOf(line))) +
                       QStringLiteral(" :"));
  (lists_.IsFixed(k) ? fixedRadio_ : variableRadio_)->setChecked(true);
  EnablePointControls(true);
}

void ReviewDialog::previewPointKind() {
  const int k = pointList_->currentRow();
  if (k < 1) return;
  lists_.SetFixed(k, fixedRadio_->isChecked());
  ShowLines();
  EnablePointControls(false);
  previewed_ = true;
}

void ReviewDialog::applyFixedPoints() {
  if (!RunGuarded(state_, ui_, [this] { lists_.ApplyFixedPoints(state_, ui_); })) return;
  previewed_ = false;
  accept();
}

void ReviewDialog::pickEquation() {
  const int i = equationList_->currentRow();
  if (i < 1) return;
  const std::string& line = lists_.EquationList()[static_cast<std::size_t>(i)];
  equationLabel_->setText(QStringLiteral("Ecuación ") + QString::number(lists_.NumberOf(line)) +
                          QStringLiteral(" :"));
  equationKindLabel_->setText(lists_.IsDistance(i) ? QStringLiteral("de distancia")
                                                   : QStringLiteral("de ángulo"));
  EnableWeightControls(true);
}

bool ReviewDialog::CheckWeight(const std::string& text) {
  if (IsValidNumberText(text)) return true;
  ui_.Beep();
  ui_.MessageBox("¡ Algún carácter no es correcto !", Buttons::Ok, Icon::Information, 1, kAppTitle);
  return false;
}

void ReviewDialog::previewWeight() {
  const int i = equationList_->currentRow();
  const std::string text = FromQt(weightEdit_->text());
  if (i < 1 || !CheckWeight(text)) return;
  lists_.SetWeight(i, text);
  ShowLines();
  EnableWeightControls(false);
  previewed_ = true;
}

void ReviewDialog::previewWeightOfAll() {
  const std::string text = FromQt(weightEdit_->text());
  if (!CheckWeight(text)) return;
  lists_.SetWeightOfAll(text);
  ShowLines();
  previewed_ = true;
}

void ReviewDialog::applyWeights() {
  if (!RunGuarded(state_, ui_, [this] { lists_.ApplyWeights(state_); })) return;
  previewed_ = false;
  accept();
}

void ReviewDialog::done(int result) {
  if (previewed_ && ui_.MessageBox(kLeaveReviewQuestion, Buttons::YesNo, Icon::Information, 2,
                                   kAppTitle) != Answer::Yes)
    return;
  QDialog::done(result);
}

// Digits, the point and backspace are what a weight is made of; anything
// else is pointed out but still typed, and the preview refuses it.
bool ReviewDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == weightEdit_ && event->type() == QEvent::KeyPress) {
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
