#include "common/windows1252.h"

#include "common/text.h"

namespace tavelao {
namespace {

// Code points of the bytes 0x80..0x9F, the only ones that differ from Latin-1
// (0 where the code page leaves the byte undefined).
constexpr char32_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t c : DecodeUtf8(utf8)) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    char byte = '?';
    for (int i = 0; i < 32; ++i) {
      if (kHighControls[i] == c && c != 0) byte = static_cast<char>(0x80 + i);
    }
    out.push_back(byte);
  }
  return out;
}

char32_t FromWindows1252(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char32_t c = kHighControls[byte - 0x80];
  return c != 0 ? c : byte;
}

std::string FromWindows1252(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.push_back(FromWindows1252(static_cast<unsigned char>(byte)));
  return EncodeUtf8(text);
}

}  // namespace tavelao
