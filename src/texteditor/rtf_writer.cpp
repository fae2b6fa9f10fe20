#include "texteditor/rtf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "common/windows1252.h"

namespace tavelao::texteditor {
namespace {

constexpr std::string_view kFallbackFont = "Arial";

// The bullet hangs this far left of the item's text.
constexpr int kBulletHangTwips = 360;

int Twips(double points) { return static_cast<int>(std::lround(points * 20)); }

std::string HexByte(unsigned char byte) {
  char out[5];
  std::snprintf(out, sizeof out, "\\'%02x", byte);
  return out;
}

// Table entries in order of first use, so that the writing is stable.
template <typename T>
int IndexOf(std::vector<T>& table, const T& value) {
  const auto found = std::find(table.begin(), table.end(), value);
  if (found != table.end()) return static_cast<int>(found - table.begin());
  table.push_back(value);
  return static_cast<int>(table.size() - 1);
}

void AppendEscaped(std::string& out, std::string_view utf8) {
  for (char32_t c : DecodeUtf8(utf8)) {
    if (c == U'\\' || c == U'{' || c == U'}') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c == U'\n') {
      out += "\\line ";
    } else if (c == U'\t') {
      out += "\\tab ";
    } else if (c >= 0x20 && c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x20) {
      continue;
    } else {
      const std::string one = EncodeUtf8(std::u32string_view(&c, 1));
      const std::string byte = ToWindows1252(one);
      if (byte != "?" && FromWindows1252(static_cast<unsigned char>(byte[0])) == c) {
        out += HexByte(static_cast<unsigned char>(byte[0]));
        continue;
      }
      // Outside the code page: \u with a "?" for readers without Unicode,
      // as a surrogate pair beyond the basic plane.
      const auto unit = [&out](char32_t u) { out += "\\u" + std::to_string(static_cast<std::int16_t>(u)) + "?"; };
      if (c > 0xFFFF) {
        unit(0xD800 + ((c - 0x10000) >> 10));
        unit(0xDC00 + ((c - 0x10000) & 0x3FF));
      } else {
        unit(c);
      }
    }
  }
}

}  // namespace

std::string WriteRtf(const RichText& text) {
  std::vector<std::string> fonts{std::string(kFallbackFont)};
  std::vector<Rgb> colours;
  bool any_bullet = false;
  for (const Paragraph& paragraph : text.paragraphs) {
    any_bullet = any_bullet || paragraph.style.bullet;
    for (const TextRun& run : paragraph.runs) {
      if (!run.style.font.empty()) IndexOf(fonts, run.style.font);
      if (run.style.colour) IndexOf(colours, *run.style.colour);
    }
  }

  std::string body;
  for (const Paragraph& paragraph : text.paragraphs) {
    const ParagraphStyle& style = paragraph.style;
    body += "\\pard";
    switch (style.alignment) {
      case Alignment::kLeft:
        body += "\\ql";
        break;
      case Alignment::kCentre:
        body += "\\qc";
        break;
      case Alignment::kRight:
        body += "\\qr";
        break;
      case Alignment::kJustify:
        body += "\\qj";
        break;
    }
    const int left = Twips(style.left_indent);
    const int first = style.bullet ? -kBulletHangTwips : Twips(style.first_line_indent);
    body += "\\li" + std::to_string(left) + "\\fi" + std::to_string(first);
    if (style.bullet) {
      // The list for word processors, the \pn form for older editors, the
      // bullet itself for readers of neither.
      body += "\\ls1\\ilvl0{\\listtext\\plain\\f0 \\'95\\tab}{\\*\\pn\\pnlvlblt\\pnf0\\pnindent" +
              std::to_string(kBulletHangTwips) + "{\\pntxtb\\'95}}";
    }
    for (const TextRun& run : paragraph.runs) {
      const CharStyle& c = run.style;
      body += "\\plain\\f" + std::to_string(c.font.empty() ? 0 : IndexOf(fonts, c.font));
      body += "\\fs" + std::to_string(std::max(1L, std::lround(c.points * 2)));
      if (c.bold) body += "\\b";
      if (c.italic) body += "\\i";
      if (c.underline) body += "\\ul";
      if (c.colour) body += "\\cf" + std::to_string(IndexOf(colours, *c.colour) + 1);
      body += ' ';
      AppendEscaped(body, run.text);
    }
    body += "\\par\n";  // ends every paragraph, the last one too, as word processors do
  }

  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
  for (std::size_t f = 0; f < fonts.size(); ++f) {
    out += "{\\f" + std::to_string(f) + "\\fnil\\fcharset0 ";
    std::string name = fonts[f];
    std::erase(name, ';');  // ends the entry; no font name needs it
    AppendEscaped(out, name);
    out += ";}";
  }
  out += "}\n{\\colortbl;";
  for (const Rgb& c : colours) {
    out +=
        "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" + std::to_string(c.blue) + ";";
  }
  out += "}\n";
  if (any_bullet) {
    out +=
        "{\\*\\listtable{\\list\\listtemplateid1\\listsimple{\\listlevel\\levelnfc23\\leveljc0\\levelfollow0"
        "\\levelstartat1{\\leveltext\\'01\\'95;}{\\levelnumbers;}\\fi-" +
        std::to_string(kBulletHangTwips) + "\\li720}\\listid1}}\n" +
        "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\n";
  }
  out += "\\viewkind4\n" + body + "}\n";
  return out;
}

}  // namespace tavelao::texteditor
