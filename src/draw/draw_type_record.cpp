#include "draw/draw_type_record.h"

#include <string>
#include <vector>

namespace tavelao::draw {
namespace {

std::string YesNo(bool ticked) { return ticked ? "Sim" : "Não"; }

}  // namespace

template <typename Change>
Status DrawTypeRecord::Post(Change change) {
  auto first = table_.RowAt({}, 1);
  if (!first) return std::move(first).take_error();
  if (!*first) {
    store::Record record = table_.NewRecord();
    change(record);
    if (auto id = table_.Insert(record); !id) return std::move(id).take_error();
    return {};
  }
  store::Row& row = **first;
  const std::vector<store::Value> before = row.record.values();
  change(row.record);
  // Every ball refreshes the draw type; most leave it as it was.
  if (row.record.values() == before) return {};
  return table_.Update(row.id, row.record);
}

Status DrawTypeRecord::WriteChoice(const DrawChoice& choice, const DrawTypeText& text) {
  return Post([&](store::Record& r) {
    r.Set("Tipos", text.outros);
    r.Set("Cheia", YesNo(choice.full_card));
    for (Pattern p : kPatterns) r.Set(Info(p).field, YesNo(choice.Ticked(p)));
    for (int c = 0; c < 5; ++c) r.Set("Col" + std::to_string(c + 1), text.columns[c]);
  });
}

Status DrawTypeRecord::MarkDrawn(int ball) {
  return Post([ball](store::Record& r) { r.Set("P" + std::to_string(ball), true); });
}

Status DrawTypeRecord::UnmarkDrawn(int ball) {
  return Post([ball](store::Record& r) { r.Set("P" + std::to_string(ball), false); });
}

Status DrawTypeRecord::ClearDrawn() {
  return Post([](store::Record& r) {
    for (int n = 1; n <= 100; ++n) r.Set("P" + std::to_string(n), false);
  });
}

}  // namespace tavelao::draw
