#include "gui/qt_prompts.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

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

Answer ShowMessageBox(QWidget* parent, const std::string& text, Buttons buttons, Icon icon,
                      int defaultButton, const std::string& title) {
  QMessageBox box(parent);
  box.setWindowTitle(ToQt(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(DisplayText(text));
  box.setIcon(QtIcon(icon));
  const std::vector<ButtonChoice> choices = ButtonSet(buttons);
  std::vector<QPushButton*> pushed;
  for (const ButtonChoice& choice : choices)
    pushed.push_back(box.addButton(ToQt(choice.caption), choice.role));
  const int index = defaultButton >= 1 && defaultButton <= static_cast<int>(pushed.size())
                        ? defaultButton - 1
                        : 0;
  box.setDefaultButton(pushed[static_cast<std::size_t>(index)]);
  if (buttons == Buttons::YesNo) box.setEscapeButton(pushed[1]);
  box.exec();
  for (std::size_t i = 0; i < pushed.size(); ++i)
    if (box.clickedButton() == pushed[i]) return choices[i].answer;
  return EscapeAnswer(buttons);
}

bool ShowInputBox(QWidget* parent, const std::string& prompt, const std::string& title,
                  const std::string& defaultText, std::string& answer) {
  QInputDialog box(parent);
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(ToQt(title));
  box.setLabelText(DisplayText(prompt));
  box.setTextValue(ToQt(defaultText));
  box.setOkButtonText(QStringLiteral("Aceptar"));
  box.setCancelButtonText(QStringLiteral("Cancelar"));
  if (box.exec() != QDialog::Accepted) return false;
  answer = FromQt(box.textValue());
  return true;
}

}  // namespace ombrel
