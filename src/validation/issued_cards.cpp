#include "validation/issued_cards.h"

#include <algorithm>

#include "session/data_files.h"
#include "store/table.h"
#include "validation/validation_messages.h"

namespace tavelao::validation {

Result<IssuedCards> IssuedCards::Read(const session::TablePlace& place) {
  const auto path = place.folder / session::kIssuedFile;
  auto exists = session::SharedTableExists(place, session::kIssuedFile);
  if (!exists) return std::move(exists).take_error();
  if (!*exists) return IssuedCards();
  auto table = place.server ? session::OpenIssued(place) : store::Table::OpenReadOnly(path);
  if (!table) return std::move(table).take_error();
  auto rows = table->Select({"", "", {"Inicial", "Final"}});
  if (!rows) return std::move(rows).take_error();
  std::vector<Range> ranges;
  ranges.reserve(rows->size());
  for (const auto& row : *rows) {
    const auto first = row.record.Int("Inicial");
    const auto last = row.record.Int("Final");
    if (first && last) ranges.push_back({*first, *last});
  }
  return IssuedCards(std::move(ranges));
}

bool IssuedCards::Covers(std::int32_t card) const {
  return empty() || std::any_of(ranges_.begin(), ranges_.end(),
                                [card](const Range& r) { return card >= r.first && card <= r.last; });
}

IssuedCards ReadIssuedForEntry(const std::optional<session::TablePlace>& place, Dialogs& dialogs) {
  if (!place) return {};
  auto issued = IssuedCards::Read(*place);
  if (issued) return std::move(*issued);
  dialogs.Inform(kIssuedErrorTitle, issued.error());
  return {};
}

}  // namespace tavelao::validation
