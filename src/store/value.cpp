#include "store/value.h"

#include <cctype>
#include <cstdio>

#include "common/text.h"

namespace tavelao::store {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

std::optional<std::size_t> FindField(const Schema& schema, std::string_view name) {
  for (std::size_t i = 0; i < schema.size(); ++i) {
    if (SameName(schema[i].name, name)) return i;
  }
  return std::nullopt;
}

bool IsValidDate(const Date& d) {
  if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
  const int last = kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
  return d.day <= last;
}

std::string DateText(const Date& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

std::optional<Date> DateFromText(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto y = ParseInt32(text.substr(0, 4)), m = ParseInt32(text.substr(5, 2)), day = ParseInt32(text.substr(8, 2));
  if (!y || !m || !day) return std::nullopt;
  const Date d{*y, *m, *day};
  return IsValidDate(d) ? std::optional<Date>(d) : std::nullopt;
}

}  // namespace tavelao::store
