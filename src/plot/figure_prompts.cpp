#include "plot/figure_prompts.h"

#include <charconv>
#include <filesystem>
#include <functional>

#include "adjust/output_names.h"
#include "listing/number_format.h"
#include "listing/output_file.h"
#include "plot/dxf_writer.h"
#include "plot/pair_answer.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

constexpr const char* kDefaultPair = "1,2";

void Refuse(Interaction& ui, const std::string& text = kInvalidCharacters) {
  ui.Beep();
  ui.MessageBox(text, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

// Asks until accept takes the pair; nullopt on an empty answer.
std::optional<std::pair<int, int>> AskPair(
    Interaction& ui, const std::string& prompt,
    const std::function<bool(const std::pair<int, int>&)>& accept) {
  for (;;) {
    const std::string answer = ui.InputBox(prompt, kAppTitle, kDefaultPair);
    if (answer.empty()) return std::nullopt;
    const auto pair = ParsePairAnswer(answer);
    if (pair && accept(*pair)) return pair;
    Refuse(ui);
  }
}

std::string UnknownPairPrompt(FigureKind kind) {
  switch (kind) {
    case FigureKind::Section:
      return JoinLines({"", "1.-  METODO DE LAS SECCIONES ", "      DEL   HIPERELIPSOIDE  .... ",
                        "", "      Elipse de error entre las variables  I,J ", "", ""});
    case FigureKind::AxisProjection:
      return JoinLines({"", "1.-  METODO DE LAS PROYECCIONES ", "      DE LOS EJES DEL H.E. ", "",
                        "      Elipse de correlación entre las variables  I,J ", "", ""});
    default:
      return JoinLines({"", "ROSETA DE ERROR DE LAS VARIABLES  I,J ", "", ""});
  }
}

std::string ShortestText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::optional<std::pair<int, int>> AskRelativePair(const NetworkState& state, Interaction& ui) {
  const std::string prompt = JoinLines({"", "ELIPSE RELATIVA ENTRE LOS VERTICES  I,J ", "", ""});
  return AskPair(ui, prompt, [&](const std::pair<int, int>& p) {
    const int k = EllipseItemOfNumber(state, p.first);
    const int l = EllipseItemOfNumber(state, p.second);
    return k != 0 && l != 0 && k != l;
  });
}

std::optional<std::pair<int, int>> AskUnknownPair(const NetworkState& state, Interaction& ui,
                                                  FigureKind kind) {
  auto pair = AskPair(ui, UnknownPairPrompt(kind), [&](const std::pair<int, int>& p) {
    const auto inRange = [&](int i) { return i >= 1 && i <= state.Figures.Unknowns; };
    return inRange(p.first) && inRange(p.second) && p.first != p.second;
  });
  if (pair && pair->first > pair->second) std::swap(pair->first, pair->second);
  return pair;
}

bool AskEllipseFactor(NetworkState& state, Interaction& ui) {
  const std::string prompt = JoinLines({"Indique el factor de ampliación de las elipses de error.",
                                        "Después necesitará volver a dibujarlas"});
  for (;;) {
    const std::string answer =
        ui.InputBox(prompt, "Escala de las elipses", ShortestText(state.Options.EllipseFactor));
    if (answer.empty()) return false;
    if (IsTypedNumber(answer)) {
      const double factor = NumericValue(answer);
      if (factor > 0.0 && factor <= 1000.0) {
        state.Options.EllipseFactor = factor;
        return true;
      }
    }
    Refuse(ui);
  }
}

std::string AskDxfFileName(const NetworkState& state, Interaction& ui) {
  const std::string prompt = JoinLines(
      {"", "    CREAR FICHERO DXF  ", "", "", "    Indique el nombre del fichero de salida : "});
  for (;;) {
    const std::string name = ui.InputBox(prompt, kAppTitle, kDefaultDxfFile);
    if (name.empty()) return "";
    if (const auto refusal = OutputNameRefusal(state, name)) {
      Refuse(ui, *refusal);
      continue;
    }
    std::error_code error;
    if (!std::filesystem::exists(name, error)) return name;
    if (ui.MessageBox("Fichero ya existe.  ¿ Sobrescribir ? ", Buttons::YesNo, Icon::Information, 2,
                      kAppTitle) == Answer::Yes)
      return name;
  }
}

std::string ExportDxf(const NetworkState& state, Interaction& ui, const FigureSelection& shown) {
  for (;;) {
    const std::string name = AskDxfFileName(state, ui);
    std::string cause;
    if (name.empty() || WriteDxfFile(name, state, shown, &cause)) return name;
    ui.MessageBox(CannotWriteText(name, cause), Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
  }
}

}  // namespace ombrel
