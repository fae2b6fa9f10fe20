#pragma once
// The register of issued cards "Emitidas.cds" as validation reads it: a
// card outside every range issued here is asked about before it is
// validated. An empty register (cards printed elsewhere) covers every card.

#include <cstdint>
#include <filesystem>
#include <vector>

#include <optional>

#include "common/dialogs.h"
#include "common/result.h"
#include "session/data_files.h"

namespace tavelao::validation {

class IssuedCards {
 public:
  struct Range {
    std::int32_t first = 0;
    std::int32_t last = 0;
  };

  IssuedCards() = default;  // an empty register
  explicit IssuedCards(std::vector<Range> ranges) : ranges_(std::move(ranges)) {}

  // The register as the place holds it now; a missing file is empty.
  static Result<IssuedCards> Read(const session::TablePlace& place);

  bool empty() const { return ranges_.empty(); }
  // Whether the card was issued here; true for every card when empty.
  bool Covers(std::int32_t card) const;

 private:
  std::vector<Range> ranges_;
};

// The register of `place` for one entry; none when there is no place. A
// register that cannot be read is reported and checks nothing: the hall
// keeps validating.
IssuedCards ReadIssuedForEntry(const std::optional<session::TablePlace>& place, Dialogs& dialogs);

}  // namespace tavelao::validation
