#pragma once
// What pressing "OK" on the password panel does with the two typed texts.

#include <optional>
#include <string_view>

#include "card/card_identity.h"

namespace tavelao::card {

enum class PasswordOutcome {
  Set,          // five characters typed twice: authentication on
  Off,          // nothing typed twice: authentication off
  Different,    // the two texts differ
  WrongLength,  // the same text twice, but not five characters
};

struct PasswordEntry {
  PasswordOutcome outcome = PasswordOutcome::Off;
  // The new password: empty unless the outcome is Set. The old one is
  // always dropped, whatever the outcome.
  Password password;

  // Set and Off close the panel; a refusal leaves it open for correction.
  bool closes_panel() const { return outcome == PasswordOutcome::Set || outcome == PasswordOutcome::Off; }
};

// `typed` and `confirmed` are the texts of "Senha" and "Confirme"; both are
// trimmed, and letters count as the upper-case ones the fields show.
PasswordEntry EnterPassword(std::string_view typed, std::string_view confirmed);

struct PasswordNotice {
  std::string_view title;
  std::string_view text;
};

// The information box a refused entry shows; nullopt for Set and Off.
std::optional<PasswordNotice> NoticeFor(PasswordOutcome outcome);

}  // namespace tavelao::card
