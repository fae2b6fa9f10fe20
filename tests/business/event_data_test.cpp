#include "business/event_data.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tavelao::business
