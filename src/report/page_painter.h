#pragma once
// The one renderer of documents: paints pages with QPainter on any paint
// device (preview, printer, PDF, image). Texts stay text, bar codes are
// filled rectangles snapped to the device's pixels.

#include <memory>

#include "report/document.h"

class QPainter;

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
  QPainter& painter_;
  double scale_x_;
  double scale_y_;
  std::unique_ptr<Caches> caches_;
};

// One page, for a caller that holds its own painter (a preview widget).
void PaintPage(QPainter& painter, const Document& document, std::size_t page, double dots_per_inch_x,
               double dots_per_inch_y);

}  // namespace tavelao::report
