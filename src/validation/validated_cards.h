#pragma once
// What the validation rules need of the store of validated cards. The real
// one is ValidationStore over "Validadas.cds"; the fuzzer uses a fake in
// memory so that entries naming a hundred thousand cards stay fast.

#include <cstdint>
#include <optional>

#include "common/result.h"

namespace tavelao::validation {

// Entries of one batch run from 1 to this.
inline constexpr std::int32_t kBatchCapacity = 100;

// Where a validated card was entered: Lote and Lan, both empty for a card
// validated directly.
struct Placement {
  std::optional<std::int32_t> batch;  // Lote
  std::optional<std::int32_t> entry;  // Lan
  friend bool operator==(const Placement&, const Placement&) = default;
};

class ValidatedCards {
 public:
  virtual ~ValidatedCards() = default;

  virtual std::int64_t Count() const = 0;
  // Where the card was entered, or nullopt when it is not validated.
  virtual Result<std::optional<Placement>> Find(std::int32_t card) = 0;

  // Both refuse a card outside the card bank or one already validated; the
  // batch form also an entry that is not the batch's highest plus one or is
  // above kBatchCapacity. Each is on disk when it returns, unless a bulk
  // write is open.
  virtual Status ValidateDirectly(std::int32_t card) = 0;
  virtual Status ValidateInBatch(std::int32_t card, std::int32_t batch, std::int32_t entry) = 0;

  virtual Status Remove(std::int32_t card) = 0;
  virtual Status Clear() = 0;
  // The highest entry of the batch, 0 when it has none.
  virtual Result<std::int32_t> HighestEntry(std::int32_t batch) = 0;
  virtual Status RemoveBatch(std::int32_t batch) = 0;

  // Gathers the writes up to EndBulk into one commit (a range entry).
  // EndBulk writes them to disk; after a failed write it also recounts.
  virtual Status BeginBulk() = 0;
  virtual Status EndBulk() = 0;
};

}  // namespace tavelao::validation
