#include "issue/issue_run.h"

#include <gtest/gtest.h>

#include "card/card_identity.h"
#include "issue/card_file.h"
#include "issue/card_refresh.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace tavelao::issue {
namespace {

using testing::ReadBytes;
using testing::ScriptedDialogs;
using testing::TempFolder;

class IssueRunTest : public ::testing::Test {
 protected:
  void SetUp() override { bank.LoadBuiltIn(); }
  IssueOutcome Ok(std::string_view first, std::string_view quantity) {
    return RunIssue(card_file, dir.path(), bank, first, quantity, dialogs);
  }
  std::vector<store::Record> Rows() {
    auto rows = card_file.Select({"", kNumeroField});
    EXPECT_TRUE(rows.ok());
    std::vector<store::Record> records;
    if (rows) {
      for (auto& row : *rows) records.push_back(row.record);
    }
    return records;
  }

  TempFolder dir;
  card::CardBank bank;
  store::Table card_file;
  ScriptedDialogs dialogs;
};

TEST_F(IssueRunTest, FirstOneQuantityThreeCopiesTheBankWithCheckDigits) {
  ASSERT_EQ(Ok(" 1 ", "3"), IssueOutcome::kIssued);
  ASSERT_TRUE(card_file.is_open());
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 3u);
  const char* digits[] = {"-9", "-7", "-5"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(rows[i].Int(kNumeroField), i + 1);
    EXPECT_EQ(rows[i].Text(kDigitoField), digits[i]);
    for (int k = 1; k <= 25; ++k) EXPECT_EQ(rows[i].Text(NumberField(k)), bank.CardNumber(i + 1, k));
  }
  EXPECT_EQ(rows[0].Text("N1"), "15");
  EXPECT_EQ(rows[0].Text("N25"), "87");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(IssueRunTest, TheFileReopensWithItsSchema) {
  ASSERT_EQ(Ok("10", "2"), IssueOutcome::kIssued);
  card_file.Close();
  auto reopened = store::Table::Open(dir / kCardFile);
  ASSERT_TRUE(reopened.ok()) << reopened.error();
  const store::Schema& schema = reopened->schema();
  ASSERT_EQ(schema.size(), 27u);
  EXPECT_EQ(schema[0].name, "Numero");
  EXPECT_EQ(schema[0].type, store::FieldType::Integer);
  EXPECT_EQ(schema[1].name, "Digito");
  EXPECT_EQ(schema[1].size, 2);
  EXPECT_EQ(schema[26].name, "N25");
  EXPECT_EQ(schema[26].size, 2);
  EXPECT_EQ(reopened->Count().value(), 2);
}

TEST_F(IssueRunTest, RangeIsCutAtTheBanksCapacity) {
  bank.SetRecord(119999, bank.CardRecord(1));  // as the complement table fills them
  bank.SetRecord(120000, bank.CardRecord(2));
  ASSERT_EQ(Ok("119999", "5"), IssueOutcome::kIssued);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Int(kNumeroField), 119999);
  EXPECT_EQ(rows[1].Int(kNumeroField), 120000);
  EXPECT_EQ(rows[1].Text(kDigitoField), "-3");
  EXPECT_EQ(rows[1].Text("N1"), bank.CardNumber(2, 1));
}

TEST_F(IssueRunTest, HugeNumbersDoNotWrapRound) {
  bank.SetRecord(120000, bank.CardRecord(1));
  ASSERT_EQ(Ok("2000000000", "2000000000"), IssueOutcome::kIssued);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Int(kNumeroField), 120000);
  EXPECT_EQ(RangeToIssue(100, -2147483647)->size(), 0);
}

TEST_F(IssueRunTest, ZeroOrEmptyFieldsLeaveTheLastCardFileAsItWas) {
  ASSERT_EQ(Ok("5", "2"), IssueOutcome::kIssued);
  card_file.Close();
  const std::string before = ReadBytes(dir / kCardFile);
  for (auto [first, quantity] : {std::pair{"0", "5"}, {"5", "0"}, {"", "5"}, {"5", "  "}}) {
    EXPECT_EQ(Ok(first, quantity), IssueOutcome::kNothing) << first << "/" << quantity;
  }
  EXPECT_EQ(ReadBytes(dir / kCardFile), before);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(IssueRunTest, NegativeQuantityGivesAnEmptyCardFile) {
  ASSERT_EQ(Ok("5", "2"), IssueOutcome::kIssued);
  ASSERT_EQ(Ok("10", "-2"), IssueOutcome::kIssued);
  EXPECT_TRUE(card_file.is_open());
  EXPECT_TRUE(Rows().empty());
}

TEST_F(IssueRunTest, TextThatIsNotANumberStopsBeforeTheFileIsTouched) {
  ASSERT_EQ(Ok("5", "2"), IssueOutcome::kIssued);
  card_file.Close();
  const std::string before = ReadBytes(dir / kCardFile);
  EXPECT_EQ(Ok("12a", "3"), IssueOutcome::kRefused);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, kConversionErrorTitle);
  EXPECT_EQ(dialogs.last().text, ConversionErrorMessage("12a"));
  EXPECT_EQ(Ok("1", " dez "), IssueOutcome::kRefused);
  EXPECT_EQ(dialogs.last().text, ConversionErrorMessage("dez"));
  EXPECT_EQ(ReadBytes(dir / kCardFile), before);
}

TEST_F(IssueRunTest, FirstCardBelowOneIsRefusedAndKeepsTheFile) {
  ASSERT_EQ(Ok("5", "2"), IssueOutcome::kIssued);
  EXPECT_EQ(Ok("-3", "10"), IssueOutcome::kRefused);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().text, "O número da cartela inicial deve ser 1 ou mais.");
  EXPECT_TRUE(card_file.is_open()) << "the open card file stays as it was";
  EXPECT_EQ(Rows().size(), 2u);
}

TEST_F(IssueRunTest, CardsWithoutNumbersAreNamedAndNothingIsIssued) {
  ASSERT_EQ(Ok("5", "2"), IssueOutcome::kIssued);
  card_file.Close();
  const std::string before = ReadBytes(dir / kCardFile);
  EXPECT_EQ(Ok("9999", "3"), IssueOutcome::kRefused);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, "Emissão de cartelas");
  EXPECT_EQ(dialogs.last().text, "A cartela 10.001 não tem dezenas no banco.");
  EXPECT_EQ(Ok("119999", "5"), IssueOutcome::kRefused) << "the range is cut at the bank's end first";
  EXPECT_EQ(dialogs.last().text, "As cartelas 119.999 e 120.000 não têm dezenas no banco.");
  EXPECT_FALSE(card_file.is_open());
  EXPECT_EQ(ReadBytes(dir / kCardFile), before) << "a refused run leaves the last card file as it was";

  for (int n = 10001; n <= 10003; ++n) bank.SetRecord(n, bank.CardRecord(n - 10000));
  ASSERT_EQ(Ok("9999", "5"), IssueOutcome::kIssued) << "the complement's cards are issued";
  EXPECT_EQ(Rows().size(), 5u);
}

TEST(IssueQuantity, WarnsAboveOneHundredOnly) {
  ScriptedDialogs dialogs;
  EXPECT_FALSE(WarnAboutQuantity("100", dialogs));
  EXPECT_FALSE(WarnAboutQuantity("muitas", dialogs));
  EXPECT_FALSE(WarnAboutQuantity("", dialogs));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(WarnAboutQuantity(" 150 ", dialogs));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, "Atenção");
  EXPECT_EQ(dialogs.last().text,
            "Você colocou mais de 100 cartelas na quantidade. Isso pode exaurir a memória do seu computador "
            "provocando erro do sistema. O ideal seria emitir de 100 em 100 cartelas.");
}

TEST_F(IssueRunTest, RefreshFollowsThePasswordOfTheMoment) {
  ASSERT_EQ(Ok("42", "1"), IssueOutcome::kIssued);
  const store::Record row = Rows().at(0);
  const card::IssuerNumber issuer;

  const auto password = *card::Password::FromText("ABCDE");
  CurrentCard with = RefreshCurrentCard(row, password, issuer);
  const std::string code = card::CardAuthenticationCode(bank, 42, password, issuer);
  ASSERT_EQ(code.size(), 5u);
  EXPECT_EQ(with.authentication_line, "Autenticação:" + code);
  ASSERT_TRUE(with.bar_code);
  EXPECT_EQ(with.bar_code->columns, card::MakeBarCodeImage("0000426" + code)->columns);

  CurrentCard without = RefreshCurrentCard(row, card::Password(), issuer);
  EXPECT_EQ(without.authentication_line, "");
  ASSERT_TRUE(without.bar_code);
  EXPECT_EQ(without.bar_code->columns, card::MakeBarCodeImage("0000426")->columns);
  EXPECT_EQ(without.bar_code->width(), 81);
}

// The panel warns on leaving the field and again at "OK"; the box is one.
TEST(IssueQuantity, WarnsOnceForEachQuantityTyped) {
  ScriptedDialogs dialogs;
  QuantityWarning warning;
  warning.WarnOnce("150", dialogs);
  warning.WarnOnce("150", dialogs);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  warning.Retyped();
  warning.WarnOnce("50", dialogs);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  warning.WarnOnce("150", dialogs);
  EXPECT_EQ(dialogs.shown.size(), 2u) << "a quantity below the limit does not use up the warning";

  // A focus change while the box is open asks again from inside it.
  struct Reentering : ScriptedDialogs {
    QuantityWarning* warning = nullptr;
    void Inform(std::string_view title, std::string_view text) override {
      ScriptedDialogs::Inform(title, text);
      warning->WarnOnce("150", *this);
    }
  } reentering;
  QuantityWarning fresh;
  reentering.warning = &fresh;
  fresh.WarnOnce("150", reentering);
  EXPECT_EQ(reentering.shown.size(), 1u);
}

TEST_F(IssueRunTest, RefreshPrintsTheCodeOfTheIssuersScheme) {
  ASSERT_EQ(Ok("1", "3"), IssueOutcome::kIssued);
  const auto password = *card::Password::FromText("ABCDE");
  const auto hmac = card::IssuerNumber().WithScheme(card::AuthenticationScheme::Hmac);
  for (const store::Record& row : Rows()) {
    const std::int32_t n = *row.Int(kNumeroField);
    // From the card file row, as the bank-side checks compute it.
    const std::string code = card::CardAuthenticationCode(bank, n, password, hmac);
    ASSERT_EQ(code.size(), 5u);
    EXPECT_NE(code, card::CardAuthenticationCode(bank, n, password, card::IssuerNumber()));
    const CurrentCard current = RefreshCurrentCard(row, password, hmac);
    EXPECT_EQ(current.authentication_line, "Autenticação:" + code) << n;
    ASSERT_TRUE(current.bar_code);
    EXPECT_EQ(current.bar_code->columns, card::MakeBarCodeImage(card::BarCodeText(n, code))->columns);
  }
  EXPECT_EQ(RefreshCurrentCard(Rows().at(0), password, hmac).authentication_line, "Autenticação:28608");
}

TEST_F(IssueRunTest, RefreshOfACardWithoutNumbersStillMakesItsBarCode) {
  // A card file written past the run's check, as layouts may be fed.
  ASSERT_TRUE(WriteCardFile(card_file, dir.path(), bank, {10001, 10001}).ok());
  CurrentCard current = RefreshCurrentCard(Rows().at(0), *card::Password::FromText("ABCDE"), card::IssuerNumber());
  EXPECT_EQ(current.authentication_line, "") << "no code without the third row";
  ASSERT_TRUE(current.bar_code);
  EXPECT_EQ(current.bar_code->columns, card::MakeBarCodeImage(card::BarCodeText(10001, ""))->columns);
}

TEST_F(IssueRunTest, LineTextJoinsTheNumbersWithTwoSpaces) {
  ASSERT_EQ(Ok("1", "1"), IssueOutcome::kIssued);
  EXPECT_EQ(RefreshCurrentCard(Rows().at(0), card::Password(), card::IssuerNumber()).line_text,
            "15  09  14  02  20  37  36  27  30  23  53  44  50  45  48  76  61  73  71  65  81  83  84  89  87");
}

}  // namespace
}  // namespace tavelao::issue
