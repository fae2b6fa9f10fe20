#include "draw/card_conference.h"

#include <gtest/gtest.h>

namespace tavelao::draw {
namespace {

class ConferenceTest : public ::testing::Test {
 protected:
  void SetUp() override { bank.LoadBuiltIn(); }
  ConferResult Confer(std::string_view typed) { return ConferCard(bank, password, card::IssuerNumber(), drawn, typed); }
  card::CardBank bank;
  card::Password password;
  BallSet drawn;
};

TEST_F(ConferenceTest, BeforeAnyBallEveryNumberIsUndrawn) {
  const auto result = Confer(" 1 ");
  ASSERT_EQ(result.kind, ConferResult::Kind::kShown);
  EXPECT_EQ(result.conference.card_caption, "Cartela: 1");
  EXPECT_EQ(result.conference.authentication_line, "") << "no password, no authentication text";
  EXPECT_EQ(result.conference.cells[0].text, "15");
  EXPECT_EQ(result.conference.cells[24].text, "87");
  for (const auto& cell : result.conference.cells) EXPECT_FALSE(cell.drawn);
}

TEST_F(ConferenceTest, DrawnNumbersAreMarkedAndZeroZeroIsBallHundred) {
  drawn.Add(100);
  drawn.Add(8);
  drawn.Add(55);
  const auto result = Confer("010000");  // as typed, with leading zeros
  ASSERT_EQ(result.kind, ConferResult::Kind::kShown);
  EXPECT_EQ(result.conference.card_caption, "Cartela: 010000");
  EXPECT_EQ(result.conference.cells[21].text, "00");
  EXPECT_TRUE(result.conference.cells[21].drawn);
  EXPECT_TRUE(result.conference.cells[0].drawn);   // 08
  EXPECT_TRUE(result.conference.cells[10].drawn);  // 55
  int marked = 0;
  for (const auto& cell : result.conference.cells) marked += cell.drawn;
  EXPECT_EQ(marked, 3);
}

TEST_F(ConferenceTest, PasswordAddsTheCodeOfThatCard) {
  password = *card::Password::FromText("ABCDE");
  EXPECT_EQ(Confer("1").conference.authentication_line, "Autenticação:29553");
}

TEST_F(ConferenceTest, NoSuchCardIsRefusedAndNonNumbersIgnored) {
  EXPECT_EQ(Confer("abc").kind, ConferResult::Kind::kIgnored);
  EXPECT_EQ(Confer("").kind, ConferResult::Kind::kIgnored);
  for (const char* typed : {"0", "-5", "120001", "10001"}) {
    const auto result = Confer(typed);
    EXPECT_EQ(result.kind, ConferResult::Kind::kRefused) << typed;
    EXPECT_NE(result.message.find("cartela"), std::string::npos);
  }
}

}  // namespace
}  // namespace tavelao::draw
