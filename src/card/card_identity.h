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

// How the installation makes the five digits of a code.
//  Default: each digit mixes one number of the third row, one issuer digit
//    and one password character; every card printed so far relies on it.
//  Hmac: HMAC-SHA256 keyed by the password over the issuer digits and the
//    whole card, so genuine cards reveal nothing about the key.
enum class AuthenticationScheme { Default, Hmac };

// The installation's issuer number: 1 (the default) or a five-digit number,
// with the scheme the installation signs its cards with. Both come from the
// same setting and go wherever a code is made.
class IssuerNumber {
 public:
  IssuerNumber() = default;
  static std::optional<IssuerNumber> FromValue(std::int64_t value,
                                               AuthenticationScheme scheme = AuthenticationScheme::Default);

  std::int32_t value() const { return value_; }
  // "61742" for issuer 1, otherwise the decimal text of the number.
  std::string Digits() const;

  AuthenticationScheme scheme() const { return scheme_; }
  IssuerNumber WithScheme(AuthenticationScheme scheme) const;

 private:
  IssuerNumber(std::int32_t value, AuthenticationScheme scheme) : value_(value), scheme_(scheme) {}
  std::int32_t value_ = 1;
  AuthenticationScheme scheme_ = AuthenticationScheme::Default;
};

// A card as printed: its number and N1..N25 in bank order (column by
// column, as the card file and the bank hold them), two characters each.
struct CardFace {
  std::int64_t number = -1;  // negative when unknown
  std::array<std::string_view, 25> numbers;
};

// The code of a card under the issuer's scheme: five digits, or the empty
// text when there is no password or the card cannot carry one (a number
// that is not two digits, as in an empty record; under Hmac also a card
// number outside 0..999999).
//
// Hmac signs this text, the numbers as the card shows them ("00" for 100):
//   "tavelao-autenticacao-1|" issuer digits "|" six-digit card number "|"
//   N1 "," N2 "," ... "," N25
// e.g. "tavelao-autenticacao-1|61742|000001|15,09,14,02,20,37,...,87",
// keyed by the password in UTF-8. The first 8 bytes of the digest, read
// big-endian, modulo 100000, zero-padded to five digits, are the code.
std::string AuthenticationCode(const CardFace& card, const Password& password, const IssuerNumber& issuer);

// The card's third row N3, N8, N13, N18, N23 as two-character texts.
using ThirdRow = std::array<std::string_view, 5>;

// The Default scheme, which needs only the third row. An issuer using Hmac
// gets the empty text: that code needs the whole card.
std::string AuthenticationCode(const ThirdRow& row, const Password& password, const IssuerNumber& issuer);

// The code of a card of the bank, from its record there.
std::string CardAuthenticationCode(const CardBank& bank, std::int64_t card, const Password& password,
                                   const IssuerNumber& issuer);

// Six-digit card number, check digit, then the code (7 or 12 digits).
std::string BarCodeText(std::int64_t card, std::string_view authentication_code);

// The printed form of a code: "Autenticação:" and the five digits, or empty.
std::string AuthenticationLine(std::string_view authentication_code);

}  // namespace tavelao::card
