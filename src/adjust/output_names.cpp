#include "adjust/output_names.h"

#include "listing/output_file.h"

namespace ombrel {

std::vector<std::string> RunInputFiles(const NetworkState& s) {
  std::vector<std::string> files;
  if (s.Import.MatrixInput) {
    files = {s.Import.ImportFileA, s.Import.ImportFileK, s.Import.ImportFileP};
    if (s.Import.ImportWithE) files.push_back(s.Import.ImportFileE);
  } else if (s.ProjectName != kUntitled) {
    files.push_back(s.ProjectName);
  }
  if (!s.CriterionFileName.empty()) files.push_back(s.CriterionFileName);
  files.insert(files.end(), s.FrontEndInputFiles.begin(), s.FrontEndInputFiles.end());
  return files;
}

std::optional<std::string> InputFileRefusal(const std::vector<std::string>& inputs,
                                            const std::string& name) {
  for (const std::string& input : inputs)
    if (!input.empty() && SameFile(name, input))
      return "¡ El fichero " + name +
             " es uno de los datos del cálculo y no se puede sobrescribir !";
  return std::nullopt;
}

std::optional<std::string> InputFileRefusal(const NetworkState& state, const std::string& name) {
  return InputFileRefusal(RunInputFiles(state), name);
}

std::string ListingFileRefusal(const std::string& name) {
  return "¡ El fichero " + name + " es el fichero de salida del cálculo !";
}

std::optional<std::string> OutputNameRefusal(const NetworkState& state, const std::string& name) {
  if (auto refusal = InputFileRefusal(state, name)) return refusal;
  if (const auto cause = OutputFileProblem(name)) return CannotWriteText(name, *cause);
  return std::nullopt;
}

std::optional<std::string> LateOutputRefusal(const NetworkState& state, const std::string& name) {
  if (auto refusal = InputFileRefusal(state, name)) return refusal;
  if (!state.ListingFileName.empty() && SameFile(name, state.ListingFileName))
    return ListingFileRefusal(name);
  return std::nullopt;
}

}  // namespace ombrel
