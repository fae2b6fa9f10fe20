#include "common/text.h"

#include <charconv>
#include <limits>

namespace tavelao {

std::string QuotedFileName(const std::filesystem::path& path) {
  return "\"" + (path.has_filename() ? path.filename() : path).string() + "\"";
}

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlank = " \t\r\n";
  const auto first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlank);
  return text.substr(first, last - first + 1);
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string ConversionErrorMessage(std::string_view text) {
  return "'" + std::string(text) + "' não é um número inteiro válido.";
}

std::string SixDigits(std::int32_t value) {
  return std::to_string(static_cast<std::int64_t>(value) + 1'000'000).substr(1, 6);
}

std::string ThousandsDots(std::int64_t value) {
  // Unsigned, so that the smallest value has a magnitude too.
  const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::string digits = std::to_string(magnitude);
  std::string text = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += '.';
    text += digits[i];
  }
  return text;
}

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    bool valid = extra >= 0 && i + extra < s.size();
    char32_t cp = valid ? (extra == 0 ? lead : lead & (0x3F >> extra)) : 0;
    for (int k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      valid = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (valid) {
      out.push_back(cp);
      i += extra + 1;
    } else {
      out.push_back(U'\uFFFD');
      ++i;
    }
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t cp : text) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::size_t CharacterCount(std::string_view utf8) { return DecodeUtf8(utf8).size(); }

std::string ToUpperLatin(std::string_view utf8) {
  std::u32string chars = DecodeUtf8(utf8);
  for (char32_t& c : chars) {
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
      c -= 0x20;
    } else if (c == 0xFF) {
      c = 0x178;
    }
  }
  return EncodeUtf8(chars);
}

}  // namespace tavelao
