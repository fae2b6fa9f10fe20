#pragma once
// What the operator types or the bar-code reader sends, turned into card
// numbers: a number with its check digit ("19" is card 1, "108" card 10),
// the 12-character bar-code text with its authentication code, ranges
// ("19-108") and sheet codes ("3000010": the sheet of 3 cards from card 1).
// Nothing here stores or shows anything; texts are UTF-8 and are counted in
// characters, not bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "common/dialogs.h"

namespace tavelao::validation {

// What the checks read. All three outlive the parse; the password may
// change between entries.
struct EntryKeys {
  const card::CardBank& bank;
  const card::Password& password;
  const card::IssuerNumber& issuer;
};

// Why an entry was refused: an information box, or the general report for
// a part that is not a 32-bit whole number.
struct Refusal {
  bool conversion_error = false;
  std::string title;  // of the information box
  std::string text;   // the message, or the part that is not a number
  void Show(Dialogs& dialogs) const;
};

// One part of an entry checked: the card number it names, or the refusal.
struct PartCheck {
  std::optional<std::int32_t> card;
  Refusal refusal;
};

// The number text (all but the last character) must be a 32-bit whole
// number whose check digit is the last character.
PartCheck CheckNumberWithDigit(std::string_view part);
// A card as printed, "000001-9", or typed with its digit set apart by a
// hyphen or spaces: "1-9", "000001 9". The number has one to six digits and
// the digit is the last character. A hyphen after two to five digits that
// already end in their own right digit keeps its older meaning, a range
// whose one-character end is ignored ("19-1" is card 1); otherwise the text
// names the card before the separator. nullopt when the text has another
// shape; a card beyond the bank is refused here, so that it is never taken
// for a sheet code.
std::optional<PartCheck> CheckSeparatedDigit(std::string_view text);
// Exactly 12 characters: card number (1-6), check digit (7, not examined),
// authentication code (8-12) recomputed from the bank and the password.
PartCheck CheckBarCode(std::string_view part, const EntryKeys& keys);

// The codes a direct entry walks from `start` to `last`; a code from 200001
// to 999999 is a sheet of as many cards as its first digit, from the card
// of its last five digits.
struct CodeRange {
  std::int32_t start = 0;
  std::int32_t last = 0;
  bool single = false;  // one card or one sheet: a repeated card may be removed
};

struct ParsedDirectEntry {
  enum class Kind { Nothing, Dropped, Refused, Codes };
  Kind kind = Kind::Nothing;
  Refusal refusal;  // Refused
  CodeRange codes;  // Codes
};

// Enter in the direct panel's field: number with digit (also as printed,
// "000001-9"), bar-code text, range or sheet codes. Only the first 25 characters are read.
ParsedDirectEntry ParseDirectEntry(std::string_view text, const EntryKeys& keys);

struct ParsedBatchEntry {
  enum class Kind { Nothing, Refused, Card };
  Kind kind = Kind::Nothing;
  Refusal refusal;        // Refused
  std::int32_t card = 0;  // Card: not 0, but not checked against the bank
};

// Enter in the batch window's field "Cartela": one number with digit (also
// as printed) or one bar-code text; no ranges, no sheet codes.
ParsedBatchEntry ParseBatchEntry(std::string_view text, const EntryKeys& keys);

inline constexpr std::int32_t kFirstSheetCode = 200'001;
inline constexpr std::int32_t kLastSheetCode = 999'999;
bool IsSheetCode(std::int64_t code);
// A sheet code is valid when its first card divided by its size leaves 1.
bool IsValidSheetCode(std::int64_t code);

// How a walk ended: normally, at a card outside 1..highest (not visited),
// or because `visit` returned false at `card`.
struct WalkEnd {
  enum class Kind { Normal, OutsideBank, Stopped };
  Kind kind = Kind::Normal;
  std::int32_t card = 0;
};

// Visits the cards of the codes in order, sheet by sheet.
WalkEnd WalkCodes(const CodeRange& codes, std::int32_t highest_card,
                  const std::function<bool(std::int32_t card)>& visit);

// The digit button: the trimmed text followed by its check digit ("10"
// gives "108", "" gives "0"); nullopt when the text is not a number, and the
// field keeps its text.
std::optional<std::string> AppendCheckDigit(std::string_view text);

}  // namespace tavelao::validation
