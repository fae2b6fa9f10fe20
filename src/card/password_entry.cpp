#include "card/password_entry.h"

#include <string>

#include "common/text.h"

namespace tavelao::card {

PasswordEntry EnterPassword(std::string_view typed, std::string_view confirmed) {
  const std::string first = ToUpperLatin(Trim(typed));
  const std::string second = ToUpperLatin(Trim(confirmed));
  if (first != second) return {PasswordOutcome::Different, {}};
  if (first.empty()) return {PasswordOutcome::Off, {}};
  if (auto password = Password::FromText(first)) return {PasswordOutcome::Set, *password};
  return {PasswordOutcome::WrongLength, {}};
}

std::optional<PasswordNotice> NoticeFor(PasswordOutcome outcome) {
  switch (outcome) {
    case PasswordOutcome::Different:
      return PasswordNotice{"Senhas diferentes.", "As senhas digitadas dever ser idênticas."};
    case PasswordOutcome::WrongLength:
      return PasswordNotice{"Senha inválida.", "A senha deve ter 5 caracteres."};
    case PasswordOutcome::Set:
    case PasswordOutcome::Off:
      break;
  }
  return std::nullopt;
}

}  // namespace tavelao::card
