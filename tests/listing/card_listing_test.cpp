// The card listing: which positions each style keeps, the range the two
// fields give, the table "CartelasLista.cds" and the document of TFormRel.

#include "listing/card_listing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "card/card_identity.h"
#include "issue/card_file.h"
#include "listing/listing_layout.h"
#include "report/geometry.h"
#include "support/temp_folder.h"

namespace tavelao::listing {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* kCard1 = "15091402203736273023534450454876617371658183848987";

card::CardBank BuiltInBank() {
  card::CardBank bank;
  bank.LoadBuiltIn();
  return bank;
}

std::set<int> FilledPositions(ListingStyle style) {
  std::set<int> filled;
  const ListedPositions positions = PositionsOf(style);
  for (int k = 1; k <= 25; ++k) {
    if (positions[k - 1] != 0) {
      EXPECT_EQ(positions[k - 1], k) << "a row style keeps each number in its own column";
      filled.insert(k);
    }
  }
  return filled;
}

std::vector<store::Record> Records(const std::filesystem::path& folder) {
  auto table = store::Table::Open(folder / kListingFile);
  EXPECT_TRUE(table.ok()) << (table.ok() ? "" : table.error());
  if (!table) return {};
  auto rows = table->Select({"", issue::kNumeroField});
  EXPECT_TRUE(rows.ok());
  std::vector<store::Record> records;
  for (auto& row : *rows) records.push_back(std::move(row.record));
  return records;
}

Result<report::Document> List(const std::filesystem::path& folder, const card::CardBank& bank, const char* first,
                              const char* last, ListingStyle style) {
  const auto range = ListingRange(first, last);
  EXPECT_TRUE(range.has_value());
  return BuildCardListing(folder, bank, *range, style);
}

// ---- styles and range ------------------------------------------------------

TEST(ListingStyles, RowStylesKeepTheirRowsInEveryColumnAndDiagonalMovesFiveNumbersLeft) {
  EXPECT_EQ(FilledPositions(ListingStyle::kThreeRows),
            (std::set<int>{1, 2, 3, 6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23}));
  EXPECT_EQ(FilledPositions(ListingStyle::kFourRows),
            (std::set<int>{1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 16, 17, 18, 19, 21, 22, 23, 24}));
  EXPECT_EQ(FilledPositions(ListingStyle::kFiveRows).size(), 25u);

  const ListedPositions diagonal = PositionsOf(ListingStyle::kDiagonal);
  EXPECT_EQ((std::vector<int>(diagonal.begin(), diagonal.begin() + 5)), (std::vector<int>{1, 7, 13, 19, 25}));
  for (int k = 6; k <= 25; ++k) EXPECT_EQ(diagonal[k - 1], 0) << "N" << k;
}

TEST(ListingRange, TextThatIsNotAWholeNumberGivesNoRange) {
  for (const auto& [first, last] : std::vector<std::pair<const char*, const char*>>{
           {"abc", "10"}, {"1", "dez"}, {"", "10"}, {"1", ""}, {"1.5", "3"}, {"99999999999", "1"}}) {
    EXPECT_FALSE(ListingRange(first, last).has_value()) << first << " / " << last;
  }
  const auto spaced = ListingRange(" 4 ", "\t9");
  ASSERT_TRUE(spaced);
  EXPECT_EQ(spaced->first, 4);
  EXPECT_EQ(spaced->last, 9);
}

TEST(ListingRange, EndsStayInsideTheBank) {
  const auto below = ListingRange("-7", "3");  // raised to the bank's first card
  ASSERT_TRUE(below);
  EXPECT_EQ(below->first, 1);
  EXPECT_EQ(below->last, 3);
  EXPECT_EQ(ListingRange("0", "0")->size(), 0);

  const auto past = ListingRange("119999", "2000000");
  ASSERT_TRUE(past);
  EXPECT_EQ(past->first, 119999);
  EXPECT_EQ(past->last, card::kBankCapacity);
  const auto beyond = ListingRange("130000", "140000");  // both lowered: the bank's last card
  EXPECT_EQ(beyond->first, card::kBankCapacity);
  EXPECT_EQ(beyond->size(), 1);

  EXPECT_EQ(ListingRange("9", "5")->size(), 0) << "a first card above the last lists nothing";
}

// ---- the listing table -----------------------------------------------------

TEST(ListingTable, FiveRowsOfCardOneIsTheBankRecordInBankOrder) {
  TempFolder dir;
  const card::CardBank bank = BuiltInBank();
  store::Table table;
  ASSERT_TRUE(WriteListingTable(table, dir.path(), bank, {1, 1}, ListingStyle::kFiveRows).ok());
  EXPECT_TRUE(table.is_open());
  EXPECT_EQ(table.schema().size(), 27u);
  table.Close();

  const auto records = Records(dir.path());
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Int("Numero"), 1);
  EXPECT_EQ(records[0].Text("Digito"), "-9");
  std::string joined;
  for (int k = 1; k <= 25; ++k) joined += records[0].Text(issue::NumberField(k));
  EXPECT_EQ(joined, kCard1);
}

TEST(ListingTable, EachStyleFillsOnlyItsPositionsForEveryCard) {
  TempFolder dir;
  const card::CardBank bank = BuiltInBank();
  for (ListingStyle style :
       {ListingStyle::kThreeRows, ListingStyle::kFourRows, ListingStyle::kFiveRows, ListingStyle::kDiagonal}) {
    store::Table table;
    ASSERT_TRUE(WriteListingTable(table, dir.path(), bank, {40, 45}, style).ok());
    table.Close();
    const auto records = Records(dir.path());
    ASSERT_EQ(records.size(), 6u) << "the file is rebuilt, not added to";
    const ListedPositions positions = PositionsOf(style);
    for (const store::Record& r : records) {
      const int card = *r.Int("Numero");
      EXPECT_EQ(r.Text("Digito"), (std::string{'-', card::CheckDigit(card)}));
      for (int k = 1; k <= 25; ++k) {
        const std::string expected = positions[k - 1] ? std::string(bank.CardNumber(card, positions[k - 1])) : "";
        EXPECT_EQ(r.Text(issue::NumberField(k)), expected) << "card " << card << " N" << k;
      }
    }
  }
}

TEST(ListingTable, DiagonalOfCardOneReadsItsMainDiagonal) {
  TempFolder dir;
  const card::CardBank bank = BuiltInBank();
  store::Table table;
  ASSERT_TRUE(WriteListingTable(table, dir.path(), bank, {1, 1}, ListingStyle::kDiagonal).ok());
  table.Close();
  const auto records = Records(dir.path());
  ASSERT_EQ(records.size(), 1u);
  std::string joined;
  for (int k = 1; k <= 25; ++k) joined += records[0].Text(issue::NumberField(k));
  EXPECT_EQ(joined, "1536507187");
}

TEST(ListingTable, PastTheBanksEndListsUpToItsLastCardAndEmptyRecordsKeepNumberAndDigit) {
  TempFolder dir;
  card::CardBank bank = BuiltInBank();
  bank.SetRecord(card::kBankCapacity, kCard1);  // as a complement row would
  const auto range = ListingRange("119998", "500000");
  ASSERT_TRUE(range);
  store::Table table;
  ASSERT_TRUE(WriteListingTable(table, dir.path(), bank, *range, ListingStyle::kFiveRows).ok());
  table.Close();

  const auto records = Records(dir.path());
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records.front().Int("Numero"), 119998);
  EXPECT_EQ(records.back().Int("Numero"), card::kBankCapacity);
  for (const store::Record& r : {records[0], records[1]}) {
    EXPECT_EQ(r.Text("Digito"), (std::string{'-', card::CheckDigit(*r.Int("Numero"))}));
    for (int k = 1; k <= 25; ++k) EXPECT_EQ(r.Text(issue::NumberField(k)), "") << "no record, no numbers";
  }
  EXPECT_EQ(records[2].Text("N1"), "15");
  EXPECT_EQ(records[2].Text("N25"), "87");
}

TEST(ListingTable, AFileInTheWayIsReportedByName) {
  TempFolder dir;
  std::filesystem::create_directory(dir / kListingFile);  // cannot be deleted and made a table
  WriteBytes(dir / kListingFile / "x", "x");
  const auto document = BuildCardListing(dir.path(), BuiltInBank(), {1, 5}, ListingStyle::kThreeRows);
  ASSERT_FALSE(document.ok());
  EXPECT_NE(document.error().find(kListingFile), std::string::npos) << document.error();
}

// ---- the document ----------------------------------------------------------

TEST(ListingDocument, OneLinePerCardUnderTheTitleWithTwentyFiveFixedColumns) {
  TempFolder dir;
  const auto document = List(dir.path(), BuiltInBank(), "1", "1", ListingStyle::kFiveRows);
  ASSERT_TRUE(document.ok()) << document.error();
  ASSERT_EQ(document->pages.size(), 1u);
  EXPECT_EQ(document->records, 1u);
  const report::Page& page = document->pages[0];
  EXPECT_EQ(page.TextOf("LabelTitulo", report::kPageHeader), "Tavelão");
  EXPECT_EQ(page.TextOf("LabelRelacao", report::kPageHeader), "Relação das cartelas");
  EXPECT_EQ(page.TextOf("Numero", 0), "000001");
  EXPECT_EQ(page.TextOf("Digito", 0), "-9");

  const double left = document->page.Printable().x;
  const report::PlacedItem* digit = page.Find("Digito", 0);
  ASSERT_NE(digit, nullptr);
  for (int k = 1; k <= 25; ++k) {
    const report::PlacedItem* cell = page.Find(issue::NumberField(k), 0);
    ASSERT_NE(cell, nullptr) << k;
    EXPECT_EQ(page.TextOf(issue::NumberField(k), 0), std::string(kCard1 + 2 * (k - 1), 2)) << k;
    EXPECT_DOUBLE_EQ(cell->rect.x - left, kFirstNumberColumn + (k - 1) * kNumberColumnStep) << k;
    EXPECT_GE(cell->rect.x, digit->rect.right()) << "numbers stand right of the digit";
    EXPECT_LE(cell->rect.right() - left, 718.0) << "inside the line";
    EXPECT_DOUBLE_EQ(cell->rect.height, kLineHeight);
  }
}

TEST(ListingDocument, DiagonalFillsOnlyTheFirstFiveColumnsOfEveryLine) {
  TempFolder dir;
  const auto document = List(dir.path(), BuiltInBank(), "1", "80", ListingStyle::kDiagonal);
  ASSERT_TRUE(document.ok());
  ASSERT_EQ(document->records, 80u);
  int lines = 0;
  for (const report::Page& page : document->pages) {
    for (int band = 0; band < page.details; ++band, ++lines) {
      for (int k = 1; k <= 5; ++k) EXPECT_EQ(page.TextOf(issue::NumberField(k), band).value_or("").size(), 2u) << lines;
      for (int k = 6; k <= 25; ++k) EXPECT_EQ(page.TextOf(issue::NumberField(k), band), "") << lines << " N" << k;
    }
  }
  EXPECT_EQ(lines, 80);
  EXPECT_EQ(document->pages[0].TextOf("N2", 0), "36");
}

TEST(ListingDocument, ThreeRowsLeavesGapsWhereRowsFourAndFiveStand) {
  TempFolder dir;
  const auto document = List(dir.path(), BuiltInBank(), "1", "1", ListingStyle::kThreeRows);
  ASSERT_TRUE(document.ok());
  const report::Page& page = document->pages[0];
  for (int k = 1; k <= 25; ++k) {
    const int row = (k - 1) % 5 + 1;
    EXPECT_EQ(page.TextOf(issue::NumberField(k), 0).value_or("x").empty(), row > 3) << "N" << k;
  }
}

TEST(ListingDocument, PagesRunInAscendingOrderEachWithTheTitle) {
  TempFolder dir;
  const auto document = List(dir.path(), BuiltInBank(), "1", "200", ListingStyle::kThreeRows);
  ASSERT_TRUE(document.ok());
  ASSERT_GT(document->pages.size(), 2u);
  int expected = 1;
  for (const report::Page& page : document->pages) {
    EXPECT_EQ(page.TextOf("LabelTitulo", report::kPageHeader), "Tavelão");
    for (int band = 0; band < page.details; ++band) {
      EXPECT_EQ(page.TextOf("Numero", band), SixDigits(expected++));
      const report::PlacedItem* line = page.Find("Numero", band);
      EXPECT_LE(line->rect.bottom(), document->page.height() - report::Mm(10) + 0.5) << "inside the margin";
    }
  }
  EXPECT_EQ(expected, 201);
}

TEST(ListingDocument, FirstAboveLastGivesTheTitleAloneAndAnEmptyTable) {
  TempFolder dir;
  WriteBytes(dir / kListingFile, "not a table left by someone");
  const auto document = List(dir.path(), BuiltInBank(), "10", "3", ListingStyle::kFiveRows);
  ASSERT_TRUE(document.ok());
  ASSERT_EQ(document->pages.size(), 1u);
  EXPECT_EQ(document->records, 0u);
  EXPECT_EQ(document->pages[0].TextOf("LabelTitulo", report::kPageHeader), "Tavelão");
  EXPECT_TRUE(Records(dir.path()).empty());
}

}  // namespace
}  // namespace tavelao::listing
