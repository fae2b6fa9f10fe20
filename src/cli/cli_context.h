#pragma once
// What every command of tavelao-cli shares: its declaration, its output,
// and the working directory prepared as the application prepares it.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/command_declaration.h"
#include "session/workspace.h"

namespace tavelao::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // the command ran and refused something
inline constexpr int kExitUsage = 2;    // wrong arguments or an unusable setting

// Whether a command writes tables of the folder; those that only read may
// run while the program has the folder.
enum class FolderAccess { Writes, Reads };

struct CliContext {
  const CommandDeclaration& command;
  std::ostream& out;
  std::ostream& err;
  // What a command returns when OpenWorkspace gave nothing.
  int workspace_failure = kExitUsage;

  // The working directory's tables and card bank, with the issuer setting
  // and the password of TAVELAO_SENHA; reports and returns nullptr on
  // failure (a folder in use: workspace_failure is kExitRefused).
  std::unique_ptr<session::Workspace> OpenWorkspace(FolderAccess access = FolderAccess::Writes);

  // Prints `message` and the command's usage line on the error output;
  // returns kExitUsage.
  int UsageError(std::string_view message);
};

}  // namespace tavelao::cli
