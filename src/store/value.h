#pragma once
// Field definitions and field values of the table files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavelao::store {

enum class FieldType { String, Integer, Float, Date, Boolean };

struct FieldDef {
  std::string name;
  FieldType type = FieldType::String;
  int size = 0;  // characters, for String fields only
};

using Schema = std::vector<FieldDef>;

// Shorthands for writing schemas.
inline FieldDef StringField(std::string name, int size) { return {std::move(name), FieldType::String, size}; }
inline FieldDef IntegerField(std::string name) { return {std::move(name), FieldType::Integer, 0}; }
inline FieldDef FloatField(std::string name) { return {std::move(name), FieldType::Float, 0}; }
inline FieldDef DateField(std::string name) { return {std::move(name), FieldType::Date, 0}; }
inline FieldDef BooleanField(std::string name) { return {std::move(name), FieldType::Boolean, 0}; }

// Index of a field by name, matched without regard to case.
std::optional<std::size_t> FindField(const Schema& schema, std::string_view name);
bool SameName(std::string_view a, std::string_view b);

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const Date&, const Date&) = default;
};

// Gregorian dates only; 29/02 of a year that is not a leap year is not a date.
bool IsValidDate(const Date& date);
// A date as the stores keep it, "2026-12-09", and back (nullopt when the
// text is not such a date).
std::string DateText(const Date& date);
std::optional<Date> DateFromText(std::string_view text);

// A field value; std::monostate is the empty (null) value.
using Value = std::variant<std::monostate, std::int32_t, double, std::string, bool, Date>;

inline bool IsNull(const Value& v) { return std::holds_alternative<std::monostate>(v); }

}  // namespace tavelao::store
