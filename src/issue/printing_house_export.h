#pragma once
// "CARTGRAF.CSV": a range of cards of the bank for a printing house, one
// line per card with number, check digit, 25 numbers and authentication code,
// in Windows-1252 with CR LF.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/result.h"
#include "session/data_files.h"

namespace tavelao::issue {

inline constexpr const char* kExportFile = "CARTGRAF.CSV";

// The whole file for cards first..last (no card lines when last < first).
// Cards without their numbers in the bank stop the export with a message
// naming them (card::CheckCardsHaveNumbers).
Result<std::string> ExportText(const card::CardBank& bank, const card::Password& password,
                               const card::IssuerNumber& issuer, std::int32_t first, std::int32_t last);

enum class ExportOutcome {
  kWritten,  // the file is complete under its name; the panel closes
  kNothing,  // first or quantity 0: nothing written, the panel stays
  kRefused,  // a message was shown; nothing written, the panel stays
};

// "Gera": reads the two fields, cuts the range at the bank's end and writes
// the file of the place's folder under a temporary name, renamed when complete. The
// exported cards are issued cards: the range goes into the register
// "Emitidas.cds", and a register that cannot be written refuses the export
// with a message (the file stays).
ExportOutcome ExportForPrintingHouse(const card::CardBank& bank, const card::Password& password,
                                     const card::IssuerNumber& issuer, const session::TablePlace& place,
                                     std::string_view first_text, std::string_view quantity_text, Dialogs& dialogs,
                                     const Clock& clock);

}  // namespace tavelao::issue
