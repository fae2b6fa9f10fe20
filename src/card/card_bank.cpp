#include "card/card_bank.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/text.h"
#include "store/table.h"

namespace tavelao::card {

CardBank::CardBank() : slots_(new Slot[kBankCapacity]) {
  for (int i = 0; i < kBankCapacity; ++i) slots_[i].length = 0;
}

void CardBank::LoadBuiltIn() {
  for (int i = 0; i < kBankCapacity; ++i) slots_[i].length = 0;
  for (int i = 0; i < kBuiltInCards; ++i) {
    std::memcpy(slots_[i].text, kBuiltInRecords + i * kRecordLength, kRecordLength);
    slots_[i].length = kRecordLength;
  }
}

void CardBank::SetRecord(int card, std::string_view text) {
  if (!InRange(card)) return;
  Slot& slot = slots_[card - 1];
  slot.length = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), kRecordLength));
  std::memcpy(slot.text, text.data(), slot.length);
}

std::string_view CardBank::CardRecord(std::int64_t card) const {
  if (!InRange(card)) return {};
  const Slot& slot = slots_[card - 1];
  return {slot.text, slot.length};
}

std::string_view CardBank::CardNumber(std::int64_t card, int k) const {
  const std::string_view record = CardRecord(card);
  const std::size_t at = static_cast<std::size_t>(2 * (k - 1));
  if (k < 1 || k > 25 || record.size() < at + 2) return {};
  return record.substr(at, 2);
}

CardNumbers CardBank::Numbers(std::int64_t card) const {
  CardNumbers numbers;
  for (int k = 1; k <= 25; ++k) numbers[k - 1] = std::string(CardNumber(card, k));
  return numbers;
}

Status CheckCardsHaveNumbers(const CardBank& bank, std::int64_t first, std::int64_t last) {
  std::int64_t first_missing = 0;
  std::int64_t last_missing = 0;
  std::int64_t count = 0;
  for (std::int64_t n = first; n <= last; ++n) {
    if (bank.HasAllNumbers(n)) continue;
    if (count++ == 0) first_missing = n;
    last_missing = n;
  }
  if (count == 0) return {};
  const std::string from = ThousandsDots(first_missing);
  const std::string to = ThousandsDots(last_missing);
  if (count == 1) return Fail("A cartela " + from + " não tem dezenas no banco.");
  const char* cards = "As cartelas ";
  const char* none = " não têm dezenas no banco.";
  if (count == 2) return Fail(cards + from + " e " + to + none);
  if (count == last_missing - first_missing + 1) return Fail(cards + from + " a " + to + none);
  // Scattered: the complement fills some of them.
  return Fail("A cartela " + from + " e mais " + std::to_string(count - 1) + " cartelas até a " + to + none);
}

Result<ComplementReport> ApplyComplement(CardBank& bank, const std::filesystem::path& folder) {
  const auto path = folder / kComplementFile;
  if (store::TableFileState(path) == store::FileState::Missing) return ComplementReport{};
  auto table = store::Table::OpenReadOnly(path);
  if (!table) return std::move(table).take_error();
  if (!table->HasField("Cartela") || !table->HasField("Todas")) {
    return Fail("A tabela \"" + table->file_name() + "\" não tem os campos Cartela e Todas.");
  }
  // Read everything first, so that a damaged file leaves the bank unchanged.
  std::vector<std::pair<std::int64_t, std::string>> rows;
  auto status = table->ForEach({"", "", {"Cartela", "Todas"}}, [&rows](const store::Row& row) {
    const auto& v = row.record.Get("Cartela");
    std::int64_t card = 0;
    if (const auto* n = std::get_if<std::int32_t>(&v)) card = *n;
    if (const auto* text = std::get_if<std::string>(&v)) card = ParseInt32(Trim(*text)).value_or(0);
    rows.emplace_back(card, row.record.Text("Todas"));
    return true;
  });
  if (!status) return std::move(status).take_error();
  ComplementReport report{true, 0, 0};
  for (const auto& [card, todas] : rows) {
    if (!CardBank::InRange(card)) {
      ++report.skipped;
      continue;
    }
    bank.SetRecord(static_cast<int>(card), todas);
    ++report.applied;
  }
  return report;
}

Result<ComplementReport> LoadCardBank(CardBank& bank, const std::filesystem::path& folder) {
  bank.LoadBuiltIn();
  return ApplyComplement(bank, folder);
}

}  // namespace tavelao::card
