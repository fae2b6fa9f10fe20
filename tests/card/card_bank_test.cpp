// The delivered card bank: its telling rows and every promise made about it,
// checked over the whole delivered file.

#include "card/card_bank.h"

#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <cstdlib>
#include <fstream>
#include <set>
#include <vector>

#include "support/temp_folder.h"

namespace tavelao::card {
namespace {

std::vector<std::string> DeliveredLines() {
  std::ifstream in(TAVELAO_CARD_BANK_TXT, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

int Ball(std::string_view two) {
  const int v = (two[0] - '0') * 10 + (two[1] - '0');
  return v == 0 ? 100 : v;
}

TEST(DeliveredCardBank, TellingRowsAreVerbatim) {
  CardBank bank;
  bank.LoadBuiltIn();
  EXPECT_EQ(bank.CardRecord(1), "15091402203736273023534450454876617371658183848987");
  EXPECT_EQ(bank.CardRecord(2), "12070920103136352638494457505568738064779185889699");
  EXPECT_EQ(bank.CardRecord(3), "19062005142439292328574360444280787371729899899293");
  EXPECT_EQ(bank.CardRecord(9999), "12030210112924263522494760425071657466649599929883");
  EXPECT_EQ(bank.CardRecord(10000), "08051419073032402925555152595374727880739200818596");
  EXPECT_EQ(bank.CardNumber(1, 1), "15");
  EXPECT_EQ(bank.CardNumber(1, 5), "20");
  EXPECT_EQ(bank.CardNumber(1, 25), "87");
  EXPECT_EQ(bank.CardNumber(10000, 22), "00");
}

TEST(DeliveredCardBank, CompiledRecordsAreTheDeliveredFile) {
  const auto lines = DeliveredLines();
  ASSERT_EQ(lines.size(), 10000u);
  CardBank bank;
  bank.LoadBuiltIn();
  for (int n = 1; n <= 10000; ++n) ASSERT_EQ(bank.CardRecord(n), lines[n - 1]) << "card " << n;
}

TEST(DeliveredCardBank, EveryInvariantHoldsOverTheWholeFile) {
  const auto lines = DeliveredLines();
  ASSERT_EQ(lines.size(), 10000u);
  std::array<int, 101> occurrences{};
  std::set<std::string> sets;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    ASSERT_EQ(line.size(), 50u) << "card " << i + 1;
    ASSERT_EQ(line.find_first_not_of("0123456789"), std::string::npos) << "card " << i + 1;
    std::bitset<101> seen;
    for (int k = 0; k < 25; ++k) {
      const std::string two = line.substr(2 * k, 2);
      const int ball = Ball(two);
      const int column = k / 5;
      ASSERT_GE(ball, column * 20 + 1) << "card " << i + 1 << " N" << k + 1;
      ASSERT_LE(ball, column * 20 + 20) << "card " << i + 1 << " N" << k + 1;
      if (two == "00") {
        ASSERT_GE(k, 20) << "\"00\" outside N21..N25 on card " << i + 1;
      }
      ASSERT_FALSE(seen[ball]) << "card " << i + 1 << " repeats " << two;
      seen[ball] = true;
      ++occurrences[ball];
    }
    ASSERT_TRUE(sets.insert(seen.to_string()).second) << "card " << i + 1 << " repeats the set of another card";
  }
  for (int ball = 1; ball <= 100; ++ball) {
    EXPECT_GE(occurrences[ball], 2428) << "ball " << ball;
    EXPECT_LE(occurrences[ball], 2556) << "ball " << ball;
  }
}

TEST(DeliveredCardBank, NoTwoCardsShareMoreThanSeventeenNumbers) {
  const auto lines = DeliveredLines();
  std::vector<std::pair<std::uint64_t, std::uint64_t>> masks;
  for (const auto& line : lines) {
    std::pair<std::uint64_t, std::uint64_t> m{0, 0};
    for (int k = 0; k < 25; ++k) {
      const int b = Ball(std::string_view(line).substr(2 * k, 2)) - 1;
      (b < 64 ? m.first : m.second) |= std::uint64_t{1} << (b % 64);
    }
    masks.push_back(m);
  }
  int most = 0;
  for (std::size_t i = 0; i < masks.size(); ++i) {
    for (std::size_t j = i + 1; j < masks.size(); ++j) {
      const int shared = __builtin_popcountll(masks[i].first & masks[j].first) +
                         __builtin_popcountll(masks[i].second & masks[j].second);
      most = std::max(most, shared);
    }
  }
  EXPECT_LE(most, 17);
}

TEST(DeliveredCardBank, GeneratorMakesTheCommittedFileAgain) {
  testing::TempFolder dir;
  const auto made = dir / "bank.txt";
  ASSERT_EQ(std::system(("'" TAVELAO_MAKE_CARD_BANK "' '" + made.string() + "'").c_str()), 0);
  EXPECT_EQ(testing::ReadBytes(made), testing::ReadBytes(TAVELAO_CARD_BANK_TXT));
}

TEST(CardBank, SlotsAboveTheBuiltInCardsAreEmpty) {
  CardBank bank;
  bank.LoadBuiltIn();
  EXPECT_TRUE(bank.CardRecord(10001).empty());
  for (const auto& number : bank.Numbers(10001)) EXPECT_TRUE(number.empty());
  EXPECT_TRUE(bank.CardRecord(0).empty());
  EXPECT_TRUE(bank.CardRecord(120001).empty());
  EXPECT_TRUE(bank.CardNumber(1, 0).empty());
  EXPECT_TRUE(bank.CardNumber(1, 26).empty());
}

TEST(CardBank, ShortRecordsReadEmptyPastTheirEnd) {
  CardBank bank;
  bank.SetRecord(120000, "150914");
  EXPECT_EQ(bank.CardNumber(120000, 3), "14");
  EXPECT_TRUE(bank.CardNumber(120000, 4).empty());
  bank.SetRecord(5, std::string(70, '1'));
  EXPECT_EQ(bank.CardRecord(5).size(), 50u) << "cut to 50 characters";
}

}  // namespace
}  // namespace tavelao::card
