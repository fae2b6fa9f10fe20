#include "texteditor/rtf_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/text.h"
#include "common/windows1252.h"

namespace tavelao::texteditor {
namespace {

// Deeper groups share the state of the last one kept, so that a hostile
// file cannot grow the stack without bound.
constexpr std::size_t kMaxDepth = 200;
constexpr std::int32_t kParameterLimit = 1'000'000'000;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxUnicodeSkip = 16;
constexpr std::size_t kMaxFontName = 256;
constexpr std::size_t kMaxTableEntries = 4096;
constexpr int kMaxIndentTwips = 31680;  // 22 inches
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;

enum class Destination { kText, kSkip, kFontTable, kColourTable, kListLabel, kNumbering };

struct ParagraphState {
  Alignment alignment = Alignment::kLeft;
  int left_twips = 0;
  int first_twips = 0;
  bool in_list = false;  // \ls: a list whose label comes in \listtext
};

struct CharState {
  int font = -1;  // -1: the document's default font
  int half_points = kDefaultHalfPoints;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int colour = 0;  // index in the colour table; 0 is automatic
  friend bool operator==(const CharState&, const CharState&) = default;
};

struct GroupState {
  Destination destination = Destination::kText;
  CharState chars;
  ParagraphState paragraph;
  int unicode_skip = 1;
};

enum class Word {
  kUnknown,
  // destinations
  kFontTable,
  kColourTable,
  kSkipped,
  kListLabel,
  kNumbering,
  // document and tables
  kDefaultFont,
  kFontNumber,
  kRed,
  kGreen,
  kBlue,
  kBin,
  // characters
  kPlain,
  kBold,
  kItalic,
  kUnderline,
  kUnderlineNone,
  kFontSize,
  kColour,
  kUnicode,
  kUnicodeSkip,
  // paragraphs
  kParagraphDefault,
  kLeft,
  kCentre,
  kRight,
  kJustify,
  kLeftIndent,
  kFirstIndent,
  kListNumber,
  kLegacyBullet,
  // breaks and special characters
  kPar,
  kLine,
  kTab,
  kCell,
  kCharacter,
};

struct WordInfo {
  Word word;
  char32_t character = 0;  // for kCharacter
};

const std::unordered_map<std::string_view, WordInfo>& Words() {
  static const std::unordered_map<std::string_view, WordInfo> words = [] {
    std::unordered_map<std::string_view, WordInfo> w;
    w["fonttbl"] = {Word::kFontTable};
    w["colortbl"] = {Word::kColourTable};
    for (std::string_view skipped : {"stylesheet",
                                     "info",
                                     "pict",
                                     "object",
                                     "header",
                                     "headerl",
                                     "headerr",
                                     "headerf",
                                     "footer",
                                     "footerl",
                                     "footerr",
                                     "footerf",
                                     "footnote",
                                     "annotation",
                                     "fldinst",
                                     "xe",
                                     "tc",
                                     "txe",
                                     "rxe",
                                     "listtable",
                                     "listoverridetable",
                                     "revtbl",
                                     "rsidtbl",
                                     "filetbl",
                                     "themedata",
                                     "colorschememapping",
                                     "datastore",
                                     "latentstyles",
                                     "xmlnstbl",
                                     "generator",
                                     "userprops",
                                     "docvar",
                                     "pgdsctbl",
                                     "nonshppict",
                                     "shp",
                                     "shpinst",
                                     "bkmkstart",
                                     "bkmkend",
                                     "template",
                                     "private",
                                     "atnid",
                                     "atnauthor",
                                     "upr"}) {
      w[skipped] = {Word::kSkipped};
    }
    w["listtext"] = {Word::kListLabel};
    w["pntext"] = {Word::kListLabel};
    w["pn"] = {Word::kNumbering};
    w["deff"] = {Word::kDefaultFont};
    w["f"] = {Word::kFontNumber};
    w["red"] = {Word::kRed};
    w["green"] = {Word::kGreen};
    w["blue"] = {Word::kBlue};
    w["bin"] = {Word::kBin};
    w["plain"] = {Word::kPlain};
    w["b"] = {Word::kBold};
    w["i"] = {Word::kItalic};
    for (std::string_view underline :
         {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd", "ulthdash",
          "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
      w[underline] = {Word::kUnderline};
    }
    w["ulnone"] = {Word::kUnderlineNone};
    w["fs"] = {Word::kFontSize};
    w["cf"] = {Word::kColour};
    w["u"] = {Word::kUnicode};
    w["uc"] = {Word::kUnicodeSkip};
    w["pard"] = {Word::kParagraphDefault};
    w["ql"] = {Word::kLeft};
    w["qc"] = {Word::kCentre};
    w["qr"] = {Word::kRight};
    w["qj"] = {Word::kJustify};
    w["qd"] = {Word::kJustify};
    w["li"] = {Word::kLeftIndent};
    w["lin"] = {Word::kLeftIndent};
    w["fi"] = {Word::kFirstIndent};
    w["ls"] = {Word::kListNumber};
    w["pnlvlblt"] = {Word::kLegacyBullet};
    w["par"] = {Word::kPar};
    w["sect"] = {Word::kPar};
    w["row"] = {Word::kPar};
    w["line"] = {Word::kLine};
    w["tab"] = {Word::kTab};
    w["cell"] = {Word::kCell};
    w["nestcell"] = {Word::kCell};
    w["emdash"] = {Word::kCharacter, 0x2014};
    w["endash"] = {Word::kCharacter, 0x2013};
    w["bullet"] = {Word::kCharacter, 0x2022};
    w["lquote"] = {Word::kCharacter, 0x2018};
    w["rquote"] = {Word::kCharacter, 0x2019};
    w["ldblquote"] = {Word::kCharacter, 0x201C};
    w["rdblquote"] = {Word::kCharacter, 0x201D};
    w["emspace"] = {Word::kCharacter, 0x2003};
    w["enspace"] = {Word::kCharacter, 0x2002};
    w["qmspace"] = {Word::kCharacter, 0x2005};
    return w;
  }();
  return words;
}

// What list labels that mean "bullet" look like: the bullet itself, the
// Symbol font's middle dot, dashes and squares.
bool IsBulletLabel(std::u32string_view label) {
  std::u32string kept;
  for (char32_t c : label) {
    if (c != U'\t' && c != U' ' && c != 0xA0) kept.push_back(c);
  }
  if (kept.empty()) return true;
  if (kept.size() != 1) return false;
  switch (kept[0]) {
    case 0x2022:
    case 0x00B7:
    case 0x25CF:
    case 0x25AA:
    case 0x25A0:
    case 0x25E6:
    case 0x2013:
    case 0x2014:
    case U'-':
    case U'*':
    case U'o':
    case 0xF0B7:
    case 0xF0A7:
    case 0xF076:
    case 0xF0D8:
    case 0x2043:
    case 0x27A2:
    case 0x2713:
    case 0x2714:
    case 0x25CB:
    case 0x25C6:
      return true;
    default:
      return false;
  }
}

int Clamp(std::int32_t value, int low, int high) {
  return static_cast<int>(std::clamp<std::int32_t>(value, low, high));
}

class Reader {
 public:
  explicit Reader(std::string_view rtf) : in_(rtf) {}

  RichText Read() {
    const std::size_t start = in_.find('{');
    pos_ = start == std::string_view::npos ? in_.size() : start;
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      if (c == '{') {
        OpenGroup();
      } else if (c == '}') {
        if (!CloseGroup()) break;  // the document's own group has ended
      } else if (c == '\\') {
        ReadControl();
      } else if (c == '\r' || c == '\n') {
        // line ends of the file carry no meaning
      } else if (c == '\t') {
        Character(U'\t');
      } else {
        Byte(static_cast<unsigned char>(c));
      }
    }
    if (!stack_.empty()) EndParagraph(/*at_end=*/true);  // a file cut short
    return std::move(text_);
  }

 private:
  GroupState& state() { return stack_.back(); }

  void OpenGroup() {
    skip_ = 0;
    if (stack_.empty()) {
      stack_.emplace_back();
    } else if (stack_.size() >= kMaxDepth) {
      ++flattened_;
    } else {
      stack_.push_back(stack_.back());
    }
  }

  // False once the outermost group is closed.
  bool CloseGroup() {
    skip_ = 0;
    if (flattened_ > 0) {
      --flattened_;
      return true;
    }
    if (stack_.empty()) return true;  // a stray brace before the document
    if (state().destination == Destination::kFontTable) CommitFont();
    if (stack_.size() == 1) {
      EndParagraph(/*at_end=*/true);
      stack_.pop_back();
      return false;
    }
    stack_.pop_back();
    return true;
  }

  void ReadControl() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (IsLetter(c)) {
      const std::size_t start = pos_;
      while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
      const std::string_view name = in_.substr(start, std::min(pos_ - start, kMaxWordLength + 1));
      bool has_parameter = false;
      std::int32_t parameter = 0;
      bool negative = false;
      if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
      }
      while (pos_ < in_.size() && IsDigit(in_[pos_])) {
        has_parameter = true;
        parameter = static_cast<std::int32_t>(
            std::min<std::int64_t>(kParameterLimit, std::int64_t{parameter} * 10 + (in_[pos_] - '0')));
        ++pos_;
      }
      if (negative) parameter = -parameter;
      if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
      ControlWord(name, has_parameter, parameter);
      return;
    }
    ++pos_;
    switch (c) {
      case '\'': {
        // A broken escape drops the hex digits it has.
        const int high = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
        if (high < 0) return;
        ++pos_;
        const int low = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
        if (low < 0) return;
        ++pos_;
        Byte(static_cast<unsigned char>(high * 16 + low), /*escaped=*/true);
        return;
      }
      case '*':
        ignorable_ = true;
        return;
      case '\\':
      case '{':
      case '}':
        Character(static_cast<unsigned char>(c));
        return;
      case '~':
        Character(0xA0);
        return;
      case '_':
        Character(U'-');
        return;
      case '\r':
      case '\n':
        if (!Skipping()) EndParagraph(false);
        return;
      default:
        return;  // \- optional hyphen, \| and other symbols without text
    }
  }

  // Unicode fallback characters count down here; true while one is eaten.
  bool Skipping() {
    if (skip_ == 0) return false;
    --skip_;
    return true;
  }

  void ControlWord(std::string_view name, bool has_parameter, std::int32_t parameter) {
    const bool ignorable = ignorable_;
    ignorable_ = false;
    const auto found = Words().find(name);
    const WordInfo info = found == Words().end() ? WordInfo{Word::kUnknown} : found->second;
    if (info.word == Word::kBin) {
      const std::size_t bytes = has_parameter && parameter > 0 ? static_cast<std::size_t>(parameter) : 0;
      pos_ += std::min(bytes, in_.size() - pos_);
      return;
    }
    if (stack_.empty()) return;
    if (info.word == Word::kUnicode) {
      if (state().destination == Destination::kSkip) return;
      skip_ = 0;
      Unicode(parameter);
      skip_ = state().unicode_skip;
      return;
    }
    if (Skipping()) return;

    GroupState& s = state();
    // A destination marked \* that is not one of ours is skipped whole.
    if (ignorable && info.word != Word::kNumbering) {
      s.destination = Destination::kSkip;
      return;
    }
    if (s.destination == Destination::kSkip) return;
    const auto flag = [&] { return !has_parameter || parameter != 0; };
    switch (info.word) {
      case Word::kFontTable:
        s.destination = Destination::kFontTable;
        return;
      case Word::kColourTable:
        s.destination = Destination::kColourTable;
        colour_pending_ = {};
        colour_set_ = false;
        return;
      case Word::kSkipped:
        s.destination = Destination::kSkip;
        return;
      case Word::kListLabel:
        if (s.destination == Destination::kText) s.destination = Destination::kListLabel;
        return;
      case Word::kNumbering:
        s.destination = Destination::kNumbering;
        return;
      case Word::kLegacyBullet:
        legacy_bullet_ = true;
        return;
      default:
        break;
    }
    if (s.destination == Destination::kNumbering) return;
    if (s.destination == Destination::kFontTable) {
      if (info.word == Word::kFontNumber) {
        CommitFont();
        font_number_ = parameter;
      }
      return;
    }
    if (s.destination == Destination::kColourTable) {
      const auto component = static_cast<std::uint8_t>(Clamp(parameter, 0, 255));
      if (info.word == Word::kRed) colour_pending_.red = component;
      if (info.word == Word::kGreen) colour_pending_.green = component;
      if (info.word == Word::kBlue) colour_pending_.blue = component;
      if (info.word == Word::kRed || info.word == Word::kGreen || info.word == Word::kBlue) colour_set_ = true;
      return;
    }
    switch (info.word) {
      case Word::kDefaultFont:
        default_font_ = parameter;
        return;
      case Word::kFontNumber:
        s.chars.font = parameter;
        return;
      case Word::kPlain:
        s.chars = CharState{};
        return;
      case Word::kBold:
        s.chars.bold = flag();
        return;
      case Word::kItalic:
        s.chars.italic = flag();
        return;
      case Word::kUnderline:
        s.chars.underline = flag();
        return;
      case Word::kUnderlineNone:
        s.chars.underline = false;
        return;
      case Word::kFontSize:
        s.chars.half_points = parameter > 0 ? Clamp(parameter, 1, kMaxHalfPoints) : kDefaultHalfPoints;
        return;
      case Word::kColour:
        s.chars.colour = Clamp(parameter, 0, kParameterLimit);
        return;
      case Word::kUnicodeSkip:
        s.unicode_skip = Clamp(parameter, 0, kMaxUnicodeSkip);
        return;
      case Word::kParagraphDefault:
        s.paragraph = ParagraphState{};
        legacy_bullet_ = false;
        return;
      case Word::kLeft:
        s.paragraph.alignment = Alignment::kLeft;
        return;
      case Word::kCentre:
        s.paragraph.alignment = Alignment::kCentre;
        return;
      case Word::kRight:
        s.paragraph.alignment = Alignment::kRight;
        return;
      case Word::kJustify:
        s.paragraph.alignment = Alignment::kJustify;
        return;
      case Word::kLeftIndent:
        s.paragraph.left_twips = Clamp(parameter, -kMaxIndentTwips, kMaxIndentTwips);
        return;
      case Word::kFirstIndent:
        s.paragraph.first_twips = Clamp(parameter, -kMaxIndentTwips, kMaxIndentTwips);
        return;
      case Word::kListNumber:
        s.paragraph.in_list = parameter > 0;
        return;
      case Word::kPar:
        EndParagraph(false);
        return;
      case Word::kLine:
        Character(U'\n');
        return;
      case Word::kTab:
      case Word::kCell:
        Character(U'\t');
        return;
      case Word::kCharacter:
        Character(info.character);
        return;
      default:
        return;  // words we do not need are ignored, their text kept
    }
  }

  void Unicode(std::int32_t parameter) {
    // Parameters are signed 16-bit: -10179 stands for 0xD83D.
    char32_t code = static_cast<char32_t>(parameter < 0 ? parameter + 65536 : parameter);
    if (code > 0xFFFF) code = 0xFFFD;
    if (code >= 0xD800 && code <= 0xDBFF) {
      high_surrogate_ = code;
      return;
    }
    if (code >= 0xDC00 && code <= 0xDFFF) {
      if (high_surrogate_ == 0) return Character(0xFFFD);
      code = 0x10000 + ((high_surrogate_ - 0xD800) << 10) + (code - 0xDC00);
    }
    high_surrogate_ = 0;
    Character(code);
  }

  void Byte(unsigned char byte, bool escaped = false) {
    if (!escaped && byte < 0x20) return;
    Character(FromWindows1252(byte));
  }

  void Character(char32_t c) {
    if (stack_.empty() || Skipping()) return;
    if (high_surrogate_ != 0) {
      high_surrogate_ = 0;
      Character(0xFFFD);
    }
    if (c < 0x20 && c != U'\t' && c != U'\n') return;
    switch (state().destination) {
      case Destination::kText:
        if (pending_.empty()) {
          pending_chars_ = state().chars;
        } else if (!(pending_chars_ == state().chars)) {
          Flush();
          pending_chars_ = state().chars;
        }
        pending_.push_back(c);
        return;
      case Destination::kFontTable:
        if (c == U';') {
          CommitFont();
        } else if (font_name_.size() < kMaxFontName) {
          font_name_.push_back(c);
        }
        return;
      case Destination::kColourTable:
        if (c == U';' && colours_.size() < kMaxTableEntries) {
          colours_.push_back(colour_set_ ? std::optional<Rgb>(colour_pending_) : std::nullopt);
          colour_pending_ = {};
          colour_set_ = false;
        }
        return;
      case Destination::kListLabel:
        if (label_.size() < kMaxFontName) label_.push_back(c);
        return;
      case Destination::kSkip:
      case Destination::kNumbering:
        return;
    }
  }

  void CommitFont() {
    const std::string name(Trim(EncodeUtf8(font_name_)));
    font_name_.clear();
    if (name.empty() || (fonts_.size() >= kMaxTableEntries && !fonts_.contains(font_number_))) return;
    fonts_[font_number_] = name;
  }

  CharStyle StyleOf(const CharState& chars) const {
    CharStyle style;
    const auto font = fonts_.find(chars.font < 0 ? default_font_ : chars.font);
    if (font != fonts_.end()) style.font = font->second;
    style.points = chars.half_points / 2.0;
    style.bold = chars.bold;
    style.italic = chars.italic;
    style.underline = chars.underline;
    if (chars.colour >= 0 && static_cast<std::size_t>(chars.colour) < colours_.size()) {
      style.colour = colours_[chars.colour];
    }
    return style;
  }

  void Flush() {
    if (pending_.empty()) return;
    CharStyle style = StyleOf(pending_chars_);
    std::string text = EncodeUtf8(pending_);
    pending_.clear();
    if (!runs_.empty() && runs_.back().style == style) {
      runs_.back().text += text;
    } else {
      runs_.push_back({std::move(text), std::move(style)});
    }
  }

  void EndParagraph(bool at_end) {
    Flush();
    if (at_end && runs_.empty()) return;
    const ParagraphState& p = state().paragraph;
    Paragraph paragraph;
    paragraph.style.alignment = p.alignment;
    paragraph.style.left_indent = p.left_twips / 20.0;
    const bool listed = p.in_list || legacy_bullet_;
    if (listed && (legacy_bullet_ || IsBulletLabel(label_))) {
      // The hanging first line of a bulleted paragraph is where its bullet
      // stands; the editor places bullets itself.
      paragraph.style.bullet = true;
    } else {
      paragraph.style.first_line_indent = p.first_twips / 20.0;
      if (listed && !label_.empty()) {
        // A numbered item keeps its number as text.
        CharStyle style = runs_.empty() ? StyleOf(state().chars) : runs_.front().style;
        runs_.insert(runs_.begin(), TextRun{EncodeUtf8(label_), std::move(style)});
      }
    }
    label_.clear();
    paragraph.runs = std::move(runs_);
    runs_.clear();
    text_.paragraphs.push_back(std::move(paragraph));
  }

  static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  static int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  std::string_view in_;
  std::size_t pos_ = 0;
  std::vector<GroupState> stack_;
  std::size_t flattened_ = 0;
  bool ignorable_ = false;
  int skip_ = 0;
  char32_t high_surrogate_ = 0;

  std::int32_t default_font_ = 0;
  std::map<std::int32_t, std::string> fonts_;
  std::int32_t font_number_ = 0;
  std::u32string font_name_;
  std::vector<std::optional<Rgb>> colours_;
  Rgb colour_pending_;
  bool colour_set_ = false;

  bool legacy_bullet_ = false;
  std::u32string label_;
  CharState pending_chars_;
  std::u32string pending_;
  std::vector<TextRun> runs_;
  RichText text_;
};

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::size_t start = bytes.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && bytes.substr(start).starts_with("{\\rtf");
}

Result<RichText> ReadRtf(std::string_view rtf) {
  if (!LooksLikeRtf(rtf)) return Fail("O arquivo não está no formato RTF.");
  return Reader(rtf).Read();
}

}  // namespace tavelao::texteditor
