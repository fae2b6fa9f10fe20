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

// Card 1, rows: 15 37 53 76 81 / 09 36 44 61 83 / 14 27 50 73 84 / 02 30 45 71 89 / 20 23 48 65 87.
class VerdictTest : public ConferenceTest {
 protected:
  void Play(int card, std::optional<std::int32_t> batch, std::optional<std::int32_t> entry) {
    ASSERT_TRUE(cards.Add(DrawCardEntry::Make(bank.CardRecord(card), card, batch, entry)));
  }
  void Draw(std::initializer_list<int> balls) {
    for (int b : balls) drawn.Add(b);
  }
  Conference Judge(std::string_view typed, const DrawChoice& choice, const PatternFlags& awarded = {}) {
    ConferResult result = Confer(typed);
    EXPECT_EQ(result.kind, ConferResult::Kind::kShown);
    JudgeConference(result.conference, cards, drawn, FiguresInPlay(choice, awarded));
    return result.conference;
  }
  static DrawChoice With(std::initializer_list<Pattern> patterns) {
    DrawChoice choice;
    for (Pattern p : patterns) choice.patterns[Index(p)] = true;
    return choice;
  }
  static std::string Winning(const Conference& c) {
    std::string marks;
    for (const ConferenceCell& cell : c.cells) marks += cell.winning ? 'W' : (cell.drawn ? 'd' : '.');
    return marks;
  }
  DrawCards cards;
};

TEST_F(VerdictTest, ACardOfTheDrawListIsValidatedWithItsBatchAndEntry) {
  Play(1, 7, 3);
  Play(2, std::nullopt, std::nullopt);
  EXPECT_EQ(Judge("1", DrawChoice{}).verdict.headline, "VALIDADA — lote 7, seq. 3");
  EXPECT_TRUE(Judge("1", DrawChoice{}).verdict.validated);
  EXPECT_EQ(Judge("2", DrawChoice{}).verdict.headline, "VALIDADA");
  const Conference other = Judge("3", DrawChoice{});
  EXPECT_FALSE(other.verdict.validated);
  EXPECT_EQ(other.verdict.headline, "NÃO VALIDADA — não concorre");
}

TEST_F(VerdictTest, OnlyTheCompletedFiguresInPlayAreToldAndTheirCellsMarked) {
  Play(1, 7, 3);
  Draw({15, 37, 53, 76, 81, 44, 9});  // row 1, and two cells of row 2
  Conference c = Judge("1", With({Pattern::Linha, Pattern::Coluna}));
  EXPECT_EQ(c.verdict.completed, std::vector<std::string>{"COMPLETOU LINHA"});
  // Cells 1, 6, 11, 16, 21 make the top row; 09 (cell 2) and 44 (cell 12) are only drawn.
  EXPECT_EQ(Winning(c), "Wd...W....Wd...W....W....");
  EXPECT_TRUE(Judge("1", With({Pattern::Cantos})).verdict.completed.empty());
  EXPECT_EQ(Winning(Judge("1", With({Pattern::Cantos}))), "dd...d....dd...d....d....");
  // Linha was won and so unticked at once: it is still the figure in play
  // the claim is about.
  PatternFlags awarded{};
  awarded[Index(Pattern::Linha)] = true;
  EXPECT_EQ(Judge("1", DrawChoice{}, awarded).verdict.completed, std::vector<std::string>{"COMPLETOU LINHA"});
  // No card size chosen: nothing is in play.
  DrawChoice none;
  none.card_size.reset();
  EXPECT_TRUE(Judge("1", none, awarded).verdict.completed.empty());
}

TEST_F(VerdictTest, TwoRowsAreOneLineAndAFifteenCardWinsByItsTopRows) {
  Draw({15, 37, 53, 76, 81, 9, 36, 44, 61, 83, 14, 27, 50, 73, 84});
  Conference c = Judge("1", With({Pattern::Linha, Pattern::Cantos}));
  EXPECT_EQ(c.verdict.completed, std::vector<std::string>{"COMPLETOU LINHA"}) << "a card not in the list still shows";
  EXPECT_EQ(Winning(c), "WWW..WWW..WWW..WWW..WWW..");
  DrawChoice fifteen;
  fifteen.card_size = CardSize::Fifteen;
  EXPECT_EQ(Judge("1", fifteen).verdict.completed, std::vector<std::string>{"COMPLETOU CARTELA CHEIA"});
}

}  // namespace
}  // namespace tavelao::draw
