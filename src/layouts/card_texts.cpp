#include "layouts/card_texts.h"

#include "issue/card_file.h"
#include "issue/card_refresh.h"

namespace tavelao::layouts {
namespace {

constexpr const char* kNumberFormat = "000000";
// Interleaved 2 of 5 wants ten narrow elements of white before and after.
constexpr int kQuietZone = 10;

}  // namespace

report::LayoutItem CardNumberText(std::string name, report::Rect rect, const report::TextStyle& style) {
  return report::Text(std::move(name), rect,
                      {report::Literal("Cartela: "), report::Value(issue::kNumeroField, kNumberFormat),
                       report::Value(issue::kDigitoField)},
                      style);
}

report::LayoutItem BareCardNumberText(std::string name, report::Rect rect, const report::TextStyle& style) {
  return report::Text(std::move(name), rect,
                      {report::Value(issue::kNumeroField, kNumberFormat), report::Value(issue::kDigitoField)}, style);
}

report::LayoutItem AuthenticationText(report::Rect rect, const report::TextStyle& style) {
  return report::FieldText("LabelSenha", rect, issue::kAuthenticationLineValue, style);
}

report::LayoutItem BarCodePicture(report::Rect rect) {
  return report::BarCode("ImBarra", rect, issue::kBarCodeValue, kQuietZone);
}

}  // namespace tavelao::layouts
