#pragma once
// What identifies a printed card besides its numbers: the check digit of its
// number, the authentication code made from the password, and the text its
// bar code carries.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"

namespace tavelao::card {

class CardBank;

// Modulo 11 with weights 2..9 from the right; "0" when the remainder leaves
// 10 or 11. The text is trimmed; leading zeros do not change the result.
char CheckDigit(std::string_view digits);
char CheckDigit(std::int64_t number);

// The authentication password: five characters, or none. It lives in memory
// only and is never written anywhere.
class Password {
 public:
  Password() = default;
  // Exactly five characters (upper-cased as the entry fields type them), or
  // nullopt.
  static std::optional<Password> FromText(std::string_view utf8);

  bool empty() const { return chars_.empty(); }
  const std::u32string& chars() const { return chars_; }

 private:
  std::u32string chars_;
};

// The installation's issuer number: 1 (the default) or a five-digit number.
class IssuerNumber {
 public:
  IssuerNumber() = default;
  static std::optional<IssuerNumber> FromValue(std::int64_t value);

  std::int32_t value() const { return value_; }
  // "61742" for issuer 1, otherwise the decimal text of the number.
  std::string Digits() const;

 private:
  explicit IssuerNumber(std::int32_t value) : value_(value) {}
  std::int32_t value_ = 1;
};

// The card's third row N3, N8, N13, N18, N23 as two-character texts.
using ThirdRow = std::array<std::string_view, 5>;

// Five digits, or the empty text when there is no password or a number of
// the row is not two digits (a card with an empty record has no code).
std::string AuthenticationCode(const ThirdRow& row, const Password& password, const IssuerNumber& issuer);

// The code of a card of the bank, from its third row there.
std::string CardAuthenticationCode(const CardBank& bank, std::int64_t card, const Password& password,
                                   const IssuerNumber& issuer);

// Six-digit card number, check digit, then the code (7 or 12 digits).
std::string BarCodeText(std::int64_t card, std::string_view authentication_code);

// The printed form of a code: "Autenticação:" and the five digits, or empty.
std::string AuthenticationLine(std::string_view authentication_code);

}  // namespace tavelao::card
