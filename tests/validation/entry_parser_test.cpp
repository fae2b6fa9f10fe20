#include "validation/entry_parser.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "validation/validation_messages.h"

namespace tavelao::validation {
namespace {

class EntryParserTest : public ::testing::Test {
 protected:
  void SetUp() override { bank.LoadBuiltIn(); }
  void SetPassword(const char* text) { password = *card::Password::FromText(text); }
  std::string Scanned(std::int32_t card) const {
    return card::BarCodeText(card, card::CardAuthenticationCode(bank, card, password, issuer));
  }
  ParsedDirectEntry Direct(std::string_view text) { return ParseDirectEntry(text, keys); }
  ParsedBatchEntry Batch(std::string_view text) { return ParseBatchEntry(text, keys); }

  card::CardBank bank;
  card::Password password;
  card::IssuerNumber issuer;
  EntryKeys keys{bank, password, issuer};
};

using Kind = ParsedDirectEntry::Kind;

void ExpectCodes(const ParsedDirectEntry& parsed, std::int32_t start, std::int32_t last, bool single) {
  ASSERT_EQ(parsed.kind, Kind::Codes) << parsed.refusal.text;
  EXPECT_EQ(parsed.codes.start, start);
  EXPECT_EQ(parsed.codes.last, last);
  EXPECT_EQ(parsed.codes.single, single);
}

void ExpectConversionError(const Refusal& refusal, const std::string& part) {
  EXPECT_TRUE(refusal.conversion_error) << refusal.title << " " << refusal.text;
  EXPECT_EQ(refusal.text, part);
}

void ExpectDigitRefusal(const Refusal& refusal) {
  EXPECT_FALSE(refusal.conversion_error);
  EXPECT_EQ(refusal.title, "Verificação do dígito da cartela");
  EXPECT_EQ(refusal.text.rfind("O dígito da cartela ", 0), 0u) << refusal.text;
}

TEST_F(EntryParserTest, NumberWithDigit) {
  EXPECT_EQ(CheckNumberWithDigit("19").card, 1);
  EXPECT_EQ(CheckNumberWithDigit("108").card, 10);
  EXPECT_EQ(CheckNumberWithDigit("0000019").card, 1) << "the 7-digit scan of a card printed without a code";
  ExpectDigitRefusal(CheckNumberWithDigit("17").refusal);
  ExpectDigitRefusal(CheckNumberWithDigit("1ç").refusal);
  ExpectConversionError(CheckNumberWithDigit("1a9").refusal, "1a");
  ExpectConversionError(CheckNumberWithDigit("+19").refusal, "+1");
  // Too large for 32 bits: the digit is compared first, then the number read.
  ExpectDigitRefusal(CheckNumberWithDigit("99999999991").refusal);
  ExpectConversionError(CheckNumberWithDigit("99999999990").refusal, "9999999999");
}

TEST_F(EntryParserTest, AWrongDigitNamesTheCardsDigit) {
  EXPECT_EQ(CheckNumberWithDigit("14").refusal.text, "O dígito da cartela 1 é 9, não 4.");
  EXPECT_EQ(Direct("000001-4").refusal.text, "O dígito da cartela 1 é 9, não 4.");
  EXPECT_EQ(Batch("10-4").refusal.text, "O dígito da cartela 10 é 8, não 4.");
  EXPECT_EQ(Direct("19-107").refusal.text, "O dígito da cartela 10 é 8, não 7.");
}

TEST_F(EntryParserTest, CardsAsPrintedOrWithTheirDigitApart) {
  for (const char* text : {"000001-9", "1-9", "000001 9", "19", " 000001 - 9 ", "1 9"}) {
    ExpectCodes(Direct(text), 1, 1, true);
    EXPECT_EQ(Batch(text).card, 1) << text;
  }
  ExpectCodes(Direct("000019-1"), 19, 19, true);  // as printed on card 19
  ExpectCodes(Direct("12-4"), 12, 12, true);      // "12" is no card 1 with digit 2
  ExpectCodes(Direct("19 1"), 19, 19, true);
  // The older meaning stands where there was one: "19-1" is card 1, its
  // one-character end part ignored; ranges and sheet codes are untouched.
  ExpectCodes(Direct("19-1"), 1, 1, true);
  ExpectCodes(Direct("19-108"), 1, 10, false);
  ExpectCodes(Direct("3000010-3000044"), 300'001, 300'004, false);
  ExpectCodes(Direct("3000010-1"), 300'001, 300'001, true);
  // Six digits as printed always name a card, never a sheet.
  const ParsedDirectEntry beyond = Direct("300001-0");
  ASSERT_EQ(beyond.kind, Kind::Refused);
  EXPECT_EQ(beyond.refusal.title, "Cartela inexistente");
  EXPECT_EQ(Direct("000000-0").kind, Kind::Nothing);
  EXPECT_EQ(Direct("1--9").kind, Kind::Nothing) << "two hyphens are no card";
}

TEST_F(EntryParserTest, BarCodeNeedsThePasswordAndItsCode) {
  const PartCheck no_password = CheckBarCode("000001929553", keys);
  EXPECT_FALSE(no_password.card);
  EXPECT_EQ(no_password.refusal.title, "Senha de autenticação");
  EXPECT_EQ(no_password.refusal.text,
            "Para validar estas cartelas pelo código de barras, entre com a senha de autenticação.");

  SetPassword("ABCDE");
  ASSERT_EQ(Scanned(1), "000001929553");
  EXPECT_EQ(CheckBarCode(Scanned(1), keys).card, 1);
  EXPECT_EQ(CheckBarCode("000001029553", keys).card, 1) << "position 7 is not examined";
  const PartCheck forged = CheckBarCode("000001900000", keys);
  EXPECT_FALSE(forged.card);
  EXPECT_EQ(forged.refusal.title, "Código de autenticação inválido");
  EXPECT_EQ(forged.refusal.text, "O código de autenticação da cartela não bate com o calculado pelo sistema.");
  // The refusal must not teach a forger the right code.
  for (std::int32_t card : {1, 2, 3, 42, 9999}) {
    const std::string code = card::CardAuthenticationCode(bank, card, password, issuer);
    std::string wrong = Scanned(card);
    wrong.back() = wrong.back() == '0' ? '1' : '0';
    const PartCheck refused = CheckBarCode(wrong, keys);
    ASSERT_FALSE(refused.card) << wrong;
    EXPECT_EQ(refused.refusal.text.find(code), std::string::npos) << refused.refusal.text;
    EXPECT_EQ(refused.refusal.title.find(code), std::string::npos);
  }

  // No code can be computed for a card outside the bank or without record.
  for (const char* text : {"000000029553", "120001012345", "010001312345"}) {
    const PartCheck outside = CheckBarCode(text, keys);
    EXPECT_FALSE(outside.card) << text;
    EXPECT_EQ(outside.refusal.title, "Cartela inexistente") << text;
  }
  EXPECT_EQ(CheckBarCode("010001312345", keys).refusal.text,
            "A cartela 010001 não está no banco de cartelas desta instalação.");
  ExpectConversionError(CheckBarCode("00A001929553", keys).refusal, "00A001");
}

TEST_F(EntryParserTest, BarCodeFollowsTheIssuersScheme) {
  SetPassword("ABCDE");
  const std::string padrao = Scanned(1);
  issuer = issuer.WithScheme(card::AuthenticationScheme::Hmac);  // keys sees it: it holds a reference
  const std::string hmac = Scanned(1);
  ASSERT_EQ(hmac, "000001928608");
  EXPECT_EQ(CheckBarCode(hmac, keys).card, 1);
  // A card printed under the other scheme no longer validates.
  const PartCheck old = CheckBarCode(padrao, keys);
  EXPECT_FALSE(old.card);
  EXPECT_EQ(old.refusal.title, "Código de autenticação inválido");
  EXPECT_EQ(old.refusal.text.find("28608"), std::string::npos);
}

TEST_F(EntryParserTest, RangesAndSingleEntries) {
  ExpectCodes(Direct("19-108"), 1, 10, false);
  ExpectCodes(Direct("108-19"), 10, 10, true);
  ExpectCodes(Direct("108-"), 10, 10, true);
  ExpectCodes(Direct("19-1"), 1, 1, true);  // an end part of one character is ignored
  ExpectCodes(Direct(" 19 - 108 "), 1, 10, false);
  ExpectCodes(Direct("0000019"), 1, 1, true);
  ExpectDigitRefusal(Direct("19-107").refusal);
  ExpectDigitRefusal(Direct("17-108").refusal);
  EXPECT_EQ(Direct("19-19-108").kind, Kind::Refused) << "the end part is everything after the first hyphen";
}

TEST_F(EntryParserTest, EntriesThatDoNothing) {
  for (const char* text : {"", "1", "  5  ", "-19", "00", "00-108", "\t"}) {
    EXPECT_EQ(Direct(text).kind, Kind::Nothing) << "'" << text << "'";
  }
}

TEST_F(EntryParserTest, SheetCodes) {
  ExpectCodes(Direct("3000010"), 300'001, 300'001, true);
  ExpectCodes(Direct("3000010-3000044"), 300'001, 300'004, false);
  EXPECT_EQ(Direct("3000028").kind, Kind::Dropped) << "2 divided by 3 does not leave 1";
  EXPECT_EQ(Direct("3000010-3000028").kind, Kind::Dropped) << "both ends are checked";
  EXPECT_EQ(Direct("3000010").refusal.text, "");
  // A last code beyond six digits is checked on the five digits after its first.
  EXPECT_TRUE(IsValidSheetCode(2'000'011));
  EXPECT_FALSE(IsValidSheetCode(1'000'001));
}

TEST_F(EntryParserTest, ReadsTwentyFiveCharactersAndLooksForTheHyphenInTwenty) {
  // The hyphen at position 20 splits.
  ExpectCodes(Direct("0000000000000000019-108"), 1, 10, false);
  // No hyphen among the first 20: character 20 is skipped and the end part
  // begins at 21, here "-10" followed by its digit.
  ExpectConversionError(Direct("0000000000000000019X-108").refusal, "-10");
  // Characters after the 25th are never read.
  ExpectCodes(Direct("19-" + std::string(19, ' ') + "108" + "-garbage"), 1, 10, false);
  ExpectCodes(Direct("19-" + std::string(19, ' ') + "1087777"), 1, 10, false);
}

TEST_F(EntryParserTest, CharactersAreNotBytes) {
  ExpectConversionError(Direct("ç19").refusal, "ç1");
  ExpectConversionError(Direct("１９").refusal, "１");
  const ParsedDirectEntry invalid = Direct(
      "\xff\xfe"
      "19");
  EXPECT_EQ(invalid.kind, Kind::Refused);
  EXPECT_TRUE(invalid.refusal.conversion_error);
  // Twelve characters in fourteen bytes is a bar-code text.
  SetPassword("ABCDE");
  const ParsedDirectEntry accented = Direct("00000192955ç");
  EXPECT_EQ(accented.refusal.title, "Código de autenticação inválido");
  // Twelve bytes in eleven characters is a number with digit, and é is no digit.
  ExpectDigitRefusal(Direct("0000019295é").refusal);
}

TEST_F(EntryParserTest, BatchEntryIsOneCard) {
  EXPECT_EQ(Batch("19").card, 1);
  EXPECT_EQ(Batch("  108 ").card, 10);
  EXPECT_EQ(Batch("3000010").card, 300'001) << "no sheet codes in a batch";
  const ParsedBatchEntry range = Batch("19-108");
  ASSERT_EQ(range.kind, ParsedBatchEntry::Kind::Refused);
  ExpectConversionError(range.refusal, "19-10");
  for (const char* text : {"", "1", " 7 ", "00"}) EXPECT_EQ(Batch(text).kind, ParsedBatchEntry::Kind::Nothing) << text;
  EXPECT_EQ(Batch("000001929553").refusal.title, "Senha de autenticação");
  SetPassword("ABCDE");
  EXPECT_EQ(Batch(Scanned(42)).card, 42);
}

TEST_F(EntryParserTest, WalkGoesSheetBySheetAndStopsOutsideTheBank) {
  auto walk = [](CodeRange codes, std::vector<std::int32_t>& seen) {
    return WalkCodes(codes, card::kBankCapacity, [&seen](std::int32_t card) {
      seen.push_back(card);
      return true;
    });
  };
  std::vector<std::int32_t> seen;
  EXPECT_EQ(walk({300'001, 300'004, false}, seen).kind, WalkEnd::Kind::Normal);
  EXPECT_EQ(seen, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));

  seen.clear();
  WalkEnd end = walk({119'999, 120'002, false}, seen);
  EXPECT_EQ(end.kind, WalkEnd::Kind::OutsideBank);
  EXPECT_EQ(end.card, 120'001);
  EXPECT_EQ(seen, (std::vector<std::int32_t>{119'999, 120'000}));

  // From sheets of 3 into sheets of 4 the walk meets sheet 400000, whose
  // first card would be 0.
  seen.clear();
  end = walk({399'997, 400'005, false}, seen);
  EXPECT_EQ(end.kind, WalkEnd::Kind::OutsideBank);
  EXPECT_EQ(end.card, 0);
  EXPECT_EQ(seen, (std::vector<std::int32_t>{99'997, 99'998, 99'999}));

  seen.clear();
  end = WalkCodes({1, 10, false}, card::kBankCapacity, [&seen](std::int32_t card) {
    seen.push_back(card);
    return card < 3;
  });
  EXPECT_EQ(end.kind, WalkEnd::Kind::Stopped);
  EXPECT_EQ(end.card, 3);
}

TEST_F(EntryParserTest, DigitButton) {
  EXPECT_EQ(AppendCheckDigit("10"), "108");
  EXPECT_EQ(AppendCheckDigit(""), "0");
  EXPECT_EQ(AppendCheckDigit(" 42 "), "426");
  EXPECT_EQ(AppendCheckDigit("000001"), "0000019");
  for (const char* text : {"19-10", "abc", "1 0", "+1", "１"}) EXPECT_FALSE(AppendCheckDigit(text)) << text;
}

}  // namespace
}  // namespace tavelao::validation
