// Where the words of a printed page land, read back out of real PDFs by
// pdftotext: every fixed layout with full content, written at 96, 300, 600
// and 1200 dpi and painted as the preview paints it (at its fit zoom and at
// 200 %). Text must not depend on the device: the same words in the same
// places everywhere, apart from each other, inside their card and clear of
// the paper's edge. The preview itself, grabbed from the screen, must look
// like the print.

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "layout_fixture.h"
#include "report/document_output.h"
#include "report/offline_text_document.h"
#include "report/page_painter.h"
#include "report/ui/preview_window.h"
#include "support/pdf_words.h"
#include "support/required_tool.h"
#include "support/scripted_dialogs.h"

namespace tavelao::layouts {
namespace {

using testing::PdfWord;

constexpr double kMmPerPixel = 25.4 / report::kLayoutDpi;
// Outputs agree on a word's box to this much.
constexpr double kSamePlaceMm = 0.3;
// pdftotext's boxes of neighbouring lines touch; anything more is overlap.
constexpr double kOverlapMm = 0.05;
// A word may reach onto its card's border line, not past it.
constexpr double kInsideCardMm = 0.2;
// Printers leave a margin of about this much unprinted.
constexpr double kPaperEdgeMm = 5;
constexpr int kPdfResolutions[] = {96, 300, 600, 1200};
constexpr double kDoubleZoom = 2.0;
// The screen the preview paints on (the offscreen platform's).
constexpr int kScreenDpi = 96;
// Problems listed per check; the count says how many there were.
constexpr std::size_t kListed = 8;

// The prize fields hold 30 characters (premio1..premio9, and the options
// screen's boxes); each description uses all of them, in capitals as the
// organisers type them, which in 10 points are a little wider than a
// third of the card.
const char* const kPrizes[3] = {"TELEVISOR 50 POLEGADAS SAMSUNG", "CELULAR SAMSUNG GALAXY A54 MAX",
                                "MOTOCICLETA HONDA POP 110I 0KM"};
constexpr std::string_view kFreeTextTitle = "BINGO BENEFICENTE";
constexpr int kFreeTextPoints = 24;

std::size_t Utf8Length(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The free text as the text editor hands it over (FormEdit::FreeTextHtml):
// its document starts in Arial 12; a 24-point title and a line under it.
std::string FreeTextHtml() {
  report::OfflineTextDocument document;
  document.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
  QTextCursor cursor(&document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.setBlockFormat(centred);
  QTextCharFormat title;
  title.setFontPointSize(kFreeTextPoints);
  cursor.insertText(QString::fromUtf8(kFreeTextTitle.data(), kFreeTextTitle.size()), title);
  cursor.insertBlock(centred);
  QTextCharFormat line;
  line.setFontPointSize(12);
  cursor.insertText(QStringLiteral("Salão paroquial, sábado às 20h"), line);
  return document.toHtml().toStdString();
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

// How far apart two boxes of the same word are: the largest difference of
// their edges.
double Distance(const PdfWord& a, const PdfWord& b) {
  return std::max(
      {std::abs(a.left - b.left), std::abs(a.top - b.top), std::abs(a.right - b.right), std::abs(a.bottom - b.bottom)});
}

std::string Listed(const std::vector<std::string>& problems) {
  std::string out;
  for (std::size_t i = 0; i < problems.size() && i < kListed; ++i) out += "\n  " + problems[i];
  if (problems.size() > kListed) out += "\n  ... and " + std::to_string(problems.size() - kListed) + " more";
  return out;
}

struct MmRect {
  double left, top, right, bottom;
  bool Holds(const PdfWord& word, double slack) const {
    return word.left >= left - slack && word.top >= top - slack && word.right <= right + slack &&
           word.bottom <= bottom + slack;
  }
  bool HoldsCentreOf(const PdfWord& word) const {
    const double x = (word.left + word.right) / 2, y = (word.top + word.bottom) / 2;
    return x >= left && x <= right && y >= top && y <= bottom;
  }
  // How far the word reaches out of the rectangle.
  double Outside(const PdfWord& word) const {
    return std::max({left - word.left, top - word.top, word.right - right, word.bottom - bottom, 0.0});
  }
};

MmRect ToMm(const report::Rect& rect) {
  return {rect.x * kMmPerPixel, rect.y * kMmPerPixel, rect.right() * kMmPerPixel, rect.bottom() * kMmPerPixel};
}

// One output of the page and the words pdftotext read out of it, in
// millimetres of the sheet.
struct Output {
  std::string name;
  std::filesystem::path pdf;
  std::vector<PdfWord> words;
};

class PrintGeometryTest : public LayoutTest, public ::testing::WithParamInterface<int> {
 protected:
  int model() const { return GetParam(); }
  std::string Where(const Output& output) const { return "model " + std::to_string(model()) + ", " + output.name; }

  // The first page of cards of the model, with everything an organiser
  // fills in: password, the three prizes, the free text, six lines.
  report::Document FirstPage() {
    password = *card::Password::FromText("ABCDE");
    for (int k = 0; k < 3; ++k) {
      options.card.prizes[k] = kPrizes[k];
      EXPECT_EQ(Utf8Length(kPrizes[k]), 30u) << kPrizes[k];
    }
    options.free_text = std::make_shared<const std::string>(FreeTextHtml());
    options.lines = 6;
    Issue(1, 12);  // a full page of every layout (12 is the most cards a page holds)
    layout_ = FixedLayoutForModel(model(), options);
    EXPECT_TRUE(layout_) << model();
    if (!layout_) return {};
    report::Document document = Print(*layout_);
    EXPECT_FALSE(document.pages.empty());
    document.pages.resize(1);
    return document;
  }

  double SheetWidthMm() const { return document_.page.width() * kMmPerPixel; }
  double SheetHeightMm() const { return document_.page.height() * kMmPerPixel; }

  // The model's first page on all six outputs (the 1200-dpi PDF first).
  std::vector<Output> Outputs() {
    document_ = FirstPage();
    if (document_.pages.size() != 1) return {};
    std::vector<Output> outputs = AllOutputs(FitZoom());
    // A PDF that could not be written or read stops the test with its own
    // message rather than as missing words.
    if (HasFailure()) return {};
    return outputs;
  }

  // The zoom the preview window fits the page to, as the organiser first
  // sees it.
  double FitZoom() {
    testing::ScriptedDialogs dialogs;
    report::PreviewWindow preview(dialogs);
    preview.Open(document_);
    auto* view = preview.findChild<report::PageView*>(QStringLiteral("PaginaPreview"));
    EXPECT_TRUE(view);
    // The preview's stand-in below paints on a device of this resolution.
    if (view) {
      EXPECT_EQ(view->logicalDpiX(), kScreenDpi);
    }
    return preview.zoom();
  }

  // Reads the words of the output's single page; the preview's are divided
  // by its zoom, so every output measures the same sheet.
  void ReadWords(Output& output, double zoom) {
    auto pages = testing::ReadPdfWords(output.pdf);
    ASSERT_TRUE(pages.ok()) << pages.error();
    ASSERT_EQ(pages->size(), 1u) << Where(output);
    const testing::PdfPageWords& page = pages->front();
    EXPECT_NEAR(page.width / zoom, SheetWidthMm(), 0.5) << Where(output);
    EXPECT_NEAR(page.height / zoom, SheetHeightMm(), 0.5) << Where(output);
    output.words = page.words;
    for (PdfWord& word : output.words) {
      word.left /= zoom;
      word.top /= zoom;
      word.right /= zoom;
      word.bottom /= zoom;
    }
  }

  // The page written by WritePdf (1200 dpi, first, the reference of the
  // others), through PaintDocument at the other resolutions, and painted as
  // the preview paints: PaintPage at its resolution times the zoom on a
  // device of the screen's resolution, whose sheet is the zoom times larger.
  std::vector<Output> AllOutputs(double fit_zoom) {
    const report::Document& document = document_;
    std::vector<Output> outputs;
    Output written{"PDF 1200 dpi (WritePdf)", dir / "pagina-1200.pdf", {}};
    EXPECT_TRUE(report::WritePdf(document, written.pdf).ok());
    ReadWords(written, 1.0);
    outputs.push_back(std::move(written));
    for (int dpi : kPdfResolutions) {
      if (dpi == 1200) continue;
      Output output{"PDF " + std::to_string(dpi) + " dpi", dir / ("pagina-" + std::to_string(dpi) + ".pdf"), {}};
      {
        QPdfWriter writer(QString::fromStdString(output.pdf.string()));
        writer.setResolution(dpi);
        EXPECT_TRUE(report::PaintDocument(document, writer).ok()) << Where(output);
      }
      ReadWords(output, 1.0);
      outputs.push_back(std::move(output));
    }
    for (double zoom : {fit_zoom, kDoubleZoom}) {
      const int percent = static_cast<int>(std::lround(zoom * 100));
      Output output{"preview at " + std::to_string(percent) + " %" + (zoom == fit_zoom ? " (fit)" : ""),
                    dir / ("preview-" + std::to_string(percent) + ".pdf"),
                    {}};
      {
        QPdfWriter writer(QString::fromStdString(output.pdf.string()));
        writer.setResolution(kScreenDpi);
        const QPageSize size(QSizeF(SheetWidthMm() * zoom, SheetHeightMm() * zoom), QPageSize::Millimeter, QString(),
                             QPageSize::ExactMatch);
        EXPECT_TRUE(writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0))));
        QPainter painter(&writer);
        // As PageView::paintEvent sets its painter.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        report::PaintPage(painter, document, 0, kScreenDpi * zoom, kScreenDpi * zoom);
      }
      ReadWords(output, zoom);
      outputs.push_back(std::move(output));
    }
    return outputs;
  }

  // Where words may be: the cards of the page, and the page header that the
  // one-card layouts print above their card.
  std::vector<MmRect> CardAreas() const {
    std::vector<MmRect> areas;
    for (const report::Rect& band : document_.pages[0].bands) areas.push_back(ToMm(band));
    if (layout_ && layout_->page_header) {
      const report::Rect printable = document_.page.Printable();
      areas.push_back(ToMm({printable.x, printable.y, printable.width, layout_->page_header->height}));
    }
    return areas;
  }

  std::optional<report::Layout> layout_;
  report::Document document_;
};

// Matches the words of two outputs in order (longest common subsequence of
// their texts): pairs of indices, the rest unmatched.
std::vector<std::pair<std::size_t, std::size_t>> Align(const std::vector<PdfWord>& a, const std::vector<PdfWord>& b) {
  const std::size_t n = a.size(), m = b.size();
  std::vector<std::vector<std::uint16_t>> common(n + 1, std::vector<std::uint16_t>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      common[i][j] = a[i].text == b[j].text ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  for (std::size_t i = 0, j = 0; i < n && j < m;) {
    if (a[i].text == b[j].text) {
      pairs.emplace_back(i++, j++);
    } else if (common[i + 1][j] >= common[i][j + 1]) {
      ++i;
    } else {
      ++j;
    }
  }
  return pairs;
}

std::string OverlapOf(const PdfWord& a, const PdfWord& b) {
  const double across = std::min(a.right, b.right) - std::max(a.left, b.left);
  const double down = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  if (across <= kOverlapMm || down <= kOverlapMm) return {};
  return Describe(a) + " and " + Describe(b) + " overlap by " + Mm(across) + " x " + Mm(down) + " mm";
}

// Words whose boxes overlap by more than the touching of neighbours: any
// two of `words`, or (with `others`) one of each list.
std::vector<std::string> Overlaps(const std::vector<const PdfWord*>& words,
                                  const std::vector<const PdfWord*>* others = nullptr) {
  std::vector<std::string> problems;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::vector<const PdfWord*>& second = others ? *others : words;
    for (std::size_t j = others ? 0 : i + 1; j < second.size(); ++j) {
      if (std::string overlap = OverlapOf(*words[i], *second[j]); !overlap.empty()) problems.push_back(overlap);
    }
  }
  return problems;
}

std::vector<const PdfWord*> Pointers(const std::vector<PdfWord>& words) {
  std::vector<const PdfWord*> out;
  for (const PdfWord& word : words) out.push_back(&word);
  return out;
}

std::string ModelName(const ::testing::TestParamInfo<int>& info) { return "Model" + std::to_string(info.param); }

// Every fixed layout; those with a free text; those with prize headings.
INSTANTIATE_TEST_SUITE_P(FixedLayouts, PrintGeometryTest, ::testing::ValuesIn(kFixedModels), ModelName);
class FreeTextGeometryTest : public PrintGeometryTest {};
INSTANTIATE_TEST_SUITE_P(FreeTextLayouts, FreeTextGeometryTest, ::testing::Values(1, 2, 3, 6, 4, 44, 15, 27, 26),
                         ModelName);
class PrizeGeometryTest : public PrintGeometryTest {};
INSTANTIATE_TEST_SUITE_P(PrizeHeadingLayouts, PrizeGeometryTest, ::testing::Values(2, 3), ModelName);

TEST_P(PrintGeometryTest, SameWordsInTheSamePlacesOnEveryOutput) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  const std::vector<Output> outputs = Outputs();
  ASSERT_EQ(outputs.size(), 6u);
  const Output& reference = outputs.front();
  ASSERT_GT(reference.words.size(), 20u) << Where(reference) << ": the page reads as almost no words";

  for (std::size_t o = 1; o < outputs.size(); ++o) {
    const Output& output = outputs[o];
    const auto pairs = Align(reference.words, output.words);
    std::vector<bool> matched_ref(reference.words.size()), matched_out(output.words.size());
    std::vector<std::pair<double, std::string>> moved;
    double largest = 0;
    const PdfWord* largest_word = nullptr;
    for (auto [r, w] : pairs) {
      matched_ref[r] = matched_out[w] = true;
      const double distance = Distance(reference.words[r], output.words[w]);
      if (distance > largest) largest = distance, largest_word = &output.words[w];
      if (distance > kSamePlaceMm) {
        moved.emplace_back(distance, Describe(output.words[w]) + " is " + Mm(distance) +
                                         " mm from its place in the 1200-dpi PDF " + Describe(reference.words[r]));
      }
    }
    std::sort(moved.rbegin(), moved.rend());  // the farthest first
    std::vector<std::string> moved_words;
    for (const auto& [distance, text] : moved) moved_words.push_back(text);
    std::vector<std::string> different;
    for (std::size_t r = 0; r < reference.words.size(); ++r) {
      if (!matched_ref[r]) different.push_back("the 1200-dpi PDF has " + Describe(reference.words[r]) + ", this not");
    }
    for (std::size_t w = 0; w < output.words.size(); ++w) {
      if (!matched_out[w]) different.push_back("this has " + Describe(output.words[w]) + ", the 1200-dpi PDF not");
    }
    std::cout << "[ geometry ] " << Where(output) << ": " << pairs.size() << " words matched, " << different.size()
              << " differ, largest move " << Mm(largest) << " mm"
              << (largest_word ? " ('" + largest_word->text + "')" : std::string()) << "\n";
    EXPECT_TRUE(different.empty()) << Where(output) << ": " << different.size()
                                   << " words differ from the 1200-dpi PDF's" << Listed(different);
    EXPECT_TRUE(moved.empty()) << Where(output) << ": " << moved.size() << " words more than " << Mm(kSamePlaceMm)
                               << " mm from their place in the 1200-dpi PDF, up to " << Mm(largest) << " mm"
                               << Listed(moved_words);
  }
}

TEST_P(PrintGeometryTest, WordsApartInsideTheirCardAndClearOfThePaperEdge) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  const std::vector<Output> outputs = Outputs();
  ASSERT_EQ(outputs.size(), 6u);
  const std::vector<MmRect> cards = CardAreas();
  ASSERT_FALSE(cards.empty());
  const double width = SheetWidthMm(), height = SheetHeightMm();
  for (const Output& output : outputs) {
    const std::vector<std::string> overlaps = Overlaps(Pointers(output.words));
    EXPECT_TRUE(overlaps.empty()) << Where(output) << ": " << overlaps.size() << " pairs of words overlap"
                                  << Listed(overlaps);

    std::vector<std::string> outside_cards, near_edges;
    for (const PdfWord& word : output.words) {
      if (std::none_of(cards.begin(), cards.end(),
                       [&](const MmRect& card) { return card.Holds(word, kInsideCardMm); })) {
        double nearest = 1e9;
        for (const MmRect& card : cards) nearest = std::min(nearest, card.Outside(word));
        outside_cards.push_back(Describe(word) + " reaches " + Mm(nearest) + " mm out of its card");
      }
      const double left = word.left, top = word.top, right = width - word.right, bottom = height - word.bottom;
      const double nearest_edge = std::min({left, top, right, bottom});
      if (nearest_edge < kPaperEdgeMm) {
        const char* edge = nearest_edge == left    ? "left"
                           : nearest_edge == top   ? "top"
                           : nearest_edge == right ? "right"
                                                   : "bottom";
        near_edges.push_back(Describe(word) + " is " + Mm(nearest_edge) + " mm from the " + edge + " edge");
      }
    }
    EXPECT_TRUE(outside_cards.empty()) << Where(output) << ": " << outside_cards.size() << " words not inside a card"
                                       << Listed(outside_cards);
    EXPECT_TRUE(near_edges.empty()) << Where(output) << ": " << near_edges.size() << " words closer than "
                                    << Mm(kPaperEdgeMm) << " mm to the paper's edge" << Listed(near_edges);
  }
}

// The free text's 24-point title on one line, in every free-text area of
// the page: each card of the stub layouts and of FormCar4, the page header
// of the one-card layouts.
// 24 points of "BINGO BENEFICENTE" are wider than the stubs' free text:
// it may take two lines, but no word of it is ever cut.
TEST_P(FreeTextGeometryTest, TitleOfTheFreeTextKeepsItsWordsWhole) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  const std::vector<Output> outputs = Outputs();
  ASSERT_EQ(outputs.size(), 6u);
  std::vector<MmRect> areas;
  for (const report::PlacedItem& item : document_.pages[0].items) {
    if (item.name == "TextoLivre") areas.push_back(ToMm(item.rect));
  }
  ASSERT_FALSE(areas.empty()) << "model " << model() << " prints no free text";
  for (const Output& output : outputs) {
    std::vector<std::string> broken;
    for (const MmRect& area : areas) {
      std::vector<const PdfWord*> inside;
      for (const PdfWord& word : output.words) {
        if (area.HoldsCentreOf(word)) inside.push_back(&word);
      }
      bool whole = false;
      for (std::size_t i = 0; i + 1 < inside.size(); ++i) {
        whole |= inside[i]->text == "BINGO" && inside[i + 1]->text == "BENEFICENTE";
      }
      if (whole) continue;
      std::string read;
      for (std::size_t i = 0; i < inside.size() && i < 4; ++i) {
        const bool new_line = i > 0 && std::abs(inside[i]->bottom - inside[i - 1]->bottom) >= kSamePlaceMm;
        read += (i == 0 ? "'" : new_line ? "' / '" : " ") + inside[i]->text;
      }
      broken.push_back("the area at (" + Mm(area.left) + ", " + Mm(area.top) + ") mm, " + Mm(area.right - area.left) +
                       " mm wide, reads " + read + "'");
    }
    EXPECT_TRUE(broken.empty()) << Where(output) << ": the title \"" << kFreeTextTitle << "\" (" << kFreeTextPoints
                                << " points) has a word cut in " << broken.size() << " of " << areas.size()
                                << " free texts (lines split by /)" << Listed(broken);
  }
}

// The prize descriptions over the frames, each as long as the field
// allows: printed whole, apart from each other and inside the card.
TEST_P(PrizeGeometryTest, LongPrizeDescriptionsStayApartInsideTheCard) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  const std::vector<Output> outputs = Outputs();
  ASSERT_EQ(outputs.size(), 6u);
  const int frames = model();  // FormCar2 and FormCar3
  const MmRect card = ToMm(document_.pages[0].bands.at(0));
  for (const Output& output : outputs) {
    std::vector<std::vector<const PdfWord*>> prizes(frames);
    for (int k = 0; k < frames; ++k) {
      std::vector<std::string> tokens;
      std::istringstream split(kPrizes[k]);
      for (std::string token; split >> token;) tokens.push_back(token);
      for (std::size_t i = 0; i + tokens.size() <= output.words.size() && prizes[k].empty(); ++i) {
        if (std::equal(tokens.begin(), tokens.end(), output.words.begin() + i,
                       [](const std::string& t, const PdfWord& w) { return t == w.text; })) {
          for (std::size_t t = 0; t < tokens.size(); ++t) prizes[k].push_back(&output.words[i + t]);
        }
      }
      EXPECT_FALSE(prizes[k].empty()) << Where(output) << ": prize " << k + 1 << " \"" << kPrizes[k]
                                      << "\" does not print whole";
    }
    std::vector<std::string> problems;
    for (int j = 0; j < frames; ++j) {
      for (const PdfWord* word : prizes[j]) {
        if (!card.Holds(*word, kInsideCardMm)) {
          problems.push_back("prize " + std::to_string(j + 1) + ": " + Describe(*word) + " reaches " +
                             Mm(card.Outside(*word)) + " mm out of the card");
        }
      }
      for (int k = j + 1; k < frames; ++k) {
        for (const std::string& overlap : Overlaps(prizes[j], &prizes[k])) {
          problems.push_back("prizes " + std::to_string(j + 1) + " and " + std::to_string(k + 1) + ": " + overlap);
        }
      }
    }
    EXPECT_TRUE(problems.empty()) << Where(output) << ": the prize descriptions run into each other or out of the card"
                                  << Listed(problems);
  }
}

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

TEST_P(PrintGeometryTest, PreviewOnTheScreenLooksLikeThePrint) {
  TAVELAO_REQUIRE_TOOL("pdftoppm");
  document_ = FirstPage();
  const report::Document& document = document_;
  ASSERT_EQ(document.pages.size(), 1u);
  const auto pdf = dir / "pagina.pdf";
  ASSERT_TRUE(report::WritePdf(document, pdf).ok());

  testing::ScriptedDialogs dialogs;
  report::PreviewWindow preview(dialogs);
  preview.Open(document);
  auto* view = preview.findChild<report::PageView*>(QStringLiteral("PaginaPreview"));
  ASSERT_TRUE(view);
  const double fit = preview.zoom();
  for (double zoom : {fit, kDoubleZoom}) {
    if (zoom != fit) view->Show(&preview.document(), 0, zoom);
    const QImage shown = view->grab().toImage();
    ASSERT_FALSE(shown.isNull());
    const int width = shown.width(), height = shown.height();
    const std::string name = "model " + std::to_string(model()) + ", preview at " +
                             std::to_string(std::lround(zoom * 100)) + " % (" + std::to_string(width) + " x " +
                             std::to_string(height) + " pixels)";
    const auto prefix = dir / ("impressa-" + std::to_string(width));
    const std::string command = "pdftoppm -singlefile -scale-to-x " + std::to_string(width) + " -scale-to-y " +
                                std::to_string(height) + " '" + pdf.string() + "' '" + prefix.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const QImage printed(QString::fromStdString(prefix.string() + ".ppm"));
    ASSERT_EQ(printed.size(), shown.size()) << name;

    const double pixels_per_mm = width / SheetWidthMm();
    const double tolerance = kSamePlaceMm * pixels_per_mm + 1.5;
    // Bar codes are snapped to whole device pixels per element, so their
    // width depends on the device by design.
    std::vector<bool> masked(std::size_t(width) * height, false);
    for (const report::PlacedItem& item : document.pages[0].items) {
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

}  // namespace
}  // namespace tavelao::layouts
