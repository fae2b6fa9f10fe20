#pragma once
// One record of a table: a value per field, addressed by field name.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/value.h"

namespace tavelao::store {

class Record {
 public:
  explicit Record(std::shared_ptr<const Schema> schema);

  const Schema& schema() const { return *schema_; }
  const std::vector<Value>& values() const { return values_; }

  // Setting a value converts it to the field's type: a String is cut to its
  // size, an Integer field takes only integers. Unknown names are a
  // programming error.
  void Set(std::string_view field, Value value);
  void SetAt(std::size_t index, Value value);
  void Clear(std::string_view field) { Set(field, std::monostate{}); }

  const Value& Get(std::string_view field) const;
  const Value& At(std::size_t index) const { return values_.at(index); }

  // Typed reads; the empty value reads as nullopt or the empty text.
  std::optional<std::int32_t> Int(std::string_view field) const;
  std::optional<double> Float(std::string_view field) const;
  std::optional<bool> Bool(std::string_view field) const;
  std::optional<Date> DateValue(std::string_view field) const;
  std::string Text(std::string_view field) const;

  friend bool operator==(const Record& a, const Record& b) { return a.values_ == b.values_; }

 private:
  std::size_t IndexOf(std::string_view field) const;

  std::shared_ptr<const Schema> schema_;
  std::vector<Value> values_;
};

// A stored record with the key that addresses it for update and removal.
struct Row {
  std::int64_t id = 0;
  Record record;
};

// A String value cut to `size` characters (not bytes).
std::string CutToSize(std::string_view utf8, int size);

}  // namespace tavelao::store
