#pragma once
// A print layout as plain data: the sheet, the number of columns, an
// optional page header band and the detail band printed once per record,
// each band holding items placed in layout pixels from the band's top left.
//
// Text items are made of segments: fixed words and values of the current
// record (a field of the table, or a value the record hook computed, such as
// the authentication line). A label is a text of fixed words only.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "report/geometry.h"
#include "report/page_setup.h"
#include "report/style.h"

namespace tavelao::report {

// Fixed words, or the value named `value` ("Numero", "LabelSenha") shown
// through `display_format`: "000000" pads a whole number with zeros to six
// digits; empty shows it as it is.
struct TextSegment {
  std::string literal;
  std::string value;
  std::string display_format;
  friend bool operator==(const TextSegment&, const TextSegment&) = default;
};

struct TextContent {
  std::vector<TextSegment> segments;
  TextStyle style;
};

// A straight line from the item's top left by (width, height): a horizontal
// rule has height 0, a vertical one width 0.
struct RuleContent {
  Pen pen;
};

// The four sides of the item's rectangle, optionally filled.
struct BoxContent {
  Pen pen;
  std::optional<Colour> fill;
};

// A picture scaled into the item's rectangle, keeping its proportions
// unless stretched over it. It comes from the bytes given or is read from
// `file` when the document is made; a missing file shows nothing.
struct PictureContent {
  std::filesystem::path file;
  std::shared_ptr<const std::string> bytes;
  bool stretch = false;
};

// The bar-code picture that the record hook made under the name `value`
// ("ImBarra"), drawn bar by bar inside the item with `quiet_zone` narrow
// elements of white on either side.
struct BarCodeContent {
  std::string value;
  int quiet_zone = 10;
};

// Formatted text (HTML as Qt's rich text understands it), laid out to the
// item's width and cut at its rectangle.
struct RichTextContent {
  std::shared_ptr<const std::string> html;
};

using ItemContent = std::variant<TextContent, RuleContent, BoxContent, PictureContent, BarCodeContent, RichTextContent>;

struct LayoutItem {
  std::string name;  // as the layout's documents call it: "QN1", "LabelSenha", "ImBarra"
  Rect rect;
  ItemContent content;
  bool visible = true;
};

struct Band {
  double height = 0;
  // The band's four sides; none when the width is 0.
  Pen border{0};
  std::vector<LayoutItem> items;

  // The first item of that name, or nullptr.
  LayoutItem* Find(std::string_view name);
  const LayoutItem* Find(std::string_view name) const;
};

struct Layout {
  std::string name;  // "FormCar"
  PageSetup page;
  // Detail bands fill a row of columns left to right, then the next row.
  int columns = 1;
  std::optional<Band> page_header;
  Band detail;
  // An empty record set still gives one page with its page header.
  bool print_if_empty = true;

  double ColumnWidth() const { return page.Printable().width / columns; }
};

// Item makers for the layouts.
LayoutItem Label(std::string name, Rect rect, std::string caption, TextStyle style);
// A text of segments: Literal("Cartela: "), Value("Numero", "000000"), ...
LayoutItem Text(std::string name, Rect rect, std::vector<TextSegment> segments, TextStyle style);
// The value of one field or hook value of the current record.
LayoutItem FieldText(std::string name, Rect rect, std::string value, TextStyle style, std::string display_format = {});
LayoutItem Rule(std::string name, Point from, Point to, Pen pen = {});
LayoutItem Box(std::string name, Rect rect, Pen pen = {}, std::optional<Colour> fill = std::nullopt);
LayoutItem Picture(std::string name, Rect rect, std::filesystem::path file);
LayoutItem BarCode(std::string name, Rect rect, std::string value, int quiet_zone = 10);
LayoutItem RichText(std::string name, Rect rect, std::shared_ptr<const std::string> html);

TextSegment Literal(std::string words);
TextSegment Value(std::string name, std::string display_format = {});

}  // namespace tavelao::report
