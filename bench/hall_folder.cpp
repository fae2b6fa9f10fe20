#include "hall_folder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "bench_cards.h"
#include "card/card_bank.h"
#include "session/data_files.h"
#include "session/workspace.h"
#include "store/table.h"

namespace tavelao::bench {
namespace {

[[noreturn]] void Abort(const std::string& why) {
  std::fprintf(stderr, "hall folder: %s\n", why.c_str());
  std::abort();
}

void WriteComplement(const std::filesystem::path& folder) {
  auto table = store::Table::CreateAfresh(folder / card::kComplementFile,
                                          {store::IntegerField("Cartela"), store::StringField("Todas", 50)});
  if (!table) Abort(table.error());
  std::mt19937 rng(2024);
  store::Table::Transaction all(*table);
  store::Record record = table->NewRecord();
  for (int n = 10'001; n <= kBenchCards; ++n) {
    record.SetAt(0, std::int32_t{n});
    record.SetAt(1, RandomCardRecord(rng));
    if (!table->Insert(record)) Abort("complement row");
  }
  if (!all.Commit()) Abort("complement commit");
}

void ValidateEveryCard(const std::filesystem::path& folder) {
  auto ws = session::RunStartup(folder, {});
  if (!ws) Abort(ws.error());
  store::Table& validation = (*ws)->validation;
  const card::CardBank& bank = (*ws)->bank;
  const store::Schema& schema = validation.schema();
  const auto at = [&schema](const std::string& name) {
    const auto field = store::FindField(schema, name);
    if (!field) Abort("no field " + name);
    return *field;
  };
  const std::size_t numero = at("Numero"), lote = at("Lote"), lan = at("Lan"), n1 = at("N1");
  store::Table::Transaction all(validation);
  store::Record record = validation.NewRecord();
  for (int n = 1; n <= kBenchCards; ++n) {
    if (!bank.HasAllNumbers(n)) Abort("card " + std::to_string(n) + " has no numbers");
    record.SetAt(numero, std::int32_t{n});
    record.SetAt(lote, std::int32_t{n / 100 + 1});
    record.SetAt(lan, std::int32_t{n % 100 + 1});
    for (int k = 1; k <= 25; ++k) record.SetAt(n1 + k - 1, std::string(bank.CardNumber(n, k)));
    if (!validation.Insert(record)) Abort("validation row");
  }
  if (!all.Commit()) Abort("validation commit");
}

struct MadeFolder {
  std::filesystem::path path = std::filesystem::temp_directory_path() / ("tavelao-hall-" + std::to_string(::getpid()));
  MadeFolder() {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    MakeHallFolder(path);
  }
  ~MadeFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

void MakeHallFolder(const std::filesystem::path& folder) {
  WriteComplement(folder);
  ValidateEveryCard(folder);
}

const std::filesystem::path& HallFolder() {
  static const MadeFolder folder;
  return folder.path;
}

}  // namespace tavelao::bench
