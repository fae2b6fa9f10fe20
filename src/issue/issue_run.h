#pragma once
// The issue run behind "OK" of the issue panel: the range typed in the two
// number fields is copied out of the card bank into a fresh card file.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "card/card_bank.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/result.h"
#include "session/data_files.h"
#include "store/table.h"

namespace tavelao::issue {

// The range of card numbers to issue; empty when last < first.
struct CardRange {
  std::int32_t first = 0;
  std::int32_t last = 0;
  std::int64_t size() const { return last < first ? 0 : std::int64_t{last} - first + 1; }
};

enum class IssueOutcome {
  kIssued,   // the card file holds the range and is open: print it
  kNothing,  // first or quantity 0 (or empty): nothing touched, nothing printed
  kRefused,  // a message was shown; the card file was not touched
};

// The range the two fields ask for: first + quantity - 1, both ends cut at
// the bank's capacity. A negative quantity gives an empty range. nullopt
// when first or quantity is 0.
std::optional<CardRange> RangeToIssue(std::int32_t first, std::int32_t quantity);

// Deletes the card file of `folder` and creates it afresh with one row per
// card of the range, in ascending number, in one transaction. The table is
// left open in `card_file`.
Status WriteCardFile(store::Table& card_file, const std::filesystem::path& folder, const card::CardBank& bank,
                     const CardRange& range);

// "OK": reads both fields (text that is not a whole number shows the
// conversion-error report and stops before the card file is touched), then
// closes `card_file` and rebuilds it. A first card below 1 is refused, and
// so is a range holding cards without numbers in the bank (nothing would be
// printed on them): the message names them and no card is issued.
IssueOutcome RunIssue(store::Table& card_file, const std::filesystem::path& folder, const card::CardBank& bank,
                      std::string_view first_text, std::string_view quantity_text, Dialogs& dialogs);

// The range the card file of a run holds (its first and last Numero);
// nullopt when it holds no card.
Result<std::optional<CardRange>> CardFileRange(store::Table& card_file);

// Adds the range, dated today, to the register of issued cards
// "Emitidas.cds", against which validation checks every card.
Status RecordIssuedRange(const session::TablePlace& place, const CardRange& range, const Clock& clock);

// RecordIssuedRange for what CardFileRange read: nothing for an empty card
// file, and the read's own error when it failed.
Status RecordIssuedCards(const session::TablePlace& place, Result<std::optional<CardRange>> range, const Clock& clock);

// Leaving the quantity field: the "Atenção" box for more than 100 cards.
// Shows nothing for other text; the quantity is never changed. True when it
// warned.
bool WarnAboutQuantity(std::string_view quantity_text, Dialogs& dialogs);

inline constexpr int kQuantityWarningAbove = 100;

// The quantity warning of the issue panel, shown once for each quantity
// typed: on leaving the field or at "OK", whichever comes first.
class QuantityWarning {
 public:
  // The quantity was typed again: the next WarnOnce may warn.
  void Retyped() { shown_ = false; }
  // WarnAboutQuantity, unless it already warned since the last Retyped().
  void WarnOnce(std::string_view quantity_text, Dialogs& dialogs) {
    if (shown_) return;
    shown_ = true;  // a focus change while the box is open must not open another
    shown_ = WarnAboutQuantity(quantity_text, dialogs);
  }

 private:
  bool shown_ = false;
};

}  // namespace tavelao::issue
