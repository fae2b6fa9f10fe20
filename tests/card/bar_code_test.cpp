#include "card/bar_code.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::card {
namespace {

// Reads a picture back the way a scanner does: widths of the runs of equal
// columns, narrow 1 and wide 3, decoded pair by pair.
std::string Decode(const BarCodeImage& image) {
  std::vector<int> runs;
  for (int x = 0; x < image.width();) {
    int w = 0;
    const bool colour = image.columns[x];
    while (x < image.width() && image.columns[x] == colour) ++x, ++w;
    runs.push_back(w);
  }
  static const char* kPatterns[10] = {"00110", "10001", "01001", "11000", "00101",
                                      "10100", "01100", "00011", "10010", "01010"};
  auto digit = [&](const std::string& p) {
    for (int d = 0; d < 10; ++d)
      if (p == kPatterns[d]) return static_cast<char>('0' + d);
    return '?';
  };
  std::string out;
  // Start: 4 narrow runs; stop: wide bar, narrow space, narrow bar.
  if (runs.size() < 7) return "?";
  for (std::size_t i = 4; i + 3 < runs.size(); i += 10) {
    std::string bars, spaces;
    for (int k = 0; k < 5; ++k) {
      bars += runs[i + 2 * k] == 3 ? '1' : '0';
      spaces += runs[i + 2 * k + 1] == 3 ? '1' : '0';
    }
    out += digit(bars);
    out += digit(spaces);
  }
  return out;
}

TEST(BarCodeImage, WidthsOfSevenAndTwelveDigits) {
  const auto twelve = MakeBarCodeImage("000001929553");
  ASSERT_TRUE(twelve);
  EXPECT_EQ(twelve->width(), 117);
  const auto seven = MakeBarCodeImage("0000426");
  ASSERT_TRUE(seven);
  EXPECT_EQ(seven->width(), 81);
  EXPECT_EQ(BarCodeImage::kHeight, 50);
}

TEST(BarCodeImage, EncodesItsDigitsStartAndStop) {
  const auto image = MakeBarCodeImage("0000019");
  ASSERT_TRUE(image);
  EXPECT_EQ(Decode(*image), "00000019") << "an odd count is led by a zero";
  EXPECT_TRUE(image->columns.front()) << "first element is a bar";
  EXPECT_TRUE(image->columns.back());
  EXPECT_EQ(Decode(*MakeBarCodeImage("123456789012")), "123456789012");
}

TEST(BarCodeImage, NoPictureForANonDigit) {
  EXPECT_FALSE(MakeBarCodeImage("00004a6"));
  EXPECT_FALSE(MakeBarCodeImage("-1"));
}

// A hand-held reader must read it: write it with a quiet zone, as printed,
// and let zbar decode it.
TEST(BarCodeImage, StandardReaderDecodesIt) {
  TAVELAO_REQUIRE_TOOL("zbarimg");
  testing::TempFolder dir;
  for (const std::string text : {"000001929553", "0000019", "1200003"}) {
    const auto image = MakeBarCodeImage(text);
    ASSERT_TRUE(image);
    constexpr int kScale = 3, kQuiet = 30;
    const int width = (image->width() + 2 * kQuiet) * kScale;
    const int height = BarCodeImage::kHeight * kScale;
    const auto file = dir / "code.pgm";
    {
      std::ofstream out(file, std::ios::binary);
      out << "P5\n" << width << " " << height << "\n255\n";
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          const int column = x / kScale - kQuiet;
          const bool black = column >= 0 && column < image->width() && image->columns[column];
          out.put(black ? '\0' : static_cast<char>(255));
        }
      }
    }
    const std::string decoded = testing::CommandOutput("zbarimg --raw -q '" + file.string() + "' 2>/dev/null");
    const std::string expected = text.size() % 2 ? "0" + text : text;
    EXPECT_EQ(decoded, expected + "\n");
  }
}

}  // namespace
}  // namespace tavelao::card
