#include "card/card_identity.h"

#include <cctype>

#include "card/card_bank.h"
#include "common/text.h"

namespace tavelao::card {

char CheckDigit(std::string_view digits) {
  digits = Trim(digits);
  int sum = 0;
  int weight = 2;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    sum += (*it - '0') * weight;
    weight = weight == 9 ? 2 : weight + 1;
  }
  const int r = 11 - sum % 11;
  return r >= 10 ? '0' : static_cast<char>('0' + r);
}

char CheckDigit(std::int64_t number) { return CheckDigit(std::to_string(number)); }

std::optional<Password> Password::FromText(std::string_view utf8) {
  Password password;
  password.chars_ = DecodeUtf8(ToUpperLatin(utf8));
  if (password.chars_.size() != 5) return std::nullopt;
  return password;
}

std::optional<IssuerNumber> IssuerNumber::FromValue(std::int64_t value) {
  if (value == 1 || (value >= 10'000 && value <= 99'999)) return IssuerNumber(static_cast<std::int32_t>(value));
  return std::nullopt;
}

std::string IssuerNumber::Digits() const { return value_ == 1 ? "61742" : std::to_string(value_); }

std::string AuthenticationCode(const ThirdRow& row, const Password& password, const IssuerNumber& issuer) {
  if (password.empty()) return {};
  const ThirdRow& n = row;  // N3, N8, N13, N18, N23
  const std::string d = issuer.Digits();
  const std::u32string& p = password.chars();
  // Each code digit mixes one issuer digit, one number of the third row and
  // one password character: (issuer digit, row number, password character).
  struct Mix {
    int issuer, number, password;
  };
  static constexpr Mix kMix[5] = {{2, 1, 1}, {1, 0, 4}, {3, 2, 2}, {0, 4, 3}, {4, 3, 0}};
  std::string code;
  for (const Mix& m : kMix) {
    const std::string_view number = n[m.number];
    if (number.size() != 2 || !std::isdigit(static_cast<unsigned char>(number[0])) ||
        !std::isdigit(static_cast<unsigned char>(number[1]))) {
      return {};
    }
    const std::int64_t value = (number[0] - '0') * 10 + (number[1] - '0');
    code += CheckDigit((d[m.issuer] - '0') + value * static_cast<std::int64_t>(p[m.password]));
  }
  return code;
}

std::string CardAuthenticationCode(const CardBank& bank, std::int64_t card, const Password& password,
                                   const IssuerNumber& issuer) {
  return AuthenticationCode({bank.CardNumber(card, 3), bank.CardNumber(card, 8), bank.CardNumber(card, 13),
                             bank.CardNumber(card, 18), bank.CardNumber(card, 23)},
                            password, issuer);
}

std::string BarCodeText(std::int64_t card, std::string_view authentication_code) {
  return SixDigits(static_cast<std::int32_t>(card)) + CheckDigit(card) + std::string(authentication_code);
}

std::string AuthenticationLine(std::string_view authentication_code) {
  return authentication_code.empty() ? std::string() : "Autenticação:" + std::string(authentication_code);
}

}  // namespace tavelao::card
