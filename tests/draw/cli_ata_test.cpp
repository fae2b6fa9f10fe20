// tavelao-cli ata over journals written by DrawJournal and by a real draw.

#include <gtest/gtest.h>

#include <ctime>

#include "card/card_bank.h"
#include "draw/draw_journal.h"
#include "session/card_options.h"
#include "session/data_files.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"
#include "validated_cards.h"

namespace tavelao {
namespace {

using draw::EventKind;
using testing::RunCli;
using testing::SqliteQuery;
using testing::TempFolder;

class SetClock : public Clock {
 public:
  // Local time, as the journal writes it.
  void Set(int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 9;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    now_ = std::chrono::system_clock::from_time_t(std::mktime(&local));
  }
  std::chrono::system_clock::time_point Now() const override { return now_; }

 private:
  std::chrono::system_clock::time_point now_;
};

draw::EventFields Started() {
  return {{"cartelas", "25"}, {"cheia", "1"},   {"padroes", "Linha"}, {"tipos", "CARTELA CHEIA,LINHA"},
          {"modo", "manual"}, {"emissor", "1"}, {"validadas", "2"},   {"resumo", std::string(64, 'a')}};
}

draw::EventFields Ball(int ball, int drawn) {
  return {{"bola", std::to_string(ball)}, {"pedras", std::to_string(drawn)}};
}

// Draw 1 finished with a winner, draw 2 left open and so interrupted when
// draw 3 began, draw 3 still open.
void WriteJournal(const std::filesystem::path& folder) {
  auto table = session::OpenJournal({folder, nullptr});
  ASSERT_TRUE(table) << table.error();
  SetClock clock;
  draw::DrawJournal journal(*table, clock);
  clock.Set(21, 30, 5);
  ASSERT_TRUE(journal.BeginDraw(Started()));
  clock.Set(21, 31, 0);
  journal.Add(EventKind::Marked, Ball(42, 1));
  journal.Add(EventKind::Marked, Ball(7, 2));
  journal.Add(EventKind::Winner, {{"cartela", "000042"},
                                  {"digito", "6"},
                                  {"lote", "000007"},
                                  {"seq", "001"},
                                  {"tipo", "LINHA"},
                                  {"bola", "7"},
                                  {"pedras", "2"}});
  ASSERT_TRUE(journal.Commit());
  clock.Set(21, 40, 0);
  journal.Add(EventKind::Ended, {{"pedras", "2"}});
  ASSERT_TRUE(journal.Commit());
  clock.Set(21, 45, 0);
  ASSERT_TRUE(journal.BeginDraw(Started()));
  journal.Add(EventKind::Marked, Ball(5, 1));
  ASSERT_TRUE(journal.Commit());
  clock.Set(22, 0, 0);
  ASSERT_TRUE(journal.BeginDraw(Started()));
  journal.Add(EventKind::Marked, Ball(9, 1));
  ASSERT_TRUE(journal.Commit());
}

TEST(CliAta, ListsTheDrawsOfTheJournal) {
  TempFolder dir;
  const auto none = RunCli(dir.path(), "ata");
  EXPECT_EQ(none.status, 0) << none.err;
  EXPECT_EQ(none.out, "Nenhum sorteio na ata.\n") << "no journal yet";
  EXPECT_FALSE(std::filesystem::exists(dir / session::kJournalFile)) << "listing makes no journal";
  ASSERT_TRUE(session::OpenJournal({dir.path(), nullptr}));
  EXPECT_EQ(RunCli(dir.path(), "ata").out, "Nenhum sorteio na ata.\n") << "an empty journal";

  WriteJournal(dir.path());
  const auto run = RunCli(dir.path(), "ata");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Sorteio 1: início 09/12/2026 21:30:05, fim 09/12/2026 21:40:00, 2 pedra(s), 1 ganhadora(s).\n"
            "Sorteio 2: início 09/12/2026 21:45:00, interrompido, 1 pedra(s), 0 ganhadora(s).\n"
            "Sorteio 3: início 09/12/2026 22:00:00, em andamento, 1 pedra(s), 0 ganhadora(s).\n");
}

TEST(CliAta, AnUnknownDrawOrNoNumberIsRefusedAndNothingIsWritten) {
  TempFolder dir;
  WriteJournal(dir.path());
  const auto unknown = RunCli(dir.path(), "ata 9 --pdf ata.pdf");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.err, "A ata não tem o sorteio 9. Veja a lista com tavelao-cli ata.\n");
  const auto letters = RunCli(dir.path(), "ata um");
  EXPECT_EQ(letters.status, 2);
  EXPECT_NE(letters.err.find("'um' não é um número inteiro válido."), std::string::npos) << letters.err;
  const auto missing = RunCli(dir.path(), "ata --pdf ata.pdf");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err,
            "Falta SORTEIO: o número do sorteio da ata.\n"
            "Uso: tavelao-cli ata [--pdf ARQUIVO] [--verifica] [--sobrescreve] [SORTEIO]\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "ata.pdf"));
}

TEST(CliAta, ShowsTheMinutesOfADraw) {
  TempFolder dir;
  WriteJournal(dir.path());
  const auto run = RunCli(dir.path(), "ata 2");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(
      run.out.starts_with("Ata do sorteio nº 2\n"
                          "Data: 09/12/2026  Início: 21:45:00  Término: interrompido\n\n"
                          "Abertura\n"
                          "  21:45:00  Início do sorteio, modo manual, emissor 1.\n"
                          "            Cartelas de 25 dezenas; tipos de sorteio: CARTELA CHEIA, LINHA.\n"))
      << run.out;
  for (const char* line : {"\nAndamento do sorteio\n  21:45:00  1ª pedra: 05\n\nGanhadoras\n",
                           "\n  22:00:00  Sorteio interrompido com 1 pedra sorteada.\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
  }
}

TEST(CliAta, WritesThePdfOfADrawHeadedByTheFirstPrize) {
  TempFolder dir;
  WriteJournal(dir.path());
  {
    ASSERT_EQ(RunCli(dir.path(), "ata").status, 0);  // the options table, as start-up makes it
    auto options_table = session::OpenOptions(dir.path());
    ASSERT_TRUE(options_table) << options_table.error();
    auto options = session::ReadCardOptions(*options_table);
    ASSERT_TRUE(options) << options.error();
    options->prizes[0] = "BINGO DA PARÓQUIA";
    ASSERT_TRUE(session::WriteCardOptions(*options_table, *options));
  }
  const auto run = RunCli(dir.path(), "ata 1 --pdf ata.pdf");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "ata.pdf gravado: Ata do sorteio nº 1.\n");
  const std::string text = testing::PdfText(dir / "ata.pdf");
  for (const char* expected : {"Ata do sorteio nº 1", "BINGO DA PARÓQUIA", "Término: 21:40:00", "1ª pedra: 42",
                               "2ª pedra: 07", "LINHA: cartela 000042-6 (lote 000007, seq. 001), pedra 07."}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_EQ(text.find("pedra: 05"), std::string::npos) << "a ball of another draw";
}

// Card 1's first row is 15 37 53 76 81: a line with the fifth ball, after
// which the draw goes on for the full card alone.
TEST(CliAta, VerifiesAPlayedDrawAndNamesTheRowThatWasAltered) {
  TempFolder dir;
  draw::testing::ValidateCards(dir.path());
  const auto played = RunCli(dir.path(), "sorteia --cartelas 25 --padroes linha --bolas 15,37,53,76,81");
  ASSERT_EQ(played.status, 0) << played.err;
  const auto listed = RunCli(dir.path(), "ata");
  // The replay ends in the journal as a draw does.
  EXPECT_NE(listed.out.find(", 5 pedra(s), 1 ganhadora(s)."), std::string::npos) << listed.out;
  EXPECT_EQ(listed.out.find("em andamento"), std::string::npos) << listed.out;

  const auto standings_before = SqliteQuery(dir / "sorteadas.cds", "SELECT cartela, pedras FROM tavelao_dados");
  const auto sound = RunCli(dir.path(), "ata 1 --verifica");
  EXPECT_EQ(SqliteQuery(dir / "sorteadas.cds", "SELECT cartela, pedras FROM tavelao_dados"), standings_before)
      << "verifying replays in a folder of its own";
  EXPECT_EQ(sound.status, 0) << sound.err;
  EXPECT_EQ(sound.out, "Ata íntegra: 9 eventos, ganhadoras conferem.\n");
  const auto minutes = RunCli(dir.path(), "ata 1");
  EXPECT_NE(minutes.out.find("  LINHA: cartela 000001-9 (lote 000007, seq. 003), pedra 81.\n"), std::string::npos)
      << minutes.out;

  const auto journal = dir / session::kJournalFile;
  // Ball 15 of the first ball event made 16.
  testing::SqliteQuery(journal, "UPDATE tavelao_dados SET Dados=replace(Dados, char(53), char(54)) WHERE Seq=2");
  const auto altered = RunCli(dir.path(), "ata 1 --verifica");
  EXPECT_EQ(altered.status, 1);
  EXPECT_EQ(altered.out, "");
  EXPECT_EQ(altered.err, "O evento 2 (pedra) foi alterado.\n");
}

}  // namespace
}  // namespace tavelao
