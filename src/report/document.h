#pragma once
// A finished document: pages of items placed on the sheet, with every text,
// picture and bar code resolved. It holds everything it needs, so it can be
// previewed, printed or written to PDF after the table it came from is
// gone.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "card/bar_code.h"
#include "report/geometry.h"
#include "report/page_setup.h"
#include "report/style.h"

namespace tavelao::report {

struct PlacedText {
  std::string text;
  TextStyle style;
};

struct PlacedRule {
  Pen pen;
};

struct PlacedBox {
  Pen pen;
  std::optional<Colour> fill;
};

struct PlacedPicture {
  std::shared_ptr<const std::string> bytes;  // the file's bytes (JPEG, PNG...)
  bool stretch = false;                      // fills the rectangle instead of keeping proportions
};

struct PlacedBarCode {
  card::BarCodeImage image;
  int quiet_zone = 10;
};

struct PlacedRichText {
  std::shared_ptr<const std::string> html;
};

using PlacedContent = std::variant<PlacedText, PlacedRule, PlacedBox, PlacedPicture, PlacedBarCode, PlacedRichText>;

// Which band printed an item: the page header, or the n-th detail band of
// the page (0 first).
inline constexpr int kPageHeader = -1;

struct PlacedItem {
  std::string name;
  Rect rect;  // on the sheet, from its top left corner
  PlacedContent content;
  int band = kPageHeader;
};

struct Page {
  std::vector<PlacedItem> items;
  int details = 0;  // detail bands (records) printed on this page
  // Where each detail band (each card) sits on the sheet, band 0 first.
  std::vector<Rect> bands;

  // Items of one band, and the first of them with that name.
  std::vector<const PlacedItem*> BandItems(int band) const;
  const PlacedItem* Find(std::string_view name, int band) const;
  // The text of a text item, or nullopt when the band has no such text.
  std::optional<std::string> TextOf(std::string_view name, int band) const;
};

struct Document {
  std::string name;  // the layout's name
  PageSetup page;
  std::vector<Page> pages;
  std::size_t records = 0;  // detail bands over all pages
};

}  // namespace tavelao::report
