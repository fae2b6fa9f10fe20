// The live page's state as the server hands it out: the draw in the order
// played, the types in play, the announced winners (only the latest listed)
// and text that stays inert inside any page.

#include <gtest/gtest.h>

#include "card/card_identity.h"
#include "draw/draw_run.h"
#include "support/temp_folder.h"
#include "web/live_state.h"
#include "web/serve_address.h"

namespace tavelao::web {
namespace {

const draw::TitleLetters kLetters{"B", "I", "N", "G", "O"};

draw::DrawState DrawnInOrder(std::initializer_list<int> balls) {
  draw::DrawState state;
  for (int ball : balls) {
    state.drawn.Add(ball);
    state.drawn_order.push_back(ball);
  }
  state.drawn_count = static_cast<int>(state.drawn_order.size());
  return state;
}

TEST(LiveState, BeforeTheFirstBallAndAfterThreeWithAWinner) {
  draw::DrawState state = DrawnInOrder({});
  EXPECT_EQ(LiveStateJson(state, kLetters, "", 0),
            "{\"sorteio\": 0, \"titulo\": \"BINGO\", \"letras\": \"BINGO\", \"em_jogo\": 100, \"bolas\": [], "
            "\"ultima\": null, \"tipos\": [\"CARTELA CHEIA\"], \"ganhadoras\": [], \"total_ganhadoras\": 0}");

  state = DrawnInOrder({7, 42, 100});
  state.choice.patterns[draw::Index(draw::Pattern::Linha)] = true;
  state.announced.push_back({{42, draw::Pattern::Linha}, 3});
  const std::string card = std::string("000042-") + card::CheckDigit(42);
  EXPECT_EQ(LiveStateJson(state, kLetters, "  Bingo da Paróquia ", 3),
            "{\"sorteio\": 3, \"titulo\": \"Bingo da Paróquia\", \"letras\": \"BINGO\", \"em_jogo\": 100, "
            "\"bolas\": [7, 42, 100], \"ultima\": 100, \"tipos\": [\"CARTELA CHEIA\", \"LINHA\"], "
            "\"ganhadoras\": [{\"cartela\": \"" +
                card + "\", \"tipo\": \"LINHA\", \"pedra\": 3}], \"total_ganhadoras\": 1}");
}

TEST(LiveState, OnlyTheLatestWinnersAreListedAndAllAreCounted) {
  draw::DrawState state = DrawnInOrder({1, 2});
  for (int card = 1; card <= 250; ++card) state.announced.push_back({{card, std::nullopt}, 2});
  const std::string json = LiveStateJson(state, kLetters, "", 1);
  EXPECT_NE(json.find("\"total_ganhadoras\": 250}"), std::string::npos);
  EXPECT_EQ(json.find("\"000150-"), std::string::npos) << "the oldest are left out";
  EXPECT_NE(json.find("\"000151-"), std::string::npos);
  EXPECT_NE(json.find("\"000250-"), std::string::npos);
  std::size_t listed = 0;
  for (std::size_t at = json.find("\"cartela\""); at != std::string::npos; at = json.find("\"cartela\"", at + 1)) {
    ++listed;
  }
  EXPECT_EQ(listed, kLiveWinnersListed);
}

TEST(LiveState, TextIsEscapedForJsonAndInertInAPage) {
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString("<script>&\n"), "\"\\u003cscript\\u003e\\u0026\\u000a\"");
  EXPECT_EQ(JsonString("Paróquia"), "\"Paróquia\"") << "UTF-8 goes through";
}

TEST(ServeAddress, TheFormsAcceptedAndTheMessageForOthers) {
  EXPECT_EQ(*ParseServeAddress("0.0.0.0:8080"), (ServeAddress{"0.0.0.0", 8080}));
  EXPECT_EQ(*ParseServeAddress(" 192.168.0.10:80 "), (ServeAddress{"192.168.0.10", 80}));
  for (const char* bad : {"8080", "0.0.0.0", "0.0.0.0:", "0.0.0.0:0", "0.0.0.0:65536", "256.1.1.1:80", "1.2.3:80",
                          "a.b.c.d:80", "1.2.3.4:80x", "1.2.3.4:+80", "localhost:8080", ":8080"}) {
    SCOPED_TRACE(bad);
    const auto parsed = ParseServeAddress(bad);
    ASSERT_FALSE(parsed);
    EXPECT_NE(parsed.error().find("Use ENDEREÇO:PORTA"), std::string::npos);
  }
}

TEST(ServeAddress, TheInstallationSettingBesideTheIssuer) {
  testing::TempFolder dir;
  const auto file = dir / "tavelao.conf";
  EXPECT_EQ(*ReadServeSetting(file), std::nullopt) << "no file";
  testing::WriteBytes(file, "emissor=12345\n");
  EXPECT_EQ(*ReadServeSetting(file), std::nullopt) << "no line";
  testing::WriteBytes(file, "emissor=12345\r\n Servidor = 127.0.0.1:8081 \r\n");
  EXPECT_EQ(*ReadServeSetting(file), (ServeAddress{"127.0.0.1", 8081}));
  testing::WriteBytes(file, "servidor=todas\n");
  const auto refused = ReadServeSetting(file);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().find("tavelao.conf"), std::string::npos) << refused.error();
}

}  // namespace
}  // namespace tavelao::web
