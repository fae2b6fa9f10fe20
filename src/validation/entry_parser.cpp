#include "validation/entry_parser.h"

#include <algorithm>

#include "common/text.h"
#include "validation/validation_messages.h"

namespace tavelao::validation {
namespace {

constexpr std::size_t kBarCodeLength = 12;
constexpr std::size_t kCharactersRead = 25;
constexpr std::size_t kHyphenSearched = 20;

bool AllDigits(std::u32string_view chars) {
  return std::all_of(chars.begin(), chars.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

PartCheck Refuse(std::string_view title, std::string text) {
  return {std::nullopt, {false, std::string(title), std::move(text)}};
}

PartCheck NotANumber(std::u32string_view chars) { return {std::nullopt, {true, {}, EncodeUtf8(chars)}}; }

// A 32-bit whole number written with decimal digits only.
PartCheck ReadNumber(std::u32string_view chars) {
  const std::string text = EncodeUtf8(chars);
  if (!AllDigits(chars)) return NotANumber(chars);
  const auto value = ParseInt32(text);
  if (!value) return NotANumber(chars);
  return {*value, {}};
}

std::string Trimmed(std::u32string_view chars) { return std::string(Trim(EncodeUtf8(chars))); }

// A start or end that failed its check ends the entry with its refusal.
ParsedDirectEntry Refused(const Refusal& refusal) { return {ParsedDirectEntry::Kind::Refused, refusal, {}}; }

}  // namespace

void Refusal::Show(Dialogs& dialogs) const {
  if (conversion_error) {
    dialogs.ReportConversionError(text);
  } else {
    dialogs.Inform(title, text);
  }
}

PartCheck CheckNumberWithDigit(std::string_view part) {
  const std::u32string chars = DecodeUtf8(part);
  if (chars.size() < 2) return NotANumber(chars);
  const std::u32string_view number(chars.data(), chars.size() - 1);
  const char32_t typed = chars.back();
  // Letters fail before the digit is compared; a number too large for 32
  // bits only once its digit matched.
  if (!AllDigits(number)) return NotANumber(number);
  const char right = card::CheckDigit(EncodeUtf8(number));
  if (static_cast<char32_t>(right) != typed) {
    return Refuse(kDigitTitle, WrongDigitMessage(EncodeUtf8(number), right, EncodeUtf8(std::u32string(1, typed))));
  }
  return ReadNumber(number);
}

std::optional<PartCheck> CheckSeparatedDigit(std::string_view text) {
  const std::u32string chars = DecodeUtf8(Trim(text));
  if (chars.size() < 3 || !AllDigits(std::u32string_view(chars).substr(chars.size() - 1))) return std::nullopt;
  std::size_t number_end = chars.size() - 1;
  int hyphens = 0;
  while (number_end > 0 && (chars[number_end - 1] == U' ' || chars[number_end - 1] == U'-')) {
    hyphens += chars[number_end - 1] == U'-';
    --number_end;
  }
  const std::u32string_view number = std::u32string_view(chars).substr(0, number_end);
  const bool separated = number_end < chars.size() - 1;
  if (!separated || hyphens > 1 || number.empty() || number.size() > 6 || !AllDigits(number)) return std::nullopt;
  if (hyphens == 1 && number.size() >= 2 && number.size() <= 5 && CheckNumberWithDigit(EncodeUtf8(number)).card) {
    return std::nullopt;
  }
  std::u32string joined(number);
  joined += chars.back();
  PartCheck checked = CheckNumberWithDigit(EncodeUtf8(joined));
  if (checked.card && *checked.card != 0 && !card::CardBank::InRange(*checked.card)) {
    return Refuse(kNoSuchCardTitle, NoSuchCardMessage(*checked.card));
  }
  return checked;
}

PartCheck CheckBarCode(std::string_view part, const EntryKeys& keys) {
  const std::u32string chars = DecodeUtf8(part);
  if (keys.password.empty()) return Refuse(kPasswordTitle, std::string(kPasswordMessage));
  if (chars.size() != kBarCodeLength) return NotANumber(chars);
  PartCheck number = ReadNumber(std::u32string_view(chars).substr(0, 6));
  if (!number.card) return number;
  const std::int32_t card = *number.card;
  if (!card::CardBank::InRange(card)) return Refuse(kNoSuchCardTitle, NoSuchCardMessage(card));
  if (!keys.bank.HasRecord(card)) return Refuse(kNoSuchCardTitle, EmptyRecordMessage(card));
  const std::string code = card::CardAuthenticationCode(keys.bank, card, keys.password, keys.issuer);
  if (code.empty()) {
    return Refuse(kNoSuchCardTitle, "Os números da cartela " + SixDigits(card) +
                                        " no banco de cartelas não são válidos: o código de autenticação não "
                                        "pode ser calculado.");
  }
  if (EncodeUtf8(std::u32string_view(chars).substr(7, 5)) != code) {
    return Refuse(kForgedTitle, std::string(kForgedMessage));
  }
  return number;
}

bool IsSheetCode(std::int64_t code) { return code >= kFirstSheetCode && code <= kLastSheetCode; }

bool IsValidSheetCode(std::int64_t code) {
  // The first digit is the size d, the next five the first card f.
  const std::string text = std::to_string(code);
  if (code <= 0 || text.size() < 2) return false;
  const int size = text[0] - '0';
  const std::int64_t first = std::stoll(text.substr(1, 5));
  return first % size == 1;
}

ParsedDirectEntry ParseDirectEntry(std::string_view text, const EntryKeys& keys) {
  using Kind = ParsedDirectEntry::Kind;
  if (text.empty()) return {};
  std::u32string chars = DecodeUtf8(text);
  if (chars.size() > kCharactersRead) chars.resize(kCharactersRead);

  // p: 1-based position of the first hyphen among characters 1..20, or 20.
  std::size_t p = kHyphenSearched;
  const auto hyphen = std::u32string_view(chars).substr(0, kHyphenSearched).find(U'-');
  if (hyphen != std::u32string_view::npos) p = hyphen + 1;
  const std::u32string_view all(chars);
  if (auto card = CheckSeparatedDigit(EncodeUtf8(all))) {
    if (!card->card) return Refused(card->refusal);
    if (*card->card == 0) return {};
    return {Kind::Codes, {}, {*card->card, *card->card, true}};
  }
  const std::string start_part = Trimmed(all.substr(0, std::min(p - 1, all.size())));
  const std::string end_part = p < all.size() ? Trimmed(all.substr(p)) : std::string();

  const std::size_t start_length = CharacterCount(start_part);
  if (start_length < 2) return {};
  const PartCheck start =
      start_length == kBarCodeLength ? CheckBarCode(start_part, keys) : CheckNumberWithDigit(start_part);
  if (!start.card) return Refused(start.refusal);

  std::int32_t end = 0;
  if (CharacterCount(end_part) >= 2) {
    const PartCheck checked = CheckNumberWithDigit(end_part);
    if (!checked.card) return Refused(checked.refusal);
    end = *checked.card;
  }

  if (*start.card == 0) return {};
  CodeRange codes;
  codes.start = *start.card;
  codes.last = end >= codes.start ? end : codes.start;
  codes.single = codes.last == codes.start;
  if (IsSheetCode(codes.start) && (!IsValidSheetCode(codes.start) || !IsValidSheetCode(codes.last))) {
    return {Kind::Dropped, {}, {}};
  }
  return {Kind::Codes, {}, codes};
}

ParsedBatchEntry ParseBatchEntry(std::string_view text, const EntryKeys& keys) {
  using Kind = ParsedBatchEntry::Kind;
  if (text.empty()) return {};
  const std::string_view part = Trim(text);
  const std::size_t length = CharacterCount(part);
  if (length < 2) return {};
  if (auto card = CheckSeparatedDigit(part)) {
    if (!card->card) return {Kind::Refused, card->refusal, 0};
    if (*card->card == 0) return {};
    return {Kind::Card, {}, *card->card};
  }
  const PartCheck checked = length == kBarCodeLength ? CheckBarCode(part, keys) : CheckNumberWithDigit(part);
  if (!checked.card) return {Kind::Refused, checked.refusal, 0};
  if (*checked.card == 0) return {};
  return {Kind::Card, {}, *checked.card};
}

WalkEnd WalkCodes(const CodeRange& codes, std::int32_t highest_card,
                  const std::function<bool(std::int32_t card)>& visit) {
  for (std::int64_t code = codes.start; code <= codes.last;) {
    std::int64_t first = code;
    std::int64_t count = 1;
    if (IsSheetCode(code)) {
      first = code % 100'000;
      count = code / 100'000;
    }
    // A walk across sheet sizes can reach first card 0 (sheet 400000); no
    // card lies below 1 either.
    if (first < 1 || first > highest_card) return {WalkEnd::Kind::OutsideBank, static_cast<std::int32_t>(first)};
    for (std::int64_t card = first; card < first + count; ++card) {
      if (!visit(static_cast<std::int32_t>(card))) return {WalkEnd::Kind::Stopped, static_cast<std::int32_t>(card)};
    }
    code += count;
  }
  return {};
}

std::optional<std::string> AppendCheckDigit(std::string_view text) {
  const std::string_view trimmed = Trim(text);
  if (!std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  return std::string(trimmed) + card::CheckDigit(trimmed);
}

}  // namespace tavelao::validation
