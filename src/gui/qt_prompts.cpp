#include "gui/qt_prompts.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "gui/scrolling_prompt.h"

namespace ombrel {

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}
std::string FromQt(const QString& text) {
  return text.toStdString();
}

QString DisplayText(const std::string& text) {
  QString shown = ToQt(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

namespace {

QMessageBox::Icon QtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonChoice {
  const char* caption;
  QMessageBox::ButtonRole role;
  Answer answer;
};

std::vector<ButtonChoice> ButtonSet(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo:
      return {{"Sí", QMessageBox::YesRole, Answer::Yes}, {"No", QMessageBox::NoRole, Answer::No}};
    case Buttons::YesNoCancel:
      return {{"Sí", QMessageBox::YesRole, Answer::Yes},
              {"No", QMessageBox::NoRole, Answer::No},
              {"Cancelar", QMessageBox::RejectRole, Answer::Cancel}};
    case Buttons::SaveDiscardCancel:
      return {{"Guardar", QMessageBox::AcceptRole, Answer::Yes},
              {"Descartar", QMessageBox::DestructiveRole, Answer::No},
              {"Cancelar", QMessageBox::RejectRole, Answer::Cancel}};
    case Buttons::Ok:
      break;
  }
  return {{"Aceptar", QMessageBox::AcceptRole, Answer::Ok}};
}

// What closing the box with Escape or the title bar means.
Answer EscapeAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo:
      return Answer::No;
    case Buttons::YesNoCancel:
    case Buttons::SaveDiscardCancel:
      return Answer::Cancel;
    case Buttons::Ok:
      break;
  }
  return Answer::Ok;
}

}  // namespace

namespace {

Answer ShowScrollingMessage(QWidget* parent, const QString& text, Buttons buttons, int defaultIndex,
                            const std::string& title) {
  const std::vector<ButtonChoice> choices = ButtonSet(buttons);
  std::vector<QString> captions;
  int cancelIndex = 0;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    captions.push_back(ToQt(choices[i].caption));
    if (choices[i].answer == EscapeAnswer(buttons)) cancelIndex = static_cast<int>(i);
  }
  ScrollingPrompt box(parent, ToQt(title), text, captions, defaultIndex, cancelIndex, false);
  box.exec();
  return choices[static_cast<std::size_t>(box.Pressed())].answer;
}

}  // namespace

Answer ShowMessageBox(QWidget* parent, const std::string& text, Buttons buttons, Icon icon,
                      int defaultButton, const std::string& title) {
  const QString shown = DisplayText(text);
  const int buttonCount = static_cast<int>(ButtonSet(buttons).size());
  const int defaultIndex =
      defaultButton >= 1 && defaultButton <= buttonCount ? defaultButton - 1 : 0;
  if (TallerThanScreen(shown, parent))
    return ShowScrollingMessage(parent, shown, buttons, defaultIndex, title);
  QMessageBox box(parent);
  box.setWindowTitle(ToQt(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(shown);
  box.setIcon(QtIcon(icon));
  const std::vector<ButtonChoice> choices = ButtonSet(buttons);
  std::vector<QPushButton*> pushed;
  for (const ButtonChoice& choice : choices)
    pushed.push_back(box.addButton(ToQt(choice.caption), choice.role));
  box.setDefaultButton(pushed[static_cast<std::size_t>(defaultIndex)]);
  if (buttons == Buttons::YesNo) box.setEscapeButton(pushed[1]);
  box.exec();
  for (std::size_t i = 0; i < pushed.size(); ++i)
    if (box.clickedButton() == pushed[i]) return choices[i].answer;
  return EscapeAnswer(buttons);
}

bool ShowInputBox(QWidget* parent, const std::string& prompt, const std::string& title,
                  const std::string& defaultText, std::string& answer) {
  const QString shown = DisplayText(prompt);
  if (TallerThanScreen(shown, parent)) {
    ScrollingPrompt box(parent, ToQt(title), shown,
                        {QStringLiteral("Aceptar"), QStringLiteral("Cancelar")}, 0, 1, true,
                        ToQt(defaultText));
    if (box.exec() != QDialog::Accepted) return false;
    answer = FromQt(box.FieldText());
    return true;
  }
  QInputDialog box(parent);
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(ToQt(title));
  box.setLabelText(shown);
  box.setTextValue(ToQt(defaultText));
  box.setOkButtonText(QStringLiteral("Aceptar"));
  box.setCancelButtonText(QStringLiteral("Cancelar"));
  if (box.exec() != QDialog::Accepted) return false;
  answer = FromQt(box.textValue());
  return true;
}

}  // namespace ombrel
