// The terminal's commands beside the adjustment: "errores" (the blunder
// finder), "comprobar" (the network check) and "exportar" (the network in
// GNU Gama's XML input format).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace ombrel {

// args exclude the program name and the command word; exit statuses as
// RunAdjustCommand.

// errores (--proyecto F | --matrices A K P [E]) [--respuestas F]
// [--transcripcion F]: the prompts of the blunder finder, answered as for
// "compensar".
int RunBlunderCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                      std::ostream& err, Terminals terminals);

// comprobar --proyecto F [--metodo inversa|e|pseudo] [--escala]: the
// findings, one per line on out (inversa without scale unknown by default).
int RunCheckCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                    std::ostream& err);

// exportar --proyecto F --xml SALIDA.xml.
int RunExportCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                     std::ostream& err);

}  // namespace ombrel
