#include "validation/batch_claims.h"

namespace tavelao::validation {

std::unique_ptr<BatchClaims> BatchClaimsFor(const std::shared_ptr<store::ServerConnection>& server) {
  if (!server) return nullptr;
  return std::make_unique<ServerBatchClaims>(server);
}

Status ServerBatchClaims::MakeTable() {
  if (table_made_) return {};
  if (auto begun = server_->Begin(); !begun) return begun;
  // Stations starting together must not create the table twice.
  auto made = server_->Exec("SELECT pg_advisory_xact_lock(hashtext('tavelao'))");
  if (made)
    made = server_->Exec(
        "CREATE TABLE IF NOT EXISTS lotes (lote integer PRIMARY KEY, estacao text NOT NULL DEFAULT "
        "current_setting('application_name'), aberto_em timestamptz NOT NULL DEFAULT now())");
  if (!made) {
    server_->Rollback();
    return made;
  }
  if (auto committed = server_->Commit(); !committed) return committed;
  table_made_ = true;
  return {};
}

Status ServerBatchClaims::Claim(std::int32_t batch) {
  if (auto made = MakeTable(); !made) return made;
  const std::string number = std::to_string(batch);
  // One statement: the first station to ask gets it, whoever asks at once.
  auto owner = server_->Run(
      "WITH pedido AS (INSERT INTO lotes (lote) VALUES ($1) ON CONFLICT (lote) DO NOTHING RETURNING estacao) "
      "SELECT estacao FROM pedido UNION ALL SELECT estacao FROM lotes WHERE lote = $1",
      {number});
  if (auto* failure = std::get_if<store::ServerFailure>(&owner)) return Fail(store::ServerMessage(*server_, *failure));
  const auto& rows = std::get<store::ServerResult>(owner);
  const std::string station = rows.rows() > 0 ? rows.Text(0, 0) : std::string();
  if (station == server_->station()) return {};
  return Fail("O lote " + number + " foi aberto pela estação " + station +
              ". Cada estação usa os seus próprios números de lote: digite outro.");
}

}  // namespace tavelao::validation
