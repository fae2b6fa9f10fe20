#pragma once
// The formatted free text as plain data: paragraphs of runs of equally
// formatted characters. The RTF reader and writer work on it without Qt; the
// editor's document is filled from it and read back into it.

#include <optional>
#include <string>
#include <vector>

#include "common/rgb.h"

namespace tavelao::texteditor {

inline constexpr double kDefaultPoints = 12;

struct CharStyle {
  std::string font;  // family name; empty: the editor's default font
  double points = kDefaultPoints;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::optional<Rgb> colour;  // none: the automatic colour (black)
  friend bool operator==(const CharStyle&, const CharStyle&) = default;
};

enum class Alignment { kLeft, kCentre, kRight, kJustify };

// Indents in points; the first line's is relative to the left one and may
// be negative (a hanging first line).
struct ParagraphStyle {
  Alignment alignment = Alignment::kLeft;
  double left_indent = 0;
  double first_line_indent = 0;
  bool bullet = false;
  friend bool operator==(const ParagraphStyle&, const ParagraphStyle&) = default;
};

// UTF-8; '\n' is a line break inside the paragraph, '\t' a tab.
struct TextRun {
  std::string text;
  CharStyle style;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

struct Paragraph {
  ParagraphStyle style;
  std::vector<TextRun> runs;
  friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct RichText {
  std::vector<Paragraph> paragraphs;
  friend bool operator==(const RichText&, const RichText&) = default;
};

}  // namespace tavelao::texteditor
