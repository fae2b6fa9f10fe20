#include "listing/card_listing.h"

#include <algorithm>
#include <string>

#include "card/card_identity.h"
#include "common/text.h"
#include "issue/card_file.h"
#include "listing/listing_layout.h"
#include "report/band_engine.h"
#include "report/record_source.h"

namespace tavelao::listing {

ListedPositions PositionsOf(ListingStyle style) {
  ListedPositions positions{};
  if (style == ListingStyle::kDiagonal) {
    for (int i = 0; i < 5; ++i) positions[i] = 6 * i + 1;  // 1, 7, 13, 19, 25
    return positions;
  }
  const int rows = style == ListingStyle::kThreeRows ? 3 : style == ListingStyle::kFourRows ? 4 : 5;
  for (int k = 1; k <= 25; ++k) {
    const int row = (k - 1) % 5 + 1;
    if (row <= rows) positions[k - 1] = k;
  }
  return positions;
}

std::optional<issue::CardRange> ListingRange(std::string_view first_text, std::string_view last_text) {
  const auto first = ParseInt32(Trim(first_text));
  const auto last = ParseInt32(Trim(last_text));
  if (!first || !last) return std::nullopt;
  const std::int32_t cap = card::kBankCapacity;
  return issue::CardRange{std::clamp<std::int32_t>(*first, 1, cap), std::min(*last, cap)};
}

Status WriteListingTable(store::Table& table, const std::filesystem::path& folder, const card::CardBank& bank,
                         const issue::CardRange& range, ListingStyle style) {
  table.Close();
  auto created = store::Table::CreateAfresh(folder / kListingFile, issue::CardFileSchema(), store::Durability::Scratch);
  if (!created) return std::move(created).take_error();
  table = std::move(*created);

  const ListedPositions positions = PositionsOf(style);
  store::Table::Transaction transaction(table);
  store::Record row = table.NewRecord();
  for (std::int64_t n = range.first; n <= range.last; ++n) {
    row.SetAt(0, static_cast<std::int32_t>(n));
    row.SetAt(1, std::string{'-', card::CheckDigit(n)});
    for (int k = 1; k <= 25; ++k) {
      const int from = positions[k - 1];
      row.SetAt(1 + k, from == 0 ? std::string() : std::string(bank.CardNumber(n, from)));
    }
    if (auto id = table.Insert(row); !id) return std::move(id).take_error();
  }
  return transaction.Commit();
}

Result<report::Document> BuildCardListing(const std::filesystem::path& folder, const card::CardBank& bank,
                                          const issue::CardRange& range, ListingStyle style) {
  store::Table table;  // TableCart of the print form
  if (auto written = WriteListingTable(table, folder, bank, range, style); !written) {
    return std::move(written).take_error();
  }
  // The document holds every line, so the table can close before the
  // preview does.
  auto document = report::BuildDocument(FormRelLayout(), report::TableRecords(table, {"", issue::kNumeroField}));
  table.Close();
  return document;
}

}  // namespace tavelao::listing
