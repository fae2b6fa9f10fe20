// The draw journal: every event of a draw sealed in "Atas.cds" as it
// happens; the chain and a replay find a row altered, removed or a winner
// that does not follow from the balls; a draw left open is resumed as it
// was.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "card/card_identity.h"
#include "draw/draw_journal.h"
#include "draw/draw_minutes.h"
#include "draw/journal_fields.h"
#include "draw/journal_replay.h"
#include "draw/minor_prizes.h"
#include "draw/seeded_random_source.h"
#include "draw_fixture.h"
#include "support/cli_runner.h"

namespace tavelao::draw {
namespace {

using testing::DrawFixture;
using testing::Ladder;

std::vector<JournalEvent> Journal(DrawFixture& f) {
  auto events = ReadJournal(f.ws().journal);
  EXPECT_TRUE(events) << events.error();
  return events ? *events : std::vector<JournalEvent>{};
}

std::vector<std::string> Words(const std::vector<JournalEvent>& events) {
  std::vector<std::string> words;
  for (const JournalEvent& e : events) words.emplace_back(WordOf(e.kind));
  return words;
}

// Two cards that win a Linha and one that wins the full card, with an unmark
// and an undo on the way.
void PlayADraw(DrawFixture& f) {
  f.AddCard(42, Ladder(0), 7, 1);
  f.AddCard(43, Ladder(5));
  f.AddCard(44, Ladder(10));
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  f.Click({1, 21, 41, 61, 50});
  f.Click(50);  // unmarked
  f.Click(81);  // card 42 completes row 1: Linha
  ASSERT_TRUE(f.run().UndoLastBall(f.letters));
  ASSERT_TRUE(f.run().ClickPattern(Pattern::Linha, true));  // the undone win: Linha back in play
  f.Click(81);
  f.Click(DrawFixture::Cells(Ladder(5), {1, 6, 11, 16, 21}));
}

TEST(DrawJournal, EveryEventOfADrawIsSealedInTheOrderItHappened) {
  DrawFixture f;
  PlayADraw(f);
  ASSERT_TRUE(f.run().EndDraw());
  const auto events = Journal(f);
  EXPECT_EQ(Words(events),
            (std::vector<std::string>{"inicio", "pedra",     "pedra", "pedra",    "pedra", "pedra", "desmarca",
                                      "pedra",  "ganhadora", "tipos", "desmarca", "tipos", "pedra", "ganhadora",
                                      "tipos",  "pedra",     "pedra", "pedra",    "pedra", "pedra", "fim"}));
  EXPECT_FALSE(FirstBrokenSeal(events));
  const JournalEvent& started = events.front();
  EXPECT_EQ(started.draw, 1);
  EXPECT_EQ(started.fields.Get("cartelas"), "25");
  EXPECT_EQ(started.fields.Get("tipos"), "CARTELA CHEIA,LINHA");
  EXPECT_EQ(started.fields.Get("validadas"), "3");
  EXPECT_EQ(started.fields.Get("resumo").size(), 64u);
  const JournalEvent& won = events[8];
  EXPECT_EQ(won.fields.Get("cartela"), "000042");
  EXPECT_EQ(won.fields.Get("lote"), "000007");
  EXPECT_EQ(won.fields.Get("tipo"), "LINHA");
  EXPECT_EQ(won.fields.Get("bola"), "81");
  EXPECT_EQ(won.fields.Get("pedras"), "5");
  for (std::size_t i = 0; i < events.size(); ++i) EXPECT_EQ(events[i].seq, static_cast<std::int64_t>(i + 1));

  auto verified = VerifyDraw(f.ws(), events, 1);
  ASSERT_TRUE(verified) << verified.error();
  EXPECT_EQ(*verified, "Ata íntegra: 21 eventos, ganhadoras conferem.");
  EXPECT_EQ(DrawsOf(events).at(0).balls, 10);
}

TEST(DrawJournal, MinorPrizesDrawnAfterTheEndJoinTheLastDraw) {
  DrawFixture f;
  PlayADraw(f);
  ASSERT_TRUE(f.run().EndDraw());
  const SystemClock clock;
  ASSERT_TRUE(JournalMinorPrizes(f.ws().journal, clock, MinorPrizeDraw{true, {}}));
  EXPECT_EQ(Journal(f).size(), 21u) << "no prizes, no event";
  ASSERT_TRUE(JournalMinorPrizes(f.ws().journal, clock, MinorPrizeDraw{true, {{1, "42-6"}, {2, "1234567-0"}}}));

  const auto events = Journal(f);
  ASSERT_EQ(events.size(), 22u);
  EXPECT_EQ(events.back().kind, EventKind::MinorPrizes);
  EXPECT_EQ(events.back().draw, 1);
  EXPECT_EQ(events.back().fields.Text(), "quantidade=2;1=000042-6;2=1234567-0");
  EXPECT_FALSE(FirstBrokenSeal(events));
  auto verified = VerifyDraw(f.ws(), events, 1);
  ASSERT_TRUE(verified) << verified.error();
  EXPECT_EQ(*verified, "Ata íntegra: 22 eventos, ganhadoras conferem.");
  // A long list goes on in further events; the minutes count it once.
  std::vector<MinorPrize> many;
  for (int prize = 1; prize <= 2001; ++prize) many.push_back({prize, std::to_string(prize) + "-0"});
  ASSERT_TRUE(JournalMinorPrizes(f.ws().journal, clock, MinorPrizeDraw{true, many}));
  const auto longer = Journal(f);
  ASSERT_EQ(longer.size(), 24u);
  EXPECT_EQ(longer[22].fields.Get("quantidade"), "2001");
  EXPECT_EQ(longer[22].fields.items().size(), 2001u);
  EXPECT_EQ(longer[23].fields.Text(), "2001=002001-0");
  const DrawMinutes minutes = MinutesOfDraw(EventsOfDraw(longer, 1), "");
  int counts = 0, prizes = 0;
  for (const MinutesSection& section : minutes.sections) {
    for (const MinutesLine& line : section.lines) {
      counts += line.text.starts_with("Prêmios menores sorteados: ");
      prizes += line.text.starts_with("Prêmio ");
    }
  }
  EXPECT_EQ(counts, 2) << "the first list and the long one";
  EXPECT_EQ(prizes, 2 + 2001);
  // The next draw starts after them, not as an interrupted one.
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  EXPECT_EQ(Journal(f).back().kind, EventKind::Started);
  EXPECT_EQ(Journal(f).back().draw, 2);
}

// What another program may do to the file: each change is found and named.
// The journal written again as a forger would: every row sealed anew.
void Reseal(store::Table& table, const std::vector<JournalEvent>& events) {
  ASSERT_TRUE(table.RemoveWhere(""));
  std::string seal = kFirstSeal;
  for (JournalEvent e : events) {
    e.seal = SealOf(seal, e);
    seal = e.seal;
    store::Record r = table.NewRecord();
    r.Set("Seq", static_cast<std::int32_t>(e.seq));
    r.Set("Sorteio", e.draw);
    r.Set("Quando", e.when);
    r.Set("Evento", std::string(WordOf(e.kind)));
    r.Set("Dados", e.fields.Text());
    r.Set("Selo", e.seal);
    ASSERT_TRUE(table.Insert(r));
  }
}

TEST(DrawJournal, CardsThatWinWithOneBallShareOneEventAndEachIsChecked) {
  DrawFixture f;
  f.AddCard(42, Ladder(0), 7, 1);
  f.AddCard(45, Ladder(0));  // the same numbers: the same line with the same ball
  f.AddCard(44, Ladder(10));
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  f.Click({1, 21, 41, 61, 81});
  ASSERT_TRUE(f.run().EndDraw());
  auto events = Journal(f);
  std::vector<std::size_t> won;
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (events[i].kind == EventKind::Winner) won.push_back(i);
  }
  ASSERT_EQ(won.size(), 1u);
  JournalEvent& winners = events[won[0]];
  EXPECT_EQ(winners.fields.Text(), "cartela=000042;digito=6;lote=000007;seq=001;cartela=000045;digito=" +
                                       std::string(1, card::CheckDigit(45)) +
                                       ";lote=;seq=;tipo=LINHA;bola=81;pedras=5");
  EXPECT_EQ(DrawsOf(events).at(0).winners, 2);
  auto verified = VerifyDraw(f.ws(), events, 1);
  ASSERT_TRUE(verified) << verified.error();

  // The second card taken out, and the chain sealed again.
  EventFields first_only;
  for (const auto& [key, value] : winners.fields.items()) {
    if (first_only.items().size() < 4 || (key != "cartela" && key != "digito" && key != "lote" && key != "seq")) {
      first_only.Add(key, value);
    }
  }
  const EventFields both = winners.fields;
  winners.fields = first_only;
  Reseal(f.ws().journal, events);
  auto forged = ReadJournal(f.ws().journal);
  ASSERT_TRUE(forged);
  ASSERT_FALSE(FirstBrokenSeal(*forged));
  auto missing = VerifyDraw(f.ws(), *forged, 1);
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error(), "Falta a ganhadora 000045 (LINHA) depois do evento " +
                                 std::to_string(events[won[0] - 1].seq) + " (pedra).");

  // A third card added to them.
  winners.fields = EventFields::FromText("cartela=000044;digito=0;lote=;seq=;" + both.Text());
  Reseal(f.ws().journal, events);
  forged = ReadJournal(f.ws().journal);
  ASSERT_TRUE(forged);
  auto added = VerifyDraw(f.ws(), *forged, 1);
  ASSERT_FALSE(added);
  EXPECT_EQ(added.error(), "O evento " + std::to_string(winners.seq) +
                               " (ganhadora) não decorre das pedras: a cartela 000044 (LINHA) não completou com a "
                               "pedra 81.");
}

TEST(DrawJournal, ThousandsOfWinnersOfOneBallGoInRowsOfAThousandCards) {
  DrawFixture f;
  for (int card = 1; card <= 1001; ++card) f.AddCard(card, Ladder(0));
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  f.Click({1, 21, 41, 61, 81});
  const auto events = Journal(f);
  std::vector<std::size_t> sizes;
  for (const JournalEvent& e : events) {
    if (e.kind == EventKind::Winner) sizes.push_back(WinnersOf(e.fields).size());
  }
  EXPECT_EQ(sizes, (std::vector<std::size_t>{1000, 1}));
  EXPECT_EQ(DrawsOf(events).at(0).winners, 1001);
  auto verified = VerifyDraw(f.ws(), events, 1);
  EXPECT_TRUE(verified) << verified.error();
}

TEST(DrawJournal, AnEventTooLongForItsFieldIsRefusedNotCut) {
  DrawFixture f;
  f.AddCard(42, Ladder(0));
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  const SystemClock clock;
  DrawJournal journal(f.ws().journal, clock);
  ASSERT_TRUE(journal.ContinueLastDraw());
  journal.Add(EventKind::Conferred, {{"cartela", std::string(100'000, '4')}});
  auto refused = journal.Commit();
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error(), "O evento conferencia não cabe na ata: 100008 caracteres.");
  EXPECT_TRUE(journal.has_pending());
  const auto events = Journal(f);
  EXPECT_EQ(events.size(), 1u) << "only the start";
  EXPECT_FALSE(FirstBrokenSeal(events));
}

TEST(DrawJournal, AnAlteredRemovedOrForgedRowIsFoundAndNamed) {
  DrawFixture f;
  PlayADraw(f);
  ASSERT_TRUE(f.run().EndDraw());
  const auto original = Journal(f);
  const auto table = f.ws().folder / "Atas.cds";
  // Through the sqlite3 tool, as another program would; quoted for its shell.
  const auto sql = [&](std::string statement) {
    for (std::size_t at = 0; (at = statement.find('\'', at)) != std::string::npos; at += 4) {
      statement.replace(at, 1, "'\\''");
    }
    ::tavelao::testing::SqliteQuery(table, statement);
  };
  const auto verify = [&] {
    auto events = ReadJournal(f.ws().journal);
    EXPECT_TRUE(events);
    auto result = VerifyDraw(f.ws(), *events, 1);
    return result ? std::string("ok") : result.error();
  };
  ASSERT_EQ(verify(), "ok");

  sql("UPDATE tavelao_dados SET Dados='bola=7;pedras=3' WHERE Seq=4");
  EXPECT_EQ(verify(), "O evento 4 (pedra) foi alterado.");
  sql("UPDATE tavelao_dados SET Dados='bola=41;pedras=3' WHERE Seq=4");
  ASSERT_EQ(verify(), "ok") << "the row as it was";

  sql("DELETE FROM tavelao_dados WHERE Seq=6");
  EXPECT_EQ(verify(), "Falta o evento 6: a ata foi cortada.");

  // A forger who seals the whole chain again after naming another winner.
  sql("DELETE FROM tavelao_dados");
  std::string seal = kFirstSeal;
  std::int64_t seq = 0;
  for (JournalEvent e : original) {
    e.seq = ++seq;
    if (e.kind == EventKind::Winner && e.fields.Get("cartela") == "000042") {
      EventFields forged;
      for (auto [key, value] : e.fields.items()) forged.Add(key, key == "cartela" ? "000044" : value);
      e.fields = forged;
    }
    e.seal = SealOf(seal, e);
    seal = e.seal;
    const std::string row = "INSERT INTO tavelao_dados(Seq,Sorteio,Quando,Evento,Dados,Selo) VALUES(" +
                            std::to_string(e.seq) + "," + std::to_string(e.draw) + ",'" + e.when + "','" +
                            std::string(WordOf(e.kind)) + "','" + e.fields.Text() + "','" + e.seal + "')";
    sql(row);
  }
  EXPECT_EQ(verify(),
            "O evento 9 (ganhadora) não decorre das pedras: a cartela 000044 (LINHA) não completou com a "
            "pedra 81.");
}

TEST(DrawJournal, ADrawLeftOpenIsClosedAsInterruptedWhenTheNextStarts) {
  DrawFixture f;
  f.AddCard(42, Ladder(0));
  f.Start(CardSize::TwentyFive);
  f.Click({1, 2});
  f.Start(CardSize::TwentyFive);
  const auto events = Journal(f);
  // The card size clicked again while the first was open is a change of it.
  EXPECT_EQ(Words(events), (std::vector<std::string>{"inicio", "pedra", "pedra", "tipos", "interrompido", "inicio"}));
  EXPECT_EQ(events[4].draw, 1);
  EXPECT_EQ(events[5].draw, 2);
  const auto draws = DrawsOf(events);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_TRUE(draws[0].interrupted);
  EXPECT_EQ(draws[0].balls, 2);
  EXPECT_TRUE(draws[1].ended.empty());
}

// A second program over the same folder takes the open draw up from the
// journal: the board, the standings and the results box as they were, and
// its next balls join the same draw.
TEST(DrawJournal, AResumedDrawIsTheDrawThatWasLeft) {
  DrawFixture f;
  std::mt19937 rng(3);
  for (int n = 1; n <= 60; ++n) f.AddCard(10'000 + n, testing::RandomCard(rng), n / 10 + 1, n % 10 + 1);
  f.Start(CardSize::TwentyFive, {Pattern::Linha, Pattern::Cruz});
  std::vector<int> balls(kBallCount);
  for (int i = 0; i < kBallCount; ++i) balls[i] = i + 1;
  std::shuffle(balls.begin(), balls.end(), rng);
  for (int i = 0; i < 55; ++i) {
    f.Click(balls[i]);
    if (i % 9 == 8) f.Click(balls[i - 2]);  // unmarked, later marked again
    if (i % 9 == 8) f.Click(balls[i - 2]);
  }
  const DrawState& left = f.state();
  const auto left_standings = f.Standings();

  auto tables = OpenDrawTables(f.ws());
  ASSERT_TRUE(tables);
  ::tavelao::testing::ScriptedDialogs dialogs;
  DrawRun resumed(*tables, dialogs, [] { return std::make_unique<SeededRandomSource>(1); });
  const auto events = Journal(f);
  ASSERT_TRUE(resumed.Resume(EventsOfDraw(events, 1), f.letters));
  const DrawState& now = resumed.state();
  EXPECT_EQ(now.drawn, left.drawn);
  EXPECT_EQ(now.drawn_order, left.drawn_order);
  EXPECT_EQ(now.memo.ToVector(), left.memo.ToVector());
  EXPECT_EQ(now.choice.patterns, left.choice.patterns);
  EXPECT_EQ(now.order_text, left.order_text);
  EXPECT_EQ(now.last_ball, left.last_ball);
  ASSERT_TRUE(resumed.FlushStandings());
  EXPECT_EQ(f.Standings(), left_standings);
  EXPECT_EQ(Journal(f).size(), events.size()) << "replaying journals nothing";

  ASSERT_TRUE(resumed.ToggleBall(balls[60], f.letters));
  const auto after = Journal(f);
  ASSERT_EQ(after.size(), events.size() + 1);
  EXPECT_EQ(after.back().draw, 1);
  EXPECT_EQ(after.back().kind, EventKind::Marked);
  EXPECT_FALSE(FirstBrokenSeal(after));
}

}  // namespace
}  // namespace tavelao::draw
