#include "cli/cli_context.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "common/text.h"
#include "session/issuer_setting.h"
#include "session/store_setting.h"

namespace tavelao::cli {

std::unique_ptr<session::Workspace> CliContext::OpenWorkspace(FolderAccess access) {
  auto issuer = session::ReadInstalledIssuer();
  if (!issuer) {
    err << issuer.error() << "\n";
    return nullptr;
  }
  std::optional<card::Password> password;
  if (const char* env = std::getenv("TAVELAO_SENHA"); env && !Trim(env).empty()) {
    password = card::Password::FromText(Trim(env));
    if (!password) {
      err << "A senha de autenticação em TAVELAO_SENHA deve ter 5 caracteres.\n";
      return nullptr;
    }
  }
  auto setting = session::ReadInstalledStoreSetting();
  if (!setting) {
    err << setting.error() << "\n";
    return nullptr;
  }
  auto server = session::ConnectStore(*setting);
  if (!server) {
    err << server.error() << "\n";
    workspace_failure = kExitRefused;
    return nullptr;
  }
  std::error_code ec;
  const auto folder = std::filesystem::current_path(ec);
  auto lock = session::FolderLock::Acquire(folder);
  if (!lock && access == FolderAccess::Writes) {
    err << lock.error() << "\n";
    workspace_failure = kExitRefused;
    return nullptr;
  }
  auto ws = session::PrepareForCommand(
      folder, *issuer, lock ? std::optional<session::FolderLock>(std::move(*lock)) : std::nullopt, std::move(*server));
  if (!ws) {
    err << ws.error() << "\n";
    return nullptr;
  }
  for (const auto& warning : (*ws)->warnings) err << warning << "\n";
  if (password) (*ws)->password = *password;
  return std::move(*ws);
}

int CliContext::UsageError(std::string_view message) {
  err << message << "\nUso: " << UsageLine(command) << "\n";
  return kExitUsage;
}

}  // namespace tavelao::cli
