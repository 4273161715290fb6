// What the computing commands of the terminal share: making the network
// active as the desktop does, and turning a command's outcome into the exit
// status.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "adjust/command_outcome.h"
#include "cli/cli_app.h"
#include "cli/load_command.h"
#include "cli/options.h"
#include "model/network_state.h"
#include "ui/interaction.h"
#include "ui/terminal_interaction.h"

namespace ombrel {

// A project is loaded; an import is checked by forming its equations once.
bool ActivateNetwork(NetworkState& state, Interaction& ui, const NetworkSource& source);

// 0 completed; 2 cancelled (said on err), refused or abandoned (their
// message was already shown).
int ExitStatusFor(CommandOutcome outcome, std::ostream& err);

// Checks the output files of the command line (transcript, DXF; empty
// names are skipped) before anything runs: one that is an input file of
// the command or that cannot be written is refused with its message on
// err. Also records the answers and coordinates files in the state's
// FrontEndInputFiles, so that no listing replaces them. False on refusal.
bool CheckOutputOptions(NetworkState& state, const ComputeOptions& options,
                        const NetworkSource& source, const std::vector<std::string>& outputs,
                        std::ostream& err);

// Runs body with a terminal interaction that answers from the answers file
// (or from `in`, by a person when terminals.input), keeps the transcript
// the options ask for, shows progress when terminals.errors, and turns
// answers that run out into exit status 3. A run-time error that escapes
// body is reported with the calculation message and gives status 2, as
// does a stop asked for before the computation began. The transcript is not written over the run's
// input files or its listing (message, status 2). Returns body's exit
// status, or 1 when the answers file cannot be read.
int RunWithAnswers(const ComputeOptions& options, const NetworkState& state, std::istream& in,
                   std::ostream& out, std::ostream& err, Terminals terminals,
                   const std::function<int(TerminalInteraction&)>& body);

// The whole of a terminal command that computes on one network and writes
// only its listing: the compute options, the command's own options
// (ownOptions takes them out of args; false is a usage error) and the
// network source are parsed, the options applied and the output names
// checked; then command runs on the network made active, with the answers.
// Returns the exit status (1 for a usage error, with the usage on err).
int RunOnNetwork(std::vector<std::string> args, std::istream& in, std::ostream& out,
                 std::ostream& err, Terminals terminals,
                 const std::function<bool(std::vector<std::string>&)>& ownOptions,
                 const std::function<CommandOutcome(NetworkState&, Interaction&)>& command);

}  // namespace ombrel
