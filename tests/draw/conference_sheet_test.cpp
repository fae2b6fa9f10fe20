#include "draw/conference_sheet.h"

#include <gtest/gtest.h>

#include "draw/card_conference.h"

namespace tavelao::draw {
namespace {

class ConferenceSheetTest : public ::testing::Test {
 protected:
  void SetUp() override { bank.LoadBuiltIn(); }
  Conference Confer(std::string_view typed) {
    auto result = ConferCard(bank, password, card::IssuerNumber(), drawn, typed);
    EXPECT_EQ(result.kind, ConferResult::Kind::kShown) << typed;
    return result.conference;
  }
  static report::Page Page(const Conference* conference, CardSize size) {
    auto sheet = ConferenceSheet(conference, LayoutOf(size));
    EXPECT_TRUE(sheet) << sheet.error();
    EXPECT_EQ(sheet->name, "TFormConf");
    EXPECT_EQ(sheet->pages.size(), 1u);
    return sheet->pages.at(0);
  }
  static std::string Text(const report::Page& page, const std::string& name) {
    return page.TextOf(name, report::kPageHeader).value_or("<none>");
  }
  static report::Rect RectOf(const report::Page& page, const std::string& name) {
    const report::PlacedItem* item = page.Find(name, report::kPageHeader);
    EXPECT_NE(item, nullptr) << name;
    return item ? item->rect : report::Rect{};
  }
  card::CardBank bank;
  card::Password password;
  BallSet drawn;
};

TEST_F(ConferenceSheetTest, NumbersAndMarksOfTheConferredCard) {
  drawn.Add(100);
  drawn.Add(8);
  const Conference conference = Confer("10000");
  const report::Page page = Page(&conference, CardSize::TwentyFive);
  EXPECT_EQ(Text(page, "LabelCart"), "Cartela: 10000");
  EXPECT_EQ(Text(page, "LabelSenha"), "") << "no password, no authentication text";
  EXPECT_EQ(Text(page, "Lb1") + Text(page, "Li1") + Text(page, "Ln1") + Text(page, "Lg1") + Text(page, "Lo1"), "BINGO");
  EXPECT_EQ(Text(page, "LabelRubrica"), "Rubrica de autorização ");
  for (int k = 1; k <= 25; ++k) {
    const std::string key = std::to_string(k);
    EXPECT_EQ(Text(page, "n" + key), conference.cells[k - 1].text) << k;
    EXPECT_EQ(Text(page, "x" + key), conference.cells[k - 1].drawn ? "X" : "") << k;
  }
  EXPECT_EQ(Text(page, "n22"), "00");
  EXPECT_EQ(Text(page, "x22"), "X") << "00 is ball 100";
  // Grid order: n2 lies under n1 in the B column, n6 beside it in the I column.
  EXPECT_GT(RectOf(page, "n2").y, RectOf(page, "n1").y);
  EXPECT_EQ(RectOf(page, "n2").x, RectOf(page, "n1").x);
  EXPECT_GT(RectOf(page, "n6").x, RectOf(page, "n1").x);
  EXPECT_EQ(RectOf(page, "n6").y, RectOf(page, "n1").y);
}

TEST_F(ConferenceSheetTest, BeforeAnyBallNoMarkAndThePasswordGivesTheCode) {
  password = *card::Password::FromText("ABCDE");
  const Conference conference = Confer("1");
  const report::Page page = Page(&conference, CardSize::TwentyFive);
  for (int k = 1; k <= 25; ++k) EXPECT_EQ(Text(page, "x" + std::to_string(k)), "") << k;
  EXPECT_EQ(Text(page, "LabelSenha"), "Autenticação:29553");
}

TEST_F(ConferenceSheetTest, BeforeAnyConferenceTheFormAsDesigned) {
  const report::Page page = Page(nullptr, CardSize::TwentyFive);
  EXPECT_EQ(Text(page, "LabelCart"), "Cartela:");
  EXPECT_EQ(Text(page, "n1"), "");
  EXPECT_EQ(Text(page, "x1"), "");
}

// The cover must take the boxes of the rows out of play whole and leave
// every row in play untouched, numbers and marks included.
TEST_F(ConferenceSheetTest, CoverHidesExactlyTheRowsNotInPlay) {
  const Conference conference = Confer("42");
  const double top_margin = report::Mm(10);
  struct Case {
    CardSize size;
    double top;
    double height;
    int rows_in_play;
  };
  for (const Case& c : {Case{CardSize::Fifteen, 173, 80, 3}, Case{CardSize::Twenty, 212, 43, 4},
                        Case{CardSize::TwentyFive, 255, 0, 5}, Case{CardSize::Five, 255, 0, 5}}) {
    SCOPED_TRACE(static_cast<int>(c.size));
    const report::Page page = Page(&conference, c.size);
    const report::PlacedItem* cover = page.Find("ShapeCobre", report::kPageHeader);
    ASSERT_NE(cover, nullptr);
    EXPECT_DOUBLE_EQ(cover->rect.y - top_margin, c.top);
    EXPECT_DOUBLE_EQ(cover->rect.height, c.height);
    const auto* box = std::get_if<report::PlacedBox>(&cover->content);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->fill, report::kWhite);
    EXPECT_EQ(page.items.back().name, "ShapeCobre") << "painted over the grid";
    for (int k = 1; k <= 25; ++k) {
      const int row = (k - 1) % 5 + 1;
      const std::string key = std::to_string(k);
      for (const std::string& name : {"Casa" + key, "n" + key, "x" + key}) {
        const report::Rect rect = RectOf(page, name);
        if (row > c.rows_in_play) {
          EXPECT_TRUE(cover->rect.Contains(rect)) << name;
        } else {
          EXPECT_LE(rect.bottom(), cover->rect.y + 0.01) << name;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavelao::draw
