#pragma once
// The card listing: a range of cards of the bank, one line per card with its
// number, check digit and the numbers of the rows the style lists. The lines
// go through the scratch table "CartelasLista.cds", rebuilt every time.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "card/card_bank.h"
#include "common/result.h"
#include "issue/issue_run.h"
#include "report/document.h"
#include "store/table.h"

namespace tavelao::listing {

inline constexpr const char* kListingFile = "CartelasLista.cds";

// "3 linhas" (the default), "4 linhas", "5 linhas", "Diagonal".
enum class ListingStyle { kThreeRows, kFourRows, kFiveRows, kDiagonal };

// For each listed position N1..N25, the bank position (1..25) whose number
// it shows, or 0 when the style leaves it empty. "Diagonal" puts bank
// positions 1, 7, 13, 19 and 25 into N1..N5.
using ListedPositions = std::array<int, 25>;
ListedPositions PositionsOf(ListingStyle style);

// The range "Cartela inicial" and "Cartela final" ask for: nullopt when
// either is not a whole number (empty included), so nothing happens. Both
// ends are lowered to the bank's highest card; a first card below 1 is
// raised to 1, so the listing never reads outside the bank. A first card
// above the last gives an empty range.
std::optional<issue::CardRange> ListingRange(std::string_view first_text, std::string_view last_text);

// Deletes the listing table of `folder` and creates it afresh with one
// record per card of the range in ascending number: Numero, Digito ("-" and
// the check digit) and the positions the style fills. A card whose bank
// record is empty gets its number and digit only. The table is left open in
// `table`.
Status WriteListingTable(store::Table& table, const std::filesystem::path& folder, const card::CardBank& bank,
                         const issue::CardRange& range, ListingStyle style);

// "Emite" once the range is known: the table rebuilt, the document of
// `TFormRel` made from it, the table closed (the file stays until the next
// listing). A table that cannot be written is the error.
Result<report::Document> BuildCardListing(const std::filesystem::path& folder, const card::CardBank& bank,
                                          const issue::CardRange& range, ListingStyle style);

}  // namespace tavelao::listing
