#pragma once
// RefreshCurrentCard: what a layout prints for the card file's current row
// besides its fields (the authentication line, the bar-code picture and the
// line text of the numbers), computed afresh for every row a report visits.

#include <optional>
#include <string>

#include "card/bar_code.h"
#include "card/card_identity.h"
#include "report/band_engine.h"
#include "store/record.h"

namespace tavelao::issue {

// The names under which the layouts find these values.
inline constexpr const char* kAuthenticationLineValue = "LabelSenha";
inline constexpr const char* kBarCodeValue = "ImBarra";
inline constexpr const char* kLineTextValue = "LineText";

struct CurrentCard {
  // "Autenticação:" and the five digits, or empty without a password.
  std::string authentication_line;
  // The picture of the six-digit number, check digit and code; none when
  // the row has no number.
  std::optional<card::BarCodeImage> bar_code;
  // N1..N25 joined by two spaces.
  std::string line_text;
};

// Two independent stages: a code that cannot be made (no password, a row
// without numbers) leaves the line empty and the bar code still carries the
// number and check digit.
CurrentCard RefreshCurrentCard(const store::Record& row, const card::Password& password,
                               const card::IssuerNumber& issuer);

// The band engine's hook that runs RefreshCurrentCard for every row. It
// reads the password at each row, so the document follows the password as
// it is when the document is made.
report::RecordHook CardRefreshHook(const card::Password& password, const card::IssuerNumber& issuer);

}  // namespace tavelao::issue
