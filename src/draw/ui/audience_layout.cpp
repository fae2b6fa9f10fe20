#include "draw/ui/audience_layout.h"

#include <algorithm>
#include <cmath>

namespace tavelao::draw {
namespace {

// Shares of the window height; widths follow from them and from the width
// left, so that a wide or a squarish screen still fills.
constexpr double kGap = 0.012;
constexpr double kTitleHeight = 0.085;
constexpr double kMaxBoardLine = 0.076;
constexpr double kLastBallWidth = 0.58;     // of the height, at most
constexpr double kLastBallMaxShare = 0.45;  // of the width, at most
constexpr double kLetterShare = 0.26;       // of the tile, for the title letter
constexpr double kLastBallsRow = 0.40;      // of the middle band, at most
constexpr double kSideBySide = 2.8;         // width to height of the room under the last balls
constexpr double kCounterWidth = 0.32;      // of that room, beside the draw types
constexpr double kCounterStrip = 0.22;      // of that room, above them
constexpr int kBoardColumns = kBallsPerColumn + 1;

// Slots of `count` equal places over `area`, in as many rows as make the
// pictures largest.
std::vector<FigurePlace> PlaceFigures(const QRectF& area, int count) {
  std::vector<FigurePlace> places;
  if (count <= 0 || area.isEmpty()) return places;
  int best_rows = 1;
  double best_side = 0;
  for (int rows = 1; rows <= count; ++rows) {
    const int columns = (count + rows - 1) / rows;
    const double side = std::min(area.width() / columns * 0.78, area.height() / rows * 0.70);
    if (side > best_side) best_side = side, best_rows = rows;
  }
  const int columns = (count + best_rows - 1) / best_rows;
  const double slot_w = area.width() / columns;
  const double slot_h = area.height() / best_rows;
  for (int i = 0; i < count; ++i) {
    const int row = i / columns;
    // A short last row is centred under the full ones.
    const int in_row = std::min(columns, count - row * columns);
    const double row_left = area.left() + (area.width() - in_row * slot_w) / 2;
    const QRectF slot(row_left + (i % columns) * slot_w, area.top() + row * slot_h, slot_w, slot_h);
    const QRectF picture(slot.center().x() - best_side / 2, slot.top(), best_side, best_side);
    places.push_back({picture, QRectF(slot.left(), picture.bottom(), slot_w, slot.bottom() - picture.bottom())});
  }
  return places;
}

}  // namespace

AudienceLayout LayOutAudience(QSizeF size, int figure_count) {
  AudienceLayout layout;
  const double w = std::max(size.width(), 1.0);
  const double h = std::max(size.height(), 1.0);
  const double gap = std::round(kGap * h);

  layout.title = QRectF(gap, gap, w - 2 * gap, kTitleHeight * h);

  // The board: a letter and twenty cells a line, as wide as the window.
  const double pitch_x = (w - 2 * gap) / kBoardColumns;
  const double pitch_y = std::min(pitch_x * 0.92, kMaxBoardLine * h);
  const double inset = std::max(1.0, std::round(pitch_x * 0.05));
  const double board_top = h - gap - kColumnCount * pitch_y;
  for (int c = 0; c < kColumnCount; ++c) {
    const double y = board_top + c * pitch_y;
    layout.letters[c] = QRectF(gap, y, pitch_x, pitch_y).adjusted(inset, inset, -inset, -inset);
    for (int i = 0; i < kBallsPerColumn; ++i) {
      const QRectF pitch(gap + (i + 1) * pitch_x, y, pitch_x, pitch_y);
      layout.cells[c * kBallsPerColumn + i] = pitch.adjusted(inset, inset, -inset, -inset);
    }
  }

  const double middle_top = layout.title.bottom() + gap;
  const double middle_h = std::max(0.0, board_top - gap - middle_top);
  const double tile_w = std::min(kLastBallWidth * h, kLastBallMaxShare * w);
  layout.last_ball = QRectF(gap, middle_top, tile_w, middle_h);
  const double letter_h = kLetterShare * middle_h;
  const double pad = 0.05 * tile_w;
  layout.last_ball_letter = QRectF(layout.last_ball.left() + pad, middle_top + pad / 2, tile_w - 2 * pad, letter_h);
  const double digits_top = layout.last_ball_letter.bottom() + pad / 2;
  layout.last_ball_digits =
      QRectF(layout.last_ball.left() + pad, digits_top, tile_w - 2 * pad, layout.last_ball.bottom() - pad - digits_top);

  const QRectF right(layout.last_ball.right() + gap, middle_top, std::max(0.0, w - 3 * gap - tile_w), middle_h);
  layout.announcement = right;

  const double caption_h = 0.09 * middle_h;
  layout.last_balls_caption = QRectF(right.left(), right.top(), right.width(), caption_h);
  const double ball_gap = 2 * gap;
  const double side = std::max(
      0.0, std::min(kLastBallsRow * middle_h, (right.width() - (kLastBallsShown - 1) * ball_gap) / kLastBallsShown));
  const double row_w = kLastBallsShown * side + (kLastBallsShown - 1) * ball_gap;
  for (int i = 0; i < kLastBallsShown; ++i) {
    layout.last_balls[i] = QRectF(right.left() + (right.width() - row_w) / 2 + i * (side + ball_gap),
                                  layout.last_balls_caption.bottom(), side, side);
  }

  // Below the last balls, the counter beside the draw types; where that
  // leaves them too narrow (a squarish screen), the counter above them.
  const double lower_top = layout.last_balls_caption.bottom() + side + gap;
  const QRectF lower(right.left(), lower_top, right.width(), std::max(0.0, right.bottom() - lower_top));
  QRectF figures;
  if (lower.width() >= kSideBySide * lower.height()) {
    layout.counter = QRectF(lower.left(), lower.top(), kCounterWidth * lower.width(), lower.height());
    figures = lower.adjusted(layout.counter.width() + gap, 0, 0, 0);
  } else {
    layout.counter = QRectF(lower.left(), lower.top(), lower.width(), kCounterStrip * lower.height());
    figures = lower.adjusted(0, layout.counter.height() + gap, 0, 0);
  }
  layout.figures_caption = QRectF(figures.left(), figures.top(), figures.width(), caption_h);
  layout.figures = PlaceFigures(figures.adjusted(0, caption_h, 0, 0), figure_count);
  return layout;
}

QRectF PictureCell(const QRectF& square, int k) {
  const double pitch = square.width() / 5;
  const double inset = std::max(1.0, pitch * 0.08);
  return QRectF(square.left() + (k - 1) / 5 * pitch, square.top() + (k - 1) % 5 * pitch, pitch, pitch)
      .adjusted(inset, inset, -inset, -inset);
}

}  // namespace tavelao::draw
