#include "adjust/run_time_message.h"

namespace ombrel {

std::string CalculationErrorMessage(const RunTimeError& error) {
  std::string cause;
  if (const auto* fault = dynamic_cast<const ArithmeticFault*>(&error)) {
    switch (fault->kind()) {
      case ArithmeticFault::Kind::DivisionByZero:
        cause = "División por cero.";
        break;
      case ArithmeticFault::Kind::InvalidOperation:
        cause = "Operación no válida.";
        break;
      case ArithmeticFault::Kind::Overflow:
        cause = "Desbordamiento.";
        break;
    }
  } else if (dynamic_cast<const SubscriptOutOfRange*>(&error)) {
    cause = "Subíndice fuera del intervalo.";
  } else {
    cause = error.what();  // file errors carry their own description
  }
  return "¡ Se ha producido un error en el cálculo !\r\n\r\n" + cause;
}

void ReportRunTimeError(NetworkState& state, Interaction& ui, const RunTimeError& error) {
  if (dynamic_cast<const SingularMatrix*>(&error)) {
    state.MessageText = "Matriz singular";
    ui.MessageBox(state.MessageText, Buttons::Ok, Icon::None, 1, kAppTitle);
  } else {
    state.MessageText = CalculationErrorMessage(error);
    ui.MessageBox(state.MessageText, Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
  }
  state.Abandon = true;
}

void ReportStopped(NetworkState& state, Interaction& ui) {
  state.MessageText = kStoppedMessage;
  ui.MessageBox(state.MessageText, Buttons::Ok, Icon::Information, 1, kAppTitle);
  state.Abandon = true;
}

}  // namespace ombrel
