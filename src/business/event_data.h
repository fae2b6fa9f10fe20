#pragma once
// The event record "dados.cds" as the business panel shows and takes it: the
// date as dd/mm/yyyy and the value as "###,##0.00;#;#" (Brazilian
// separators, nothing for zero).

#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"
#include "store/value.h"

namespace tavelao::business {

std::string FormatEventDate(const std::optional<store::Date>& date);
// Empty text clears the date; anything but a real dd/mm/yyyy date is refused.
Result<std::optional<store::Date>> ParseEventDate(std::string_view text);

std::string FormatEventValue(const std::optional<double>& value);
// "1.234,56", "1234,5" or "80"; empty clears it; negative values are refused.
Result<std::optional<double>> ParseEventValue(std::string_view text);

}  // namespace tavelao::business
