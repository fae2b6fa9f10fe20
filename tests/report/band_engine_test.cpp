#include "report/band_engine.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tavelao::report {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

std::shared_ptr<const store::Schema> CardSchema() {
  return std::make_shared<const store::Schema>(
      store::Schema{store::IntegerField("Numero"), store::StringField("Nome", 20)});
}

std::vector<store::Record> Records(int count) {
  auto schema = CardSchema();
  std::vector<store::Record> records;
  for (int n = 1; n <= count; ++n) {
    store::Record record(schema);
    record.Set("Numero", n);
    record.Set("Nome", "card " + std::to_string(n));
    records.push_back(record);
  }
  return records;
}

// A4 without margins: three columns of 100-pixel bands, so 11 rows fit on
// the 1123-pixel sheet, 10 under a 100-pixel header.
Layout GridLayout(bool header) {
  Layout layout;
  layout.name = "Grade";
  layout.columns = 3;
  layout.detail.height = 100;
  layout.detail.items.push_back(FieldText("Numero", {0, 0, 50, 20}, "numero", {}, "000000"));
  if (header) {
    Band band;
    band.height = 100;
    band.items.push_back(Text("Topo", {0, 0, 300, 20}, {Literal("from "), Value("Nome")}, {}));
    layout.page_header = band;
  }
  return layout;
}

std::vector<std::string> Numbers(const Page& page) {
  std::vector<std::string> numbers;
  for (int b = 0; b < page.details; ++b) numbers.push_back(page.TextOf("Numero", b).value_or("?"));
  return numbers;
}

// Two bands designed to fill the sheet exactly, give or take the rounding
// of millimetre sizes: half a pixel too tall still fits, more does not.
TEST(BandEngine, ABandThatOvershootsByLessThanHalfAPixelStillFits) {
  const auto records = Records(2);
  const double sheet = Mm(297);
  for (const auto& [overshoot, pages] : {std::pair{0.0, 1u}, {0.4, 1u}, {0.5, 1u}, {0.6, 2u}, {3.0, 2u}}) {
    Layout layout;
    layout.name = "Meia";
    layout.detail.height = (sheet + overshoot) / 2;
    layout.detail.items.push_back(FieldText("Numero", {0, 0, 50, 20}, "numero", {}, "000000"));
    auto document = BuildDocument(layout, RecordList(records));
    ASSERT_TRUE(document.ok());
    EXPECT_EQ(document->pages.size(), pages) << "overshoot " << overshoot;
  }
}

TEST(BandEngine, FillsRowsOfColumnsThenPages) {
  const auto records = Records(35);
  auto document = BuildDocument(GridLayout(false), RecordList(records));
  ASSERT_TRUE(document.ok());
  ASSERT_EQ(document->pages.size(), 2u);
  EXPECT_EQ(document->pages[0].details, 33);
  EXPECT_EQ(document->pages[1].details, 2);
  EXPECT_EQ(document->records, 35u);
  const Page& first = document->pages[0];
  // Across a row first: 1 2 3 on the first row, 4 below 1.
  const PlacedItem* one = first.Find("Numero", 0);
  const PlacedItem* three = first.Find("Numero", 2);
  const PlacedItem* four = first.Find("Numero", 3);
  EXPECT_EQ(one->rect, (Rect{0, 0, 50, 20}));
  EXPECT_DOUBLE_EQ(three->rect.x, 2 * Mm(210) / 3);
  EXPECT_EQ(three->rect.y, 0);
  EXPECT_EQ(four->rect.x, 0);
  EXPECT_EQ(four->rect.y, 100);
  EXPECT_EQ(Numbers(document->pages[1]), (std::vector<std::string>{"000034", "000035"}));
}

TEST(BandEngine, PageHeaderShowsTheRecordThatOpensThePage) {
  const auto records = Records(31);
  auto document = BuildDocument(GridLayout(true), RecordList(records));
  ASSERT_TRUE(document.ok());
  ASSERT_EQ(document->pages.size(), 2u);
  EXPECT_EQ(document->pages[0].details, 30);
  EXPECT_EQ(document->pages[0].TextOf("Topo", kPageHeader), "from card 1");
  EXPECT_EQ(document->pages[1].TextOf("Topo", kPageHeader), "from card 31");
  EXPECT_EQ(document->pages[1].Find("Numero", 0)->rect.y, 100) << "details start under the header";
}

TEST(BandEngine, EmptyRecordSetGivesTheBarePage) {
  const std::vector<store::Record> none;
  Layout layout = GridLayout(true);
  auto document = BuildDocument(layout, RecordList(none));
  ASSERT_TRUE(document.ok());
  ASSERT_EQ(document->pages.size(), 1u);
  EXPECT_EQ(document->pages[0].details, 0);
  EXPECT_EQ(document->pages[0].TextOf("Topo", kPageHeader), "from ");
  layout.print_if_empty = false;
  EXPECT_TRUE(BuildDocument(layout, RecordList(none))->pages.empty());
}

TEST(BandEngine, HookRunsForEveryRecordBeforeItsBandAndItsValuesWin) {
  const auto records = Records(4);
  Layout layout = GridLayout(false);
  layout.detail.items.push_back(FieldText("Codigo", {0, 20, 80, 20}, "codigo", {}));
  layout.detail.items.push_back(FieldText("Nome", {0, 40, 80, 20}, "NOME", {}));
  std::vector<int> seen;
  auto document = BuildDocument(layout, RecordList(records), [&](const store::Record& r, RecordValues& values) {
    seen.push_back(*r.Int("Numero"));
    if (*r.Int("Numero") % 2 == 0) values.SetText("Codigo", "par " + std::to_string(*r.Int("Numero")));
    if (*r.Int("Numero") == 3) values.SetText("nome", "hidden field");
  });
  ASSERT_TRUE(document.ok());
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
  const Page& page = document->pages[0];
  EXPECT_EQ(page.TextOf("Codigo", 0), "") << "values start empty for every record";
  EXPECT_EQ(page.TextOf("Codigo", 1), "par 2");
  EXPECT_EQ(page.TextOf("Codigo", 2), "");
  EXPECT_EQ(page.TextOf("Nome", 1), "card 2") << "fields match without regard to case";
  EXPECT_EQ(page.TextOf("Nome", 2), "hidden field");
}

TEST(BandEngine, ItemsBelowTheBandOrHiddenAreNotPrinted) {
  const auto records = Records(1);
  Layout layout = GridLayout(false);
  layout.detail.items.push_back(Label("Abaixo", {0, 1000, 50, 20}, "x", {}));
  layout.detail.items.push_back(Label("Oculto", {0, 10, 50, 20}, "x", {}));
  layout.detail.items.back().visible = false;
  layout.detail.border = Pen{1};
  auto document = BuildDocument(layout, RecordList(records));
  ASSERT_TRUE(document.ok());
  const Page& page = document->pages[0];
  EXPECT_EQ(page.Find("Abaixo", 0), nullptr);
  EXPECT_EQ(page.Find("Oculto", 0), nullptr);
  const PlacedItem* border = page.Find("Cercadura", 0);
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(border->rect, (Rect{0, 0, Mm(210) / 3, 100}));
}

TEST(BandEngine, TallBandsStillPrintOnePerPage) {
  const auto records = Records(2);
  Layout layout = GridLayout(false);
  layout.columns = 1;
  layout.detail.height = 5000;
  auto document = BuildDocument(layout, RecordList(records));
  ASSERT_TRUE(document.ok());
  EXPECT_EQ(document->pages.size(), 2u);
}

TEST(BandEngine, DisplayFormats) {
  EXPECT_EQ(FormatValue(std::int32_t{42}, "000000"), "000042");
  EXPECT_EQ(FormatValue(std::int32_t{1234567}, "000000"), "1234567");
  EXPECT_EQ(FormatValue(std::int32_t{-7}, "000"), "-007");
  EXPECT_EQ(FormatValue(std::int32_t{42}, ""), "42");
  EXPECT_EQ(FormatValue(std::string("07"), "000000"), "07");
  EXPECT_EQ(FormatValue(std::monostate{}, "000000"), "");
}

TEST(BandEngine, ReadsTheTableInTheQuerysOrder) {
  TempFolder dir;
  auto table = store::Table::CreateAfresh(dir / "t.cds", *CardSchema());
  ASSERT_TRUE(table.ok());
  for (int n : {3, 1, 2}) {
    store::Record r = table->NewRecord();
    r.Set("Numero", n);
    ASSERT_TRUE(table->Insert(r).ok());
  }
  auto document = BuildDocument(GridLayout(false), TableRecords(*table, {"", "Numero"}));
  ASSERT_TRUE(document.ok());
  EXPECT_EQ(Numbers(document->pages[0]), (std::vector<std::string>{"000001", "000002", "000003"}));
  table->Close();
  auto closed = BuildDocument(GridLayout(false), TableRecords(*table));
  EXPECT_FALSE(closed.ok()) << "a table that cannot be read is an error, not an empty print";
}

TEST(BandEngine, PicturesAreReadWhenTheDocumentIsMade) {
  TempFolder dir;
  WriteBytes(dir / "ImagemCart.jpg", "picture bytes");
  const auto records = Records(2);
  Layout layout = GridLayout(false);
  layout.detail.items.push_back(Picture("Imagem", {0, 0, 40, 40}, dir / "ImagemCart.jpg"));
  layout.detail.items.push_back(Picture("Falta", {0, 0, 40, 40}, dir / "missing.jpg"));
  auto document = BuildDocument(layout, RecordList(records));
  std::filesystem::remove(dir / "ImagemCart.jpg");
  ASSERT_TRUE(document.ok());
  const Page& page = document->pages[0];
  const auto* first = std::get_if<PlacedPicture>(&page.Find("Imagem", 0)->content);
  const auto* second = std::get_if<PlacedPicture>(&page.Find("Imagem", 1)->content);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(*first->bytes, "picture bytes");
  EXPECT_EQ(first->bytes, second->bytes) << "read once, shared by every card";
  EXPECT_EQ(page.Find("Falta", 0), nullptr) << "a missing optional picture is skipped";
}

}  // namespace
}  // namespace tavelao::report
