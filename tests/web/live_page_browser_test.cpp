// The live page in a real headless Chromium, served by the real server on
// 127.0.0.1: it follows the draw ball by ball, loads nothing from outside,
// comes back by itself after the server restarts, shows the board, letters
// and winners as the audience screen does, and fits a phone and a TV.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <string>
#include <vector>

#include "card/card_identity.h"
#include "draw/draw_run.h"
#include "support/required_tool.h"
#include "web/headless_chromium.h"
#include "web/live_state.h"
#include "web/server/live_server.h"

namespace tavelao::web {
namespace {

using testing::HeadlessChromium;
using testing::WaitUntil;

constexpr int kPageMs = 10000;
const draw::TitleLetters kLetters{"B", "I", "N", "G", "O"};

// The state as the draw screen publishes it, with LINHA in play.
std::string StateOf(const std::vector<int>& balls, const std::vector<draw::AnnouncedWinner>& winners) {
  draw::DrawState state;
  for (int ball : balls) {
    state.drawn.Add(ball);
    state.drawn_order.push_back(ball);
  }
  state.drawn_count = static_cast<int>(balls.size());
  state.choice.patterns[draw::Index(draw::Pattern::Linha)] = true;
  state.announced = winners;
  return LiveStateJson(state, kLetters, "Bingo da Paróquia", 3);
}

draw::AnnouncedWinner Linha(int card, int balls) { return {{card, draw::Pattern::Linha}, balls}; }

// Whether `expression` comes to hold in the page within `timeout_ms`.
bool PageShows(HeadlessChromium& browser, const QString& expression, int timeout_ms = kPageMs) {
  return WaitUntil(
      [&] {
        Result<QJsonValue> value = browser.Evaluate(expression);
        return value && value->toBool();
      },
      timeout_ms);
}

QString Evaluated(HeadlessChromium& browser, const QString& expression) {
  Result<QJsonValue> value = browser.Evaluate(expression);
  return value ? value->toVariant().toString() : "<" + QString::fromStdString(value.error()) + ">";
}

QString Text(HeadlessChromium& browser, const QString& id) {
  return Evaluated(browser, "document.getElementById('" + id + "').textContent.trim()");
}

QString Items(HeadlessChromium& browser, const QString& id) {
  return Evaluated(browser, "[...document.querySelectorAll('#" + id + " li')].map(e => e.textContent).join('|')");
}

const QString kDrawn = "[...document.querySelectorAll('.sorteada')].map(e => e.id).join(' ')";

// A server with a first state and a browser on its page, live.
struct LivePage {
  LiveServer server;
  HeadlessChromium browser;
  std::uint16_t port = 0;

  Status Open(const std::string& first_state) {
    if (Status listening = server.Listen({"127.0.0.1", 0}); !listening) return listening;
    port = server.port();
    server.Publish(first_state);
    if (Status started = browser.Start(); !started) return started;
    if (Status loaded = browser.Navigate(QString("http://127.0.0.1:%1/").arg(port)); !loaded) return loaded;
    if (!WaitUntil([&] { return server.clients() == 1; }, kPageMs)) return Fail("a página não se conectou");
    return {};
  }
};

TEST(LivePage, FollowsTheDrawLoadsNothingFromOutsideAndComesBackAfterARestart) {
  TAVELAO_REQUIRE_TOOL("chromium");
  LivePage live;
  const Status opened = live.Open(StateOf({}, {}));
  ASSERT_TRUE(opened.ok()) << opened.error();
  HeadlessChromium& browser = live.browser;
  EXPECT_TRUE(PageShows(browser, "!document.getElementById('conexao').classList.contains('desconectado')"));
  EXPECT_EQ(Evaluated(browser, kDrawn), "");

  const QString card = QString("000042-") + card::CheckDigit(42);
  live.server.Publish(StateOf({42}, {Linha(42, 1)}));
  EXPECT_TRUE(PageShows(browser,
                        "document.getElementById('bola-42').classList.contains('sorteada') && "
                        "document.getElementById('anuncio').innerText.includes('Cartela " +
                            card + " — LINHA')"))
      << Text(browser, "anuncio").toStdString();
  EXPECT_EQ(Evaluated(browser, kDrawn), "bola-42");
  EXPECT_EQ(Text(browser, "ultima"), "N 42");
  EXPECT_EQ(Text(browser, "ultimas"), "N 42");
  EXPECT_EQ(Text(browser, "contagem"), "1 pedra sorteada");
  EXPECT_EQ(Items(browser, "tipos"), "CARTELA CHEIA|LINHA");
  EXPECT_TRUE(Text(browser, "anuncio").startsWith("BINGO!"));

  // Only the page's own server was asked for anything.
  const QString origin = QString("127.0.0.1:%1/").arg(live.port);
  const QStringList resources =
      QJsonDocument::fromJson(
          Evaluated(browser, "JSON.stringify(performance.getEntriesByType('resource').map(e => e.name))").toUtf8())
          .toVariant()
          .toStringList();
  EXPECT_TRUE(resources.contains("http://" + origin + "estado")) << resources.join(' ').toStdString();
  EXPECT_TRUE(browser.requested().contains("ws://" + origin + "ao-vivo"))
      << browser.requested().join(' ').toStdString();
  for (const QString& url : resources + browser.requested()) {
    EXPECT_TRUE(url.startsWith("http://" + origin) || url.startsWith("ws://" + origin) || url.startsWith("data:"))
        << url.toStdString();
  }

  // The program stops serving and serves again: the page says it lost the
  // draw, then catches up with everything drawn meanwhile.
  live.server.Close();
  EXPECT_TRUE(PageShows(browser,
                        "document.getElementById('conexao').classList.contains('desconectado') && "
                        "document.getElementById('conexao').textContent.includes('Reconectando')"));
  const Status again = live.server.Listen({"127.0.0.1", live.port});
  ASSERT_TRUE(again.ok()) << again.error();
  live.server.Publish(StateOf({42, 7, 100}, {Linha(42, 1)}));
  EXPECT_TRUE(PageShows(browser,
                        "document.getElementById('bola-100').classList.contains('sorteada') && "
                        "!document.getElementById('conexao').classList.contains('desconectado')"))
      << Evaluated(browser, kDrawn).toStdString();
  EXPECT_EQ(Evaluated(browser, kDrawn), "bola-7 bola-42 bola-100");
  EXPECT_EQ(Text(browser, "ultima"), "O 00");
  EXPECT_EQ(Items(browser, "ultimas"), "O 00|B 07|N 42");
  EXPECT_EQ(Text(browser, "contagem"), "3 pedras sorteadas");
  // Card 42 won with the first ball, not with the last one.
  EXPECT_EQ(Evaluated(browser, "String(document.getElementById('anuncio').hidden)"), "true");
  EXPECT_EQ(live.server.clients(), 1);
}

QString Winners(const std::vector<std::pair<int, int>>& card_and_ball) {
  QStringList items;
  for (const auto& [card, ball] : card_and_ball) {
    items << QString(R"({"cartela": "%1-0", "tipo": "LINHA", "pedra": %2})").arg(card, 6, 10, QChar('0')).arg(ball);
  }
  return "[" + items.join(", ") + "]";
}

std::string StateText(const QString& balls, int last, const QString& winners, int total) {
  return QString(R"({"sorteio": 5, "titulo": "", "letras": "XYZWV", "em_jogo": 75, "bolas": %1, "ultima": %2,)"
                 R"( "tipos": ["LINHA", "CARTELA CHEIA"], "ganhadoras": %3, "total_ganhadoras": %4})")
      .arg(balls)
      .arg(last)
      .arg(winners)
      .arg(total)
      .toStdString();
}

TEST(LivePage, ShowsTheBoardLettersAndManyWinnersAsTheAudienceScreenDoes) {
  TAVELAO_REQUIRE_TOOL("chromium");
  // Six cards won with the third ball, one before.
  std::vector<std::pair<int, int>> winners{{9, 2}};
  for (int card = 1; card <= 6; ++card) winners.emplace_back(card, 3);
  LivePage live;
  const Status opened = live.Open(StateText("[3, 75, 60]", 60, Winners(winners), 7));
  ASSERT_TRUE(opened.ok()) << opened.error();
  HeadlessChromium& browser = live.browser;
  ASSERT_TRUE(PageShows(browser, "document.getElementById('bola-60').classList.contains('sorteada')"));

  // A blank title gives way to the letters, which also head the balls.
  EXPECT_EQ(Text(browser, "titulo"), "XYZWV");
  EXPECT_EQ(Text(browser, "ultima"), "Z 60");
  EXPECT_EQ(Items(browser, "ultimas"), "Z 60|W 75|X 03");
  EXPECT_EQ(Evaluated(browser, "[...document.querySelectorAll('.linha > .letra')].map(e => e.textContent).join('')"),
            "XYZWV");
  // Past the 75 balls in play a cell is out of play and blank.
  EXPECT_EQ(Evaluated(browser,
                      "document.getElementById('bola-76').className + '/' + "
                      "document.getElementById('bola-76').textContent"),
            "pedra fora/");
  EXPECT_EQ(Evaluated(browser, "document.getElementById('bola-75').className"), "pedra sorteada");
  EXPECT_EQ(Items(browser, "anuncio"),
            "Cartela 000001-0 — LINHA|Cartela 000002-0 — LINHA|"
            "Cartela 000003-0 — LINHA|e mais 3");

  // The fourth ball makes more winners than the state lists: the count
  // comes from the totals before and after it.
  std::vector<std::pair<int, int>> listed;
  for (int card = 101; card <= 200; ++card) listed.emplace_back(card, 4);
  live.server.Publish(StateText("[3, 75, 60, 10]", 10, Winners(listed), 150));
  EXPECT_TRUE(PageShows(browser, "document.getElementById('bola-10').classList.contains('sorteada')"));
  EXPECT_EQ(Items(browser, "anuncio"),
            "Cartela 000101-0 — LINHA|Cartela 000102-0 — LINHA|"
            "Cartela 000103-0 — LINHA|e mais 140");
}

TEST(LivePage, FitsAnUprightPhoneAndFillsA4kTv) {
  TAVELAO_REQUIRE_TOOL("chromium");
  LivePage live;
  const Status opened = live.Open(StateOf({5, 17, 33, 42, 58, 61, 77, 80, 99, 100}, {Linha(42, 10)}));
  ASSERT_TRUE(opened.ok()) << opened.error();
  HeadlessChromium& browser = live.browser;
  ASSERT_TRUE(PageShows(browser, "!document.getElementById('anuncio').hidden"));

  // Every ball of the board within the phone's width, no sideways scrolling.
  const QString inside_width =
      "document.documentElement.scrollWidth <= innerWidth && [...document.querySelectorAll('.pedra')].every("
      "e => e.getBoundingClientRect().left >= 0 && e.getBoundingClientRect().right <= innerWidth)";
  ASSERT_TRUE(browser.Resize(390, 844, true).ok());
  EXPECT_TRUE(PageShows(browser, "innerWidth === 390 && " + inside_width));
  // A ball's number still big enough to read at arm's length.
  EXPECT_GE(Evaluated(browser, "parseFloat(getComputedStyle(document.getElementById('bola-1')).fontSize)").toDouble(),
            14);

  // The TV shows it all on one screen, the last ball's digits a good part of its height.
  ASSERT_TRUE(browser.Resize(3840, 2160, false).ok());
  EXPECT_TRUE(PageShows(browser, "innerWidth === 3840 && " + inside_width +
                                     " && document.documentElement.scrollHeight <= innerHeight && "
                                     "document.getElementById('bola-100').getBoundingClientRect().bottom <= "
                                     "innerHeight"));
  EXPECT_GE(Evaluated(browser,
                      "parseFloat(getComputedStyle(document.querySelector('#ultima .numero')).fontSize) / "
                      "innerHeight")
                .toDouble(),
            0.3);
  EXPECT_GE(Evaluated(browser, "parseFloat(getComputedStyle(document.getElementById('bola-1')).fontSize)").toDouble(),
            80);
}

}  // namespace
}  // namespace tavelao::web
