#include "app/app_start.h"

namespace tavelao::app {

std::unique_ptr<session::Workspace> StartWorkspace(const std::filesystem::path& folder,
                                                   const Result<card::IssuerNumber>& issuer,
                                                   const Result<std::shared_ptr<store::ServerConnection>>& server,
                                                   Dialogs& dialogs) {
  if (!issuer) {
    dialogs.Inform(kStartFailureTitle, issuer.error());
    return nullptr;
  }
  if (!server) {
    dialogs.Inform(kStartFailureTitle, server.error());
    return nullptr;
  }
  session::StartupSettings settings{*issuer, session::PlatformDesktopFolder(), *server};
  auto workspace = session::RunStartup(folder, settings);
  if (!workspace) {
    dialogs.Inform(kStartFailureTitle, workspace.error());
    return nullptr;
  }
  for (const auto& warning : (*workspace)->warnings) dialogs.Inform(kStartWarningTitle, warning);
  return std::move(*workspace);
}

}  // namespace tavelao::app
