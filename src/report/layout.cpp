#include "report/layout.h"

#include <algorithm>

namespace tavelao::report {

LayoutItem* Band::Find(std::string_view name) {
  auto it = std::find_if(items.begin(), items.end(), [&](const LayoutItem& item) { return item.name == name; });
  return it == items.end() ? nullptr : &*it;
}

const LayoutItem* Band::Find(std::string_view name) const { return const_cast<Band*>(this)->Find(name); }

TextSegment Literal(std::string words) { return {std::move(words), {}, {}}; }
TextSegment Value(std::string name, std::string display_format) {
  return {{}, std::move(name), std::move(display_format)};
}

LayoutItem Label(std::string name, Rect rect, std::string caption, TextStyle style) {
  return {std::move(name), rect, TextContent{{Literal(std::move(caption))}, std::move(style)}};
}

LayoutItem Text(std::string name, Rect rect, std::vector<TextSegment> segments, TextStyle style) {
  return {std::move(name), rect, TextContent{std::move(segments), std::move(style)}};
}

LayoutItem FieldText(std::string name, Rect rect, std::string value, TextStyle style, std::string display_format) {
  return {std::move(name), rect, TextContent{{Value(std::move(value), std::move(display_format))}, std::move(style)}};
}

LayoutItem Rule(std::string name, Point from, Point to, Pen pen) {
  return {std::move(name), {from.x, from.y, to.x - from.x, to.y - from.y}, RuleContent{pen}};
}

LayoutItem Box(std::string name, Rect rect, Pen pen, std::optional<Colour> fill) {
  return {std::move(name), rect, BoxContent{pen, fill}};
}

LayoutItem Picture(std::string name, Rect rect, std::filesystem::path file) {
  return {std::move(name), rect, PictureContent{std::move(file), nullptr}};
}

LayoutItem BarCode(std::string name, Rect rect, std::string value, int quiet_zone) {
  return {std::move(name), rect, BarCodeContent{std::move(value), quiet_zone}};
}

LayoutItem RichText(std::string name, Rect rect, std::shared_ptr<const std::string> html) {
  return {std::move(name), rect, RichTextContent{std::move(html)}};
}

}  // namespace tavelao::report
