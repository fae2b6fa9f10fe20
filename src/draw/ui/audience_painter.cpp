#include "draw/ui/audience_painter.h"

#include <algorithm>
#include <limits>

#include "app/ui/qt_text.h"
#include "draw/ui/audience_lettering.h"
#include "draw/ui/audience_palette.h"

namespace tavelao::draw {
namespace {

// Below this share of the window height a winner line no longer reads from
// the back of the hall; the rest are counted instead.
constexpr double kMinWinnerLine = 0.06;

void FillRounded(QPainter& painter, const QRectF& r, const QColor& colour, double radius_share = 0.12) {
  const double radius = std::min(r.width(), r.height()) * radius_share;
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRoundedRect(r, radius, radius);
}

QRectF Shrunk(const QRectF& r, double share) {
  const double d = std::min(r.width(), r.height()) * share;
  return r.adjusted(d, d, -d, -d);
}

void PaintTitle(QPainter& painter, const AudienceLayout& layout, const AudienceView& view) {
  FillRounded(painter, layout.title, kAudiencePanel, 0.2);
  DrawFitted(painter, Shrunk(layout.title, 0.1), app::ToQString(view.event_title), kAudienceGold);
}

void PaintLastBall(QPainter& painter, const AudienceLayout& layout, const AudienceView& view) {
  if (!view.last_ball) {
    // Before the first ball the tile holds the title letters, dimmed.
    FillRounded(painter, layout.last_ball, kAudiencePanel, 0.06);
    QString word;
    for (const std::string& letter : view.letters) word += app::ToQString(letter);
    DrawFitted(painter, Shrunk(layout.last_ball, 0.1), word, kAudienceUndrawnDigits);
    return;
  }
  const CalledBall& ball = *view.last_ball;
  FillRounded(painter, layout.last_ball, kAudienceDrawnCell, 0.06);
  FillRounded(painter, layout.last_ball_letter, kAudienceLetterColours[BallColumn(ball.ball) - 1], 0.18);
  DrawFitted(painter, layout.last_ball_letter, app::ToQString(ball.letter), kAudienceText, 0.75);
  DrawFitted(painter, layout.last_ball_digits, app::ToQString(ball.label), kAudienceDrawnDigits, kBigCaps);
}

void PaintBoard(QPainter& painter, const AudienceLayout& layout, const AudienceView& view) {
  const Lettering letters = FitLettering(QStringLiteral("W"), layout.letters[0].size(), 0.6);
  for (int c = 0; c < kColumnCount; ++c) {
    FillRounded(painter, layout.letters[c], kAudienceLetterColours[c]);
    DrawCentred(painter, letters, layout.letters[c], app::ToQString(view.letters[c]), kAudienceText);
  }
  // Every label has two digits of the same width: one fit serves them all.
  const Lettering digits = FitLettering(QStringLiteral("00"), layout.cells[0].size(), 0.5);
  for (int n = 1; n <= kBallCount; ++n) {
    const BoardBall& ball = view.board[n - 1];
    if (!ball.in_play) continue;
    const QRectF& cell = layout.cells[n - 1];
    FillRounded(painter, cell, ball.drawn ? kAudienceDrawnCell : kAudienceUndrawnCell);
    DrawCentred(painter, digits, cell, app::ToQString(ball.label),
                ball.drawn ? kAudienceDrawnDigits : kAudienceUndrawnDigits);
  }
}

// Each ball in the colour of its line, as a ring round a yellow face.
void PaintLastBalls(QPainter& painter, const AudienceLayout& layout, const AudienceView& view) {
  DrawFitted(painter, layout.last_balls_caption, QStringLiteral("Últimas pedras"), kAudienceCaption);
  for (int i = 0; i < kLastBallsShown; ++i) {
    const QRectF& place = layout.last_balls[i];
    painter.setPen(Qt::NoPen);
    if (i >= static_cast<int>(view.last_balls.size())) {
      painter.setBrush(kAudiencePanel);
      painter.drawEllipse(Shrunk(place, 0.06));
      continue;
    }
    const CalledBall& ball = view.last_balls[i];
    painter.setBrush(kAudienceLetterColours[BallColumn(ball.ball) - 1]);
    painter.drawEllipse(place);
    const QRectF face = Shrunk(place, 0.07);
    painter.setBrush(kAudienceDrawnCell);
    painter.drawEllipse(face);
    const double h = face.height();
    DrawFitted(painter, QRectF(face.left(), face.top() + 0.12 * h, face.width(), 0.24 * h), app::ToQString(ball.letter),
               kAudienceDrawnDigits);
    DrawFitted(painter, QRectF(face.left() + 0.15 * h, face.top() + 0.36 * h, face.width() - 0.3 * h, 0.46 * h),
               app::ToQString(ball.label), kAudienceDrawnDigits, 0.85);
  }
}

void PaintCounter(QPainter& painter, const AudienceLayout& layout, const AudienceView& view) {
  FillRounded(painter, layout.counter, kAudiencePanel, 0.08);
  const QString text = QStringLiteral("Sorteadas: %1").arg(view.drawn_count);
  const QRectF inner = Shrunk(layout.counter, 0.08);
  // A low strip holds it on one line; a box puts the number under its word.
  if (inner.width() > 3 * inner.height()) return DrawFitted(painter, inner, text, kAudienceText);
  DrawHeadlined(painter, inner, text, 0.3, kAudienceCaption, kAudienceText);
}

void PaintFigures(QPainter& painter, const AudienceLayout& layout, const AudienceView& view) {
  const std::size_t count = std::min(view.figures.size(), layout.figures.size());
  if (count == 0) return;
  DrawFitted(painter, layout.figures_caption, QStringLiteral("Em jogo"), kAudienceCaption);
  // One size for every title, so that none looks more important.
  QStringList titles;
  int size = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < count; ++i) {
    titles << app::ToQString(view.figures[i].title);
    size = std::min(size, TitleSize(titles.back(), Shrunk(layout.figures[i].title, 0.06).size()));
  }
  for (std::size_t i = 0; i < count; ++i) {
    const FigurePlace& place = layout.figures[i];
    for (int k = 1; k <= 25; ++k) {
      const bool on = (view.figures[i].cells >> (k - 1)) & 1u;
      FillRounded(painter, PictureCell(place.picture, k), on ? kAudienceDrawnCell : kAudiencePanel, 0.2);
    }
    DrawTitle(painter, size, Shrunk(place.title, 0.06), titles[static_cast<qsizetype>(i)], kAudienceText);
  }
}

// "BINGO!" in gold, the rest of the line in white, one font for both.
void DrawWinnerLine(QPainter& painter, const Lettering& lettering, const QRectF& box, const QString& line) {
  const qsizetype space = line.indexOf(QLatin1Char(' '));
  const QString head = space < 0 ? QString() : line.left(space + 1);
  const QString rest = line.mid(head.size());
  painter.setFont(lettering.font);
  const double x = box.center().x() - lettering.metrics.horizontalAdvance(line) / 2;
  const double y = box.center().y() + lettering.metrics.capHeight() / 2;
  painter.setPen(kAudienceGold);
  painter.drawText(QPointF(x, y), head);
  painter.setPen(kAudienceText);
  painter.drawText(QPointF(x + lettering.metrics.horizontalAdvance(head), y), rest);
}

// One winner: "BINGO!" as large as the band allows over the card. Several:
// a line each, as many as still read from afar, then "e mais N".
void PaintAnnouncement(QPainter& painter, const AudienceLayout& layout, const AudienceView& view, double window_h) {
  const QRectF& band = layout.announcement;
  const double border = std::max(2.0, 0.012 * band.height());
  FillRounded(painter, band, kAudienceGold, 0.05);
  FillRounded(painter, band.adjusted(border, border, -border, -border), kAudienceAnnouncement, 0.05);
  const QRectF inner = Shrunk(band, 0.07);
  QStringList lines;
  for (const std::string& line : view.announcements) lines << app::ToQString(line);
  if (lines.size() == 1) return DrawHeadlined(painter, inner, lines[0], 0.55, kAudienceGold, kAudienceText);

  const int fitting = std::max(2, static_cast<int>(inner.height() / (kMinWinnerLine * window_h)));
  QString more;
  if (view.announced > fitting) {
    const qsizetype shown = fitting - 1;
    more = QStringLiteral("e mais %1").arg(view.announced - shown);
    lines = lines.mid(0, shown);
  }
  const qsizetype rows = lines.size() + (more.isEmpty() ? 0 : 1);
  const double line_h = inner.height() / rows;
  const Lettering lettering = FitLettering(Widest(lines), QSizeF(inner.width(), line_h), 0.6);
  const auto row = [&](qsizetype i) { return QRectF(inner.left(), inner.top() + i * line_h, inner.width(), line_h); };
  for (qsizetype i = 0; i < lines.size(); ++i) DrawWinnerLine(painter, lettering, row(i), lines[i]);
  if (!more.isEmpty()) DrawCentred(painter, lettering, row(lines.size()), more, kAudienceText);
}

}  // namespace

void PaintAudience(QPainter& painter, const AudienceLayout& layout, const AudienceView& view) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(painter.window(), kAudienceBackground);
  PaintTitle(painter, layout, view);
  PaintLastBall(painter, layout, view);
  PaintBoard(painter, layout, view);
  if (!view.announcements.empty()) return PaintAnnouncement(painter, layout, view, painter.window().height());
  PaintLastBalls(painter, layout, view);
  PaintCounter(painter, layout, view);
  PaintFigures(painter, layout, view);
}

}  // namespace tavelao::draw
