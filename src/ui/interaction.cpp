#include "ui/interaction.h"

namespace ombrel {

void Interaction::ReportProgress(const Progress&) {}

const char* CommandName(Command command) {
  switch (command) {
    case Command::MenuReview:
      return "reviewMenu";
    case Command::MenuView:
      return "viewMenu";
    case Command::MenuAdjust:
      return "adjustMenu";
    case Command::MenuDesign:
      return "designMenu";
    case Command::AdjustInverse:
      return "adjustInverse";
    case Command::AdjustConstraints:
      return "adjustConstraints";
    case Command::AdjustPseudo:
      return "adjustPseudoinverse";
  }
  return "?";
}

const char* ButtonsName(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return "Aceptar";
    case Buttons::YesNo:
      return "Sí/No";
    case Buttons::YesNoCancel:
      return "Sí/No/Cancelar";
    case Buttons::SaveDiscardCancel:
      return "Guardar/Descartar/Cancelar";
  }
  return "?";
}

const char* IconName(Icon icon) {
  switch (icon) {
    case Icon::None:
      return "ninguno";
    case Icon::Information:
      return "información";
    case Icon::Exclamation:
      return "exclamación";
  }
  return "?";
}

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "Aceptar";
    case Answer::Yes:
      return "Sí";
    case Answer::No:
      return "No";
    case Answer::Cancel:
      return "Cancelar";
  }
  return "?";
}

}  // namespace ombrel
