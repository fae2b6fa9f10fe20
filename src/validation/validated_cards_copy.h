#pragma once
// Moving the validated cards between a data folder's "Validadas.cds" and
// the server that several stations share: a card already at the
// destination is left as it is there, and named.

#include <cstdint>
#include <vector>

#include "common/result.h"
#include "store/table.h"

namespace tavelao::validation {

struct CopiedCards {
  std::int64_t copied = 0;
  std::vector<std::int32_t> already_there;  // ascending
};

// Copies every card of `from` that `to` lacks, with its batch, entry and
// numbers, in one commit: on a failure nothing is copied.
Result<CopiedCards> CopyValidatedCards(store::Table& from, store::Table& to);

}  // namespace tavelao::validation
