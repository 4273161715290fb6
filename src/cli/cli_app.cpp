#include "cli/cli_app.h"

#include <ostream>

#include "cli/adjust_command.h"
#include "cli/design_command.h"
#include "cli/load_command.h"
#include "cli/review_commands.h"
#include "ui/terminal_interaction.h"

namespace ombrel {
namespace {

int Load(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
         std::ostream& err) {
  NetworkSource source;
  std::vector<std::string> rest;
  if (!ParseNetworkSource(args, 1, source, rest) || !rest.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  NetworkState state;
  TerminalInteraction ui(in, out, err);
  if (!LoadNetwork(state, ui, source)) return kExitStopped;
  out << ToTerminalText(state.ProjectLabel) << '\n'
      << ToTerminalText(state.PointsLabel) << '\n'
      << ToTerminalText(state.EquationsLabel) << '\n';
  return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, Terminals terminals) {
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "ayuda") {
    out << kUsage;
    return kExitOk;
  }
  if (args[0] == "cargar") return Load(args, in, out, err);
  if (args[0] == "compensar")
    return RunAdjustCommand({args.begin() + 1, args.end()}, in, out, err, terminals);
  if (args[0] == "diseno")
    return RunDesignCommand({args.begin() + 1, args.end()}, in, out, err, terminals);
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "errores") return RunBlunderCommand(rest, in, out, err, terminals);
  if (args[0] == "comprobar") return RunCheckCommand(rest, in, out, err);
  if (args[0] == "exportar") return RunExportCommand(rest, in, out, err);
  err << "orden desconocida: " << args[0] << '\n' << kUsage;
  return kExitUsage;
}

}  // namespace ombrel
