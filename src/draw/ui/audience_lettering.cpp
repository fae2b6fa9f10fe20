#include "draw/ui/audience_lettering.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace tavelao::draw {
namespace {

// Sizes are measured once at this size and scaled: the face's metrics grow
// linearly with it.
constexpr int kReferenceSize = 100;

// The title broken at its space nearest the middle, or whole without one.
QStringList TwoLines(const QString& title) {
  const qsizetype middle = title.size() / 2;
  qsizetype best = -1;
  for (qsizetype i = title.indexOf(QLatin1Char(' ')); i >= 0; i = title.indexOf(QLatin1Char(' '), i + 1)) {
    if (best < 0 || std::abs(i - middle) < std::abs(best - middle)) best = i;
  }
  if (best < 0) return {title};
  return {title.left(best), title.mid(best + 1)};
}

}  // namespace

void CacheLargeGlyphs() {
  if (qEnvironmentVariableIsEmpty("QT_MAX_CACHED_GLYPH_SIZE")) qputenv("QT_MAX_CACHED_GLYPH_SIZE", "1024");
}

QFont AudienceFont(int pixel_size) {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(std::max(1, pixel_size));
  return font;
}

Lettering LetteringOfSize(int pixel_size) {
  QFont font = AudienceFont(pixel_size);
  return {font, QFontMetricsF(font)};
}

Lettering FitLettering(const QString& text, const QSizeF& box, double caps) {
  const QFontMetricsF reference(AudienceFont(kReferenceSize));
  const double by_height = box.height() * caps / reference.capHeight();
  const double by_width = box.width() / std::max(1.0, reference.horizontalAdvance(text));
  return LetteringOfSize(static_cast<int>(kReferenceSize * std::min(by_height, by_width)));
}

QString Widest(const QStringList& texts) {
  if (texts.isEmpty()) return {};
  const QFontMetricsF reference(AudienceFont(kReferenceSize));
  return *std::max_element(texts.begin(), texts.end(), [&](const QString& a, const QString& b) {
    return reference.horizontalAdvance(a) < reference.horizontalAdvance(b);
  });
}

// On the capitals rather than the line box, so that digits sit in the middle
// of their cell.
void DrawCentred(QPainter& painter, const Lettering& lettering, const QRectF& box, const QString& text,
                 const QColor& colour) {
  const double x = box.center().x() - lettering.metrics.horizontalAdvance(text) / 2;
  const QPointF origin(x, box.center().y() + lettering.metrics.capHeight() / 2);
  painter.setFont(lettering.font);
  painter.setPen(colour);
  painter.drawText(origin, text);
}

void DrawFitted(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour, double caps) {
  if (text.isEmpty() || box.isEmpty()) return;
  DrawCentred(painter, FitLettering(text, box.size(), caps), box, text, colour);
}

void DrawHeadlined(QPainter& painter, const QRectF& box, const QString& text, double head_share,
                   const QColor& head_colour, const QColor& rest_colour) {
  const qsizetype space = text.indexOf(QLatin1Char(' '));
  if (space < 0) {
    DrawFitted(painter, box, text, rest_colour);
    return;
  }
  const QRectF head(box.left(), box.top(), box.width(), box.height() * head_share);
  DrawFitted(painter, head, text.left(space), head_colour);
  DrawFitted(painter, QRectF(box.left(), head.bottom(), box.width(), box.bottom() - head.bottom()), text.mid(space + 1),
             rest_colour);
}

int TitleSize(const QString& title, const QSizeF& box) {
  const QFontMetricsF reference(AudienceFont(kReferenceSize));
  const auto size_of = [&](const QStringList& lines) {
    const double width = std::max(1.0, reference.horizontalAdvance(Widest(lines)));
    const double line_h = box.height() / lines.size();
    return kReferenceSize * std::min(box.width() / width, line_h * kCaps / reference.capHeight());
  };
  return static_cast<int>(std::max(size_of({title}), size_of(TwoLines(title))));
}

void DrawTitle(QPainter& painter, int pixel_size, const QRectF& box, const QString& title, const QColor& colour) {
  const Lettering lettering = LetteringOfSize(pixel_size);
  const QStringList lines =
      lettering.metrics.horizontalAdvance(title) > box.width() ? TwoLines(title) : QStringList{title};
  const double line_h = box.height() / lines.size();
  for (qsizetype i = 0; i < lines.size(); ++i) {
    DrawCentred(painter, lettering, QRectF(box.left(), box.top() + i * line_h, box.width(), line_h), lines[i], colour);
  }
}

}  // namespace tavelao::draw
