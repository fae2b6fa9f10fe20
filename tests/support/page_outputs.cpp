#include "support/page_outputs.h"

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "report/document_output.h"
#include "report/page_painter.h"
#include "report/ui/preview_window.h"
#include "support/scripted_dialogs.h"

namespace tavelao::testing {
namespace {

constexpr int kPdfResolutions[] = {96, 300, 600};
constexpr double kDoubleZoom = 2.0;
// The screen the preview paints on (the offscreen platform's).
constexpr int kScreenDpi = 96;
constexpr std::size_t kListed = 8;

// Reads the words of the output's single page; the preview's are divided by
// its zoom, so every output measures the same sheet.
void ReadWords(PageOutput& output, const report::Document& document, double zoom, const std::string& where) {
  auto pages = ReadPdfWords(output.pdf);
  ASSERT_TRUE(pages.ok()) << pages.error();
  ASSERT_EQ(pages->size(), 1u) << where << ", " << output.name;
  const PdfPageWords& page = pages->front();
  EXPECT_NEAR(page.width / zoom, SheetWidthMm(document), 0.5) << where << ", " << output.name;
  EXPECT_NEAR(page.height / zoom, SheetHeightMm(document), 0.5) << where << ", " << output.name;
  output.words = page.words;
  for (PdfWord& word : output.words) {
    word.left /= zoom;
    word.top /= zoom;
    word.right /= zoom;
    word.bottom /= zoom;
  }
}

}  // namespace

bool MmRect::Holds(const PdfWord& word, double slack) const {
  return word.left >= left - slack && word.top >= top - slack && word.right <= right + slack &&
         word.bottom <= bottom + slack;
}

bool MmRect::HoldsCentreOf(const PdfWord& word) const {
  const double x = (word.left + word.right) / 2, y = (word.top + word.bottom) / 2;
  return x >= left && x <= right && y >= top && y <= bottom;
}

double MmRect::Outside(const PdfWord& word) const {
  return std::max({left - word.left, top - word.top, word.right - right, word.bottom - bottom, 0.0});
}

MmRect ToMm(const report::Rect& rect) {
  return {rect.x * kMmPerPixel, rect.y * kMmPerPixel, rect.right() * kMmPerPixel, rect.bottom() * kMmPerPixel};
}

std::string Mm(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

std::string Describe(const PdfWord& word) {
  return "'" + word.text + "' at (" + Mm(word.left) + ", " + Mm(word.top) + ")-(" + Mm(word.right) + ", " +
         Mm(word.bottom) + ") mm";
}

std::string Listed(const std::vector<std::string>& problems) {
  std::string out;
  for (std::size_t i = 0; i < problems.size() && i < kListed; ++i) out += "\n  " + problems[i];
  if (problems.size() > kListed) out += "\n  ... and " + std::to_string(problems.size() - kListed) + " more";
  return out;
}

report::Document OnePage(report::Document document, std::size_t page) {
  EXPECT_LT(page, document.pages.size()) << document.name;
  if (page >= document.pages.size()) return {};
  report::Page kept = std::move(document.pages[page]);
  document.pages.clear();
  document.pages.push_back(std::move(kept));
  return document;
}

double SheetWidthMm(const report::Document& document) { return document.page.width() * kMmPerPixel; }
double SheetHeightMm(const report::Document& document) { return document.page.height() * kMmPerPixel; }

double PreviewFitZoom(const report::Document& document) {
  ScriptedDialogs dialogs;
  report::PreviewWindow preview(dialogs);
  preview.Open(document);
  auto* view = preview.findChild<report::PageView*>(QStringLiteral("PaginaPreview"));
  EXPECT_TRUE(view);
  // The preview's stand-in in PageOutputs paints on a device of this
  // resolution.
  if (view) {
    EXPECT_EQ(view->logicalDpiX(), kScreenDpi);
  }
  return preview.zoom();
}

std::vector<PageOutput> PageOutputs(const report::Document& document, const std::filesystem::path& folder,
                                    const std::string& where) {
  EXPECT_EQ(document.pages.size(), 1u) << where;
  if (document.pages.size() != 1) return {};
  const bool failed_before = ::testing::Test::HasFailure();
  std::vector<PageOutput> outputs;
  // WritePdf's own resolution, the reference.
  PageOutput written{"PDF 1200 dpi (WritePdf)", folder / "pagina-1200.pdf", {}};
  EXPECT_TRUE(report::WritePdf(document, written.pdf).ok()) << where;
  ReadWords(written, document, 1.0, where);
  outputs.push_back(std::move(written));
  for (int dpi : kPdfResolutions) {
    PageOutput output{"PDF " + std::to_string(dpi) + " dpi", folder / ("pagina-" + std::to_string(dpi) + ".pdf"), {}};
    {
      QPdfWriter writer(QString::fromStdString(output.pdf.string()));
      writer.setResolution(dpi);
      EXPECT_TRUE(report::PaintDocument(document, writer).ok()) << where << ", " << output.name;
    }
    ReadWords(output, document, 1.0, where);
    outputs.push_back(std::move(output));
  }
  // As the preview paints: PaintPage at its resolution times the zoom on a
  // device of the screen's resolution, whose sheet is the zoom times larger.
  const double fit_zoom = PreviewFitZoom(document);
  for (double zoom : {fit_zoom, kDoubleZoom}) {
    const int percent = static_cast<int>(std::lround(zoom * 100));
    PageOutput output{"preview at " + std::to_string(percent) + " %" + (zoom == fit_zoom ? " (fit)" : ""),
                      folder / ("preview-" + std::to_string(percent) + ".pdf"),
                      {}};
    {
      QPdfWriter writer(QString::fromStdString(output.pdf.string()));
      writer.setResolution(kScreenDpi);
      const QPageSize size(QSizeF(SheetWidthMm(document) * zoom, SheetHeightMm(document) * zoom), QPageSize::Millimeter,
                           QString(), QPageSize::ExactMatch);
      EXPECT_TRUE(writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0))));
      QPainter painter(&writer);
      // As PageView::paintEvent sets its painter.
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      report::PaintPage(painter, document, 0, kScreenDpi * zoom, kScreenDpi * zoom);
    }
    ReadWords(output, document, zoom, where);
    outputs.push_back(std::move(output));
  }
  // A PDF that could not be written or read stops the checks with its own
  // message rather than as missing words.
  if (!failed_before && ::testing::Test::HasFailure()) return {};
  return outputs;
}

}  // namespace tavelao::testing
