#include "report/band_engine.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace tavelao::report {
namespace {

// Pages hold a whole number of bands; rounding in the millimetre sizes must
// not push out a band that was designed to fit.
constexpr double kFitSlack = 0.5;

std::string DecimalText(const store::Value& value) {
  if (const auto* i = std::get_if<std::int32_t>(&value)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&value)) {
    std::ostringstream out;
    out << *d;
    return out.str();
  }
  return {};
}

// Pictures named by file are read once per document.
class PictureFiles {
 public:
  std::shared_ptr<const std::string> Bytes(const PictureContent& picture) {
    if (picture.bytes) return picture.bytes;
    if (picture.file.empty()) return nullptr;
    auto [it, added] = cache_.try_emplace(picture.file.string());
    if (added) {
      std::ifstream in(picture.file, std::ios::binary);
      if (in) {
        std::ostringstream bytes;
        bytes << in.rdbuf();
        it->second = std::make_shared<const std::string>(bytes.str());
      }
    }
    return it->second;
  }

 private:
  std::map<std::string, std::shared_ptr<const std::string>> cache_;
};

class PageBuilder {
 public:
  PageBuilder(const Layout& layout, Document& document) : layout_(layout), document_(document) {}

  void PlaceBand(const Band& band, double left, double top, double width, int band_index, const store::Record* record,
                 const RecordValues& values) {
    Page& page = document_.pages.back();
    if (band.border.width > 0) {
      page.items.push_back(
          {"Cercadura", {left, top, width, band.height}, PlacedBox{band.border, std::nullopt}, band_index});
    }
    for (const LayoutItem& item : band.items) {
      if (!item.visible || item.rect.y >= band.height) continue;
      PlacedItem placed{item.name, item.rect.Moved(left, top), PlacedRule{}, band_index};
      if (!Resolve(item.content, record, values, placed.content)) continue;
      page.items.push_back(std::move(placed));
    }
  }

  void StartPage(const store::Record* record, const RecordValues& values) {
    document_.pages.emplace_back();
    const Rect area = layout_.page.Printable();
    top_ = area.y;
    column_ = 0;
    if (layout_.page_header) {
      PlaceBand(*layout_.page_header, area.x, top_, area.width, kPageHeader, record, values);
      top_ += layout_.page_header->height;
    }
  }

  void PlaceDetail(const store::Record& record, const RecordValues& values) {
    const Rect area = layout_.page.Printable();
    const double height = layout_.detail.height;
    if (document_.pages.empty() ||
        (column_ == 0 && document_.pages.back().details > 0 && top_ + height > area.bottom() + kFitSlack)) {
      StartPage(&record, values);
    }
    Page& page = document_.pages.back();
    const double width = layout_.ColumnWidth();
    PlaceBand(layout_.detail, area.x + column_ * width, top_, width, page.details, &record, values);
    page.bands.push_back({area.x + column_ * width, top_, width, height});
    ++page.details;
    ++document_.records;
    if (++column_ == layout_.columns) {
      column_ = 0;
      top_ += height;
    }
  }

 private:
  // False when the item shows nothing for this record.
  bool Resolve(const ItemContent& content, const store::Record* record, const RecordValues& values,
               PlacedContent& out) {
    if (const auto* text = std::get_if<TextContent>(&content)) {
      out = PlacedText{ResolveText(*text, record, values), text->style};
    } else if (const auto* rule = std::get_if<RuleContent>(&content)) {
      out = PlacedRule{rule->pen};
    } else if (const auto* box = std::get_if<BoxContent>(&content)) {
      out = PlacedBox{box->pen, box->fill};
    } else if (const auto* picture = std::get_if<PictureContent>(&content)) {
      auto bytes = pictures_.Bytes(*picture);
      if (!bytes || bytes->empty()) return false;
      out = PlacedPicture{std::move(bytes), picture->stretch};
    } else if (const auto* bar_code = std::get_if<BarCodeContent>(&content)) {
      const card::BarCodeImage* image = values.BarCode(bar_code->value);
      if (!image || image->width() == 0) return false;
      out = PlacedBarCode{*image, bar_code->quiet_zone};
    } else if (const auto* rich = std::get_if<RichTextContent>(&content)) {
      if (!rich->html || rich->html->empty()) return false;
      out = PlacedRichText{rich->html};
    }
    return true;
  }

  const Layout& layout_;
  Document& document_;
  PictureFiles pictures_;
  double top_ = 0;
  int column_ = 0;
};

}  // namespace

std::string FormatValue(const store::Value& value, std::string_view display_format) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "True" : "False";
  if (const auto* date = std::get_if<store::Date>(&value)) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date->day, date->month, date->year);
    return buffer;
  }
  std::string digits = DecimalText(value);
  if (digits.empty() || display_format.empty()) return digits;
  const bool negative = digits[0] == '-';
  if (negative) digits.erase(0, 1);
  if (digits.size() < display_format.size() && display_format.find_first_not_of('0') == std::string_view::npos) {
    digits.insert(0, display_format.size() - digits.size(), '0');
  }
  return negative ? "-" + digits : digits;
}

std::string ResolveText(const TextContent& text, const store::Record* record, const RecordValues& values) {
  std::string out;
  for (const TextSegment& segment : text.segments) {
    if (segment.value.empty()) {
      out += segment.literal;
    } else if (const std::string* computed = values.Text(segment.value)) {
      out += *computed;
    } else if (record) {
      if (const auto index = store::FindField(record->schema(), segment.value)) {
        out += FormatValue(record->At(*index), segment.display_format);
      }
    }
  }
  return out;
}

Result<Document> BuildDocument(const Layout& layout, const RecordSource& records, const RecordHook& hook) {
  Document document{layout.name, layout.page, {}, 0};
  PageBuilder builder(layout, document);
  RecordValues values;
  const Status read = records([&](const store::Record& record) {
    values.Clear();
    if (hook) hook(record, values);
    builder.PlaceDetail(record, values);
    return true;
  });
  if (!read) return Fail(read.error());
  if (document.pages.empty() && layout.print_if_empty) {
    values.Clear();
    builder.StartPage(nullptr, values);
  }
  return document;
}

}  // namespace tavelao::report
