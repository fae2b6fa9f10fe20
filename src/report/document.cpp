#include "report/document.h"

namespace tavelao::report {

std::vector<const PlacedItem*> Page::BandItems(int band) const {
  std::vector<const PlacedItem*> found;
  for (const auto& item : items) {
    if (item.band == band) found.push_back(&item);
  }
  return found;
}

const PlacedItem* Page::Find(std::string_view name, int band) const {
  for (const auto& item : items) {
    if (item.band == band && item.name == name) return &item;
  }
  return nullptr;
}

std::optional<std::string> Page::TextOf(std::string_view name, int band) const {
  const PlacedItem* item = Find(name, band);
  if (!item) return std::nullopt;
  if (const auto* text = std::get_if<PlacedText>(&item->content)) return text->text;
  return std::nullopt;
}

}  // namespace tavelao::report
