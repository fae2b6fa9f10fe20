#include "card/card_identity.h"

#include <gtest/gtest.h>

#include "card/card_bank.h"

namespace tavelao::card {
namespace {

TEST(CheckDigit, DocumentedExamples) {
  const std::pair<const char*, char> examples[] = {{"1", '9'},     {"5", '1'},     {"6", '0'},    {"14", '0'},
                                                   {"42", '6'},    {"100", '7'},   {"10000", '5'}, {"120000", '3'},
                                                   {"000042", '6'}, {"", '0'},     {" 42 ", '6'}};
  for (const auto& [text, digit] : examples) EXPECT_EQ(CheckDigit(text), digit) << "\"" << text << "\"";
  EXPECT_EQ(CheckDigit(std::int64_t{10}), '8');
}

TEST(CheckDigit, WeightsRestartAfterNine) {
  // 9 digits of 1: weights 2..9 then 2 again: sum 46, 46 mod 11 = 2, 11 - 2 = 9.
  EXPECT_EQ(CheckDigit("111111111"), '9');
}

TEST(AuthenticationCode, MixesIssuerDigitsRowNumbersAndPassword) {
  CardBank bank;
  bank.LoadBuiltIn();
  const auto password = Password::FromText("ABCDE");
  ASSERT_TRUE(password);
  // Card 1, third row 14 27 50 73 84, issuer digits 61742:
  // 7+27*66=1789 -> 2; 1+14*69=967 -> 9; 4+50*67=3354 -> 5; 6+84*68=5718 -> 5; 2+73*65=4747 -> 3.
  EXPECT_EQ(CardAuthenticationCode(bank, 1, *password, IssuerNumber()), "29553");
}

TEST(AuthenticationCode, ZeroZeroCountsAsZero) {
  const auto password = Password::FromText("ZZZZZ");
  ASSERT_TRUE(password);
  // N8 "00": the first digit is the check digit of D3 alone (7 -> 11-14%11=8).
  const std::string code = AuthenticationCode({"01", "00", "41", "61", "81"}, *password, IssuerNumber());
  ASSERT_EQ(code.size(), 5u);
  EXPECT_EQ(code[0], CheckDigit("7"));
}

TEST(AuthenticationCode, NoPasswordOrNoNumbersGiveNoCode) {
  EXPECT_EQ(AuthenticationCode({"14", "27", "50", "73", "84"}, Password(), IssuerNumber()), "");
  EXPECT_EQ(AuthenticationCode({"", "", "", "", ""}, *Password::FromText("ABCDE"), IssuerNumber()), "");
}

TEST(AuthenticationCode, IssuerNumberChangesTheCode) {
  const auto issuer = IssuerNumber::FromValue(12345);
  ASSERT_TRUE(issuer);
  EXPECT_EQ(issuer->Digits(), "12345");
  const auto password = Password::FromText("ABCDE");
  EXPECT_NE(AuthenticationCode({"14", "27", "50", "73", "84"}, *password, *issuer),
            AuthenticationCode({"14", "27", "50", "73", "84"}, *password, IssuerNumber()));
  for (std::int64_t bad : {0, 2, 9999, 100000, -12345}) EXPECT_FALSE(IssuerNumber::FromValue(bad)) << bad;
}

TEST(Password, FiveCharactersUpperCased) {
  const auto p = Password::FromText("abçd1");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->chars(), U"ABÇD1");
  EXPECT_FALSE(Password::FromText("ABCD"));
  EXPECT_FALSE(Password::FromText("ABCDEF"));
}

TEST(BarCodeText, NumberDigitAndCode) {
  EXPECT_EQ(BarCodeText(42, ""), "0000426");
  EXPECT_EQ(BarCodeText(1, ""), "0000019");
  EXPECT_EQ(BarCodeText(1, "29553"), "000001929553");
  EXPECT_EQ(AuthenticationLine("29553"), "Autenticação:29553");
  EXPECT_EQ(AuthenticationLine(""), "");
}

}  // namespace
}  // namespace tavelao::card
