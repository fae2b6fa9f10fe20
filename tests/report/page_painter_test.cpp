#include "report/page_painter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImage>

#include "common/output_file.h"
#include "report/document_output.h"
#include "support/temp_folder.h"

namespace tavelao::report {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

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

// Ink columns of the image between rows top and bottom: leftmost and
// rightmost, or (-1, -1) for none.
std::pair<int, int> InkColumns(const QImage& image, int top, int bottom) {
  int first = -1, last = -1;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = top; y < bottom; ++y) {
      if (!IsWhite(image.pixel(x, y))) {
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
  }
  return {first, last};
}

// A text too long for its item: shrunk into it when it may be, otherwise
// running on past it, whole, as it was laid out (never cut at the item).
TEST(PagePainter, LongTextShrinksToItsItemOrRunsOnWhole) {
  TextStyle style;
  style.font.points = 10;
  const std::string words = "GELADEIRA FROST FREE 400 LITRO";
  const Document running = OneItem({"LabelP1", {100, 100, 190, 18}, PlacedText{words, style}, 0});
  style.min_points = 7;
  const Document shrunk = OneItem({"LabelP1", {100, 100, 190, 18}, PlacedText{words, style}, 0});
  for (const double dpi : {96.0, 300.0}) {
    const double scale = dpi / 96;
    const auto [run_left, run_right] = InkColumns(PageImage(running, 0, dpi), 100 * scale, 118 * scale);
    EXPECT_GT(run_right, 300 * scale) << "the whole text at " << dpi << " dpi";
    const auto [left, right] = InkColumns(PageImage(shrunk, 0, dpi), 100 * scale, 118 * scale);
    EXPECT_GE(left, 100 * scale - 1) << dpi;
    EXPECT_LE(right, 290 * scale + 1) << dpi;
    EXPECT_GT(right, 270 * scale) << "no smaller than it must be, at " << dpi << " dpi";
  }
  // Never below its smallest size: the words then run on.
  const Document tiny = OneItem({"LabelP1", {100, 100, 40, 18}, PlacedText{words, style}, 0});
  EXPECT_GT(InkColumns(PageImage(tiny, 0, 96), 100, 118).second, 150);
}

// A white backing under a text over a dark picture or free text.
TEST(PagePainter, BackingKeepsATextReadableOverWhatIsUnderIt) {
  TextStyle style;
  style.backing = kWhite;
  Document document = OneItem({"Fundo", {0, 0, 300, 100}, PlacedBox{Pen{0}, Colour{0, 0, 0}}, 0});
  document.pages[0].items.push_back({"LabelSenha", {20, 40, 200, 20}, PlacedText{"Autenticação:12345", style}, 0});
  const QImage page = PageImage(document, 0, 96);
  int white = 0;
  for (int x = 20; x < 60; ++x) white += IsWhite(page.pixel(x, 50));
  EXPECT_GT(white, 10) << "the backing is painted under the text";
  EXPECT_FALSE(IsWhite(page.pixel(250, 50))) << "but not under the whole item";
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

QByteArray BlackPng() {
  QImage image(60, 40, QImage::Format_RGB32);
  image.fill(Qt::black);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// Non-white pixels, and red ones, of a free text painted at 96 dpi.
struct Painted {
  int ink = 0;
  int red = 0;
};

Painted PaintFreeText(const std::string& html) {
  const Document document =
      OneItem({"TextoLivre", {20, 20, 300, 200}, PlacedRichText{std::make_shared<const std::string>(html)}, -1});
  const QImage page = PageImage(document, 0, 96);
  Painted painted;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QRgb pixel = page.pixel(x, y);
      painted.ink += !IsWhite(pixel);
      painted.red += qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
    }
  }
  return painted;
}

// A free text is painted from what it holds: a picture embedded as a data:
// URL shows; a picture, background or style sheet named by file or URL is
// never read (an <img> of /dev/zero would read until memory runs out).
TEST(PagePainter, FreeTextShowsEmbeddedPicturesAndFetchesNothing) {
  TempFolder dir;
  const QByteArray png = BlackPng();
  WriteBytes(dir / "preto.png", png.toStdString());
  WriteBytes(dir / "vermelho.css", "p { color: #ff0000; font-size: 40pt }");
  const std::string file = (dir / "preto.png").string();

  EXPECT_GT(PaintFreeText("<img src=\"data:image/png;base64," + png.toBase64().toStdString() + "\">").ink, 2000);
  for (const std::string& html :
       {"<img src=\"" + file + "\">", "<img src=\"file://" + file + "\">",
        "<table border=0 cellspacing=0><tr><td background=\"" + file + "\" width=100 height=60></td></tr></table>"}) {
    EXPECT_EQ(PaintFreeText(html).ink, 0) << html;
  }
  const std::string css = (dir / "vermelho.css").string();
  for (const std::string& head : {"<link rel=\"stylesheet\" type=\"text/css\" href=\"" + css + "\">",
                                  "<style>@import url(" + css + ");</style>"}) {
    const Painted styled = PaintFreeText("<html><head>" + head + "</head><body><p>Bingo</p></body></html>");
    EXPECT_GT(styled.ink, 0) << head;
    EXPECT_EQ(styled.red, 0) << head;
  }
}

TEST(DocumentOutput, OurPdfIsKnownAgainAndATableIsNeverReplaced) {
  TempFolder dir;
  const Document document = OneItem({"x", {0, 0, 10, 10}, PlacedText{"x", {}}, 0});
  ASSERT_TRUE(WritePdf(document, dir / "a.pdf").ok());
  EXPECT_TRUE(IsOurPdf(dir / "a.pdf"));
  EXPECT_TRUE(CheckPdfOutput(dir / "a.pdf", Overwrite::kOnlyOurPdf).ok());
  ASSERT_TRUE(WritePdf(document, dir / "a.pdf").ok()) << "an earlier PDF of ours is replaced";

  WriteBytes(dir / "Validadas.cds", "a tabela");
  const Status over_table = WritePdf(document, dir / "Validadas.cds");
  ASSERT_FALSE(over_table.ok());
  EXPECT_EQ(over_table.error(), "O arquivo \"Validadas.cds\" é uma tabela do Tavelão e não será substituído.");
  EXPECT_EQ(ReadBytes(dir / "Validadas.cds"), "a tabela");
}

}  // namespace
}  // namespace tavelao::report
