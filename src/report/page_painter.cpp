#include "report/page_painter.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextDocument>
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

}  // namespace

struct PagePainter::Caches {
  std::map<std::tuple<std::string, double, bool, bool, bool>, QFont> fonts;
  std::map<const std::string*, QImage> pictures;
  std::map<std::pair<const std::string*, int>, std::unique_ptr<QTextDocument>> rich_texts;

  const QFont& FontFor(const Font& font) {
    auto key = std::make_tuple(font.family, font.points, font.bold, font.italic, font.underline);
    auto it = fonts.find(key);
    if (it == fonts.end()) {
      QFont qfont(QString::fromStdString(font.family));
      qfont.setPointSizeF(font.points);
      qfont.setBold(font.bold);
      qfont.setItalic(font.italic);
      qfont.setUnderline(font.underline);
      it = fonts.emplace(key, qfont).first;
    }
    return it->second;
  }
};

PagePainter::PagePainter(QPainter& painter, double dots_per_inch_x, double dots_per_inch_y)
    : painter_(painter),
      scale_x_(dots_per_inch_x / kLayoutDpi),
      scale_y_(dots_per_inch_y / kLayoutDpi),
      caches_(std::make_unique<Caches>()) {}

PagePainter::~PagePainter() = default;

void PagePainter::Paint(const Page& page, const PageSetup& setup) {
  auto device = [&](const Rect& r) {
    return QRectF(r.x * scale_x_, r.y * scale_y_, r.width * scale_x_, r.height * scale_y_);
  };
  auto pen_for = [&](const Pen& pen) {
    QPen qpen(ToQColor(pen.colour));
    qpen.setWidthF(pen.width * scale_x_);
    qpen.setStyle(ToQtStyle(pen.style));
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    return qpen;
  };

  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.fillRect(device({0, 0, setup.width(), setup.height()}), Qt::white);

  for (const PlacedItem& item : page.items) {
    const QRectF area = device(item.rect);
    if (const auto* text = std::get_if<PlacedText>(&item.content)) {
      if (text->text.empty()) continue;
      painter_.setFont(caches_->FontFor(text->style.font));
      painter_.setPen(ToQColor(text->style.colour));
      painter_.drawText(area, AlignmentFlags(text->style), QString::fromStdString(text->text));
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
      // Whole device pixels per narrow element, so every bar of a kind has
      // the same width and the edges are sharp; white around the bars.
      const auto& columns = bar_code->image.columns;
      const int modules = bar_code->image.width() + 2 * bar_code->quiet_zone;
      const QRect box = area.toAlignedRect();
      painter_.fillRect(box, Qt::white);
      double module = std::floor(box.width() / double(modules));
      if (module < 1) module = box.width() / double(modules);
      const double bars_width = module * bar_code->image.width();
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
    } else if (const auto* rich = std::get_if<PlacedRichText>(&item.content)) {
      const int width = static_cast<int>(std::lround(area.width()));
      auto& document = caches_->rich_texts[{rich->html.get(), width}];
      if (!document) {
        document = std::make_unique<OfflineTextDocument>();
        document->documentLayout()->setPaintDevice(painter_.device());
        QFont base = caches_->FontFor(Font{});
        document->setDefaultFont(base);
        document->setDocumentMargin(2 * scale_x_);
        document->setHtml(QString::fromStdString(*rich->html));
        document->setTextWidth(width);
      }
      painter_.save();
      painter_.translate(area.topLeft());
      const QRectF clip(0, 0, area.width(), area.height());
      painter_.setClipRect(clip);
      document->drawContents(&painter_, clip);
      painter_.restore();
    }
  }
  painter_.restore();
}

void PaintPage(QPainter& painter, const Document& document, std::size_t page, double dots_per_inch_x,
               double dots_per_inch_y) {
  if (page >= document.pages.size()) return;
  PagePainter(painter, dots_per_inch_x, dots_per_inch_y).Paint(document.pages[page], document.page);
}

}  // namespace tavelao::report
