// tavelao-cli sorteia over a folder with two validated built-in cards.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "card/card_bank.h"
#include "draw/draw_run.h"
#include "draw/draw_tables.h"
#include "draw/seeded_random_source.h"
#include "session/data_files.h"
#include "session/workspace.h"
#include "support/cli_runner.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "validated_cards.h"

namespace tavelao {
namespace {

using testing::RunCli;
using testing::TempFolder;

// Card 1: rows 15 37 53 76 81 / 09 36 44 61 83 / ..., corners 15, 20, 81, 87.
TEST(CliSorteia, PrintsEachBallAndWhatMemo1ShowsAfterIt) {
  TempFolder dir;
  draw::testing::ValidateCards(dir.path());
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
  draw::testing::ValidateCards(dir.path());
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

// The draw screen's run, set up by the same OpenDrawTables over the
// program's workspace, shows after each ball what the tool prints.
TEST(CliSorteia, PrintsWhatTheScreensRunShowsForTheSameBalls) {
  struct Case {
    const char* options;
    draw::CardSize size;
    std::vector<draw::Pattern> patterns;
    bool full_card;
    int balls;  // enough for winners
  };
  using draw::Pattern;
  for (const Case& c : {Case{"--cartelas 25 --padroes LINHA,COLUNA,CANTOS,XIS",
                             draw::CardSize::TwentyFive,
                             {Pattern::Linha, Pattern::Coluna, Pattern::Cantos, Pattern::Xis},
                             true,
                             35},
                        Case{"--cartelas 25 --padroes CANTOS,JANELINHA --sem-cheia",
                             draw::CardSize::TwentyFive,
                             {Pattern::Cantos, Pattern::Janelinha},
                             false,
                             35},
                        Case{"--cartelas 5", draw::CardSize::Five, {}, true, 40}}) {
    SCOPED_TRACE(c.options);
    TempFolder dir;
    draw::testing::ValidateCards(dir.path(), 400);
    std::vector<int> balls(draw::kBallCount);
    std::iota(balls.begin(), balls.end(), 1);
    std::shuffle(balls.begin(), balls.end(), std::mt19937(7));
    balls.resize(c.balls);
    const int again = balls[10];
    balls.insert(balls.begin() + 20, again);  // unmarked, then drawn again
    balls.insert(balls.begin() + 25, again);
    std::string list;
    for (int ball : balls) list += (list.empty() ? "" : ",") + std::to_string(ball);

    const auto cli = RunCli(dir.path(), std::string("sorteia ") + c.options + " --bolas " + list);
    ASSERT_EQ(cli.status, 0) << cli.err;

    auto ws = session::RunStartup(dir.path(), {});
    ASSERT_TRUE(ws) << ws.error();
    auto tables = draw::OpenDrawTables(**ws);
    ASSERT_TRUE(tables) << tables.error();
    tavelao::testing::ScriptedDialogs dialogs;
    draw::DrawRun run(*tables, dialogs, [] { return std::make_unique<draw::SeededRandomSource>(1); });
    ASSERT_TRUE(run.OpenDrawChoice());
    ASSERT_TRUE(run.ClickCardSize(c.size, true));
    for (Pattern p : c.patterns) {
      ASSERT_TRUE(run.ClickPattern(p, true));
    }
    if (!c.full_card) {
      ASSERT_TRUE(run.ClickFullCard(false));
    }
    ASSERT_TRUE(run.ConfirmCardSize());
    ASSERT_TRUE(run.StartDraw(draw::DrawMode::Manual));
    std::string shown;
    for (int ball : balls) {
      shown += "Pedra " + draw::BallLabel(ball) + "\n";
      auto outcome = run.ToggleBall(ball, (*ws)->card_options.letters);
      ASSERT_TRUE(outcome) << outcome.error();
      for (const std::string& line : run.state().memo) shown += line + "\n";
    }
    EXPECT_EQ(cli.out, shown);
    EXPECT_TRUE(shown.find("BATEU") != std::string::npos || shown.find("Bateu:") != std::string::npos)
        << "the balls must make winners to compare the whole box";
    EXPECT_NE(shown.find("faltando"), std::string::npos);
  }
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
