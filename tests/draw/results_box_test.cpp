// The results box shows the first lines of a long pass at once and the rest
// soon after, line for line as the pass gave them.

#include "draw/ui/results_box.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

namespace tavelao::draw {
namespace {

std::vector<std::string> Lines(int count, const std::string& stem) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(stem + std::to_string(i) + "  Lote:000007    Seq:00" + "çã");
  return lines;
}

QString Joined(const std::vector<std::string>& lines) {
  QStringList all;
  for (const auto& line : lines) all << QString::fromStdString(line);
  return all.join(QLatin1Char('\n'));
}

TEST(ResultsBox, ALongPassShowsItsFirstLinesAtOnceAndTheRestLineForLine) {
  ResultsBox box;
  box.resize(420, 250);
  box.show();
  const auto many = Lines(5'000, "      Bateu:");
  box.ShowLines(many);
  EXPECT_FALSE(box.complete());
  EXPECT_EQ(box.document()->blockCount(), ResultsBox::kFirstLines);
  QTRY_VERIFY_WITH_TIMEOUT(box.complete(), 5000);
  EXPECT_EQ(box.toPlainText(), Joined(many));
  EXPECT_EQ(box.verticalScrollBar()->value(), 0) << "the view stays on the first lines";

  // A new ball while the last one's lines are still coming in replaces them.
  box.ShowLines(many);
  const auto few = Lines(3, " 24     1   ");
  box.ShowLines(few);
  QTest::qWait(50);
  EXPECT_EQ(box.toPlainText(), Joined(few));
  box.ShowLines({});
  EXPECT_TRUE(box.complete());
  EXPECT_EQ(box.toPlainText(), "");
}

}  // namespace
}  // namespace tavelao::draw
