#include "store/record.h"

#include <cassert>

#include "common/text.h"

namespace tavelao::store {

std::string CutToSize(std::string_view utf8, int size) {
  if (size <= 0 || utf8.size() <= static_cast<std::size_t>(size)) return std::string(utf8);
  std::u32string chars = DecodeUtf8(utf8);
  if (chars.size() > static_cast<std::size_t>(size)) chars.resize(size);
  return EncodeUtf8(chars);
}

Record::Record(std::shared_ptr<const Schema> schema) : schema_(std::move(schema)), values_(schema_->size()) {}

std::size_t Record::IndexOf(std::string_view field) const {
  const auto index = FindField(*schema_, field);
  assert(index && "unknown field name");
  return *index;
}

void Record::Set(std::string_view field, Value value) { SetAt(IndexOf(field), std::move(value)); }

void Record::SetAt(std::size_t index, Value value) {
  const FieldDef& def = schema_->at(index);
  if (!IsNull(value)) {
    switch (def.type) {
      case FieldType::String:
        assert(std::holds_alternative<std::string>(value));
        value = CutToSize(std::get<std::string>(value), def.size);
        break;
      case FieldType::Integer:
        assert(std::holds_alternative<std::int32_t>(value));
        break;
      case FieldType::Float:
        if (const auto* i = std::get_if<std::int32_t>(&value)) value = static_cast<double>(*i);
        assert(std::holds_alternative<double>(value));
        break;
      case FieldType::Date:
        assert(std::holds_alternative<Date>(value));
        break;
      case FieldType::Boolean:
        assert(std::holds_alternative<bool>(value));
        break;
    }
  }
  values_[index] = std::move(value);
}

const Value& Record::Get(std::string_view field) const { return values_[IndexOf(field)]; }

std::optional<std::int32_t> Record::Int(std::string_view field) const {
  if (const auto* v = std::get_if<std::int32_t>(&Get(field))) return *v;
  return std::nullopt;
}

std::optional<double> Record::Float(std::string_view field) const {
  if (const auto* v = std::get_if<double>(&Get(field))) return *v;
  return std::nullopt;
}

std::optional<bool> Record::Bool(std::string_view field) const {
  if (const auto* v = std::get_if<bool>(&Get(field))) return *v;
  return std::nullopt;
}

std::optional<Date> Record::DateValue(std::string_view field) const {
  if (const auto* v = std::get_if<Date>(&Get(field))) return *v;
  return std::nullopt;
}

std::string Record::Text(std::string_view field) const {
  if (const auto* v = std::get_if<std::string>(&Get(field))) return *v;
  return {};
}

}  // namespace tavelao::store
