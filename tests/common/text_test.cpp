#include "common/text.h"

#include <gtest/gtest.h>

namespace tavelao {
namespace {

TEST(ParseInt32, AcceptsOnlyWholeNumbersThatFit) {
  EXPECT_EQ(ParseInt32("42"), 42);
  EXPECT_EQ(ParseInt32("-2"), -2);
  EXPECT_EQ(ParseInt32("+7"), 7);
  EXPECT_EQ(ParseInt32("007"), 7);
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  for (const char* bad : {"", "+", "-", "abc", "12a", " 12", "12 ", "1.5", "2147483648", "19-10", "99999999999"}) {
    EXPECT_FALSE(ParseInt32(bad).has_value()) << bad;
  }
}

TEST(Text, TrimAndSixDigits) {
  EXPECT_EQ(Trim("  19-108 \t\r\n"), "19-108");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(SixDigits(42), "000042");
  EXPECT_EQ(SixDigits(120000), "120000");
}

TEST(Text, ThousandsDotsGroupThreeDigits) {
  EXPECT_EQ(ThousandsDots(999), "999");
  EXPECT_EQ(ThousandsDots(120000), "120.000");
  EXPECT_EQ(ThousandsDots(1234567), "1.234.567");
  EXPECT_EQ(ThousandsDots(-123), "-123");
}

TEST(Text, UpperCaseAsAnEntryFieldTypesIt) {
  EXPECT_EQ(ToUpperLatin("abçde"), "ABÇDE");
  EXPECT_EQ(ToUpperLatin("x1ÿé"), "X1ŸÉ");
  EXPECT_EQ(CharacterCount("ÇÃO12"), 5u);
}

TEST(Text, Utf8RoundTripAndInvalidBytes) {
  const std::string text = "Dígito 🎱";
  EXPECT_EQ(EncodeUtf8(DecodeUtf8(text)), text);
  EXPECT_EQ(DecodeUtf8("a\xff"
                       "b"),
            U"a\uFFFDb");
  EXPECT_EQ(DecodeUtf8("\xc3"), U"\uFFFD");  // cut in the middle of a character
}

}  // namespace
}  // namespace tavelao
