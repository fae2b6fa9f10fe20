#include "session/card_options.h"

#include <gtest/gtest.h>

#include "session/data_files.h"
#include "support/temp_folder.h"

namespace tavelao::session {
namespace {

using testing::TempFolder;

TEST(CardOptions, AFreshOptionsTableReadsBingoAndEmptyPrizes) {
  TempFolder dir;
  auto table = OpenOptions(dir.path());
  ASSERT_TRUE(table) << table.error();
  auto options = ReadCardOptions(*table);
  ASSERT_TRUE(options) << options.error();
  EXPECT_EQ(options->Title(), "BINGO");
  for (const auto& prize : options->prizes) EXPECT_EQ(prize, "");
  EXPECT_EQ(options->number_colours, (std::array<Rgb, 3>{kRed, kBlue, kGreen}));
}

TEST(CardOptions, PrizesAndLettersAreWrittenToTheOneRecordColoursAreNot) {
  TempFolder dir;
  {
    auto table = OpenOptions(dir.path());
    ASSERT_TRUE(table);
    CardOptions options;
    options.prizes[0] = "Geladeira";
    options.prizes[8] = "Uma descrição bem mais longa que trinta caracteres";
    options.letters = {"S", "O", "R", "T", "E"};
    options.number_colours = {Rgb{1, 2, 3}, Rgb{4, 5, 6}, Rgb{7, 8, 9}};
    ASSERT_TRUE(WriteCardOptions(*table, options));
    ASSERT_TRUE(WriteCardOptions(*table, options)) << "posting twice edits the same record";
    EXPECT_EQ(*table->Count(), 1);
  }
  auto table = store::Table::Open(dir / kOptionsFile);
  ASSERT_TRUE(table);
  auto read = ReadCardOptions(*table);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->prizes[0], "Geladeira");
  EXPECT_EQ(read->prizes[8], "Uma descrição bem mais longa q") << "String 30";
  EXPECT_EQ(read->Title(), "SORTE");
  EXPECT_EQ(read->number_colours, (std::array<Rgb, 3>{kRed, kBlue, kGreen}));
}

TEST(CardOptions, FieldNamesMatchWithoutRegardToCase) {
  TempFolder dir;
  store::Schema schema;
  for (int i = 1; i <= 9; ++i) schema.push_back(store::StringField("PREMIO" + std::to_string(i), 30));
  for (const char* name : {"lb", "LI", "ln", "LG", "lo"}) schema.push_back(store::StringField(name, 1));
  auto table = store::Table::CreateAfresh(dir / kOptionsFile, schema);
  ASSERT_TRUE(table);
  store::Record record = table->NewRecord();
  record.Set("Premio3", std::string("Bicicleta"));
  record.Set("Lg", std::string("X"));
  ASSERT_TRUE(table->Insert(record));

  auto read = ReadCardOptions(*table);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->prizes[2], "Bicicleta");
  EXPECT_EQ(read->letters[3], "X");
  read->prizes[2] = "Moto";
  ASSERT_TRUE(WriteCardOptions(*table, *read));
  EXPECT_EQ((*table->Select())[0].record.Text("PREMIO3"), "Moto");
}

TEST(CardOptions, AMissingPrizeFieldRefusesOnlyAValueItWouldLose) {
  TempFolder dir;
  store::Schema schema = {store::StringField("premio1", 30)};
  for (const char* name : kLetterFields) schema.push_back(store::StringField(name, 1));
  auto table = store::Table::CreateAfresh(dir / kOptionsFile, schema);
  ASSERT_TRUE(table);

  auto read = ReadCardOptions(*table);
  ASSERT_TRUE(read) << "a table without a row reads as the defaults";
  EXPECT_EQ(read->prizes[1], "");
  EXPECT_TRUE(WriteCardOptions(*table, *read));
  EXPECT_EQ(*table->Count(), 1) << "the missing row is inserted";

  read->prizes[1] = "Televisão";
  const Status refused = WriteCardOptions(*table, *read);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error(), "A tabela \"premios.cds\" não tem o campo premio2.");
}

}  // namespace
}  // namespace tavelao::session
