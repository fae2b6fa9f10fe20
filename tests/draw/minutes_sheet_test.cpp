// The printed minutes of a whole 100-ball draw: its pages as the band
// engine lays them out, and the PDF read back.

#include "draw/minutes_sheet.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "draw/ball.h"
#include "draw/minutes_pdf.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao::draw {
namespace {

constexpr int kWinners = 25;  // one after every fourth ball

// "000004-7": the card that won with ball b.
std::string CardOfBall(int b) { return SixDigits(b) + "-" + std::to_string(b % 10); }

// Every ball in order, a winner after every fourth, then the end.
DrawMinutes WholeDraw() {
  std::vector<JournalEvent> events;
  const auto add = [&events](EventKind kind, EventFields fields) {
    const std::int64_t seq = static_cast<std::int64_t>(events.size()) + 1;
    events.push_back({seq, 1, "09/12/2026 21:30:05", kind, std::move(fields), std::string(64, 'e')});
  };
  add(EventKind::Started, {{"cartelas", "25"}, {"tipos", "CARTELA CHEIA"}, {"validadas", "40"}});
  for (int b = 1; b <= kBallCount; ++b) {
    add(EventKind::Marked, {{"bola", std::to_string(b)}, {"pedras", std::to_string(b)}});
    if (b % 4 == 0) {
      add(EventKind::Winner, {{"cartela", SixDigits(b)},
                              {"digito", std::to_string(b % 10)},
                              {"tipo", "CARTELA CHEIA"},
                              {"bola", std::to_string(b)},
                              {"pedras", std::to_string(b)}});
    }
  }
  events.back().seal = std::string(63, 'f') + "1";
  add(EventKind::Ended, {{"pedras", "100"}});
  events.back().seal = std::string(63, 'f') + "2";
  return MinutesOfDraw(events, "BINGO DA PARÓQUIA");
}

// The texts of the minutes' lines over every page, in order.
std::vector<std::string> LineTexts(const report::Document& document) {
  std::vector<std::string> texts;
  for (const report::Page& page : document.pages) {
    for (int band = 0; band < page.details; ++band) {
      for (const char* name : {"Titulo", "Texto"}) {
        if (auto text = page.TextOf(name, band); text && !text->empty()) texts.push_back(*text);
      }
    }
  }
  return texts;
}

// Where `wanted` stands in `texts` after position `from`; texts.size() when absent.
std::size_t Find(const std::vector<std::string>& texts, const std::string& wanted, std::size_t from) {
  for (std::size_t i = from; i < texts.size(); ++i) {
    if (texts[i] == wanted) return i;
  }
  return texts.size();
}

TEST(MinutesSheet, ALongDrawRunsOverNumberedPagesEachHeadedAndWithinItsMargins) {
  const DrawMinutes minutes = WholeDraw();
  auto document = MinutesDocument(minutes);
  ASSERT_TRUE(document) << document.error();
  EXPECT_EQ(document->name, "FormAta");
  EXPECT_EQ(document->page.paper, report::Paper::kA4);
  ASSERT_GE(document->pages.size(), 3u) << "100 balls and 25 winners do not fit two pages";

  const std::string total = std::to_string(document->pages.size());
  const double edge = report::Mm(report::kPrinterEdgeMm);
  for (std::size_t i = 0; i < document->pages.size(); ++i) {
    SCOPED_TRACE("page " + std::to_string(i + 1));
    const report::Page& page = document->pages[i];
    EXPECT_EQ(page.TextOf("LabelTitulo", report::kPageHeader), "Ata do sorteio nº 1");
    EXPECT_EQ(page.TextOf("LabelEvento", report::kPageHeader), "BINGO DA PARÓQUIA");
    EXPECT_EQ(page.TextOf("LabelDatas", report::kPageHeader),
              "Data: 09/12/2026     Início: 21:30:05     Término: 21:30:05");
    EXPECT_EQ(page.TextOf("LabelPagina", report::kPageHeader),
              "Ata do sorteio nº 1 - página " + std::to_string(i + 1) + " de " + total);
    const report::PlacedItem* number = page.Find("LabelPagina", report::kPageHeader);
    ASSERT_NE(number, nullptr);
    const report::Rect area = document->page.Printable();
    ASSERT_FALSE(page.bands.empty());
    for (const report::Rect& band : page.bands) EXPECT_TRUE(area.Contains(band));
    EXPECT_GE(number->rect.y, page.bands.back().bottom()) << "the page number lies under the last line";
    EXPECT_LE(number->rect.bottom(), document->page.height() - edge) << "inside what printers print";
  }
}

TEST(MinutesSheet, EveryBallAndWinnerInOrderThenTheSealAndTheSignatures) {
  auto document = MinutesDocument(WholeDraw());
  ASSERT_TRUE(document) << document.error();
  const std::vector<std::string> texts = LineTexts(*document);
  std::size_t at = 0;
  for (int b = 1; b <= kBallCount; ++b) {
    at = Find(texts, std::to_string(b) + "ª pedra: " + BallLabel(b), at);
    ASSERT_LT(at, texts.size()) << "ball " << b;
    if (b % 4 == 0) {
      at = Find(texts,
                "Ganhadora CARTELA CHEIA: cartela " + CardOfBall(b) + " com a pedra " + BallLabel(b) +
                    "; pedras sorteadas: " + std::to_string(b) + ".",
                at);
      ASSERT_LT(at, texts.size()) << "winner of ball " << b;
    }
  }
  at = Find(texts, "Ganhadoras", at);
  for (int b = 4; b <= kBallCount; b += 4) {
    at = Find(texts, "CARTELA CHEIA: cartela " + CardOfBall(b) + ", pedra " + BallLabel(b) + ".", at);
    ASSERT_LT(at, texts.size()) << "summary of ball " << b;
  }
  at = Find(texts, std::string(63, 'f') + "2", at);
  ASSERT_LT(at, texts.size()) << "the seal of the last event";
  for (const char* caption : {"Responsável pelo sorteio", "Fiscal", "Testemunha"}) {
    const std::size_t line = Find(texts, caption, at);
    ASSERT_LT(line, texts.size()) << caption;
    EXPECT_TRUE(texts[line - 1].starts_with("_____")) << "a line to sign above " << caption;
    at = line;
  }
}

TEST(MinutesPdf, ThePdfHoldsEveryBallAndWinnerAsText) {
  testing::TempFolder dir;
  const auto pdf = dir / "ata.pdf";
  ASSERT_TRUE(WriteMinutesPdf(WholeDraw(), pdf));
  const std::string text = testing::PdfText(pdf);
  ASSERT_FALSE(text.empty()) << "pdftotext read nothing";
  for (int b = 1; b <= kBallCount; ++b) {
    EXPECT_NE(text.find(std::to_string(b) + "ª pedra: " + BallLabel(b)), std::string::npos) << b;
    if (b % 4 == 0) {
      EXPECT_NE(text.find("cartela " + CardOfBall(b) + ", pedra " + BallLabel(b)), std::string::npos) << b;
    }
  }
  EXPECT_NE(text.find(std::string(63, 'f') + "2"), std::string::npos);
  EXPECT_NE(text.find("Responsável pelo sorteio"), std::string::npos);
}

}  // namespace
}  // namespace tavelao::draw
