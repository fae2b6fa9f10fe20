#pragma once
// The card bank: 120,000 fixed slots addressed by card number, each holding
// the 50-digit record of a card (N1..N25, two digits each, "00" for 100) or
// nothing. Filled once at start, read-only afterwards.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "card/card_bank_data.h"
#include "common/result.h"

namespace tavelao::card {

inline constexpr int kBankCapacity = 120'000;
inline constexpr const char* kComplementFile = "compl110.cds";

// N1..N25 as their two-character texts; empty texts for an empty record.
using CardNumbers = std::array<std::string, 25>;

class CardBank {
 public:
  CardBank();  // every slot empty

  static constexpr int capacity() { return kBankCapacity; }
  static constexpr bool InRange(std::int64_t card) { return card >= 1 && card <= kBankCapacity; }

  // Records 1..10,000 from the built-in data, the rest emptied.
  void LoadBuiltIn();
  // Stores the first 50 characters of `text` as the record of `card`.
  void SetRecord(int card, std::string_view text);

  // The record of `card`; empty when the slot is empty or out of range.
  std::string_view CardRecord(std::int64_t card) const;
  bool HasRecord(std::int64_t card) const { return !CardRecord(card).empty(); }
  // True when the record holds all 25 numbers, so the card can be printed.
  bool HasAllNumbers(std::int64_t card) const { return CardRecord(card).size() == kRecordLength; }
  // The k-th (1..25) two-character number, or empty when the record is
  // empty or shorter.
  std::string_view CardNumber(std::int64_t card, int k) const;
  CardNumbers Numbers(std::int64_t card) const;

 private:
  struct Slot {
    std::uint8_t length;
    char text[kRecordLength];
  };
  std::unique_ptr<Slot[]> slots_;
};

// Refuses a range first..last holding cards without all their 25 numbers
// (above 10,000, the cards the complement table has no row for), naming
// them: "A cartela 10.001 não tem dezenas no banco." The one wording of
// every issue and export that meets such cards.
Status CheckCardsHaveNumbers(const CardBank& bank, std::int64_t first, std::int64_t last);

// How many complement rows were applied and how many had no slot to go to.
struct ComplementReport {
  bool present = false;
  int applied = 0;
  int skipped = 0;
};

// Applies "compl110.cds" of `folder` when it exists: each row sets record
// `Cartela` to `Todas`, later rows winning; rows outside 1..120,000 are
// skipped. A file that cannot be read is reported and the bank is left as
// it was.
Result<ComplementReport> ApplyComplement(CardBank& bank, const std::filesystem::path& folder);

// The built-in records, then the complement file of `folder`.
Result<ComplementReport> LoadCardBank(CardBank& bank, const std::filesystem::path& folder);

}  // namespace tavelao::card
