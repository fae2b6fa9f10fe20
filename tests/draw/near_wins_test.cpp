#include "draw/near_wins.h"

#include <gtest/gtest.h>

namespace tavelao::draw {
namespace {

TEST(ReportNearWins, EveryMessageInFamilyOrder) {
  NearWinCounters counters;
  counters.cartela = {0, 1, 2, 3, 4, 5};
  for (auto& family : counters.patterns) family = {0, 7, 8};
  MemoLines memo;
  ReportNearWins(counters, memo);
  EXPECT_EQ(
      memo.ToVector(),
      (std::vector<std::string>{
          "1 cartela(s) faltando 1 pedra.",     "2 cartela(s) faltando 2 pedras.", "3 cartela(s) faltando 3 pedras.",
          "4 cartela(s) faltando 4 pedras.",    "5 cartela(s) faltando 5 pedras.", "7 coluna(s) faltando 1 pedra.",
          "8 coluna(s) faltando 2 pedras.",     "7 linha(s) faltando 1 pedra.",    "8 linha(s) faltando 2 pedras.",
          "7 Te(es) faltando 1 pedra.",         "8 Te(es) faltando 2 pedras.",     "7 Janelão(ões) faltando 1 pedra.",
          "8 Janelão(ões) faltando 2 pedras.",  "7 Cruz(es) faltando 1 pedra.",    "8 Cruz(es) faltando 2 pedras.",
          "7 Xis(es) faltando 1 pedra.",        "8 Xis(es) faltando 2 pedras.",    "7 Janelinha(s) faltando 1 pedra.",
          "8  Janelinha(s) faltando 2 pedras.", "7 Bin(s) faltando 1 pedra.",      "8  Bin(s) faltando 2 pedras.",
          "7 U(s) faltando 1 pedra.",           "8 U(s) faltando 2 pedras.",       "7 Porta(s) faltando 1 pedra.",
          "8 Porta(s) faltando 2 pedras.",      "7 Ele(s) faltando 1 pedra.",      "8 Ele(s) faltando 2 pedras.",
          "7 Cantos(s) faltando 1 pedra.",      "8 Cantos(s) faltando 2 pedras.",
      }));
}

TEST(ReportNearWins, ACompletedFamilyAndEmptyLevelsWriteNothing) {
  NearWinCounters counters;
  counters.cartela = {1, 4, 0, 0, 0, 0};
  counters.patterns[Index(Pattern::Xis)] = {0, 0, 3};
  counters.patterns[Index(Pattern::Ele)] = {2, 9, 9};
  MemoLines memo;
  ReportNearWins(counters, memo);
  EXPECT_EQ(memo.ToVector(), (std::vector<std::string>{"3 Xis(es) faltando 2 pedras."}));
  memo.clear();
  ReportNearWins({}, memo);
  EXPECT_TRUE(memo.empty());
}

}  // namespace
}  // namespace tavelao::draw
