#pragma once
// The commands of tavelao-cli, one file each, each declared beside its run
// function.

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/command_declaration.h"

namespace tavelao::cli {

extern const CommandDeclaration kCartelaCommand;
extern const CommandDeclaration kExportaCommand;
extern const CommandDeclaration kListaCommand;
extern const CommandDeclaration kEmiteCommand;
extern const CommandDeclaration kEmpresarialCommand;
extern const CommandDeclaration kSorteiaCommand;
extern const CommandDeclaration kAtaCommand;
extern const CommandDeclaration kFalaCommand;
extern const CommandDeclaration kPremiosCommand;
extern const CommandDeclaration kConfereCommand;
extern const CommandDeclaration kValidaCommand;
extern const CommandDeclaration kBackupCommand;
extern const CommandDeclaration kRestauraCommand;
extern const CommandDeclaration kMigraCommand;

// Every command, in the order the general --help lists them.
std::span<const CommandDeclaration* const> Commands();

// The general --help: what the program does and each command's usage.
void PrintHelp(std::ostream& out);

// A whole command line after the program name: the command it names run
// with its parsed arguments, or its --help, or the usage error. Returns the
// exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tavelao::cli
