#pragma once
// Batch numbers when several stations share one store: a batch belongs to
// the station that opened it first, so two tables never fill the same
// batch. A single station needs none of this.

#include <cstdint>
#include <memory>

#include "common/result.h"
#include "store/server_connection.h"

namespace tavelao::validation {

inline constexpr std::string_view kBatchTakenTitle = "Lote de outra estação";

class BatchClaims {
 public:
  virtual ~BatchClaims() = default;
  // Takes `batch` for this station, or says which station has it.
  virtual Status Claim(std::int32_t batch) = 0;
};

// The claims kept on the shared server, in its table "lotes" (created on
// the first claim), under the station's name.
class ServerBatchClaims : public BatchClaims {
 public:
  explicit ServerBatchClaims(std::shared_ptr<store::ServerConnection> server) : server_(std::move(server)) {}
  Status Claim(std::int32_t batch) override;

 private:
  Status MakeTable();
  std::shared_ptr<store::ServerConnection> server_;
  bool table_made_ = false;
};

// The claims of a station sharing `server`; none without a server.
std::unique_ptr<BatchClaims> BatchClaimsFor(const std::shared_ptr<store::ServerConnection>& server);

}  // namespace tavelao::validation
