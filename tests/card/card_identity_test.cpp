#include "card/card_identity.h"

#include <gtest/gtest.h>

#include <set>

#include "card/card_bank.h"

namespace tavelao::card {
namespace {

TEST(CheckDigit, DocumentedExamples) {
  const std::pair<const char*, char> examples[] = {{"1", '9'},      {"5", '1'},   {"6", '0'},     {"14", '0'},
                                                   {"42", '6'},     {"100", '7'}, {"10000", '5'}, {"120000", '3'},
                                                   {"000042", '6'}, {"", '0'},    {" 42 ", '6'}};
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

IssuerNumber Hmac(std::int64_t value = 1) { return IssuerNumber::FromValue(value, AuthenticationScheme::Hmac).value(); }

CardFace FaceOf(const CardBank& bank, std::int64_t card) {
  CardFace face;
  face.number = card;
  for (int k = 1; k <= 25; ++k) face.numbers[k - 1] = bank.CardNumber(card, k);
  return face;
}

TEST(HmacAuthentication, PinnedCodesOfTheCanonicalMessage) {
  // Computed outside the program; for card 1 the message is
  //   tavelao-autenticacao-1|61742|000001|15,09,14,02,20,37,36,27,30,23,53,44,50,45,48,76,61,73,71,65,81,83,84,89,87
  // and `printf '%s' "$message" | openssl dgst -sha256 -hmac ABCDE` gives
  // 0b251f1286f2bb80...; 0x0b251f1286f2bb80 mod 100000 = 28608.
  CardBank bank;
  bank.LoadBuiltIn();
  const auto abcde = *Password::FromText("abcde");
  EXPECT_EQ(CardAuthenticationCode(bank, 1, abcde, Hmac()), "28608");
  EXPECT_EQ(CardAuthenticationCode(bank, 2, abcde, Hmac()), "51317");
  EXPECT_EQ(CardAuthenticationCode(bank, 4, abcde, Hmac()), "06202") << "zero-padded; card 4 holds 100 as \"00\"";
  EXPECT_EQ(CardAuthenticationCode(bank, 1, *Password::FromText("K7Q2Z"), Hmac(48213)), "25611");
  // The default scheme is untouched by the setting's existence.
  EXPECT_EQ(CardAuthenticationCode(bank, 1, abcde, Hmac().WithScheme(AuthenticationScheme::Default)), "29553");
}

TEST(HmacAuthentication, FiveDigitsThatDifferBetweenCards) {
  CardBank bank;
  bank.LoadBuiltIn();
  const auto password = *Password::FromText("ABCDE");
  std::set<std::string> codes;
  for (int card = 1; card <= 300; ++card) {
    const std::string code = CardAuthenticationCode(bank, card, password, Hmac());
    ASSERT_EQ(code.size(), 5u) << card;
    ASSERT_EQ(code.find_first_not_of("0123456789"), std::string::npos) << code;
    codes.insert(code);
  }
  EXPECT_GE(codes.size(), 295u) << "300 cards should share hardly any of 100000 codes";
}

TEST(HmacAuthentication, DependsOnPasswordIssuerCardNumberAndEveryNumber) {
  CardBank bank;
  bank.LoadBuiltIn();
  const auto password = *Password::FromText("ABCDE");
  const CardFace face = FaceOf(bank, 1);
  const std::string code = AuthenticationCode(face, password, Hmac());
  EXPECT_NE(AuthenticationCode(face, *Password::FromText("ABCDF"), Hmac()), code);
  EXPECT_NE(AuthenticationCode(face, password, Hmac(12345)), code);
  CardFace renumbered = face;
  renumbered.number = 2;
  EXPECT_NE(AuthenticationCode(renumbered, password, Hmac()), code);
  // Unlike the default scheme, a number outside the third row counts too.
  for (int k = 0; k < 25; ++k) {
    CardFace changed = face;
    changed.numbers[k] = face.numbers[k] == "99" ? "98" : "99";
    EXPECT_NE(AuthenticationCode(changed, password, Hmac()), code) << "N" << k + 1;
  }
}

TEST(HmacAuthentication, NoCodeWithoutPasswordOrAWholeCard) {
  CardBank bank;
  bank.LoadBuiltIn();
  const auto password = *Password::FromText("ABCDE");
  EXPECT_EQ(CardAuthenticationCode(bank, 1, Password(), Hmac()), "");
  EXPECT_EQ(CardAuthenticationCode(bank, 10'001, password, Hmac()), "") << "empty record";
  CardFace face = FaceOf(bank, 1);
  face.number = -1;
  EXPECT_EQ(AuthenticationCode(face, password, Hmac()), "") << "unknown card number";
  face = FaceOf(bank, 1);
  face.numbers[24] = "8";
  EXPECT_EQ(AuthenticationCode(face, password, Hmac()), "");
  // The third row alone cannot make an hmac code; better none than a wrong one.
  EXPECT_EQ(AuthenticationCode({"14", "27", "50", "73", "84"}, password, Hmac()), "");
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
