#include "session/card_options.h"

#include "session/data_files.h"

namespace tavelao::session {
namespace {

std::string PrizeField(int index) { return "premio" + std::to_string(index + 1); }

}  // namespace

std::string CardOptions::Title() const {
  std::string title;
  for (const auto& letter : letters) title += letter;
  return title;
}

Result<CardOptions> ReadCardOptions(store::Table& options) {
  auto first = options.RowAt({}, 1);
  if (!first) return std::move(first).take_error();
  CardOptions values;
  if (!*first) return values;
  const store::Record& record = (*first)->record;
  auto read = [&](const std::string& field, std::string& into) {
    into = options.HasField(field) ? record.Text(field) : std::string();
  };
  for (int i = 0; i < 9; ++i) read(PrizeField(i), values.prizes[i]);
  for (int k = 0; k < 5; ++k) read(kLetterFields[k], values.letters[k]);
  return values;
}

Status WriteCardOptions(store::Table& options, const CardOptions& values) {
  auto first = options.RowAt({}, 1);
  if (!first) return std::move(first).take_error();
  store::Record record = *first ? (*first)->record : options.NewRecord();
  auto write = [&](const std::string& field, const std::string& value) -> Status {
    if (options.HasField(field)) {
      record.Set(field, value);
    } else if (!value.empty()) {
      return Fail("A tabela \"" + options.file_name() + "\" não tem o campo " + field + ".");
    }
    return {};
  };
  for (int i = 0; i < 9; ++i) {
    if (auto status = write(PrizeField(i), values.prizes[i]); !status) return status;
  }
  for (int k = 0; k < 5; ++k) {
    if (auto status = write(kLetterFields[k], values.letters[k]); !status) return status;
  }
  if (*first) return options.Update((*first)->id, record);
  auto id = options.Insert(record);
  if (!id) return std::move(id).take_error();
  return {};
}

}  // namespace tavelao::session
