#pragma once
// Values the record hook computes for the current record before it is laid
// out (the authentication line, the bar-code picture ...). Text items and
// bar codes name them like fields; a computed value hides a field of the
// same name.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "card/bar_code.h"

namespace tavelao::report {

class RecordValues {
 public:
  void SetText(std::string_view name, std::string text);
  // No picture (nullopt) shows an empty space where the bar code goes.
  void SetBarCode(std::string_view name, std::optional<card::BarCodeImage> image);
  void Clear();

  const std::string* Text(std::string_view name) const;
  const card::BarCodeImage* BarCode(std::string_view name) const;

 private:
  std::vector<std::pair<std::string, std::string>> texts_;
  std::vector<std::pair<std::string, std::optional<card::BarCodeImage>>> bar_codes_;
};

}  // namespace tavelao::report
