#include "business/event_data.h"

#include <gtest/gtest.h>

#include "business_fixture.h"

namespace tavelao::business {
namespace {

TEST(EventDate, ShownAndTakenAsDayMonthYear) {
  EXPECT_EQ(FormatEventDate(store::Date{2026, 3, 7}), "07/03/2026");
  EXPECT_EQ(FormatEventDate(std::nullopt), "");
  auto date = ParseEventDate(" 29/02/2028 ");
  ASSERT_TRUE(date);
  EXPECT_EQ(**date, (store::Date{2028, 2, 29}));
  EXPECT_FALSE(ParseEventDate("")->has_value());
  for (const char* bad : {"29/02/2027", "31/04/2026", "2026-03-07", "7/3/26", "ontem", "00/01/2026", "1/13/2026"}) {
    auto refused = ParseEventDate(bad);
    ASSERT_FALSE(refused) << bad;
    EXPECT_NE(refused.error().find("dd/mm/aaaa"), std::string::npos);
  }
}

TEST(EventValue, BrazilianFormatAndNothingForZero) {
  EXPECT_EQ(FormatEventValue(1234.5), "1.234,50");
  EXPECT_EQ(FormatEventValue(1234567.891), "1.234.567,89");
  EXPECT_EQ(FormatEventValue(5.0), "5,00");
  EXPECT_EQ(FormatEventValue(0.0), "");
  EXPECT_EQ(FormatEventValue(std::nullopt), "");
  for (auto [text, value] : {std::pair{"1.234,56", 1234.56}, {"1234,5", 1234.5}, {"80", 80.0}, {"0,07", 0.07}}) {
    auto parsed = ParseEventValue(text);
    ASSERT_TRUE(parsed) << text;
    EXPECT_DOUBLE_EQ(**parsed, value) << text;
  }
  for (const char* bad : {"12.5", "1.23,00", "abc", "-5", "1,234", "12,", ",5", "1..000"}) {
    EXPECT_FALSE(ParseEventValue(bad)) << bad;
  }
}

class EventRecordTest : public BusinessFixture {};

TEST_F(EventRecordTest, FieldsAreStoredAsTypedAndShownAsTheCardsPrintThem) {
  auto texts = ReadEventTexts(event_table);
  ASSERT_TRUE(texts) << texts.error();
  EXPECT_EQ(texts->titulo, "BINGO EMPRESARIAL");
  EXPECT_EQ(texts->data, "");
  ASSERT_TRUE(StoreEventField(event_table, EventField::kData, "25/12/2026"));
  ASSERT_TRUE(StoreEventField(event_table, EventField::kValor, "1500"));
  ASSERT_TRUE(StoreEventField(event_table, EventField::kHora, "19h30"));
  const store::Record stored = (*event_table.RowAt({}, 1))->record;
  EXPECT_EQ(stored.DateValue("Data"), (store::Date{2026, 12, 25}));
  EXPECT_DOUBLE_EQ(stored.Float("Valor").value(), 1500.0);
  texts = ReadEventTexts(event_table);
  EXPECT_EQ(texts->data, "25/12/2026");
  EXPECT_EQ(texts->valor, "1.500,00");
  EXPECT_EQ(texts->hora, "19h30");
  EXPECT_EQ(event_table.Count().value(), 1) << "one event record";
}

TEST_F(EventRecordTest, BadDateOrValueIsRefusedAndTheStoredOneKept) {
  ASSERT_TRUE(StoreEventField(event_table, EventField::kData, "01/05/2027"));
  ASSERT_TRUE(StoreEventField(event_table, EventField::kValor, "80"));
  auto date = StoreEventField(event_table, EventField::kData, "31/06/2027");
  ASSERT_FALSE(date);
  EXPECT_NE(date.error().find("dd/mm/aaaa"), std::string::npos);
  EXPECT_FALSE(StoreEventField(event_table, EventField::kValor, "oitenta"));
  const auto texts = ReadEventTexts(event_table);
  EXPECT_EQ(texts->data, "01/05/2027");
  EXPECT_EQ(texts->valor, "80,00");
  // Empty text clears the field.
  ASSERT_TRUE(StoreEventField(event_table, EventField::kValor, ""));
  EXPECT_EQ(ReadEventTexts(event_table)->valor, "");
}

TEST_F(EventRecordTest, AnEventFileWithoutItsRecordGetsOneOnTheFirstEdit) {
  ASSERT_TRUE(event_table.RemoveAll());
  EXPECT_EQ(ReadEventTexts(event_table)->titulo, "");
  ASSERT_TRUE(StoreEventField(event_table, EventField::kLocal, "Salão paroquial"));
  EXPECT_EQ(event_table.Count().value(), 1);
  EXPECT_EQ(ReadEventTexts(event_table)->local, "Salão paroquial");
}

}  // namespace
}  // namespace tavelao::business
