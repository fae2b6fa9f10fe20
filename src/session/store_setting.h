#pragma once
// The shared store of a big event: the lines "banco=postgresql://USUÁRIO@
// HOST:PORTA/BASE" and "estacao=NOME" of the installation settings file
// (the password from PGPASSWORD or ~/.pgpass, as libpq reads it). Without
// the banco line the tables stay in the data folder.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "common/result.h"
#include "store/server_connection.h"

namespace tavelao::session {

struct StoreSetting {
  std::string uri;
  std::string station;  // the host name when the file names none
};

// The setting of the file; nullopt without a banco line. A value that is
// not a postgresql:// address is refused, naming the file.
Result<std::optional<StoreSetting>> ReadStoreSetting(const std::filesystem::path& file);

// The setting of this machine's settings file.
Result<std::optional<StoreSetting>> ReadInstalledStoreSetting();
// Connects to the setting's server; null without a setting. A server that
// cannot be reached is an error: nothing starts half-connected.
Result<std::shared_ptr<store::ServerConnection>> ConnectStore(const std::optional<StoreSetting>& setting);
// Both, for the program.
Result<std::shared_ptr<store::ServerConnection>> ConnectInstalledStore();

}  // namespace tavelao::session
