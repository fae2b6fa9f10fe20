#include "report/page_painter.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextDocument>
#include <QTextOption>
#include <cmath>
#include <map>
#include <tuple>

#include "report/offline_text_document.h"

namespace tavelao::report {
namespace {

QColor ToQColor(const Colour& colour) { return QColor(colour.red, colour.green, colour.blue); }

Qt::PenStyle ToQtStyle(LineStyle style) {
  switch (style) {
    case LineStyle::kDashed:
      return Qt::DashLine;
    case LineStyle::kDotted:
      return Qt::DotLine;
    case LineStyle::kSolid:
      break;
  }
  return Qt::SolidLine;
}

int AlignmentFlags(const TextStyle& style) {
  int flags = 0;
  switch (style.halign) {
    case HAlign::kLeft:
      flags |= Qt::AlignLeft;
      break;
    case HAlign::kCentre:
      flags |= Qt::AlignHCenter;
      break;
    case HAlign::kRight:
      flags |= Qt::AlignRight;
      break;
  }
  switch (style.valign) {
    case VAlign::kTop:
      flags |= Qt::AlignTop;
      break;
    case VAlign::kCentre:
      flags |= Qt::AlignVCenter;
      break;
    case VAlign::kBottom:
      flags |= Qt::AlignBottom;
      break;
  }
  if (style.word_wrap) flags |= Qt::TextWordWrap;
  if (!style.clip) flags |= Qt::TextDontClip;
  return flags;
}

// The free text's margin inside its area, in layout pixels.
constexpr double kRichTextMargin = 2;

QFont LayoutFont(const Font& font, double point_scale) {
  QFont qfont(QString::fromStdString(font.family));
  qfont.setPointSizeF(font.points * point_scale);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setHintingPreference(QFont::PreferNoHinting);
  qfont.setKerning(true);
  return qfont;
}

QTextOption LayoutTextOption(const TextStyle& style) {
  QTextOption option(Qt::Alignment(AlignmentFlags(style) & Qt::AlignHorizontal_Mask));
  option.setWrapMode(style.word_wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
  option.setUseDesignMetrics(true);
  return option;
}

std::unique_ptr<QTextDocument> LayOutRichText(const std::string& html, double width) {
  // Laid out once against a sheet of layout pixels, so the lines break in
  // the same places on every output that paints it scaled.
  static QImage layout_sheet = [] {
    QImage sheet(1, 1, QImage::Format_RGB32);
    const int dots_per_metre = static_cast<int>(std::lround(kLayoutDpi / 0.0254));
    sheet.setDotsPerMeterX(dots_per_metre);
    sheet.setDotsPerMeterY(dots_per_metre);
    return sheet;
  }();
  auto document = std::make_unique<OfflineTextDocument>();
  document->documentLayout()->setPaintDevice(&layout_sheet);
  document->setUseDesignMetrics(true);
  document->setDefaultFont(LayoutFont(Font{}, 1.0));
  document->setDocumentMargin(kRichTextMargin);
  document->setHtml(QString::fromStdString(html));
  document->setTextWidth(width);
  return document;
}

}  // namespace

struct PagePainter::Caches {
  // Point sizes are scaled so that the painter's device turns them into the
  // same number of layout pixels whatever its resolution: text is measured
  // and broken in layout units, then scaled with everything else. Hinting
  // would snap glyphs to each device's pixels and move the line breaks.
  explicit Caches(double device_dpi) : point_scale(kLayoutDpi / device_dpi) {}

  double point_scale;
  std::map<std::tuple<std::string, double, bool, bool, bool>, QFont> fonts;
  std::map<const std::string*, QImage> pictures;
  std::map<std::pair<const std::string*, double>, std::unique_ptr<QTextDocument>> rich_texts;

  const QFont& FontFor(const Font& font) {
    auto key = std::make_tuple(font.family, font.points, font.bold, font.italic, font.underline);
    auto it = fonts.find(key);
    if (it == fonts.end()) it = fonts.emplace(key, LayoutFont(font, point_scale)).first;
    return it->second;
  }
};

PagePainter::PagePainter(QPainter& painter, double dots_per_inch_x, double dots_per_inch_y)
    : painter_(painter),
      scale_x_(dots_per_inch_x / kLayoutDpi),
      scale_y_(dots_per_inch_y / kLayoutDpi),
      caches_(std::make_unique<Caches>(painter.device() ? painter.device()->logicalDpiY() : kLayoutDpi)) {}

PagePainter::~PagePainter() = default;

void PagePainter::Paint(const Page& page, const PageSetup& setup) {
  auto area_of = [](const Rect& r) { return QRectF(r.x, r.y, r.width, r.height); };
  auto pen_for = [&](const Pen& pen) {
    QPen qpen(ToQColor(pen.colour));
    qpen.setWidthF(pen.width);
    qpen.setStyle(ToQtStyle(pen.style));
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    return qpen;
  };

  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  // From here on the painter draws in layout pixels.
  painter_.scale(scale_x_, scale_y_);
  painter_.fillRect(area_of({0, 0, setup.width(), setup.height()}), Qt::white);

  for (const PlacedItem& item : page.items) {
    const QRectF area = area_of(item.rect);
    if (const auto* text = std::get_if<PlacedText>(&item.content)) {
      PaintText(area, *text);
    } else if (const auto* rule = std::get_if<PlacedRule>(&item.content)) {
      painter_.setPen(pen_for(rule->pen));
      painter_.drawLine(area.topLeft(), area.bottomRight());
    } else if (const auto* box = std::get_if<PlacedBox>(&item.content)) {
      if (box->fill) painter_.fillRect(area, ToQColor(*box->fill));
      if (box->pen.width > 0) {
        painter_.setPen(pen_for(box->pen));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(area);
      }
    } else if (const auto* picture = std::get_if<PlacedPicture>(&item.content)) {
      auto [it, added] = caches_->pictures.try_emplace(picture->bytes.get());
      if (added) {
        it->second = QImage::fromData(reinterpret_cast<const uchar*>(picture->bytes->data()),
                                      static_cast<int>(picture->bytes->size()));
      }
      const QImage& image = it->second;
      if (image.isNull()) continue;
      QSizeF size =
          QSizeF(image.size()).scaled(area.size(), picture->stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
      QRectF target(QPointF(), size);
      target.moveCenter(area.center());
      painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
      painter_.drawImage(target, image);
      painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    } else if (const auto* bar_code = std::get_if<PlacedBarCode>(&item.content)) {
      PaintBarCode(area, *bar_code);
    } else if (const auto* rich = std::get_if<PlacedRichText>(&item.content)) {
      PaintRichText(area, *rich);
    }
  }
  painter_.restore();
}

void PagePainter::PaintText(const QRectF& area, const PlacedText& text) {
  if (text.text.empty()) return;
  const QString words = QString::fromStdString(text.text);
  const TextStyle& style = text.style;
  const QTextOption option = LayoutTextOption(style);
  QFont font = caches_->FontFor(style.font);
  if (style.min_points > 0) font = FittingFont(font, words, area, option, style);
  painter_.setFont(font);
  painter_.setPen(ToQColor(style.colour));

  const QRectF ink = painter_.boundingRect(area, words, option);
  QRectF placed = ink;
  // Vertical placement by hand: the option only aligns across.
  switch (style.valign) {
    case VAlign::kTop:
      placed.moveTop(area.top());
      break;
    case VAlign::kCentre:
      placed.moveTop(area.top() + (area.height() - ink.height()) / 2);
      break;
    case VAlign::kBottom:
      placed.moveTop(area.bottom() - ink.height());
      break;
  }
  if (style.backing) painter_.fillRect(placed.intersected(area), ToQColor(*style.backing));
  QRectF lines(area.left(), placed.top(), area.width(), placed.height());
  painter_.save();
  if (style.clip) {
    painter_.setClipRect(area, Qt::IntersectClip);
  } else if (!style.word_wrap) {
    // drawText cuts at its rectangle: a line longer than its item runs on
    // past the side away from its alignment, as it was laid out.
    const double room = ink.width() + area.width();
    switch (style.halign) {
      case HAlign::kLeft:
        lines.setRight(lines.right() + room);
        break;
      case HAlign::kCentre:
        lines.adjust(-room, 0, room, 0);
        break;
      case HAlign::kRight:
        lines.setLeft(lines.left() - room);
        break;
    }
  }
  painter_.drawText(lines, words, option);
  painter_.restore();
}

QFont PagePainter::FittingFont(QFont font, const QString& words, const QRectF& area, const QTextOption& option,
                               const TextStyle& style) {
  // Half a point at a time, from the designed size down to the smallest
  // that still reads; never below it.
  const double smallest = style.min_points * caches_->point_scale;
  for (double points = font.pointSizeF(); points > smallest; points -= 0.5 * caches_->point_scale) {
    font.setPointSizeF(points);
    painter_.setFont(font);
    const QRectF needed = painter_.boundingRect(QRectF(area.left(), area.top(), area.width(), 1e6), words, option);
    if (needed.width() <= area.width() + 0.01 && needed.height() <= area.height() + 0.01) return font;
  }
  font.setPointSizeF(smallest);
  return font;
}

void PagePainter::PaintBarCode(const QRectF& area, const PlacedBarCode& bar_code) {
  // Whole device pixels per narrow element, so every bar of a kind has the
  // same width and the edges are sharp; white around the bars.
  painter_.save();
  const QRect box = painter_.transform().mapRect(area).toAlignedRect();
  painter_.resetTransform();
  const auto& columns = bar_code.image.columns;
  const int modules = bar_code.image.width() + 2 * bar_code.quiet_zone;
  painter_.fillRect(box, Qt::white);
  double module = std::floor(box.width() / double(modules));
  if (module < 1) module = box.width() / double(modules);
  const double bars_width = module * bar_code.image.width();
  const double left = std::round(box.left() + (box.width() - bars_width) / 2);
  for (std::size_t x = 0; x < columns.size();) {
    if (!columns[x]) {
      ++x;
      continue;
    }
    std::size_t end = x;
    while (end < columns.size() && columns[end]) ++end;
    painter_.fillRect(QRectF(left + x * module, box.top(), (end - x) * module, box.height()), Qt::black);
    x = end;
  }
  painter_.restore();
}

void PagePainter::PaintRichText(const QRectF& area, const PlacedRichText& rich) {
  auto& document = caches_->rich_texts[{rich.html.get(), area.width()}];
  if (!document) document = LayOutRichText(*rich.html, area.width());
  painter_.save();
  painter_.translate(area.topLeft());
  const QRectF clip(0, 0, area.width(), area.height());
  painter_.setClipRect(clip, Qt::IntersectClip);
  document->drawContents(&painter_, clip);
  painter_.restore();
}

void PaintPage(QPainter& painter, const Document& document, std::size_t page, double dots_per_inch_x,
               double dots_per_inch_y) {
  if (page >= document.pages.size()) return;
  PagePainter(painter, dots_per_inch_x, dots_per_inch_y).Paint(document.pages[page], document.page);
}

}  // namespace tavelao::report
