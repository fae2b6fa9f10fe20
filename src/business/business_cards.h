#pragma once
// What business bingo builds from the issued cards: the business card file
// "CartEmp.cds" (numbers and the names of their sponsors) and the
// printing-house file "CARTGRAFBE.CSV".

#include <filesystem>
#include <string>

#include "business/sponsors.h"
#include "card/card_bank.h"
#include "common/result.h"
#include "store/table.h"

namespace tavelao::business {

inline constexpr const char* kBusinessCardFile = "CartEmp.cds";
inline constexpr const char* kBusinessExportFile = "CARTGRAFBE.CSV";

// Numero, Digito, N1..N25, then E011..E251 (first name lines), E012..E252,
// E013..E253.
store::Schema BusinessCardSchema();
// "E" + the card position as two digits + the name line: E071 is Nome1 of
// the sponsor of the ball in N7.
std::string BusinessNameField(int position, int line);

// Rebuilds "CartEmp.cds" from the card file, in card-number order; with
// `names_only` the number fields stay empty but the names are still those
// of the card's balls.
Result<store::Table> RebuildBusinessCardFile(const std::filesystem::path& folder, store::Table& card_file,
                                             const Sponsors& sponsors, bool names_only);

// The text of "CARTGRAFBE.CSV" for the cards of the card file; numbers come
// from the card bank. Card numbers below 100,000 take five digits; higher
// ones keep their six, so no card is ever written under another's number.
Result<std::string> BusinessExportText(const card::CardBank& bank, store::Table& card_file, const Sponsors& sponsors);

// Writes "CARTGRAFBE.CSV" of `folder`, replacing it only when complete.
Status WriteBusinessExport(const std::filesystem::path& folder, const card::CardBank& bank, store::Table& card_file,
                           const Sponsors& sponsors);

}  // namespace tavelao::business
