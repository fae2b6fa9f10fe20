#pragma once
// The built-in records, compiled from card_bank_data.txt (made by
// tools/make_card_bank): card n is the n-th run of 50 digits.

namespace tavelao::card {

inline constexpr int kBuiltInCards = 10'000;
inline constexpr int kRecordLength = 50;
extern const char kBuiltInRecords[kBuiltInCards * kRecordLength + 1];

}  // namespace tavelao::card
