#include "issue/printing_house_export.h"

#include <algorithm>

#include "common/atomic_file.h"
#include "common/number_field.h"
#include "common/text.h"
#include "common/windows1252.h"
#include "issue/issue_run.h"
#include "session/data_files.h"

namespace tavelao::issue {
namespace {

constexpr std::string_view kHeader =
    "Cartela;Dígito;D1;D2;D3;D4;D5;D6;D7;D8;D9;D10;D11;D12;D13;D14;D15;D16;D17;D18;D19;D20;D21;D22;D23;D24;D25;"
    "Senha";
constexpr std::string_view kTitle = "Arquivo para gráfica";

}  // namespace

Result<std::string> ExportText(const card::CardBank& bank, const card::Password& password,
                               const card::IssuerNumber& issuer, std::int32_t first, std::int32_t last) {
  if (auto numbers = card::CheckCardsHaveNumbers(bank, first, last); !numbers) {
    return Fail(numbers.error() + " O arquivo " + kExportFile + " não foi gerado.");
  }
  std::string text = ToWindows1252(kHeader);
  text += "\r\n";
  if (last >= first) text.reserve(text.size() + static_cast<std::size_t>(last - first + 1) * 94);
  for (std::int64_t n = first; n <= last; ++n) {
    const std::string_view record = bank.CardRecord(n);
    text += SixDigits(static_cast<std::int32_t>(n));
    text += ';';
    text += card::CheckDigit(n);
    text += ';';
    for (int k = 0; k < 25; ++k) {
      text.append(record.substr(2 * k, 2));
      text += ';';
    }
    const std::string code = card::CardAuthenticationCode(bank, n, password, issuer);
    text += password.empty() ? std::string(5, ' ') : code;
    text += "\r\n";
  }
  return text;
}

ExportOutcome ExportForPrintingHouse(const card::CardBank& bank, const card::Password& password,
                                     const card::IssuerNumber& issuer, const session::TablePlace& place,
                                     std::string_view first_text, std::string_view quantity_text, Dialogs& dialogs,
                                     const Clock& clock) {
  const auto first = NumberFieldValue(first_text);
  if (!first) {
    dialogs.ReportConversionError(Trim(first_text));
    return ExportOutcome::kRefused;
  }
  const auto quantity = NumberFieldValue(quantity_text);
  if (!quantity) {
    dialogs.ReportConversionError(Trim(quantity_text));
    return ExportOutcome::kRefused;
  }
  if (*first == 0 || *quantity == 0) return ExportOutcome::kNothing;
  if (*first < 1) {
    dialogs.Inform(kTitle, "A cartela inicial deve ser 1 ou mais.");
    return ExportOutcome::kRefused;
  }
  const std::int64_t last = std::min<std::int64_t>(std::int64_t{*first} + *quantity - 1, card::kBankCapacity);
  const std::int32_t from = std::min(*first, card::kBankCapacity);
  auto text = ExportText(bank, password, issuer, from, static_cast<std::int32_t>(last));
  if (!text) {
    dialogs.Inform(kTitle, text.error());
    return ExportOutcome::kRefused;
  }
  if (auto written = WriteFileAtomically(place.folder / kExportFile, *text); !written) {
    dialogs.Inform(kTitle, written.error());
    return ExportOutcome::kRefused;
  }
  const CardRange exported{from, static_cast<std::int32_t>(last)};
  if (auto recorded = RecordIssuedRange(place, exported, clock); !recorded) {
    dialogs.Inform(kTitle, std::string(kExportFile) + " foi gerado, mas a emissão não foi anotada em " +
                               session::kIssuedFile + ": " + recorded.error());
    return ExportOutcome::kRefused;
  }
  return ExportOutcome::kWritten;
}

}  // namespace tavelao::issue
