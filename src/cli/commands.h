#pragma once
// The commands of tavelao-cli, one file each, each declared beside its run
// function.

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/command_spec.h"

namespace tavelao::cli {

extern const CommandSpec kCartelaCommand;
extern const CommandSpec kExportaCommand;
extern const CommandSpec kListaCommand;
extern const CommandSpec kEmiteCommand;
extern const CommandSpec kEmpresarialCommand;
extern const CommandSpec kSorteiaCommand;
extern const CommandSpec kPremiosCommand;
extern const CommandSpec kConfereCommand;
extern const CommandSpec kValidaCommand;
extern const CommandSpec kBackupCommand;
extern const CommandSpec kRestauraCommand;

// Every command, in the order the general --help lists them.
std::span<const CommandSpec* const> Commands();

// The general --help: what the program does and each command's usage.
void PrintHelp(std::ostream& out);

// A whole command line after the program name: the command it names run
// with its parsed arguments, or its --help, or the usage error. Returns the
// exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavelao::cli
