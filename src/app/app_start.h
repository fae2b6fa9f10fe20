#pragma once
// What the program does before the main window exists: the issuer setting
// and the start-up procedure, with every refusal and warning shown.

#include <filesystem>
#include <memory>

#include "card/card_identity.h"
#include "common/dialogs.h"
#include "common/result.h"
#include "session/workspace.h"
#include "store/server_connection.h"

namespace tavelao::app {

inline constexpr const char* kStartFailureTitle = "Tavelão não pode iniciar";
inline constexpr const char* kStartWarningTitle = "Aviso";

// The workspace of `folder`, or nullptr (after showing why) when the
// program cannot go on: a refused issuer setting, a shared store that
// cannot be reached or a table that cannot be read. Warnings that do not
// stop the start are shown one by one.
std::unique_ptr<session::Workspace> StartWorkspace(const std::filesystem::path& folder,
                                                   const Result<card::IssuerNumber>& issuer,
                                                   const Result<std::shared_ptr<store::ServerConnection>>& server,
                                                   Dialogs& dialogs);

}  // namespace tavelao::app
