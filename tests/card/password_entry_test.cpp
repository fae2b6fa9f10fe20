#include "card/password_entry.h"

#include <gtest/gtest.h>

namespace tavelao::card {
namespace {

TEST(PasswordEntry, FiveCharactersTypedTwiceBecomeThePassword) {
  const PasswordEntry entry = EnterPassword(" ab1çd ", "AB1ÇD");
  EXPECT_EQ(entry.outcome, PasswordOutcome::Set);
  EXPECT_EQ(entry.password.chars(), U"AB1ÇD") << "trimmed and upper-cased as the fields show it";
  EXPECT_TRUE(entry.closes_panel());
  EXPECT_FALSE(NoticeFor(entry.outcome));
}

TEST(PasswordEntry, NothingTwiceSwitchesAuthenticationOff) {
  const PasswordEntry entry = EnterPassword("  ", "");
  EXPECT_EQ(entry.outcome, PasswordOutcome::Off);
  EXPECT_TRUE(entry.password.empty());
  EXPECT_TRUE(entry.closes_panel());
}

TEST(PasswordEntry, RefusalsLeaveNoPasswordAndKeepThePanelOpen) {
  struct Case {
    const char* typed;
    const char* confirmed;
    PasswordOutcome outcome;
  };
  const Case cases[] = {
      {"ABCDE", "ABCDF", PasswordOutcome::Different},
      {"ABCDE", "", PasswordOutcome::Different},
      {"", "ABCDE", PasswordOutcome::Different},
      {"ABCD", "ABCD", PasswordOutcome::WrongLength},
      {"ABCDEF", "ABCDEF", PasswordOutcome::WrongLength},
      // Length counts characters, not bytes: four accented letters are four.
      {"ÇÃÉÕ", "ÇÃÉÕ", PasswordOutcome::WrongLength},
  };
  for (const Case& c : cases) {
    const PasswordEntry entry = EnterPassword(c.typed, c.confirmed);
    EXPECT_EQ(entry.outcome, c.outcome) << c.typed << " / " << c.confirmed;
    EXPECT_TRUE(entry.password.empty());
    EXPECT_FALSE(entry.closes_panel());
  }
  // Two texts that differ are refused before their length is looked at.
  EXPECT_EQ(EnterPassword("AB", "ABC").outcome, PasswordOutcome::Different);
}

TEST(PasswordEntry, RefusalMessages) {
  const auto different = NoticeFor(PasswordOutcome::Different);
  ASSERT_TRUE(different);
  EXPECT_EQ(different->title, "Senhas diferentes.");
  EXPECT_EQ(different->text, "As senhas digitadas dever ser idênticas.");
  const auto length = NoticeFor(PasswordOutcome::WrongLength);
  ASSERT_TRUE(length);
  EXPECT_EQ(length->title, "Senha inválida.");
  EXPECT_EQ(length->text, "A senha deve ter 5 caracteres.");
  EXPECT_FALSE(NoticeFor(PasswordOutcome::Off));
}

}  // namespace
}  // namespace tavelao::card
