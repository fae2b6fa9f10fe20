// Where a secondary window opens beside the area it must leave clear.

#include "app/ui/window_placement.h"

#include <gtest/gtest.h>

namespace tavelao::app {
namespace {

const QRect kScreen(0, 0, 1920, 1080);

TEST(PlaceBeside, PrefersTheRightThenBelowAndStaysOnTheScreen) {
  const QRect board(0, 0, 900, 300);
  const QRect right = PlaceBeside(board, {400, 250}, kScreen, {10, 10});
  EXPECT_FALSE(right.intersects(board));
  EXPECT_GT(right.left(), board.right());

  const QRect wide_board(0, 0, 1920, 400);
  const QRect below = PlaceBeside(wide_board, {1000, 250}, kScreen, {10, 10});
  EXPECT_FALSE(below.intersects(wide_board));
  EXPECT_GT(below.top(), wide_board.bottom());
  EXPECT_TRUE(kScreen.contains(below));

  // Too large to go anywhere clear: it still fits the screen.
  const QRect huge = PlaceBeside(QRect(0, 0, 1920, 900), {1200, 800}, kScreen, {10, 10});
  EXPECT_TRUE(kScreen.contains(huge));
}

TEST(PlaceBeside, NeverUnderTheMouseWhenAnotherPlaceExists) {
  const QRect board(0, 0, 1920, 400);
  // The mouse sits just below the board, where the window would go first.
  const QPoint cursor(100, 450);
  const QRect place = PlaceBeside(board, {1000, 250}, kScreen, cursor);
  EXPECT_FALSE(place.contains(cursor));
  EXPECT_TRUE(kScreen.contains(place));
}

TEST(PlaceBeside, AScreenThatDoesNotStartAtTheOriginIsRespected) {
  const QRect second(1920, 0, 1366, 768);
  const QRect place = PlaceBeside(QRect(1920, 0, 800, 700), {500, 400}, second, {0, 0});
  EXPECT_TRUE(second.contains(place));
}

}  // namespace
}  // namespace tavelao::app
