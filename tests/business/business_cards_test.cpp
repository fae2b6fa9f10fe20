#include "business/business_cards.h"

#include <gtest/gtest.h>

#include "business_fixture.h"

namespace tavelao::business {
namespace {

using testing::ReadBytes;

class BusinessCardsTest : public BusinessFixture {};

TEST_F(BusinessCardsTest, CardFileCarriesNumbersAndTheirSponsors) {
  Name(15, "Padaria", "Pão Quente", "Centro");
  Name(0, "Cem");
  store::Table cards = CardFile({10000, 1});
  auto built = RebuildBusinessCardFile(dir.path(), cards, Load(), false);
  ASSERT_TRUE(built) << built.error();
  const auto& schema = built->schema();
  ASSERT_EQ(schema.size(), 2u + 25u + 75u);
  EXPECT_EQ(schema[27].name, "E011");
  EXPECT_EQ(schema[28].name, "E021");
  EXPECT_EQ(schema[51].name, "E251");
  EXPECT_EQ(schema[52].name, "E012");
  EXPECT_EQ(schema[101].name, "E253");
  auto rows = built->Select({"", "Numero"});
  ASSERT_EQ(rows->size(), 2u);
  const store::Record& first = (*rows)[0].record;
  EXPECT_EQ(first.Int("Numero"), 1);
  EXPECT_EQ(first.Text("Digito"), "-9");
  EXPECT_EQ(first.Text("N1"), "15");
  EXPECT_EQ(first.Text("E011") + "|" + first.Text("E012") + "|" + first.Text("E013"), "Padaria|Pão Quente|Centro");
  const store::Record& last = (*rows)[1].record;
  EXPECT_EQ(last.Text("N22"), "00");
  EXPECT_EQ(last.Text("E221"), "Cem") << "ball 100 takes the sponsor of Pedra 0";
}

TEST_F(BusinessCardsTest, NamesOnlyLeavesNumbersEmpty) {
  Name(15, "Padaria");
  store::Table cards = CardFile({1});
  auto built = RebuildBusinessCardFile(dir.path(), cards, Load(), true);
  ASSERT_TRUE(built);
  const store::Record r = (*built->RowAt({}, 1))->record;
  EXPECT_EQ(r.Text("N1"), "");
  EXPECT_EQ(r.Text("E011"), "Padaria");
}

TEST_F(BusinessCardsTest, PrintingHouseFileLineByLine) {
  Name(15, "Padaria", "Pão");
  Name(0, "Cem");
  store::Table cards = CardFile({1, 10000});
  ASSERT_TRUE(WriteBusinessExport(dir.path(), bank, cards, Load()));
  const std::string file = ReadBytes(dir / kBusinessExportFile);
  const auto header_end = file.find("\r\n");
  const std::string header = file.substr(0, header_end);
  EXPECT_EQ(header.substr(0, 36), "Cartela;D1;NomeD1A;NomeD1B;NomeD1C;D");
  EXPECT_NE(header.find(";NomeD31B;"), std::string::npos) << "the odd names are kept";
  EXPECT_EQ(std::count(header.begin(), header.end(), ';'), 101);
  EXPECT_EQ(header.back(), ';');
  const auto line_end = file.find("\r\n", header_end + 2);
  const std::string line = file.substr(header_end + 2, line_end - header_end - 2);
  EXPECT_EQ(line.substr(0, 26), "00001;15;Padaria;P\xE3o; ;09;") << "Windows-1252, blank name as \" ;\"";
  EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 101);
  EXPECT_EQ(line.back(), ';');
  EXPECT_NE(file.find("\r\n10000;"), std::string::npos);
  EXPECT_NE(file.find(";00;Cem; ; ;"), std::string::npos);
  EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
  // Pressing it again overwrites the file.
  Name(15, "Mercado");
  ASSERT_TRUE(WriteBusinessExport(dir.path(), bank, cards, Load()));
  EXPECT_NE(ReadBytes(dir / kBusinessExportFile).find("00001;15;Mercado; ; ;"), std::string::npos);
}

TEST_F(BusinessCardsTest, SixDigitCardNumbersKeepAllTheirDigits) {
  bank.SetRecord(110000, bank.CardRecord(1));
  store::Table cards = CardFile({110000});
  auto text = BusinessExportText(bank, cards, Load());
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("\r\n110000;15;"), std::string::npos);
}

TEST(SponsorName, SemicolonIsRefused) {
  EXPECT_FALSE(SponsorNameProblem("Padaria Sol").has_value());
  auto problem = SponsorNameProblem("Bar; Lanches");
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("\";\""), std::string::npos);
}

TEST_F(BusinessCardsTest, GridEntriesAreCutToFifteenAndASemicolonIsNeverStored) {
  Name(7, "Padaria");
  auto refused = StoreSponsorName(sponsors_table, 7, 1, "Bar;Lanches");
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().find("\";\""), std::string::npos);
  EXPECT_EQ(Load().OfNumber("07").lines[0], "Padaria") << "the refused name left the stored one alone";
  ASSERT_TRUE(StoreSponsorName(sponsors_table, 7, 3, "Comércio Geral Brasil"));
  EXPECT_EQ(Load().OfPedra(7).lines[2], "Comércio Geral ");
  EXPECT_FALSE(StoreSponsorName(sponsors_table, 100, 1, "X")) << "Pedra runs 0..99";
  EXPECT_EQ(sponsors_table.Count().value(), 100);
}

TEST_F(BusinessCardsTest, ASemicolonTypedIntoTheFileElsewhereStopsTheExport) {
  auto row = sponsors_table.Locate("Pedra", 15);
  store::Record r = (*row)->record;
  r.Set("Nome2", std::string("A;B"));
  ASSERT_TRUE(sponsors_table.Update((*row)->id, r));
  store::Table cards = CardFile({1});
  auto written = WriteBusinessExport(dir.path(), bank, cards, Load());
  ASSERT_FALSE(written);
  EXPECT_NE(written.error().find("pedra 15"), std::string::npos) << written.error();
  EXPECT_FALSE(std::filesystem::exists(dir / kBusinessExportFile));
}

}  // namespace
}  // namespace tavelao::business
