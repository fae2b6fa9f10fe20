// Where the words of a printed page land, read back out of real PDFs by
// pdftotext: every fixed layout with full content, written at 96, 300, 600
// and 1200 dpi and painted as the preview paints it (at its fit zoom and at
// 200 %). Text must not depend on the device: the same words in the same
// places everywhere, apart from each other, inside their card and clear of
// the paper's edge. The preview itself, grabbed from the screen, must look
// like the print.

#include <gtest/gtest.h>

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layout_fixture.h"
#include "report/offline_text_document.h"
#include "support/page_checks.h"
#include "support/page_outputs.h"
#include "support/preview_likeness.h"
#include "support/required_tool.h"

namespace tavelao::layouts {
namespace {

using testing::kSamePlaceMm;
using testing::Listed;
using testing::Mm;
using testing::MmRect;
using testing::PageOutput;
using testing::PdfWord;
using testing::ToMm;

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

class PrintGeometryTest : public LayoutTest, public ::testing::WithParamInterface<int> {
 protected:
  int model() const { return GetParam(); }
  std::string Where() const { return "model " + std::to_string(model()); }
  std::string Where(const PageOutput& output) const { return Where() + ", " + output.name; }

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
    return document.pages.empty() ? report::Document{} : testing::OnePage(std::move(document));
  }

  // The model's first page on all six outputs (the 1200-dpi PDF first).
  std::vector<PageOutput> Outputs() {
    document_ = FirstPage();
    if (document_.pages.size() != 1) return {};
    return testing::PageOutputs(document_, dir.path(), Where());
  }

  // Where words may be: the cards of the page, and the page header that the
  // one-card layouts print above their card.
  std::vector<MmRect> CardAreas() const {
    return testing::CardAreas(document_, layout_ && layout_->page_header ? layout_->page_header->height : 0);
  }

  std::optional<report::Layout> layout_;
  report::Document document_;
};

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
  const std::vector<PageOutput> outputs = Outputs();
  ASSERT_EQ(outputs.size(), 6u);
  testing::ExpectSameWordsInTheSamePlaces(outputs, Where());
}

TEST_P(PrintGeometryTest, WordsApartInsideTheirCardAndClearOfThePaperEdge) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  const std::vector<PageOutput> outputs = Outputs();
  ASSERT_EQ(outputs.size(), 6u);
  testing::ExpectWordsApartInsideAndClearOfTheEdge(outputs, document_, CardAreas(), Where());
  testing::ExpectBarCodesClearOfThePaperEdge(document_, Where());
}

// The free text's 24-point title on one line, in every free-text area of
// the page: each card of the stub layouts and of FormCar4, the page header
// of the one-card layouts.
// 24 points of "BINGO BENEFICENTE" are wider than the stubs' free text:
// it may take two lines, but no word of it is ever cut.
TEST_P(FreeTextGeometryTest, TitleOfTheFreeTextKeepsItsWordsWhole) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  const std::vector<PageOutput> outputs = Outputs();
  ASSERT_EQ(outputs.size(), 6u);
  std::vector<MmRect> areas;
  for (const report::PlacedItem& item : document_.pages[0].items) {
    if (item.name == "TextoLivre") areas.push_back(ToMm(item.rect));
  }
  ASSERT_FALSE(areas.empty()) << "model " << model() << " prints no free text";
  for (const PageOutput& output : outputs) {
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
  const std::vector<PageOutput> outputs = Outputs();
  ASSERT_EQ(outputs.size(), 6u);
  const int frames = model();  // FormCar2 and FormCar3
  testing::ExpectTextsWholeAndApart(outputs, std::vector<std::string>(kPrizes, kPrizes + frames),
                                    testing::ToMm(document_.pages[0].bands.at(0)), Where());
}

TEST_P(PrintGeometryTest, PreviewOnTheScreenLooksLikeThePrint) {
  TAVELAO_REQUIRE_TOOL("pdftoppm");
  document_ = FirstPage();
  ASSERT_EQ(document_.pages.size(), 1u);
  testing::ExpectPreviewLooksLikeThePrint(document_, dir.path(), Where());
}

}  // namespace
}  // namespace tavelao::layouts
