#pragma once
// Small text helpers shared by every subsystem. Texts are UTF-8.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavelao {

// A file's name in quotes, as messages show it; a path ending in a slash
// has no file name and is shown whole.
std::string QuotedFileName(const std::filesystem::path& path);

// Without leading and trailing spaces, tabs and line breaks.
std::string_view Trim(std::string_view text);

// A whole decimal number that fits 32 bits, with an optional sign and nothing
// else (the caller trims). Empty text, letters or overflow give nullopt.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// The report shown when a number field holds text that is not a whole number.
std::string ConversionErrorMessage(std::string_view text);
inline constexpr std::string_view kConversionErrorTitle = "Valor inválido";

// Characters 2 to 7 of the decimal text of value + 1,000,000: "000042".
std::string SixDigits(std::int32_t value);

// The decimal text with a dot between groups of three digits, as Brazilian
// texts write numbers: "10.001".
std::string ThousandsDots(std::int64_t value);

// Number of Unicode characters of a UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

// Code points of a UTF-8 text; invalid bytes count as U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

// Upper case as an entry field forcing upper case types it: ASCII and the
// Latin-1 letters (ç becomes Ç).
std::string ToUpperLatin(std::string_view utf8);

}  // namespace tavelao
