#pragma once
// The one renderer of documents: paints pages with QPainter on any paint
// device (preview, printer, PDF, image). Every text is laid out in layout
// pixels and painted scaled, so each output breaks and places it alike.
// Texts stay text, bar codes are filled rectangles snapped to the device's
// pixels.

#include <memory>

#include "report/document.h"

class QFont;
class QPainter;
class QRectF;
class QString;
class QTextOption;

namespace tavelao::report {

class PagePainter {
 public:
  // The painter's device coordinates have these dots per inch and start at
  // the sheet's top left corner.
  PagePainter(QPainter& painter, double dots_per_inch_x, double dots_per_inch_y);
  ~PagePainter();
  PagePainter(const PagePainter&) = delete;
  PagePainter& operator=(const PagePainter&) = delete;

  // Paints one page on a white sheet; caches of fonts, pictures and rich
  // texts are kept for the next pages.
  void Paint(const Page& page, const PageSetup& setup);

 private:
  struct Caches;
  void PaintText(const QRectF& area, const PlacedText& text);
  // The text's font, smaller when it does not fit at its designed size.
  QFont FittingFont(QFont font, const QString& words, const QRectF& area, const QTextOption& option,
                    const TextStyle& style);
  void PaintBarCode(const QRectF& area, const PlacedBarCode& bar_code);
  void PaintRichText(const QRectF& area, const PlacedRichText& rich);

  QPainter& painter_;
  double scale_x_;
  double scale_y_;
  std::unique_ptr<Caches> caches_;
};

// One page, for a caller that holds its own painter (a preview widget).
void PaintPage(QPainter& painter, const Document& document, std::size_t page, double dots_per_inch_x,
               double dots_per_inch_y);

}  // namespace tavelao::report
