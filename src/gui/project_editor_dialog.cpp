#include "gui/project_editor_dialog.h"

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
#include "gui/number_choices.h"
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

ProjectEditorDialog::ProjectEditorDialog(NetworkState& state, Interaction& ui, ProjectLists lists,
                                         QWidget* parent)
    : QDialog(parent),
      state_(state),
      ui_(ui),
      lists_(std::move(lists)),
      savedLines_(lists_.FileList()) {
  tabs_ = Named("tabs", new QTabWidget(this));
  tabs_->addTab(BuildVerticesTab(), QStringLiteral("Vértices"));
  tabs_->addTab(BuildObservablesTab(), QStringLiteral("Observables"));
  tabs_->addTab(BuildSaveTab(), QStringLiteral("Salvar y salir"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  resize(820, 480);
  ShowProject();
  Connect();
}

QWidget* ProjectEditorDialog::BuildVerticesTab() {
  auto* tab = new QWidget;
  vertexList_ = Named("vertexList", NewList(tab));
  vertexCountLabel_ = Named("vertexCountLabel", new QLabel(tab));
  removeVertexButton_ =
      Named("removeVertexButton", PlainButton("Eliminar vértice y observables asociados", tab));

  auto* frame = new QGroupBox(QStringLiteral("     Vértice    "), tab);
  xEdit_ = Named("xEdit", NewValueBox(frame));
  yEdit_ = Named("yEdit", NewValueBox(frame));
  vertexCombo_ = Named("vertexCombo", new QComboBox(frame));
  orderCombo_ = Named("orderCombo", new QComboBox(frame));
  fixedCheck_ = Named("fixedCheck", new QCheckBox(QStringLiteral("Punto Fijo"), frame));
  addVertexButton_ = Named("addVertexButton", PlainButton("Añadir", frame));
  modifyVertexButton_ = Named("modifyVertexButton", PlainButton("Modificar", frame));
  auto* fields = new QGridLayout(frame);
  const int checkRow = AddFields(fields, {{"X ( metros )", xEdit_},
                                          {"Y ( metros )", yEdit_},
                                          {"Vértice", vertexCombo_},
                                          {"Ordenación del vector x", orderCombo_}});
  fields->addWidget(fixedCheck_, checkRow, 0, 1, 2);
  fields->addWidget(addVertexButton_, checkRow + 1, 0);
  fields->addWidget(modifyVertexButton_, checkRow + 1, 1);

  auto* count = new QHBoxLayout;
  count->addWidget(NewLabel("Número de vértices", tab));
  count->addWidget(vertexCountLabel_);
  count->addStretch();
  auto* side = new QVBoxLayout;
  side->addWidget(frame);
  side->addLayout(count);
  side->addWidget(removeVertexButton_);
  side->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addWidget(vertexList_, 1);
  layout->addLayout(side);
  return tab;
}

QWidget* ProjectEditorDialog::BuildObservablesTab() {
  auto* tab = new QWidget;
  observationList_ = Named("observationList", NewList(tab));
  equationCountLabel_ = Named("equationCountLabel", new QLabel(tab));
  removeObservationButton_ =
      Named("removeObservationButton", PlainButton("Eliminar observable", tab));
  observationTabs_ = Named("observationTabs", new QTabWidget(tab));
  observationTabs_->addTab(BuildAngleTab(), QStringLiteral("Nuevo ángulo"));
  observationTabs_->addTab(BuildDistanceTab(), QStringLiteral("Nueva distancia"));

  auto* count = new QHBoxLayout;
  count->addWidget(NewLabel("Número de ecuaciones", tab));
  count->addWidget(equationCountLabel_);
  count->addStretch();
  auto* side = new QVBoxLayout;
  side->addWidget(observationTabs_);
  side->addLayout(count);
  side->addWidget(removeObservationButton_);
  side->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addWidget(observationList_, 1);
  layout->addLayout(side);
  return tab;
}

QWidget* ProjectEditorDialog::BuildAngleTab() {
  auto* tab = new QWidget;
  angleEquationCombo_ = Named("angleEquationCombo", new QComboBox(tab));
  backsightCombo_ = Named("backsightCombo", new QComboBox(tab));
  stationCombo_ = Named("stationCombo", new QComboBox(tab));
  foresightCombo_ = Named("foresightCombo", new QComboBox(tab));
  angleEdit_ = Named("angleEdit", NewValueBox(tab));
  angleWeightEdit_ = Named("angleWeightEdit", NewValueBox(tab));
  addAngleButton_ = Named("addAngleButton", PlainButton("Añadir", tab));
  angleWeightToAllButton_ = Named("angleWeightToAllButton", PlainButton("A todos ....", tab));
  auto* layout = new QGridLayout(tab);
  const int addRow = AddFields(layout, {{"Ecuacion", angleEquationCombo_},
                                        {"Pto inicial", backsightCombo_},
                                        {"Estación", stationCombo_},
                                        {"Pto final", foresightCombo_},
                                        {"Angulo ( cent )", angleEdit_},
                                        {"Peso", angleWeightEdit_}});
  layout->addWidget(angleWeightToAllButton_, addRow - 1, 2);  // beside the weight
  layout->addWidget(addAngleButton_, addRow, 1);
  return tab;
}

QWidget* ProjectEditorDialog::BuildDistanceTab() {
  auto* tab = new QWidget;
  distanceEquationCombo_ = Named("distanceEquationCombo", new QComboBox(tab));
  distanceFromCombo_ = Named("distanceFromCombo", new QComboBox(tab));
  distanceToCombo_ = Named("distanceToCombo", new QComboBox(tab));
  distanceEdit_ = Named("distanceEdit", NewValueBox(tab));
  distanceWeightEdit_ = Named("distanceWeightEdit", NewValueBox(tab));
  addDistanceButton_ = Named("addDistanceButton", PlainButton("Añadir", tab));
  distanceWeightToAllButton_ = Named("distanceWeightToAllButton", PlainButton("A todas ....", tab));
  auto* layout = new QGridLayout(tab);
  const int addRow = AddFields(layout, {{"Ecuacion", distanceEquationCombo_},
                                        {"Pto inicial", distanceFromCombo_},
                                        {"Pto final", distanceToCombo_},
                                        {"Distancia ( mts )", distanceEdit_},
                                        {"Peso", distanceWeightEdit_}});
  layout->addWidget(distanceWeightToAllButton_, addRow - 1, 2);  // beside the weight
  layout->addWidget(addDistanceButton_, addRow, 1);
  layout->setRowStretch(addRow + 1, 1);
  return tab;
}

QWidget* ProjectEditorDialog::BuildSaveTab() {
  auto* tab = new QWidget;
  fileList_ = Named("fileList", NewList(tab));
  auto* frame = new QGroupBox(QStringLiteral("Salvar proyecto / Salir del menú "), tab);
  fileNameEdit_ = Named("fileNameEdit", new QLineEdit(frame));
  saveButton_ = Named("saveButton", PlainButton("Salvar y salir", frame));
  auto* fields = new QVBoxLayout(frame);
  fields->addWidget(NewLabel("Nombre y extensión:", frame));
  fields->addWidget(fileNameEdit_);
  fields->addWidget(saveButton_);
  cancelButton_ = Named("cancelButton", PlainButton("CANCELAR", tab));
  auto* side = new QVBoxLayout;
  side->addWidget(frame);
  side->addWidget(cancelButton_);
  side->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addWidget(fileList_, 1);
  layout->addLayout(side);
  return tab;
}

void ProjectEditorDialog::Connect() {
  ConnectVertexFields();
  ConnectObservationFields();
  for (QLineEdit* box :
       {xEdit_, yEdit_, angleEdit_, distanceEdit_, angleWeightEdit_, distanceWeightEdit_})
    box->installEventFilter(this);
  connect(fileNameEdit_, &QLineEdit::textChanged, this,
          [this] { saveButton_->setEnabled(!fileNameEdit_->text().isEmpty()); });
  connect(saveButton_, &QPushButton::clicked, this, &ProjectEditorDialog::saveAndClose);
  connect(cancelButton_, &QPushButton::clicked, this, &ProjectEditorDialog::reject);
}

void ProjectEditorDialog::ShowProject() {
  setWindowTitle(ToQt(" Ombrel  " + state_.SelectedFile));
  FillChoices();
  if (state_.SelectedFile != kUntitled) fileNameEdit_->setText(ToQt(state_.SelectedFile));
  // The numbers an opened project already uses are no longer free for new
  // vertices and observations.
  for (int k = 1; k <= lists_.NumPoints(); ++k) {
    const std::string vertex =
        ReadPointLine(lists_.PointList()[static_cast<std::size_t>(k)]).vertex;
    RemoveNumberChoice(vertexCombo_, vertex);
    for (QComboBox* box :
         {backsightCombo_, stationCombo_, foresightCombo_, distanceFromCombo_, distanceToCombo_})
      AddNumberChoice(box, vertex);
  }
  for (int j = 1; j <= lists_.NumObs(); ++j) {
    const std::string equation =
        EquationItemOf(lists_.ObservationList()[static_cast<std::size_t>(j)]);
    RemoveNumberChoice(distanceEquationCombo_, equation);
    RemoveNumberChoice(angleEquationCombo_, equation);
  }
  ShowLists(true);
  ShowCounts();
  for (QPushButton* button : {removeVertexButton_, addVertexButton_, modifyVertexButton_,
                              removeObservationButton_, addAngleButton_, addDistanceButton_})
    button->setEnabled(false);
  saveButton_->setEnabled(!fileNameEdit_->text().isEmpty());
}

void ProjectEditorDialog::FillChoices() {
  FillNumberChoices(vertexCombo_, kMaxProjectPoints);
  FillNumberChoices(orderCombo_, kMaxProjectPoints);
  FillNumberChoices(distanceEquationCombo_, kMaxProjectObservations);
  FillNumberChoices(angleEquationCombo_, kMaxProjectObservations);
  for (QComboBox* box : findChildren<QComboBox*>()) AcceptTypedNumbers(box);
}

void ProjectEditorDialog::ShowLists(bool points) {
  if (points) {
    ShowLines(vertexList_, lists_.PointList());
    removeVertexButton_->setEnabled(false);
  }
  ShowLines(observationList_, lists_.ObservationList());
  ShowLines(fileList_, lists_.FileList());
  removeObservationButton_->setEnabled(false);
}

void ProjectEditorDialog::ShowCounts() {
  vertexCountLabel_->setText(QString::number(lists_.NumPoints()));
  equationCountLabel_->setText(QString::number(lists_.NumObs()));
}

bool ProjectEditorDialog::Accepts(std::initializer_list<const QLineEdit*> fields) {
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
bool ProjectEditorDialog::eventFilter(QObject* watched, QEvent* event) {
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

bool ProjectEditorDialog::Allows(const std::string& fault) {
  if (fault.empty()) return true;
  ui_.Beep();
  ui_.MessageBox(fault, Buttons::Ok, Icon::Information, 1, kAppTitle);
  return false;
}

void ProjectEditorDialog::reject() {
  if (!saved_) {
    if (lists_.FileList() != savedLines_) {
      if (!OfferToSave()) return;
    } else if (ui_.MessageBox(kLeaveEditor, Buttons::YesNo, Icon::Information, 2, kAppTitle) !=
               Answer::Yes) {
      return;
    }
  }
  QDialog::reject();
}

// "Guardar" saves as "Salvar y salir" does, which closes the dialog itself;
// without a name it shows where to give one.
bool ProjectEditorDialog::OfferToSave() {
  const Answer answer =
      ui_.MessageBox(kUnsavedProject, Buttons::SaveDiscardCancel, Icon::Exclamation, 1, kAppTitle);
  if (answer == Answer::No) return true;
  if (answer != Answer::Yes) return false;
  if (fileNameEdit_->text().isEmpty()) {
    tabs_->setCurrentIndex(2);
    fileNameEdit_->setFocus();
    ui_.MessageBox(kNameTheProject, Buttons::Ok, Icon::Information, 1, kAppTitle);
    return false;
  }
  saveAndClose();
  return false;
}

}  // namespace ombrel
