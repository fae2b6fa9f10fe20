#pragma once
// The number typed in a number field: its trimmed text as a whole number,
// 0 when the field is empty, nullopt when it holds anything else (the caller
// shows the conversion-error report or ignores it, as its screen says).

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/text.h"

namespace tavelao {

inline std::optional<std::int32_t> NumberFieldValue(std::string_view text) {
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) return 0;
  return ParseInt32(trimmed);
}

}  // namespace tavelao
