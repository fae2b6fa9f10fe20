#include "validation/validated_cards_copy.h"

#include <algorithm>

namespace tavelao::validation {

Result<CopiedCards> CopyValidatedCards(store::Table& from, store::Table& to) {
  CopiedCards result;
  store::Table::Transaction transaction(to);
  Status failed;
  auto read = from.ForEach({"", "Numero"}, [&](const store::Row& row) {
    const auto card = row.record.Int("Numero");
    if (!card) return true;
    auto found = to.Locate("Numero", *card);
    if (!found) {
      failed = std::move(found).take_error();
      return false;
    }
    if (*found) {
      result.already_there.push_back(*card);
      return true;
    }
    store::Record copy = to.NewRecord();
    for (const auto& field : from.schema()) {
      if (to.HasField(field.name)) copy.Set(field.name, row.record.Get(field.name));
    }
    if (auto id = to.Insert(copy); !id) {
      failed = std::move(id).take_error();
      return false;
    }
    ++result.copied;
    return true;
  });
  if (!read) return std::move(read).take_error();
  if (!failed) return std::move(failed).take_error();
  if (auto committed = transaction.Commit(); !committed) return std::move(committed).take_error();
  std::sort(result.already_there.begin(), result.already_there.end());
  return result;
}

}  // namespace tavelao::validation
