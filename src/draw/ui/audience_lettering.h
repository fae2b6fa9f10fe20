#pragma once
// The texts of the audience screen, each sized from the place it is given
// rather than from the screen's resolution: one bold sans face, capitals a
// share of the place's height, never wider than it, centred on the capitals.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace tavelao::draw {

// Shares of a place's height taken by the capitals: the rest is room for
// accents and descenders, or none for digits alone.
inline constexpr double kCaps = 0.62;
inline constexpr double kBigCaps = 0.92;

// The raster engine keeps no glyphs above 64 pixels and draws larger text
// as outlines every time: on a 4K TV that is the whole board, and a new
// winner line every ball. Raises that limit for the process; call it before
// the first text is painted.
void CacheLargeGlyphs();

QFont AudienceFont(int pixel_size);

struct Lettering {
  QFont font;
  QFontMetricsF metrics;
};
Lettering LetteringOfSize(int pixel_size);
Lettering FitLettering(const QString& text, const QSizeF& box, double caps = kCaps);
// The text of the list that is widest in the face.
QString Widest(const QStringList& texts);

void DrawCentred(QPainter& painter, const Lettering& lettering, const QRectF& box, const QString& text,
                 const QColor& colour);
void DrawFitted(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour, double caps = kCaps);

// The first word on a line of its own in `head_share` of the height, the rest
// below it: "Sorteadas:" over a large "23", "BINGO!" over the card.
void DrawHeadlined(QPainter& painter, const QRectF& box, const QString& text, double head_share,
                   const QColor& head_colour, const QColor& rest_colour);

// A title that may break at a space onto two lines ("CARTELA" over "CHEIA"):
// the largest pixel size at which it fits the box, and the title drawn at a
// size no larger than that.
int TitleSize(const QString& title, const QSizeF& box);
void DrawTitle(QPainter& painter, int pixel_size, const QRectF& box, const QString& title, const QColor& colour);

}  // namespace tavelao::draw
