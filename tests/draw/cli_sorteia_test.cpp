// tavelao-cli sorteia over a folder with two validated built-in cards.

#include <gtest/gtest.h>

#include "card/card_bank.h"
#include "session/data_files.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao {
namespace {

using testing::RunCli;
using testing::TempFolder;

// Card 1 in batch 7 as entry 3, card 2 validated directly.
void ValidateCards(const std::filesystem::path& folder) {
  card::CardBank bank;
  bank.LoadBuiltIn();
  auto table = session::OpenValidation(folder);
  ASSERT_TRUE(table) << table.error();
  for (int card : {1, 2}) {
    store::Record r = table->NewRecord();
    r.Set("Numero", card);
    if (card == 1) r.Set("Lote", 7), r.Set("Lan", 3);
    for (int k = 1; k <= 25; ++k) r.Set("N" + std::to_string(k), std::string(bank.CardNumber(card, k)));
    ASSERT_TRUE(table->Insert(r));
  }
}

// Card 1: rows 15 37 53 76 81 / 09 36 44 61 83 / ..., corners 15, 20, 81, 87.
TEST(CliSorteia, PrintsEachBallAndWhatMemo1ShowsAfterIt) {
  TempFolder dir;
  ValidateCards(dir.path());
  const auto run = RunCli(dir.path(), "sorteia --cartelas 25 --padroes linha,CANTOS --bolas 15,37,53,76,81,20,87");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Pedra 15\n"
            "Pedra 37\n"
            "Pedra 53\n"
            "1 linha(s) faltando 2 pedras.\n"
            "Pedra 76\n"
            "1 linha(s) faltando 1 pedra.\n"
            "Pedra 81\n"
            "CARTELA 000001 BATEU LINHA Lote:000007 Seq:003\n"
            "1 Cantos(s) faltando 2 pedras.\n"
            "Pedra 20\n"
            "1 Cantos(s) faltando 1 pedra.\n"
            "Pedra 87\n"
            "CARTELA 000001 BATEU CANTOS Lote:000007 Seq:003\n");
}

TEST(CliSorteia, ASecondBallUnmarksAndABallOutOfPlayIsIgnored) {
  TempFolder dir;
  ValidateCards(dir.path());
  const auto run = RunCli(dir.path(), "sorteia --cartelas 25 --padroes CANTOS --sem-cheia --bolas 15,20,30,20,81");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Pedra 15\n"
            "Pedra 20\n"
            "1 Cantos(s) faltando 2 pedras.\n"
            "Pedra 30\n"
            "1 Cantos(s) faltando 2 pedras.\n"
            "Pedra 20\n"
            "Pedra 81\n"
            "1 Cantos(s) faltando 2 pedras.\n");
}

TEST(CliSorteia, RefusesBadArgumentsWithStatus2) {
  TempFolder dir;
  struct Case {
    const char* args;
    const char* message;
  };
  for (const Case& c : {Case{"sorteia --cartelas 7 --bolas 1", "Tamanho de cartela inválido"},
                        Case{"sorteia --cartelas 25 --bolas 1,101", "Pedra inválida: \"101\""},
                        Case{"sorteia --cartelas 25 --bolas 1,x", "Pedra inválida: \"x\""},
                        Case{"sorteia --cartelas 25 --padroes LINHA,FOO --bolas 1", "Padrão desconhecido: \"FOO\""},
                        Case{"sorteia --cartelas 15 --sem-cheia --bolas 1", "só valem para cartelas de 25"},
                        Case{"sorteia --cartelas 25", "Falta --bolas"},
                        Case{"sorteia --bolas 1 --extra", "Argumento desconhecido: --extra"}}) {
    const auto run = RunCli(dir.path(), c.args);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << c.args;
  }
}

}  // namespace
}  // namespace tavelao
