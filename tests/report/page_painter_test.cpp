#include "report/page_painter.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "report/document_output.h"
#include "support/temp_folder.h"

namespace tavelao::report {
namespace {

using testing::TempFolder;

Document OneItem(PlacedItem item) {
  Document document;
  document.name = "Teste";
  document.pages.emplace_back();
  document.pages[0].items.push_back(std::move(item));
  return document;
}

bool IsWhite(QRgb pixel) { return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245; }

// Ink of the image outside `inside` (device pixels), with a small margin
// for antialiased edges.
int InkOutside(const QImage& image, const QRect& inside) {
  int ink = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!inside.adjusted(-2, -2, 2, 2).contains(x, y) && !IsWhite(image.pixel(x, y))) ++ink;
    }
  }
  return ink;
}

TEST(PagePainter, BarCodeIsWholePixelBarsWithWhiteAround) {
  const card::BarCodeImage image = *card::MakeBarCodeImage("0000426");
  const Document document = OneItem({"ImBarra", {20, 20, 200, 50}, PlacedBarCode{image, 10}, 0});
  for (const double dpi : {96.0, 300.0}) {
    const QImage page = PageImage(document, 0, dpi);
    const double scale = dpi / 96;
    const int y = static_cast<int>(45 * scale);
    const int left = static_cast<int>(20 * scale), right = static_cast<int>(220 * scale);
    // Runs of black and white along one line through the bars.
    std::vector<std::pair<bool, int>> runs;
    for (int x = left; x < right; ++x) {
      const bool black = qGray(page.pixel(x, y)) < 128;
      if (runs.empty() || runs.back().first != black) runs.push_back({black, 0});
      ++runs.back().second;
    }
    ASSERT_GE(runs.size(), 3u);
    ASSERT_FALSE(runs.front().first);
    const int module = static_cast<int>(std::floor(200 * scale / (image.width() + 20)));
    EXPECT_GE(runs.front().second, 10 * module) << "quiet zone before the bars at " << dpi;
    EXPECT_GE(runs.back().second, 10 * module) << "quiet zone after the bars at " << dpi;
    // Every element is one or three modules exactly: the bars are sharp.
    std::vector<bool> decoded;
    for (std::size_t i = 1; i + 1 < runs.size(); ++i) {
      ASSERT_TRUE(runs[i].second == module || runs[i].second == 3 * module)
          << "element " << i << " is " << runs[i].second << " pixels, module " << module << " at " << dpi;
      decoded.insert(decoded.end(), runs[i].second / module, runs[i].first);
    }
    EXPECT_EQ(decoded, image.columns);
  }
}

TEST(PagePainter, TextIsDrawnInItsColourInsideItsRectangle) {
  TextStyle style;
  style.font.points = 14;
  style.font.bold = true;
  style.colour = {255, 0, 0};
  style.halign = HAlign::kCentre;
  const Document document = OneItem({"QN1", {100, 100, 38, 38}, PlacedText{"07", style}, 0});
  const QImage page = PageImage(document, 0, 96);
  int red = 0;
  for (int y = 100; y < 138; ++y) {
    for (int x = 100; x < 138; ++x) {
      const QRgb p = page.pixel(x, y);
      if (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80) ++red;
    }
  }
  EXPECT_GT(red, 30);
  EXPECT_EQ(InkOutside(page, {100, 100, 38, 38}), 0);
}

TEST(PagePainter, RichTextIsCutAtItsRectangle) {
  std::string html = "<p style=\"font-size:20pt\">";
  for (int i = 0; i < 200; ++i) html += "texto livre ";
  html += "</p>";
  const Document document =
      OneItem({"TextoLivre", {50, 50, 200, 100}, PlacedRichText{std::make_shared<const std::string>(html)}, -1});
  const QImage page = PageImage(document, 0, 96);
  EXPECT_EQ(InkOutside(page, {50, 50, 200, 100}), 0);
  int ink = 0;
  for (int y = 50; y < 150; ++y) {
    for (int x = 50; x < 250; ++x) ink += !IsWhite(page.pixel(x, y));
  }
  EXPECT_GT(ink, 500) << "the text is there";
}

TEST(DocumentOutput, PdfFailureLeavesNoFile) {
  TempFolder dir;
  const Document document = OneItem({"x", {0, 0, 10, 10}, PlacedText{"x", {}}, 0});
  const auto status = WritePdf(document, dir / "missing" / "out.pdf");
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(std::filesystem::exists(dir / "missing" / "out.pdf"));
}

}  // namespace
}  // namespace tavelao::report
