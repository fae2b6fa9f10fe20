#pragma once
// The event record "dados.cds" as the business panel shows and takes it: the
// date as dd/mm/yyyy and the value as "###,##0.00;#;#" (Brazilian
// separators, nothing for zero).

#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"
#include "store/table.h"
#include "store/value.h"

namespace tavelao::business {

std::string FormatEventDate(const std::optional<store::Date>& date);
// Empty text clears the date; anything but a real dd/mm/yyyy date is refused.
Result<std::optional<store::Date>> ParseEventDate(std::string_view text);

std::string FormatEventValue(const std::optional<double>& value);
// "1.234,56", "1234,5" or "80"; empty clears it; negative values are refused.
Result<std::optional<double>> ParseEventValue(std::string_view text);

// The fields of the event record that the panel edits and the cards print.
enum class EventField { kTitulo, kPromotor, kData, kHora, kLocal, kValor, kObs1, kObs2 };
inline constexpr EventField kEditedEventFields[] = {EventField::kTitulo, EventField::kPromotor, EventField::kData,
                                                    EventField::kHora,   EventField::kLocal,    EventField::kValor,
                                                    EventField::kObs1,   EventField::kObs2};
const char* EventFieldName(EventField field);  // "Titulo", "Data" ...

// The event record's texts as shown: date dd/mm/yyyy, value formatted.
struct EventTexts {
  std::string titulo, promotor, data, hora, local, valor, obs1, obs2;
  const std::string& Of(EventField field) const;
};

// The first record of "dados.cds"; a table without a record reads empty.
Result<EventTexts> ReadEventTexts(store::Table& event);

// Posts one field as typed into the first record (made when there is none).
// A date or value that does not parse is refused and nothing is stored.
Status StoreEventField(store::Table& event, EventField field, std::string_view text);

}  // namespace tavelao::business
