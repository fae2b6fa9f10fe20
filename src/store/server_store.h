#pragma once
// The tables that several stations share on one PostgreSQL server.

#include <filesystem>
#include <memory>

#include "common/result.h"
#include "store/server_connection.h"
#include "store/table.h"

namespace tavelao::store {

// The server's table that stands for the table file `stands_for`
// ("Validadas.cds" is the table "validadas"), created with `schema` when
// missing; messages name it as the file.
Result<Table> OpenServerTable(const std::shared_ptr<ServerConnection>& server, const std::filesystem::path& stands_for,
                              const Schema& schema);

// Drops that table, so that it is created afresh (tests and migrations).
Status DropServerTable(ServerConnection& server, const std::filesystem::path& stands_for);

}  // namespace tavelao::store
