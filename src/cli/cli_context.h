#pragma once
// What every command of tavelao-cli shares: its arguments, its output, and
// the working directory prepared as the application prepares it.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "session/workspace.h"

namespace tavelao::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // the command ran and refused something
inline constexpr int kExitUsage = 2;    // wrong arguments or an unusable setting

// Whether a command writes tables of the folder; those that only read may
// run while the program has the folder.
enum class FolderAccess { Writes, Reads };

struct CliContext {
  std::vector<std::string> args;  // after the command name
  std::ostream& out;
  std::ostream& err;
  // What a command returns when OpenWorkspace gave nothing.
  int workspace_failure = kExitUsage;

  // The working directory's tables and card bank, with the issuer setting
  // and the password of TAVELAO_SENHA; reports and returns nullptr on
  // failure (a folder in use: workspace_failure is kExitRefused).
  std::unique_ptr<session::Workspace> OpenWorkspace(FolderAccess access = FolderAccess::Writes);
};

// The value after `--name` in args, removed from args with it.
std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name);
// Whether `--name` is in args; removed when present.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace tavelao::cli
