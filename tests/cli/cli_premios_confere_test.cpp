// tavelao-cli premios and confere over a working directory.

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <vector>

#include "session/data_files.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao {
namespace {

using testing::RunCli;
using testing::TempFolder;

// The cards validated directly, or, with a lot, in it from sequence `lan` on.
void Validate(const std::filesystem::path& folder, std::initializer_list<int> cards, int lote = 0, int lan = 0) {
  auto table = session::OpenValidation({folder, nullptr});
  ASSERT_TRUE(table) << table.error();
  for (int card : cards) {
    store::Record r = table->NewRecord();
    r.Set("Numero", card);
    if (lote) r.Set("Lote", lote), r.Set("Lan", lan++);
    ASSERT_TRUE(table->Insert(r));
  }
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CliPremios, AsManyPrizesAsCardsListsEveryCardOnceFromPrizeOne) {
  TempFolder dir;
  Validate(dir.path(), {7, 42, 100});
  const auto run = RunCli(dir.path(), "premios 3");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[0], "Prêmio Cartela");
  std::set<std::string> cards;
  for (int i = 1; i <= 3; ++i) {
    std::istringstream row(lines[i]);
    int premio = 0;
    std::string numero;
    row >> premio >> numero;
    EXPECT_EQ(premio, i) << lines[i];
    cards.insert(numero);
  }
  EXPECT_EQ(cards, (std::set<std::string>{"7-8", "42-6", "100-7"}));
  // The prize table is written to its file.
  auto table = store::Table::Open(dir / "SorteioPM.cds");
  ASSERT_TRUE(table) << table.error();
  auto count = table->Count();
  ASSERT_TRUE(count);
  EXPECT_EQ(*count, 3);
  // And the record of the night holds them.
  const auto minutes = RunCli(dir.path(), "ata 0");
  EXPECT_EQ(minutes.status, 1) << "no draw, no minutes: " << minutes.out;
  EXPECT_EQ(minutes.err, "A ata não tem o sorteio 0. Veja a lista com tavelao-cli ata.\n");
  auto journal = session::OpenJournal({dir.path(), nullptr});
  ASSERT_TRUE(journal) << journal.error();
  auto events = journal->Select({"", "Seq", {}});
  ASSERT_TRUE(events);
  ASSERT_EQ(events->size(), 1u);
  EXPECT_EQ(events->front().record.Text("Evento"), "premios");
  EXPECT_TRUE(events->front().record.Text("Dados").starts_with("quantidade=3;1=000"))
      << events->front().record.Text("Dados");
}

TEST(CliPremios, FewerPrizesAreDistinctValidatedCards) {
  TempFolder dir;
  Validate(dir.path(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const auto run = RunCli(dir.path(), "premios 4");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 5u);
  std::set<std::string> cards;
  for (int i = 1; i <= 4; ++i) cards.insert(lines[i].substr(lines[i].find_last_of(' ') + 1));
  EXPECT_EQ(cards.size(), 4u) << run.out;
}

TEST(CliPremios, NothingToDrawAndBadArgumentsAreTold) {
  TempFolder dir;
  Validate(dir.path(), {7, 42});
  for (const char* n : {"3", "0", "-1"}) {
    const auto run = RunCli(dir.path(), std::string("premios ") + n);
    EXPECT_EQ(run.status, 1) << n;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find("(2)"), std::string::npos) << run.err;
  }
  for (const char* args : {"premios", "premios abc", "premios 2 3"}) {
    const auto run = RunCli(dir.path(), args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find("Uso:"), std::string::npos) << args;
  }
  const auto help = RunCli(dir.path(), "premios --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("tavelao-cli premios [--exclui-premiadas] N"), std::string::npos) << help.out;
}

// The cards of the prize lines of `premios`.
std::set<std::string> PrizeCards(const std::string& out) {
  std::set<std::string> cards;
  const auto lines = Lines(out);
  for (std::size_t i = 1; i < lines.size(); ++i) cards.insert(lines[i].substr(lines[i].find_last_of(' ') + 1));
  return cards;
}

TEST(CliPremios, ExcluiPremiadasLeavesOutTheCardsOfTheLastResult) {
  TempFolder dir;
  Validate(dir.path(), {1, 2, 3, 4});
  const auto first = RunCli(dir.path(), "premios 2");
  ASSERT_EQ(first.status, 0) << first.err;
  const std::set<std::string> won = PrizeCards(first.out);
  ASSERT_EQ(won.size(), 2u);
  const auto second = RunCli(dir.path(), "premios 2 --exclui-premiadas");
  ASSERT_EQ(second.status, 0) << second.err;
  const std::set<std::string> now = PrizeCards(second.out);
  ASSERT_EQ(now.size(), 2u);
  for (const std::string& card : now) EXPECT_FALSE(won.contains(card)) << card << " won in the last result";
  // Only the last result counts: the first two may win again.
  const auto third = RunCli(dir.path(), "premios 3 --exclui-premiadas");
  EXPECT_EQ(third.status, 1);
  EXPECT_NE(third.err.find("(2)"), std::string::npos) << third.err;
  EXPECT_EQ(RunCli(dir.path(), "premios 2 --exclui-premiadas").status, 0);
}

// Card 1, rows: 15 37 53 76 81 / 09 36 44 61 83 / 14 27 50 73 84 / 02 30 45 71 89 / 20 23 48 65 87.
TEST(CliConfere, MarksTheDrawnNumbersRowByRow) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "confere 1 --bolas 15,44,87,100,3");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Cartela: 1\n"
            "NÃO VALIDADA — não concorre\n"
            "[15]  37   53   76   81 \n"
            " 09   36  [44]  61   83 \n"
            " 14   27   50   73   84 \n"
            " 02   30   45   71   89 \n"
            " 20   23   48   65  [87]\n");
}

TEST(CliConfere, TellsWhetherTheCardPlaysAndWhichFiguresInPlayItCompleted) {
  TempFolder dir;
  Validate(dir.path(), {1}, 7, 3);
  Validate(dir.path(), {2});
  // The top row of card 1 and one more ball.
  const auto line = RunCli(dir.path(), "confere 1 --bolas 15,37,53,76,81,44 --padroes linha,cantos");
  ASSERT_EQ(line.status, 0) << line.err;
  EXPECT_EQ(line.out,
            "Cartela: 1\n"
            "VALIDADA — lote 7, seq. 3\n"
            "COMPLETOU LINHA\n"
            "*15* *37* *53* *76* *81*\n"
            " 09   36  [44]  61   83 \n"
            " 14   27   50   73   84 \n"
            " 02   30   45   71   89 \n"
            " 20   23   48   65   87 \n");
  // A figure not in play is not told, and its cells are only drawn.
  const auto column = RunCli(dir.path(), "confere 1 --bolas 15,37,53,76,81 --padroes COLUNA");
  ASSERT_EQ(column.status, 0) << column.err;
  EXPECT_EQ(Lines(column.out)[1], "VALIDADA — lote 7, seq. 3");
  EXPECT_EQ(Lines(column.out)[2], "[15] [37] [53] [76] [81]");
  EXPECT_EQ(column.out.find('*'), std::string::npos);
  // A card validated directly has no batch.
  EXPECT_EQ(Lines(RunCli(dir.path(), "confere 2").out)[1], "VALIDADA");

  // Every ball of card 1: the full card and each pattern in play, the full
  // card first.
  std::string all;
  for (const char* row : {"15,37,53,76,81", "09,36,44,61,83", "14,27,50,73,84", "02,30,45,71,89", "20,23,48,65,87"}) {
    all += (all.empty() ? "" : ",") + std::string(row);
  }
  const auto full = RunCli(dir.path(), "confere 1 --bolas " + all + " --padroes CANTOS,LINHA");
  ASSERT_EQ(full.status, 0) << full.err;
  const auto lines = Lines(full.out);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[2], "COMPLETOU CARTELA CHEIA");
  EXPECT_EQ(lines[3], "COMPLETOU LINHA") << "once, though all five rows are complete";
  EXPECT_EQ(lines[4], "COMPLETOU CANTOS");
  EXPECT_EQ(full.out.find('['), std::string::npos) << "every cell belongs to the full card";
  // A 15-number card's own figure is its three top rows.
  const auto fifteen =
      RunCli(dir.path(), "confere 1 --cartelas 15 --bolas 15,37,53,76,81,09,36,44,61,83,14,27,50,73,84,2");
  ASSERT_EQ(fifteen.status, 0) << fifteen.err;
  EXPECT_EQ(Lines(fifteen.out)[2], "COMPLETOU CARTELA CHEIA");
  EXPECT_EQ(Lines(fifteen.out)[6], "[02]  30   45   71   89 ");

  for (const char* args :
       {"confere 1 --padroes QUADRADO", "confere 1 --cartelas 15 --padroes LINHA", "confere 1 --cartelas 16"}) {
    EXPECT_EQ(RunCli(dir.path(), args).status, 2) << args;
  }
}

TEST(CliConfere, WithoutBallsNothingIsMarkedAndThePasswordAddsTheCode) {
  TempFolder dir;
  const auto plain = RunCli(dir.path(), "confere 001");
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out.find('['), std::string::npos);
  EXPECT_EQ(Lines(plain.out).front(), "Cartela: 001") << "the caption keeps the text as typed";
  EXPECT_EQ(plain.out.find("Autenticação"), std::string::npos);
  const auto coded = RunCli(dir.path(), "confere 1", "TAVELAO_SENHA=abcde");
  ASSERT_EQ(coded.status, 0) << coded.err;
  EXPECT_EQ(Lines(coded.out).back(), "Autenticação:29553");
}

TEST(CliConfere, BallHundredIsMarkedAsNumberOrAsDoubleZero) {
  TempFolder dir;
  // Find a built-in card with "00" among the first few.
  for (int card = 1; card <= 200; ++card) {
    const auto shown = RunCli(dir.path(), "confere " + std::to_string(card));
    ASSERT_EQ(shown.status, 0);
    if (shown.out.find(" 00 ") == std::string::npos) continue;
    for (const char* ball : {"100", "00"}) {
      const auto run = RunCli(dir.path(), "confere " + std::to_string(card) + " --bolas " + ball);
      ASSERT_EQ(run.status, 0) << run.err;
      EXPECT_NE(run.out.find("[00]"), std::string::npos) << ball;
      EXPECT_EQ(run.out.find(" 00 "), std::string::npos) << ball;
    }
    return;
  }
  FAIL() << "no card with ball 100 among the first 200";
}

TEST(CliConfere, RefusedCardsAndBadArguments) {
  TempFolder dir;
  for (const char* card : {"0", "120001", "10001"}) {
    const auto run = RunCli(dir.path(), std::string("confere ") + card);
    EXPECT_EQ(run.status, 1) << card;
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("A cartela"), std::string::npos) << run.err;
  }
  for (const char* args : {"confere", "confere abc", "confere 1 2", "confere 1 --bolas 101", "confere 1 --bolas 7,x",
                           "confere 1 --bolas 0", "confere 1 --bolas"}) {
    EXPECT_EQ(RunCli(dir.path(), args).status, 2) << args;
  }
  const auto help = RunCli(dir.path(), "confere --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--bolas"), std::string::npos);
  const auto all = RunCli(dir.path(), "--help");
  EXPECT_NE(all.out.find("premios"), std::string::npos);
  EXPECT_NE(all.out.find("confere"), std::string::npos);
}

}  // namespace
}  // namespace tavelao
