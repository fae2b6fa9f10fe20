#include "draw/minor_prizes.h"

#include <gtest/gtest.h>

#include <set>

#include "draw/seeded_random_source.h"
#include "session/data_files.h"
#include "support/temp_folder.h"

namespace tavelao::draw {
namespace {

using testing::TempFolder;

class MinorPrizesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto table = session::OpenValidation({dir.path(), nullptr});
    ASSERT_TRUE(table);
    validation = std::move(*table);
    for (int card : {7, 42, 100, 9999, 3}) {
      store::Record r = validation.NewRecord();
      r.Set("Numero", card);
      ASSERT_TRUE(validation.Insert(r));
    }
  }
  Result<MinorPrizeDraw> Draw(std::string_view n) { return DrawMinorPrizes(dir.path(), validation, n, random, prizes); }

  TempFolder dir;
  store::Table validation;
  store::Table prizes;
  SeededRandomSource random{2026};
};

TEST_F(MinorPrizesTest, AsManyPrizesAsCardsGivesEachCardOnePrize) {
  auto result = Draw("5");
  ASSERT_TRUE(result) << result.error();
  ASSERT_TRUE(result->ran);
  ASSERT_EQ(result->prizes.size(), 5u);
  std::set<std::string> keys;
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(result->prizes[i].premio, i + 1) << "listed from prize 1";
    keys.insert(result->prizes[i].numero);
  }
  EXPECT_EQ(keys, (std::set<std::string>{"7-8", "42-6", "100-7", "9999-6", "3-5"}));
  auto stored = prizes.Select({"", "Premio", {}});
  ASSERT_EQ(stored->size(), 5u);
  EXPECT_EQ((*stored)[0].record.Text("Numero"), result->prizes[0].numero);
  // The first card drawn was posted first, with the highest prize.
  auto posted = prizes.Select();
  EXPECT_EQ((*posted)[0].record.Int("Premio"), 5);
}

TEST_F(MinorPrizesTest, TooManyOrNoPrizesGiveAnEmptyTable) {
  for (const char* n : {"6", "0", "-1"}) {
    auto result = Draw(n);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->ran);
    EXPECT_TRUE(result->prizes.empty()) << n;
    EXPECT_EQ(*prizes.Count(), 0);
  }
}

TEST_F(MinorPrizesTest, NonNumberDoesNothingAndKeepsTheLastResult) {
  ASSERT_TRUE(Draw("2"));
  auto result = Draw("dois");
  ASSERT_TRUE(result);
  EXPECT_FALSE(result->ran);
  EXPECT_EQ(*prizes.Count(), 2);
}

TEST_F(MinorPrizesTest, EveryDrawIsANewTable) {
  ASSERT_TRUE(Draw("3"));
  ASSERT_TRUE(Draw("1"));
  EXPECT_EQ(*prizes.Count(), 1);
  prizes.Close();
  EXPECT_TRUE(std::filesystem::exists(dir / kMinorPrizeFile));
}

}  // namespace
}  // namespace tavelao::draw
