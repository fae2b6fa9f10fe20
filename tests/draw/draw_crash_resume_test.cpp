// A draw killed at random moments while its balls are clicked, then taken
// up at the next start: the board, the standings and the results box are
// those of the same balls played without a crash.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <numeric>
#include <random>
#include <thread>

#include "app_harness.h"
#include "draw/draw_journal.h"
#include "draw/ui/results_box.h"
#include "store/table.h"
#include "support/child_process.h"
#include "support/temp_folder.h"
#include "validated_cards.h"

namespace tavelao::testing {
namespace {

constexpr int kCards = 300;
const QColor kDrawn(255, 0, 0);

// What the draw screen shows, once the results box holds every line.
QStringList Shown(AppHarness& app) {
  auto* box = app.Find<draw::ResultsBox>("Memo1");
  EXPECT_TRUE(QTest::qWaitFor([box] { return box->complete(); }, 10000));
  QStringList shown{box->toPlainText()};
  for (const char* label : {"LabelSorteadas", "LabelRestam", "LabelOrdem"}) shown << app.Find<QLabel>(label)->text();
  shown << app.Find<QPushButton>("ButtonUltima")->text();
  QString board;
  for (int n = 1; n <= 100; ++n) {
    const QWidget* ball = app.Find(("P" + std::to_string(n)).c_str());
    board += ball->palette().color(QPalette::WindowText) == kDrawn ? 'x' : '.';
  }
  for (const char* box_name : {"CBLinha", "CBCantos"}) {
    board += app.Find<QCheckBox>(box_name)->isChecked() ? '+' : '-';
  }
  return shown << board;
}

// The rows of "sorteadas.cds", as the last pass left them.
std::vector<store::Record> Standings(const std::filesystem::path& folder) {
  auto table = store::Table::Open(folder / "sorteadas.cds");
  EXPECT_TRUE(table) << table.error();
  if (!table) return {};
  auto rows = table->Select({"", "cartela", {}});
  EXPECT_TRUE(rows) << rows.error();
  std::vector<store::Record> records;
  if (rows) {
    for (const auto& row : *rows) records.push_back(row.record);
  }
  return records;
}

TEST(DrawCrash, AKilledDrawIsTakenUpAsTheSameBallsPlayedWithoutACrash) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  for (int trial = 0; trial < 3; ++trial) {
    std::vector<int> balls(100);
    std::iota(balls.begin(), balls.end(), 1);
    std::shuffle(balls.begin(), balls.end(), random);
    balls.resize(70);
    QStringList list;
    for (int ball : balls) list << QString::number(ball);
    const int read = std::uniform_int_distribution<int>(0, 69)(random);
    const auto delay = std::chrono::microseconds(std::uniform_int_distribution<int>(0, 8000)(random));

    TempFolder crashed;
    draw::testing::ValidateCards(crashed.path(), kCards);
    {
      ChildProcess program(TAVELAO_DRAW_CRASH_CHILD, {list.join(',').toStdString(), std::to_string(random())},
                           crashed.path());
      ASSERT_EQ(program.ReadLine(), "pronto");
      for (int i = 0; i < read; ++i) ASSERT_EQ(program.ReadLine(), "pedra " + std::to_string(balls[i]));
      std::this_thread::sleep_for(delay);  // before, during or after the next click
      program.Kill();
    }

    QStringList resumed;
    int drawn = 0;
    {
      AppHarness app(crashed.path(), {true});
      ASSERT_EQ(app.dialogs.shown.size(), 1u) << "Retomar?";
      drawn = app.Find<QLabel>("LabelSorteadas")->text().toInt();
      ASSERT_GE(drawn, read) << "a ball shown is in the journal";
      ASSERT_LE(drawn, read + 3) << "the balls clicked in the few milliseconds after the last one read";
      resumed = Shown(app);
      auto events = draw::ReadJournal(app.workspace().journal);
      ASSERT_TRUE(events);
      EXPECT_FALSE(draw::FirstBrokenSeal(*events));
    }

    TempFolder straight;
    draw::testing::ValidateCards(straight.path(), kCards);
    QStringList played;
    {
      AppHarness app(straight.path());
      app.Choose("MenuSorteio");
      app.Click("ButtonOKTSor");
      app.Click("ButtonManual");
      app.Click("ButtonSorteios");
      for (const char* box : {"CBLinha", "CBCantos"}) QTest::mouseClick(app.Find<QCheckBox>(box), Qt::LeftButton);
      for (int i = 0; i < drawn; ++i) {
        QTest::mouseClick(app.Find(("P" + std::to_string(balls[i])).c_str()), Qt::LeftButton);
      }
      played = Shown(app);
    }
    EXPECT_EQ(resumed, played) << "after " << drawn << " balls";
    EXPECT_EQ(Standings(crashed.path()), Standings(straight.path())) << "after " << drawn << " balls";
  }
}

}  // namespace
}  // namespace tavelao::testing
