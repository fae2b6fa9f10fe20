// The audience screen over a real draw on the offscreen platform: its
// parts laid out at every size, its pixels read back through them, and a
// window that never takes the operator's focus.

#include "draw/ui/audience_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstdlib>

#include "draw/ui/audience_layout.h"
#include "draw/ui/audience_palette.h"
#include "draw_fixture.h"

namespace tavelao::draw {
namespace {

using testing::Balls;
using testing::DrawFixture;
using testing::Ladder;

const QSize kSmall(1366, 768);
const QSize kLarge(3840, 2160);

// ---- reading pixels ----

// The colour most pixels of the place have: the fill of a cell, whatever
// its digits.
QColor Dominant(const QImage& image, const QRectF& place) {
  QHash<QRgb, int> counts;
  const QRect r = place.toAlignedRect().intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) ++counts[image.pixel(x, y)];
  }
  QRgb best = 0;
  int most = -1;
  for (auto it = counts.begin(); it != counts.end(); ++it) {
    if (it.value() > most) best = it.key(), most = it.value();
  }
  return QColor(best);
}

bool Near(QColor a, QColor b, int tolerance = 24) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

template <typename Test>
int Count(const QImage& image, const QRectF& place, Test test) {
  int n = 0;
  const QRect r = place.toAlignedRect().intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) n += test(image.pixelColor(x, y));
  }
  return n;
}

// The bounding box of the pixels of the place that pass the test.
template <typename Test>
QRect Ink(const QImage& image, const QRectF& place, Test test) {
  QRect box;
  const QRect r = place.toAlignedRect().intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (test(image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

bool Black(QColor c) { return c == kAudienceDrawnDigits; }
bool Bright(QColor c) { return c.lightness() > 200; }

// The same picture but for the edges of glyphs, which the first drawing at
// a size smooths a little differently from the later ones.
bool Alike(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (!Near(a.pixelColor(x, y), b.pixelColor(x, y))) return false;
    }
  }
  return true;
}

class AudienceWindowTest : public ::testing::Test {
 protected:
  void Show() { window.Show(AudienceViewOf(f.state(), f.letters, "Bingo do Clube")); }
  QImage Grab(QSize size) {
    window.resize(size);
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  AudienceLayout Layout(QSize size) const {
    return LayOutAudience(size, static_cast<int>(window.view().figures.size()));
  }

  DrawFixture f;
  AudienceWindow window;
};

// ---- the layout ----

TEST(AudienceLayout, EveryPartFitsAndTheLastBallIsLargeAtEverySize) {
  for (QSize size : {kSmall, QSize(1920, 1080), QSize(2560, 1440), kLarge, QSize(1024, 768), QSize(1280, 1024),
                     QSize(2560, 1080), QSize(1920, 1200)}) {
    SCOPED_TRACE(::testing::Message() << size.width() << "x" << size.height());
    const QRectF window(QPointF(0, 0), size);
    const AudienceLayout l = LayOutAudience(size, 13);
    for (const QRectF& part : {l.title, l.last_ball, l.announcement, l.counter, l.cells[0], l.cells[99]}) {
      EXPECT_TRUE(window.contains(part)) << part.x() << "," << part.y() << " " << part.width() << "x" << part.height();
    }
    EXPECT_GE(l.last_ball_digits.height(), size.height() / 4.0);
    EXPECT_TRUE(l.last_ball.contains(l.last_ball_digits) && l.last_ball.contains(l.last_ball_letter));
    EXPECT_FALSE(l.last_ball_letter.intersects(l.last_ball_digits));
    // Line k holds column k from left to right, after its letter.
    for (int c = 0; c < kColumnCount; ++c) {
      EXPECT_LT(l.letters[c].right(), l.cells[c * 20].left());
      for (int i = 1; i < kBallsPerColumn; ++i) {
        const QRectF& before = l.cells[c * 20 + i - 1];
        const QRectF& cell = l.cells[c * 20 + i];
        EXPECT_LT(before.right(), cell.left());
        EXPECT_DOUBLE_EQ(before.top(), cell.top());
      }
      if (c > 0) {
        EXPECT_LT(l.cells[(c - 1) * 20].bottom(), l.cells[c * 20].top());
      }
    }
    const QRectF board = l.letters[0].united(l.cells[99]);
    for (const QRectF& part : {l.title, l.last_ball, l.announcement}) EXPECT_FALSE(part.intersects(board));
    EXPECT_FALSE(l.announcement.intersects(l.last_ball));
    EXPECT_FALSE(l.title.intersects(l.last_ball));
    for (const QRectF& ball : l.last_balls) EXPECT_TRUE(l.announcement.contains(ball));
    ASSERT_EQ(l.figures.size(), 13u);
    for (const FigurePlace& figure : l.figures) {
      EXPECT_TRUE(l.announcement.contains(figure.picture) && l.announcement.contains(figure.title));
      EXPECT_FALSE(figure.picture.intersects(l.counter));
      EXPECT_DOUBLE_EQ(figure.picture.width(), figure.picture.height());
    }
  }
}

// ---- the board and the last ball ----

TEST_F(AudienceWindowTest, CellsAreFilledWhenDrawnDarkWhenNotAndBlankOutOfPlay) {
  f.Start(CardSize::TwentyFive, {Pattern::Cantos}, /*full_card=*/false);  // columns B and O only
  f.Click({5, 100, 83});
  Show();
  for (QSize size : {kSmall, kLarge}) {
    SCOPED_TRACE(size.width());
    const QImage image = Grab(size);
    const AudienceLayout l = Layout(size);
    for (int ball : {5, 100, 83}) {
      EXPECT_EQ(Dominant(image, l.cells[ball - 1]), kAudienceDrawnCell) << ball;
      EXPECT_GT(Count(image, l.cells[ball - 1], Black), 0) << "digits on ball " << ball;
    }
    for (int ball : {1, 6, 20, 99}) {
      EXPECT_EQ(Dominant(image, l.cells[ball - 1]), kAudienceUndrawnCell) << ball;
      EXPECT_GT(Count(image, l.cells[ball - 1], [](QColor c) { return Near(c, kAudienceUndrawnDigits); }), 0)
          << "dim digits on ball " << ball;
    }
    for (int ball : {21, 50, 80}) {
      EXPECT_EQ(Count(image, l.cells[ball - 1], [](QColor c) { return c != kAudienceBackground; }), 0)
          << "ball " << ball << " is out of play";
    }
  }
}

TEST_F(AudienceWindowTest, LastBallDigitsAreAtLeastAQuarterOfTheHeight) {
  f.Start(CardSize::TwentyFive);
  f.Click({17, 100});
  Show();
  for (QSize size : {kSmall, kLarge}) {
    SCOPED_TRACE(size.width());
    const QImage image = Grab(size);
    const AudienceLayout l = Layout(size);
    EXPECT_EQ(Dominant(image, l.last_ball), kAudienceDrawnCell);
    const QRect digits = Ink(image, l.last_ball, Black);
    EXPECT_GE(digits.height(), size.height() / 4);
    EXPECT_GE(digits.top(), l.last_ball_letter.bottom()) << "the digits are under the letter";
    EXPECT_GT(Count(image, l.last_ball_letter, Bright), 0) << "the letter O";
  }
}

TEST_F(AudienceWindowTest, AnUnmarkTakesTheCellBackAndShowsThePreviousBall) {
  f.Start(CardSize::TwentyFive);
  f.Click({33, 5});
  Show();
  const AudienceLayout l = Layout(kSmall);
  const QRect tile = l.last_ball.toAlignedRect();
  const QImage before = Grab(kSmall);

  f.Click(64);
  Show();
  const QImage marked = Grab(kSmall);
  EXPECT_EQ(Dominant(marked, l.cells[63]), kAudienceDrawnCell);
  EXPECT_FALSE(Alike(marked.copy(tile), before.copy(tile)));

  f.Click(64);
  Show();
  const QImage unmarked = Grab(kSmall);
  EXPECT_EQ(Dominant(unmarked, l.cells[63]), kAudienceUndrawnCell);
  EXPECT_TRUE(Alike(unmarked.copy(tile), before.copy(tile))) << "ball 05 is the last one again";
  EXPECT_TRUE(Alike(unmarked, before));
}

// ---- winners ----

TEST_F(AudienceWindowTest, AnnouncementShowsAfterAWinAndGoesWithTheNextBall) {
  f.AddCard(42, Ladder(0));
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  f.Click({1, 21, 41, 61});
  Show();
  const AudienceLayout l = Layout(kSmall);
  const auto red = [](QColor c) { return c == kAudienceAnnouncement; };
  const double band_area = l.announcement.width() * l.announcement.height();
  EXPECT_EQ(Count(Grab(kSmall), l.announcement, red), 0);

  f.Click(81);
  Show();
  const QImage won = Grab(kSmall);
  EXPECT_GT(Count(won, l.announcement, red), 0.5 * band_area);
  const QRect text = Ink(won, l.announcement.adjusted(20, 20, -20, -20),
                         [](QColor c) { return c == kAudienceText || c == kAudienceGold; });
  EXPECT_GT(text.width(), l.announcement.width() / 2) << "large";
  EXPECT_GT(text.height(), l.announcement.height() / 3);

  f.Click(50);
  Show();
  EXPECT_EQ(Count(Grab(kSmall), l.announcement, red), 0);
}

// More winners than lines that read from afar: as many as fit, all inside
// the band, and the rest counted.
TEST_F(AudienceWindowTest, ManyWinnersStayInsideTheBand) {
  for (int i = 0; i < 12; ++i) {
    Balls card = Ladder(0);  // the same first row, the rest of column B differs
    card[1] = 6 + i, card[2] = 18, card[3] = 19, card[4] = 20;
    f.AddCard(100 + i, card);
  }
  f.Start(CardSize::TwentyFive, {Pattern::Linha});
  f.Click({1, 21, 41, 61, 81});
  Show();
  ASSERT_EQ(window.view().announcements.size(), 12u);
  const QImage image = Grab(kSmall);
  const AudienceLayout l = Layout(kSmall);
  const auto text = [](QColor c) { return c == kAudienceText || c == kAudienceGold; };
  const QRectF inner = l.announcement.adjusted(10, 10, -10, -10);
  int rows = 0;
  bool in_row = false;
  for (int y = inner.toRect().top(); y <= inner.toRect().bottom(); ++y) {
    const bool inked = Count(image, QRectF(inner.left(), y, inner.width(), 1), text) > 0;
    rows += inked && !in_row;
    in_row = inked;
  }
  EXPECT_GE(rows, 4);
  EXPECT_LT(rows, 12) << "twelve lines would be too small to read";
  const QRectF right_of_band(l.announcement.right() + 1, l.announcement.top(), 1e4, l.announcement.height());
  EXPECT_EQ(Count(image, right_of_band, text), 0);
}

// ---- the operator keeps the focus ----

TEST_F(AudienceWindowTest, ShowingItLeavesTheOperatorsFocusAndClosingOnlyHides) {
  EXPECT_EQ(window.objectName(), "TFormTelao");
  EXPECT_EQ(window.windowTitle(), "Telão");
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_EQ(window.focusPolicy(), Qt::NoFocus);

  QWidget operator_window;
  auto* edit = new QLineEdit(&operator_window);
  (new QVBoxLayout(&operator_window))->addWidget(edit);
  operator_window.show();
  operator_window.activateWindow();
  edit->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), edit);

  window.Open(DefaultAudienceScreen(), true);
  QApplication::processEvents();
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.isFullScreen());
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window.screen(), QGuiApplication::primaryScreen()) << "the only screen there is";
  EXPECT_EQ(QApplication::focusWidget(), edit);
  EXPECT_EQ(QApplication::activeWindow(), &operator_window);

  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&window, &escape);
  EXPECT_FALSE(window.isVisible());
  window.Open(DefaultAudienceScreen(), false);  // on the operator's own screen
  EXPECT_FALSE(window.isFullScreen());
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(QApplication::focusWidget(), edit);
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), edit);
}

}  // namespace
}  // namespace tavelao::draw
