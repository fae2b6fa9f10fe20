#include "issue/card_refresh.h"

#include "issue/card_file.h"

namespace tavelao::issue {

CurrentCard RefreshCurrentCard(const store::Record& row, const card::Password& password,
                               const card::IssuerNumber& issuer) {
  CurrentCard current;

  // Stage 1: the authentication line from the third row.
  std::string code;
  if (!password.empty()) {
    const std::string n3 = row.Text("N3"), n8 = row.Text("N8"), n13 = row.Text("N13"), n18 = row.Text("N18"),
                      n23 = row.Text("N23");
    code = card::AuthenticationCode({n3, n8, n13, n18, n23}, password, issuer);
  }
  current.authentication_line = card::AuthenticationLine(code);

  // Stage 2: bar code and line text, whatever stage 1 made.
  if (const auto number = row.Int(kNumeroField); number && *number >= 0) {
    current.bar_code = card::MakeBarCodeImage(card::BarCodeText(*number, code));
  }
  for (int k = 1; k <= 25; ++k) {
    if (k > 1) current.line_text += "  ";
    current.line_text += row.Text(NumberField(k));
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
