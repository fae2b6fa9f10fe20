#include <gtest/gtest.h>

#include "card/card_bank.h"
#include "store/table.h"
#include "support/temp_folder.h"

namespace tavelao::card {
namespace {

using testing::TempFolder;

const std::string kRecord5 = "01020304052122232425414243444561626364658182838485";

void WriteComplement(const std::filesystem::path& folder, const std::vector<std::pair<int, std::string>>& rows) {
  auto t = store::Table::CreateAfresh(folder / kComplementFile,
                                      {store::IntegerField("Cartela"), store::StringField("Todas", 80)});
  ASSERT_TRUE(t) << t.error();
  for (const auto& [card, todas] : rows) {
    store::Record r = t->NewRecord();
    r.Set("Cartela", card);
    r.Set("Todas", todas);
    ASSERT_TRUE(t->Insert(r));
  }
}

TEST(Complement, WithoutTheFileOnlyBuiltInCardsExist) {
  TempFolder dir;
  CardBank bank;
  auto report = LoadCardBank(bank, dir.path());
  ASSERT_TRUE(report);
  EXPECT_FALSE(report->present);
  EXPECT_TRUE(bank.HasRecord(10000));
  EXPECT_FALSE(bank.HasRecord(10001));
}

TEST(Complement, RowsReplaceAndFillRecordsLaterRowsWinning) {
  TempFolder dir;
  const std::string high = "20191817164039383736605958575680797877760099989796";
  WriteComplement(dir.path(), {{5, kRecord5}, {110000, high}, {5, high}, {5, kRecord5 + "9999"}});
  CardBank bank;
  auto report = LoadCardBank(bank, dir.path());
  ASSERT_TRUE(report) << report.error();
  EXPECT_EQ(report->applied, 4);
  EXPECT_EQ(bank.CardRecord(5), kRecord5) << "the last row for card 5 wins, cut to 50 characters";
  EXPECT_EQ(bank.CardRecord(110000), high);
  EXPECT_EQ(bank.CardNumber(110000, 21), "00");
}

TEST(Complement, AWriteProtectedFileIsReadAndNeverWritten) {
  TempFolder dir;
  WriteComplement(dir.path(), {{10001, kRecord5}});
  {
    // As delivered: one plain file (no write-ahead log mode in its header).
    auto made = store::Table::Open(dir / kComplementFile);
    ASSERT_TRUE(made->CopyTo(dir / "plain.cds"));
  }
  std::filesystem::remove(dir / kComplementFile);
  std::filesystem::rename(dir / "plain.cds", dir / kComplementFile);
  std::filesystem::permissions(dir / kComplementFile, std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::group_read |
                                                          std::filesystem::perms::others_read);
  const std::string before = testing::ReadBytes(dir / kComplementFile);
  for (int start = 0; start < 2; ++start) {
    CardBank bank;
    auto report = LoadCardBank(bank, dir.path());
    ASSERT_TRUE(report) << report.error();
    EXPECT_EQ(bank.CardRecord(10001), kRecord5);
  }
  EXPECT_EQ(testing::ReadBytes(dir / kComplementFile), before);
}

TEST(Complement, RowsOutsideTheBankAreSkipped) {
  TempFolder dir;
  WriteComplement(dir.path(), {{0, kRecord5}, {-3, kRecord5}, {120001, kRecord5}, {120000, kRecord5}});
  CardBank bank;
  auto report = LoadCardBank(bank, dir.path());
  ASSERT_TRUE(report);
  EXPECT_EQ(report->skipped, 3);
  EXPECT_EQ(bank.CardRecord(120000), kRecord5);
}

TEST(Complement, ShortOrNonDigitValuesAreStoredAsTheyAre) {
  TempFolder dir;
  WriteComplement(dir.path(), {{7, "1509"}, {8, "AB09xx"}, {9, ""}});
  CardBank bank;
  ASSERT_TRUE(LoadCardBank(bank, dir.path()));
  EXPECT_EQ(bank.CardRecord(7), "1509");
  EXPECT_TRUE(bank.CardNumber(7, 3).empty());
  EXPECT_EQ(bank.CardNumber(8, 1), "AB");
  EXPECT_FALSE(bank.HasRecord(9)) << "an empty value empties the record";
}

TEST(Complement, UnreadableFileIsReportedAndTheBankKept) {
  TempFolder dir;
  testing::WriteBytes(dir / kComplementFile, "não é uma tabela, só texto qualquer.........");
  const std::string before = testing::ReadBytes(dir / kComplementFile);
  CardBank bank;
  auto report = LoadCardBank(bank, dir.path());
  ASSERT_FALSE(report);
  EXPECT_NE(report.error().find("compl110.cds"), std::string::npos);
  EXPECT_EQ(bank.CardRecord(1), "15091402203736273023534450454876617371658183848987");
  EXPECT_EQ(testing::ReadBytes(dir / kComplementFile), before);
}

TEST(Complement, TableWithoutItsFieldsIsReported) {
  TempFolder dir;
  { ASSERT_TRUE(store::Table::CreateAfresh(dir / kComplementFile, {store::IntegerField("Numero")})); }
  CardBank bank;
  auto report = LoadCardBank(bank, dir.path());
  ASSERT_FALSE(report);
  EXPECT_NE(report.error().find("Cartela"), std::string::npos);
}

// What every issue and export says about a range reaching cards the
// complement did not fill.
TEST(Complement, CardsWithoutNumbersAreNamedFirstAndHowMany) {
  TempFolder dir;
  WriteComplement(dir.path(), {{10002, kRecord5}, {10004, kRecord5}, {10005, kRecord5}, {20000, "1509"}});
  CardBank bank;
  ASSERT_TRUE(LoadCardBank(bank, dir.path()));
  const auto message = [&bank](std::int64_t first, std::int64_t last) {
    const Status checked = CheckCardsHaveNumbers(bank, first, last);
    return checked ? std::string("sem falta") : checked.error();
  };
  EXPECT_EQ(message(1, 10000), "sem falta");
  EXPECT_EQ(message(10002, 10002), "sem falta");
  EXPECT_EQ(message(10005, 10004), "sem falta") << "an empty range";
  EXPECT_EQ(message(9999, 10002), "A cartela 10.001 não tem dezenas no banco.");
  EXPECT_EQ(message(10001, 10004), "As cartelas 10.001 e 10.003 não têm dezenas no banco.");
  EXPECT_EQ(message(10005, 10009), "As cartelas 10.006 a 10.009 não têm dezenas no banco.");
  EXPECT_EQ(message(10001, 10010), "A cartela 10.001 e mais 6 cartelas até a 10.010 não têm dezenas no banco.");
  EXPECT_EQ(message(20000, 20000), "A cartela 20.000 não tem dezenas no banco.") << "a short record prints no card";
  EXPECT_EQ(message(119000, 120000), "As cartelas 119.000 a 120.000 não têm dezenas no banco.");
}

}  // namespace
}  // namespace tavelao::card
