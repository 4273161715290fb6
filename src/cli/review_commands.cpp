#include "cli/review_commands.h"

#include <algorithm>
#include <ostream>

#include "adjust/blunder_command.h"
#include "adjust/network_check_command.h"
#include "adjust/open_project_command.h"
#include "adjust/project_export_command.h"
#include "cli/adjust_command.h"
#include "cli/cli_app.h"
#include "cli/command_outcome_status.h"
#include "listing/output_file.h"
#include "ui/terminal_interaction.h"

namespace ombrel {
namespace {

// Removes "--name VALUE" from args into value; false when the value is missing.
bool TakeValue(std::vector<std::string>& args, const std::string& name, std::string& value) {
  const auto at = std::find(args.begin(), args.end(), name);
  if (at == args.end()) return true;
  if (at + 1 == args.end()) return false;
  value = *(at + 1);
  args.erase(at, at + 2);
  return true;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
  const auto at = std::find(args.begin(), args.end(), name);
  if (at == args.end()) return false;
  args.erase(at);
  return true;
}

// "--proyecto F" as the only network; false on a usage error.
bool TakeProject(std::vector<std::string>& args, std::string& project) {
  NetworkSource source;
  std::vector<std::string> rest;
  if (!ParseNetworkSource(args, 0, source, rest) || source.project.empty() || !rest.empty())
    return false;
  project = source.project;
  return true;
}

int Usage(std::ostream& err) {
  err << kUsage;
  return kExitUsage;
}

}  // namespace

int RunBlunderCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                      std::ostream& err, Terminals terminals) {
  return RunOnNetwork(
      std::move(args), in, out, err, terminals, [](std::vector<std::string>&) { return true; },
      [](NetworkState& state, Interaction& ui) { return FindBlundersCommand(state, ui); });
}

int RunCheckCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                    std::ostream& err) {
  std::string method = "inversa", project;
  CheckSettings settings;
  settings.scaleUnknown = TakeFlag(args, "--escala");
  if (!TakeValue(args, "--metodo", method) || !TakeProject(args, project)) return Usage(err);
  if (method == "e")
    settings.method = AdjustmentMethod::Constraints;
  else if (method == "pseudo")
    settings.method = AdjustmentMethod::Pseudoinverse;
  else if (method != "inversa")
    return Usage(err);
  if (settings.scaleUnknown && settings.method != AdjustmentMethod::Inverse) {
    err << "La opción --escala es de la compensación con matriz inversa.\n";
    return kExitUsage;
  }
  NetworkState state;
  TerminalInteraction ui(in, out, err);
  if (!LoadProjectFile(state, ui, project)) return kExitStopped;
  out << ToTerminalText(FindingsReport(CheckActiveNetwork(state, settings), settings)) << '\n';
  return kExitOk;
}

int RunExportCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                     std::ostream& err) {
  std::string xml, project;
  if (!TakeValue(args, "--xml", xml) || xml.empty() || !TakeProject(args, project))
    return Usage(err);
  NetworkState state;
  ComputeOptions none;
  NetworkSource source;
  source.project = project;
  if (!CheckOutputOptions(state, none, source, {xml}, err)) return kExitUsage;
  TerminalInteraction ui(in, out, err);
  if (!LoadProjectFile(state, ui, project)) return kExitStopped;
  if (const auto cause = WriteProjectXml(state, xml)) {
    err << CannotWriteText(xml, *cause) << '\n';
    return kExitStopped;
  }
  return kExitOk;
}

}  // namespace ombrel
