#include "report/record_values.h"

#include "store/value.h"

namespace tavelao::report {
namespace {

template <typename Pairs>
auto FindNamed(Pairs& pairs, std::string_view name) -> decltype(&pairs.front()) {
  for (auto& pair : pairs) {
    if (store::SameName(pair.first, name)) return &pair;
  }
  return nullptr;
}

}  // namespace

void RecordValues::SetText(std::string_view name, std::string text) {
  if (auto* found = FindNamed(texts_, name)) {
    found->second = std::move(text);
  } else {
    texts_.emplace_back(std::string(name), std::move(text));
  }
}

void RecordValues::SetBarCode(std::string_view name, std::optional<card::BarCodeImage> image) {
  if (auto* found = FindNamed(bar_codes_, name)) {
    found->second = std::move(image);
  } else {
    bar_codes_.emplace_back(std::string(name), std::move(image));
  }
}

void RecordValues::Clear() {
  texts_.clear();
  bar_codes_.clear();
}

const std::string* RecordValues::Text(std::string_view name) const {
  const auto* found = FindNamed(texts_, name);
  return found ? &found->second : nullptr;
}

const card::BarCodeImage* RecordValues::BarCode(std::string_view name) const {
  const auto* found = FindNamed(bar_codes_, name);
  return found && found->second ? &*found->second : nullptr;
}

}  // namespace tavelao::report
