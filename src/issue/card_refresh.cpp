#include "issue/card_refresh.h"

#include <array>

#include "issue/card_file.h"

namespace tavelao::issue {

CurrentCard RefreshCurrentCard(const store::Record& row, const card::Password& password,
                               const card::IssuerNumber& issuer) {
  CurrentCard current;

  const auto number = row.Int(kNumeroField);
  std::array<std::string, 25> numbers;
  for (int k = 1; k <= 25; ++k) numbers[k - 1] = row.Text(NumberField(k));

  // Stage 1: the authentication line from the whole row, as the scheme of
  // the issuer needs it.
  std::string code;
  if (!password.empty()) {
    card::CardFace face;
    face.number = number.value_or(-1);
    for (int k = 0; k < 25; ++k) face.numbers[k] = numbers[k];
    code = card::AuthenticationCode(face, password, issuer);
  }
  current.authentication_line = card::AuthenticationLine(code);

  // Stage 2: bar code and line text, whatever stage 1 made.
  if (number && *number >= 0) current.bar_code = card::MakeBarCodeImage(card::BarCodeText(*number, code));
  for (int k = 0; k < 25; ++k) {
    if (k > 0) current.line_text += "  ";
    current.line_text += numbers[k];
  }
  return current;
}

report::RecordHook CardRefreshHook(const card::Password& password, const card::IssuerNumber& issuer) {
  return [&password, &issuer](const store::Record& row, report::RecordValues& values) {
    CurrentCard current = RefreshCurrentCard(row, password, issuer);
    values.SetText(kAuthenticationLineValue, std::move(current.authentication_line));
    values.SetBarCode(kBarCodeValue, std::move(current.bar_code));
    values.SetText(kLineTextValue, std::move(current.line_text));
  };
}

}  // namespace tavelao::issue
