#include "issue/issue_run.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "card/card_identity.h"
#include "common/number_field.h"
#include "common/text.h"
#include "issue/card_file.h"
#include "session/data_files.h"

namespace tavelao::issue {
namespace {

constexpr std::string_view kIssueTitle = "Emissão de cartelas";

store::Date LocalDate(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

std::optional<CardRange> RangeToIssue(std::int32_t first, std::int32_t quantity) {
  if (first == 0 || quantity == 0) return std::nullopt;
  // In 64 bits: a huge first card plus a huge quantity must not wrap round.
  const std::int64_t last = std::int64_t{first} + quantity - 1;
  const std::int64_t cap = card::kBankCapacity;
  return CardRange{static_cast<std::int32_t>(std::min<std::int64_t>(first, cap)),
                   static_cast<std::int32_t>(std::clamp<std::int64_t>(last, INT32_MIN, cap))};
}

Status WriteCardFile(store::Table& card_file, const std::filesystem::path& folder, const card::CardBank& bank,
                     const CardRange& range) {
  card_file.Close();
  auto created = store::Table::CreateAfresh(folder / kCardFile, CardFileSchema(), store::Durability::Scratch);
  if (!created) return std::move(created).take_error();
  card_file = std::move(*created);

  store::Table::Transaction transaction(card_file);
  store::Record row = card_file.NewRecord();
  for (std::int64_t n = range.first; n <= range.last; ++n) {
    row.SetAt(0, static_cast<std::int32_t>(n));
    row.SetAt(1, std::string{'-', card::CheckDigit(n)});
    for (int k = 1; k <= 25; ++k) row.SetAt(1 + k, std::string(bank.CardNumber(n, k)));
    if (auto id = card_file.Insert(row); !id) return std::move(id).take_error();
  }
  return transaction.Commit();
}

IssueOutcome RunIssue(store::Table& card_file, const std::filesystem::path& folder, const card::CardBank& bank,
                      std::string_view first_text, std::string_view quantity_text, Dialogs& dialogs) {
  const auto first = NumberFieldValue(first_text);
  if (!first) {
    dialogs.ReportConversionError(Trim(first_text));
    return IssueOutcome::kRefused;
  }
  const auto quantity = NumberFieldValue(quantity_text);
  if (!quantity) {
    dialogs.ReportConversionError(Trim(quantity_text));
    return IssueOutcome::kRefused;
  }
  const auto range = RangeToIssue(*first, *quantity);
  if (!range) return IssueOutcome::kNothing;
  // The bank has no card 0 or below; refusing keeps the last card file.
  if (*first < 1) {
    dialogs.Inform(kIssueTitle, "O número da cartela inicial deve ser 1 ou mais.");
    return IssueOutcome::kRefused;
  }
  if (auto numbers = card::CheckCardsHaveNumbers(bank, range->first, range->last); !numbers) {
    dialogs.Inform(kIssueTitle, numbers.error());
    return IssueOutcome::kRefused;
  }
  if (auto written = WriteCardFile(card_file, folder, bank, *range); !written) {
    dialogs.Inform(kIssueTitle, written.error());
    return IssueOutcome::kRefused;
  }
  return IssueOutcome::kIssued;
}

Result<std::optional<CardRange>> CardFileRange(store::Table& card_file) {
  // Rows go in ascending number with no gaps: the first and the last say it all.
  auto first = card_file.RowAt({"", "Numero", {"Numero"}}, 1);
  if (!first) return std::move(first).take_error();
  auto last = card_file.MaxInt("Numero");
  if (!last) return std::move(last).take_error();
  if (!*first || !*last) return std::optional<CardRange>();
  return std::optional<CardRange>(CardRange{(*first)->record.Int("Numero").value_or(0), **last});
}

Status RecordIssuedRange(const session::TablePlace& place, const CardRange& range, const Clock& clock) {
  auto table = session::OpenIssued(place);
  if (!table) return std::move(table).take_error();
  store::Record row = table->NewRecord();
  row.Set("Inicial", range.first);
  row.Set("Final", range.last);
  row.Set("Data", LocalDate(clock.Now()));
  if (auto id = table->Insert(row); !id) return std::move(id).take_error();
  return {};
}

Status RecordIssuedCards(const session::TablePlace& place, Result<std::optional<CardRange>> range, const Clock& clock) {
  if (!range) return std::move(range).take_error();
  if (!*range) return {};
  return RecordIssuedRange(place, **range, clock);
}

bool WarnAboutQuantity(std::string_view quantity_text, Dialogs& dialogs) {
  const auto quantity = ParseInt32(Trim(quantity_text));
  if (!quantity || *quantity <= kQuantityWarningAbove) return false;
  dialogs.Inform("Atenção",
                 "Você colocou mais de 100 cartelas na quantidade. Isso pode exaurir a memória do seu computador "
                 "provocando erro do sistema. O ideal seria emitir de 100 em 100 cartelas.");
  return true;
}

}  // namespace tavelao::issue
