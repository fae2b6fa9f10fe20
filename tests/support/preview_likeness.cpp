#include "support/preview_likeness.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <variant>
#include <vector>

#include "report/document_output.h"
#include "report/ui/preview_window.h"
#include "support/page_checks.h"
#include "support/page_outputs.h"
#include "support/scripted_dialogs.h"

namespace tavelao::testing {
namespace {

constexpr double kDoubleZoom = 2.0;

// Ink of a picture: pixels darker than `limit` in luminance (with the
// weights of pdftoppm's grey, so red and blue numbers count as ink).
// Antialiased hairlines sit near half grey; a pixel past half way must
// find, in the other picture, a pixel with a quarter of ink, so the check
// measures where the ink is and not how grey a hairline came out.
constexpr double kDark = 128;
constexpr double kSomeInk = 192;
std::vector<bool> DarkPixels(const QImage& image, double limit) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<bool> dark(static_cast<std::size_t>(rgb.width()) * rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const double luminance = 0.299 * qRed(line[x]) + 0.587 * qGreen(line[x]) + 0.114 * qBlue(line[x]);
      dark[std::size_t(y) * rgb.width() + x] = luminance < limit;
    }
  }
  return dark;
}

// For every pixel, the distance in pixels to the nearest dark one (two-pass
// chamfer with steps 1 and the square root of 2).
std::vector<float> DistanceToDark(const std::vector<bool>& dark, int width, int height) {
  constexpr float kFar = 1e9f, kDiagonal = 1.41421356f;
  std::vector<float> d(dark.size());
  for (std::size_t i = 0; i < dark.size(); ++i) d[i] = dark[i] ? 0.0f : kFar;
  auto at = [&](int x, int y) -> float& { return d[std::size_t(y) * width + x]; };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      float& v = at(x, y);
      if (x > 0) v = std::min(v, at(x - 1, y) + 1);
      if (y > 0) {
        v = std::min(v, at(x, y - 1) + 1);
        if (x > 0) v = std::min(v, at(x - 1, y - 1) + kDiagonal);
        if (x + 1 < width) v = std::min(v, at(x + 1, y - 1) + kDiagonal);
      }
    }
  }
  for (int y = height; y-- > 0;) {
    for (int x = width; x-- > 0;) {
      float& v = at(x, y);
      if (x + 1 < width) v = std::min(v, at(x + 1, y) + 1);
      if (y + 1 < height) {
        v = std::min(v, at(x, y + 1) + 1);
        if (x + 1 < width) v = std::min(v, at(x + 1, y + 1) + kDiagonal);
        if (x > 0) v = std::min(v, at(x - 1, y + 1) + kDiagonal);
      }
    }
  }
  return d;
}

// Dark pixels of `from` with no dark pixel of the other picture within
// `tolerance` pixels, outside `masked`; described by the 5-mm squares of
// the sheet that hold most of them.
std::string Unmatched(const std::vector<bool>& from, const std::vector<float>& to_other,
                      const std::vector<bool>& masked, int width, double pixels_per_mm, double tolerance,
                      std::size_t& count) {
  std::map<std::pair<int, int>, int> squares;
  float worst = 0;
  count = 0;
  for (std::size_t i = 0; i < from.size(); ++i) {
    if (!from[i] || masked[i] || to_other[i] <= tolerance) continue;
    ++count;
    worst = std::max(worst, to_other[i]);
    const int x = int(i % width), y = int(i / width);
    ++squares[{int(x / pixels_per_mm / 5), int(y / pixels_per_mm / 5)}];
  }
  std::vector<std::pair<int, std::pair<int, int>>> ranked;
  for (const auto& [square, n] : squares) ranked.push_back({n, square});
  std::sort(ranked.rbegin(), ranked.rend());
  std::string out = std::to_string(count) + " dark pixels, up to " + Mm(worst / pixels_per_mm) + " mm away; most in";
  for (std::size_t i = 0; i < ranked.size() && i < 5; ++i) {
    out += " (" + std::to_string(ranked[i].second.first * 5) + ", " + std::to_string(ranked[i].second.second * 5) +
           ") mm: " + std::to_string(ranked[i].first) + ";";
  }
  return out;
}

// The bar codes of the page and a margin of `tolerance` around them.
std::vector<bool> BarCodeMask(const report::Page& page, int width, int height, double pixels_per_mm, double tolerance) {
  std::vector<bool> masked(std::size_t(width) * height, false);
  for (const report::PlacedItem& item : page.items) {
    if (!std::holds_alternative<report::PlacedBarCode>(item.content)) continue;
    const MmRect r = ToMm(item.rect);
    const int margin = int(std::ceil(tolerance)) + 1;
    for (int y = std::max(0, int(r.top * pixels_per_mm) - margin);
         y < std::min(height, int(r.bottom * pixels_per_mm) + margin); ++y) {
      for (int x = std::max(0, int(r.left * pixels_per_mm) - margin);
           x < std::min(width, int(r.right * pixels_per_mm) + margin); ++x) {
        masked[std::size_t(y) * width + x] = true;
      }
    }
  }
  return masked;
}

}  // namespace

void ExpectPreviewLooksLikeThePrint(const report::Document& document, const std::filesystem::path& folder,
                                    const std::string& where) {
  ASSERT_EQ(document.pages.size(), 1u) << where;
  const auto pdf = folder / "pagina.pdf";
  ASSERT_TRUE(report::WritePdf(document, pdf).ok()) << where;

  ScriptedDialogs dialogs;
  report::PreviewWindow preview(dialogs);
  preview.Open(document);
  auto* view = preview.findChild<report::PageView*>(QStringLiteral("PaginaPreview"));
  ASSERT_TRUE(view) << where;
  const double fit = preview.zoom();
  for (double zoom : {fit, kDoubleZoom}) {
    if (zoom != fit) view->Show(&preview.document(), 0, zoom);
    const QImage shown = view->grab().toImage();
    ASSERT_FALSE(shown.isNull()) << where;
    const int width = shown.width(), height = shown.height();
    const std::string name = where + ", preview at " + std::to_string(std::lround(zoom * 100)) + " % (" +
                             std::to_string(width) + " x " + std::to_string(height) + " pixels)";
    const auto prefix = folder / ("impressa-" + std::to_string(width));
    const std::string command = "pdftoppm -singlefile -scale-to-x " + std::to_string(width) + " -scale-to-y " +
                                std::to_string(height) + " '" + pdf.string() + "' '" + prefix.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const QImage printed(QString::fromStdString(prefix.string() + ".ppm"));
    ASSERT_EQ(printed.size(), shown.size()) << name;

    const double pixels_per_mm = width / SheetWidthMm(document);
    const double tolerance = kSamePlaceMm * pixels_per_mm + 1.5;
    const std::vector<bool> masked = BarCodeMask(document.pages[0], width, height, pixels_per_mm, tolerance);
    const std::vector<bool> dark_shown = DarkPixels(shown, kDark), dark_printed = DarkPixels(printed, kDark);
    const std::vector<float> to_shown = DistanceToDark(DarkPixels(shown, kSomeInk), width, height);
    const std::vector<float> to_printed = DistanceToDark(DarkPixels(printed, kSomeInk), width, height);
    std::size_t only_shown = 0, only_printed = 0;
    const std::string shown_report =
        Unmatched(dark_shown, to_printed, masked, width, pixels_per_mm, tolerance, only_shown);
    const std::string printed_report =
        Unmatched(dark_printed, to_shown, masked, width, pixels_per_mm, tolerance, only_printed);
    std::cout << "[ geometry ] " << name << ": shown but not printed " << shown_report << " printed but not shown "
              << printed_report << "\n";
    EXPECT_EQ(only_shown, 0u) << name << ": dark on the screen, nothing dark within " << Mm(tolerance / pixels_per_mm)
                              << " mm in the 1200-dpi PDF: " << shown_report;
    EXPECT_EQ(only_printed, 0u) << name << ": dark in the 1200-dpi PDF, nothing dark within "
                                << Mm(tolerance / pixels_per_mm) << " mm on the screen: " << printed_report;
  }
}

}  // namespace tavelao::testing
