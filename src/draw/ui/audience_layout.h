#pragma once
// Where each part of the audience screen lies, for any window size: the
// event title across the top, the last ball large on the left, the last
// balls, the counter and the draw types on its right, and the board of five
// lines across the bottom. The announcement takes the place of the last
// balls, the counter and the draw types while a card has just won.

#include <QRectF>
#include <QSizeF>
#include <array>
#include <vector>

#include "draw/audience_view.h"
#include "draw/ball.h"

namespace tavelao::draw {

struct FigurePlace {
  QRectF picture;  // square, 5×5 cells
  QRectF title;
};

struct AudienceLayout {
  QRectF title;
  QRectF last_ball;                          // the tile of the last ball
  QRectF last_ball_letter;                   // its title letter, across the top of the tile
  QRectF last_ball_digits;                   // its label, below
  std::array<QRectF, kColumnCount> letters;  // at the start of each line of the board
  std::array<QRectF, kBallCount> cells;      // ball n at cells[n - 1]
  QRectF last_balls_caption;
  std::array<QRectF, kLastBallsShown> last_balls;  // square, the most recent on the left
  QRectF counter;
  QRectF figures_caption;
  std::vector<FigurePlace> figures;
  QRectF announcement;
};

// The places for a window of `size` showing `figure_count` draw types.
AudienceLayout LayOutAudience(QSizeF size, int figure_count);

// Cell k (1..25) of a 5×5 picture in `square`: column (k-1)/5, row (k-1)%5.
QRectF PictureCell(const QRectF& square, int k);

}  // namespace tavelao::draw
