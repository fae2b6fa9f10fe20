#include "texteditor/rich_text_document.h"

#include <QBrush>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>

namespace tavelao::texteditor {
namespace {

// Document margins and indents are in pixels of 96 per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

QString ToQt(const std::string& text) {
  QString out = QString::fromStdString(text);
  out.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
  return out;
}

QTextCharFormat ToQt(const CharStyle& style) {
  QTextCharFormat format;
  if (!style.font.empty()) format.setFontFamilies({QString::fromStdString(style.font)});
  format.setFontPointSize(style.points);
  format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(style.italic);
  format.setFontUnderline(style.underline);
  if (style.colour) format.setForeground(QColor(style.colour->red, style.colour->green, style.colour->blue));
  return format;
}

Qt::Alignment ToQt(Alignment alignment) {
  switch (alignment) {
    case Alignment::kCentre:
      return Qt::AlignHCenter;
    case Alignment::kRight:
      return Qt::AlignRight | Qt::AlignAbsolute;
    case Alignment::kJustify:
      return Qt::AlignJustify;
    case Alignment::kLeft:
      break;
  }
  return Qt::AlignLeft | Qt::AlignAbsolute;
}

Alignment FromQt(Qt::Alignment alignment) {
  if (alignment & Qt::AlignHCenter) return Alignment::kCentre;
  if (alignment & Qt::AlignJustify) return Alignment::kJustify;
  if (alignment & Qt::AlignRight) return Alignment::kRight;
  return Alignment::kLeft;
}

bool IsBullet(QTextListFormat::Style style) {
  return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
         style == QTextListFormat::ListSquare;
}

CharStyle FromQt(const QTextCharFormat& format, const QFont& base) {
  CharStyle style;
  const QStringList families = format.fontFamilies().toStringList();
  style.font = (families.isEmpty() ? base.family() : families.front()).toStdString();
  if (format.fontPointSize() > 0) {
    style.points = format.fontPointSize();
  } else if (format.hasProperty(QTextFormat::FontPixelSize)) {
    style.points = format.intProperty(QTextFormat::FontPixelSize) / kPixelsPerPoint;
  } else if (base.pointSizeF() > 0) {
    style.points = base.pointSizeF();
  }
  style.bold = format.fontWeight() > QFont::Medium;
  style.italic = format.fontItalic();
  style.underline = format.fontUnderline();
  if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
    const QColor c = format.foreground().color();
    style.colour = Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                       static_cast<std::uint8_t>(c.blue())};
  }
  return style;
}

void Append(std::vector<TextRun>& runs, std::string text, CharStyle style) {
  if (text.empty()) return;
  if (!runs.empty() && runs.back().style == style) {
    runs.back().text += text;
  } else {
    runs.push_back({std::move(text), std::move(style)});
  }
}

}  // namespace

void FillDocument(QTextDocument& document, const RichText& text) {
  document.clear();
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  QTextList* list = nullptr;
  bool first = true;
  for (const Paragraph& paragraph : text.paragraphs) {
    const ParagraphStyle& style = paragraph.style;
    QTextBlockFormat block;
    block.setAlignment(ToQt(style.alignment));
    // A bulleted item's text stands one list indent in; its own left
    // indent is what lies beyond.
    const double list_indent = style.bullet ? document.indentWidth() : 0;
    block.setLeftMargin(std::max(0.0, style.left_indent * kPixelsPerPoint - list_indent));
    block.setTextIndent(style.bullet ? 0 : style.first_line_indent * kPixelsPerPoint);
    const QTextCharFormat block_chars = paragraph.runs.empty() ? QTextCharFormat() : ToQt(paragraph.runs.front().style);
    if (first) {
      cursor.setBlockFormat(block);
      cursor.setBlockCharFormat(block_chars);
      first = false;
    } else {
      cursor.insertBlock(block, block_chars);
    }
    if (!style.bullet) {
      list = nullptr;
    } else if (list) {
      list->add(cursor.block());
    } else {
      QTextListFormat bullets;
      bullets.setStyle(QTextListFormat::ListDisc);
      bullets.setIndent(1);
      list = cursor.createList(bullets);
    }
    for (const TextRun& run : paragraph.runs) cursor.insertText(ToQt(run.text), ToQt(run.style));
  }
  cursor.endEditBlock();
  document.setModified(false);
}

RichText ReadDocument(const QTextDocument& document) {
  RichText text;
  const QFont base = document.defaultFont();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    Paragraph paragraph;
    const QTextBlockFormat format = block.blockFormat();
    paragraph.style.alignment = FromQt(format.alignment());
    double left = format.leftMargin() + format.indent() * document.indentWidth();
    if (QTextList* list = block.textList()) {
      left += list->format().indent() * document.indentWidth();
      if (IsBullet(list->format().style())) {
        paragraph.style.bullet = true;
      } else {
        Append(paragraph.runs, (list->itemText(block) + QLatin1Char(' ')).toStdString(),
               FromQt(block.charFormat(), base));
      }
    }
    paragraph.style.left_indent = left / kPixelsPerPoint;
    if (!paragraph.style.bullet) paragraph.style.first_line_indent = format.textIndent() / kPixelsPerPoint;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      QString piece = fragment.text();
      piece.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
      piece.remove(QChar(QChar::ObjectReplacementCharacter));
      Append(paragraph.runs, piece.toStdString(), FromQt(fragment.charFormat(), base));
    }
    text.paragraphs.push_back(std::move(paragraph));
  }
  return text;
}

}  // namespace tavelao::texteditor
