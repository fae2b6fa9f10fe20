#include "card/card_identity.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <cctype>
#include <cstdio>

#include "card/card_bank.h"
#include "common/text.h"

namespace tavelao::card {
namespace {

bool TwoDigits(std::string_view number) {
  return number.size() == 2 && std::isdigit(static_cast<unsigned char>(number[0])) &&
         std::isdigit(static_cast<unsigned char>(number[1]));
}

// The text the Hmac scheme signs; see the header. Changing it changes
// every code printed under that scheme.
std::string HmacMessage(const CardFace& card, const IssuerNumber& issuer) {
  std::string message =
      "tavelao-autenticacao-1|" + issuer.Digits() + "|" + SixDigits(static_cast<std::int32_t>(card.number)) + "|";
  for (std::size_t k = 0; k < card.numbers.size(); ++k) {
    if (k > 0) message += ',';
    message += card.numbers[k];
  }
  return message;
}

std::string HmacCode(const CardFace& card, const Password& password, const IssuerNumber& issuer) {
  if (card.number < 0 || card.number > 999'999) return {};
  for (const std::string_view number : card.numbers) {
    if (!TwoDigits(number)) return {};
  }
  const std::string key = EncodeUtf8(password.chars());
  const std::string message = HmacMessage(card, issuer);
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (!HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()),
            reinterpret_cast<const unsigned char*>(message.data()), message.size(), digest, &length) ||
      length < 8) {
    return {};
  }
  std::uint64_t head = 0;
  for (int i = 0; i < 8; ++i) head = (head << 8) | digest[i];
  char code[6];
  std::snprintf(code, sizeof code, "%05u", static_cast<unsigned>(head % 100'000));
  return code;
}

}  // namespace

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

std::optional<IssuerNumber> IssuerNumber::FromValue(std::int64_t value, AuthenticationScheme scheme) {
  if (value == 1 || (value >= 10'000 && value <= 99'999)) {
    return IssuerNumber(static_cast<std::int32_t>(value), scheme);
  }
  return std::nullopt;
}

IssuerNumber IssuerNumber::WithScheme(AuthenticationScheme scheme) const { return IssuerNumber(value_, scheme); }

std::string IssuerNumber::Digits() const { return value_ == 1 ? "61742" : std::to_string(value_); }

std::string AuthenticationCode(const CardFace& card, const Password& password, const IssuerNumber& issuer) {
  if (password.empty()) return {};
  if (issuer.scheme() == AuthenticationScheme::Hmac) return HmacCode(card, password, issuer);
  const auto& n = card.numbers;
  return AuthenticationCode({n[2], n[7], n[12], n[17], n[22]}, password, issuer);
}

std::string AuthenticationCode(const ThirdRow& row, const Password& password, const IssuerNumber& issuer) {
  if (password.empty() || issuer.scheme() != AuthenticationScheme::Default) return {};
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
    if (!TwoDigits(number)) return {};
    const std::int64_t value = (number[0] - '0') * 10 + (number[1] - '0');
    code += CheckDigit((d[m.issuer] - '0') + value * static_cast<std::int64_t>(p[m.password]));
  }
  return code;
}

std::string CardAuthenticationCode(const CardBank& bank, std::int64_t card, const Password& password,
                                   const IssuerNumber& issuer) {
  CardFace face;
  face.number = card;
  for (int k = 1; k <= 25; ++k) face.numbers[k - 1] = bank.CardNumber(card, k);
  return AuthenticationCode(face, password, issuer);
}

std::string BarCodeText(std::int64_t card, std::string_view authentication_code) {
  return SixDigits(static_cast<std::int32_t>(card)) + CheckDigit(card) + std::string(authentication_code);
}

std::string AuthenticationLine(std::string_view authentication_code) {
  return authentication_code.empty() ? std::string() : "Autenticação:" + std::string(authentication_code);
}

}  // namespace tavelao::card
