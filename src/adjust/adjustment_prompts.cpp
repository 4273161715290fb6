#include "adjust/adjustment_prompts.h"

#include <optional>

#include "adjust/output_names.h"
#include "adjust/twin_listing.h"
#include "listing/number_format.h"
#include "listing/output_file.h"
#include "model/project_file.h"
#include "model/project_labels.h"
#include "model/text_file.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

constexpr const char* kConditionTitle = "Introducción de las ecuaciones de condición";

Answer AskYesNoCancel(Interaction& ui, const std::string& text) {
  return ui.MessageBox(text, Buttons::YesNoCancel, Icon::Information, 2, kAppTitle);
}

void Refuse(Interaction& ui, const std::string& text) {
  ui.Beep();
  ui.MessageBox(text, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

// The count of condition equations, 1..7; 0 to go back to the question.
int AskConditionCount(Interaction& ui) {
  for (;;) {
    const std::string answer =
        ui.InputBox("¿ Cuantas ecuaciones desea añadir ?    ( 1 - 7 ) ", kAppTitle, "1");
    if (answer.empty() || answer[0] == '0') return 0;
    if (IsTypedWholeNumber(answer)) {
      const double count = NumericValue(answer);
      if (count >= 1 && count <= kMaxCondEquations) return static_cast<int>(count);
    }
    Refuse(ui, "¡ Número de ecuaciones no válido !");
  }
}

// One element of a condition equation; nullopt when cancelled. A text that
// is not a number (letters, a decimal comma, a number beyond the range of a
// double) is refused and asked again.
std::optional<double> AskElement(Interaction& ui, const std::string& header,
                                 const std::string& element) {
  const std::string prompt = "\r\n" + header + "\r\n\r\n" + element;
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kConditionTitle, "");
    if (answer.empty()) return std::nullopt;
    if (IsTypedNumber(answer)) return NumericValue(answer);
    Refuse(ui, "¡ Número no válido !");
  }
}

std::string ElementLabel(int row, int column) {
  return "  Elemento   a (" + SignedText(row) + "  ," + SignedText(column) + "  ) .......... ";
}

int PointWithVariableIndex(const NetworkState& s, int j) {
  for (int k = 1; k <= s.Network.NumPoints; ++k)
    if (s.Network.VariableIndex(k) == j) return k;
  return 0;
}

// Asks row r of the condition equations; false as soon as one element is
// cancelled.
bool AskConditionRow(NetworkState& s, Interaction& ui, int r) {
  const int i = s.Network.NumObs + r;
  const int u = s.Network.NumPoints - s.Network.NumFixed;
  const std::string column = "  Columna correxpondiente a la ";
  const auto ask = [&](double& into, const std::string& header, const std::string& element) {
    const std::optional<double> value = AskElement(ui, header, element);
    if (value) into = *value;
    return value.has_value();
  };
  for (int j = 1; j <= u; ++j) {
    const int k = PointWithVariableIndex(s, j);
    const std::string p = SignedText(k ? s.Network.PointNumber(k) : 0);
    if (!ask(s.Equations.CondMatrix(r, 2 * j - 1),
             column + "variable x (" + p + "  ) :", ElementLabel(i, 2 * j - 1)) ||
        !ask(s.Equations.CondMatrix(r, 2 * j),
             column + "variable y (" + p + "  ) :", ElementLabel(i, 2 * j)))
      return false;
  }
  if (s.Equations.ScaleUnknown == 1 &&
      !ask(s.Equations.CondMatrix(r, 2 * u + 1),
           column + "correccion de escala :", ElementLabel(i, 2 * u + 1)))
    return false;
  if (!ask(s.Equations.CondTerms(r), "  Vector de los términos independientes ",
           "  Elemento   k(" + SignedText(i) + " ) .......... "))
    return false;
  s.Equations.K(i) = s.Equations.CondTerms(r);
  s.Network.ObservationNumber(i) = i;
  return ask(s.Network.ObsWeights(2, i), "  Vector de los pesos a priori ",
             "  Elemento   P(" + SignedText(i) + "  ," + SignedText(i) + " ) .......... ");
}

// The listing and, beside it, the second report of the hyperellipsoid
// figures must both be writable outputs, and distinct.
std::optional<std::string> ListingNameRefusal(const NetworkState& s, const std::string& name,
                                              bool withSecondReport) {
  if (auto refusal = OutputNameRefusal(s, name)) return refusal;
  if (!withSecondReport) return std::nullopt;
  const std::string second = SecondReportPath(name);
  if (SameFile(second, name)) return ListingFileRefusal(second);
  return OutputNameRefusal(s, second);
}

}  // namespace

bool AskConditionEquations(NetworkState& s, Interaction& ui) {
  s.Equations.NumCondEq = 0;
  int count = 0;
  while (count == 0) {
    const Answer answer = AskYesNoCancel(ui, "¿ Desea añadir alguna ecuación de condición ?");
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::No) return true;
    count = AskConditionCount(ui);
  }
  s.Equations.NumCondEq = count;
  s.Equations.K.Redim(s.Network.NumObs + count);
  s.Equations.CondMatrix.Redim(count, s.ProjectUnknowns());
  s.Equations.CondTerms.Redim(count);
  // The suffix replaces any left by an earlier run rather than piling up.
  SetLabels(s, ui, s.ProjectLabel, s.PointsLabel,
            EquationsLabelText(s.Network.NumObs) + " + " + SignedText(count));
  for (int r = 1; r <= count; ++r)
    if (!AskConditionRow(s, ui, r)) return false;
  return true;
}

bool AskBaardaShift(NetworkState& s, Interaction& ui) {
  s.Options.BaardaShift = 4.12;
  const std::string prompt =
      HeadingPrompt("    TEST DE BAARDA  ", "    Indique el parámetro de traslación asociado : ");
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, "4.12");
    if (answer.empty()) return false;
    if (IsTypedNumber(answer) && NumericValue(answer) > 0.0) {
      s.Options.BaardaShift = NumericValue(answer);
      return true;
    }
    Refuse(ui, "¡ Algún carácter no es válido !");
  }
}

bool AskThreeMethods(Interaction& ui) {
  const std::string text =
      JoinLines({"", "ELIPSES DE ERROR  ", "", "  1.- Metodo de las secciones del hiperelipsoide ",
                 "  2.- Metodo de las proyecciones del hiperelipsoide ",
                 "  3.- Metodo proyecciones secciones principales ", "",
                 "  ¿ Desea realizar un cálculo por los tres métodos ? "});
  return ui.MessageBox(text, Buttons::YesNo, Icon::Information, 2, kAppTitle) == Answer::Yes;
}

bool AskListingFile(NetworkState& s, Interaction& ui, bool withSecondReport) {
  const std::string prompt =
      HeadingPrompt("    SALIDA RESULTADOS  ", "    Indique el nombre del fichero de salida : ");
  for (;;) {
    const std::string name = ui.InputBox(prompt, kAppTitle, "salida.tmp");
    if (name.empty()) return false;
    if (const auto refusal = ListingNameRefusal(s, name, withSecondReport)) {
      Refuse(ui, *refusal);
      continue;
    }
    s.ListingFileName = name;
    if (!FileExists(name) || ui.MessageBox("Fichero ya existe.  ¿ Sobrescribir ? ", Buttons::YesNo,
                                           Icon::Information, 2, kAppTitle) == Answer::Yes)
      return true;
  }
}

void AskOutputType(NetworkState& s, Interaction& ui) {
  s.Options.OutputTypeChosen = false;
  while (!s.Options.OutputTypeChosen) {
    const OutputType type = ui.ChooseOutputType();
    if (type == OutputType::Closed) continue;
    s.Options.FullOutput = type == OutputType::Full;
    s.Options.OutputTypeChosen = true;
  }
}

void OfferListing(NetworkState& state, Interaction& ui) {
  ui.SetBusy(false);
  ui.Beep();
  const std::string text = JoinLines({"", "  ¡ FIN  DE  LA  COMPENSACION !            ", "",
                                      "  Resultados en el fichero de salida          ", "", "",
                                      "¿ Desea ver ahora el fichero de salida ?"});
  if (ui.MessageBox(text, Buttons::YesNo, Icon::Information, 2, kAppTitle) == Answer::Yes)
    ui.OpenInEditor(state.ListingFileName);
}

}  // namespace ombrel
