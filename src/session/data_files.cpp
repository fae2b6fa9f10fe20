#include "session/data_files.h"

#include <string>

#include "store/server_store.h"

namespace tavelao::session {
namespace {

using store::BooleanField;
using store::DateField;
using store::FloatField;
using store::IntegerField;
using store::StringField;

constexpr const char* kDefaultLetters[5] = {"B", "I", "N", "G", "O"};

// Creates the file, when missing, with `rows` default rows filled by `fill`.
template <typename Fill>
Status EnsureWithRows(const std::filesystem::path& path, const store::Schema& schema, int rows, Fill fill) {
  auto exists = store::TableFileExists(path);
  if (!exists) return std::move(exists).take_error();
  if (*exists) return {};
  return store::Table::CreateWhole(path, schema, [&](store::Table& table) -> Status {
    for (int i = 0; i < rows; ++i) {
      store::Record record = table.NewRecord();
      fill(record, i);
      if (auto id = table.Insert(record); !id) return std::move(id).take_error();
    }
    return {};
  });
}

void FillOptions(store::Record& record, int) {
  for (int k = 0; k < 5; ++k) record.Set(kLetterFields[k], std::string(kDefaultLetters[k]));
}

}  // namespace

store::Schema OptionsSchema() {
  store::Schema schema;
  for (int i = 1; i <= 9; ++i) schema.push_back(StringField("premio" + std::to_string(i), 30));
  for (const char* letter : kLetterFields) schema.push_back(StringField(letter, 1));
  return schema;
}

store::Schema EventSchema() {
  store::Schema schema = {StringField("Titulo", 50),   StringField("Promotor", 40), StringField("Curinga", 10),
                          StringField("Curinga2", 10), StringField("Curinga3", 10), DateField("Data"),
                          StringField("Local", 60),    StringField("Hora", 10)};
  for (int i = 1; i <= 5; ++i) schema.push_back(StringField("Obs" + std::to_string(i), 70));
  schema.push_back(FloatField("Valor"));
  return schema;
}

store::Schema SponsorsSchema() {
  return {IntegerField("Pedra"), StringField("Nome1", 15), StringField("Nome2", 15), StringField("Nome3", 15)};
}

store::Schema ValidationSchema() {
  store::Schema schema = {IntegerField("Numero"), IntegerField("Lote"), IntegerField("Lan")};
  for (int k = 1; k <= 25; ++k) schema.push_back(StringField("N" + std::to_string(k), 2));
  return schema;
}

store::Schema StandingsSchema() { return {StringField("cartela", 6), IntegerField("pedras"), IntegerField("decres")}; }

store::Schema DrawTypeSchema() {
  store::Schema schema = {StringField("Tipos", 10)};
  for (const char* name : {"Cheia", "Linha", "Coluna", "Te", "Janelao", "Cruz", "Xis", "Janelinha", "Bin", "U", "Porta",
                           "Ele", "Cantos", "Ultima"}) {
    schema.push_back(StringField(name, 3));
  }
  for (const char* name : {"lb", "li", "ln", "lg", "lo"}) schema.push_back(StringField(name, 1));
  for (int i = 1; i <= 5; ++i) schema.push_back(BooleanField("Col" + std::to_string(i)));
  for (int i = 1; i <= 100; ++i) schema.push_back(BooleanField("P" + std::to_string(i)));
  return schema;
}

Status EnsureOptions(const std::filesystem::path& folder) {
  return EnsureWithRows(folder / kOptionsFile, OptionsSchema(), 1, FillOptions);
}

Status EnsureEvent(const std::filesystem::path& folder) {
  return EnsureWithRows(folder / kEventFile, EventSchema(), 1,
                        [](store::Record& r, int) { r.Set("Titulo", std::string("BINGO EMPRESARIAL")); });
}

Status EnsureSponsors(const std::filesystem::path& folder) {
  return EnsureWithRows(folder / kSponsorsFile, SponsorsSchema(), 100,
                        [](store::Record& r, int i) { r.Set("Pedra", i); });
}

Status EnsureValidation(const std::filesystem::path& folder) {
  return EnsureWithRows(folder / kValidationFile, ValidationSchema(), 0, [](store::Record&, int) {});
}

Result<store::Table> OpenOptions(const std::filesystem::path& folder) {
  if (auto status = EnsureOptions(folder); !status) return std::move(status).take_error();
  auto table = store::Table::Open(folder / kOptionsFile);
  if (!table) return table;
  for (const char* field : kLetterFields) {
    if (!table->HasField(field)) return Fail("A tabela \"" + table->file_name() + "\" não tem o campo " + field + ".");
  }
  auto count = table->Count();
  if (!count) return std::move(count).take_error();
  if (*count == 0) {
    store::Record record = table->NewRecord();
    FillOptions(record, 0);
    if (auto id = table->Insert(record); !id) return std::move(id).take_error();
  }
  return table;
}

store::Schema JournalSchema() {
  return {IntegerField("Seq"),       IntegerField("Sorteio"),       StringField("Quando", 19),
          StringField("Evento", 12), StringField("Dados", 100'000), StringField("Selo", 64)};
}

namespace {

// A durable table made empty when missing, opened with every field of
// `schema` there.
Result<store::Table> OpenEmptyDurable(const std::filesystem::path& file, const store::Schema& schema) {
  if (auto status = EnsureWithRows(file, schema, 0, [](store::Record&, int) {}); !status) {
    return std::move(status).take_error();
  }
  auto table = store::Table::Open(file);
  if (!table) return table;
  for (const auto& field : schema) {
    if (!table->HasField(field.name)) {
      return Fail("A tabela \"" + table->file_name() + "\" não tem o campo " + field.name + ".");
    }
  }
  return table;
}

// A shared table: on the server when there is one, else the folder's file
// made empty when missing.
Result<store::Table> OpenShared(const TablePlace& place, const char* file, const store::Schema& schema) {
  if (place.server) return store::OpenServerTable(place.server, file, schema);
  return OpenEmptyDurable(place.folder / file, schema);
}

}  // namespace

Result<store::Table> OpenJournal(const TablePlace& place) {
  auto table = OpenShared(place, kJournalFile, JournalSchema());
  if (!table) return table;
  // Finds the last row at once, and refuses a second row with its number.
  if (auto status = table->AddIndex("AtasSeq", "Seq", true); !status) return std::move(status).take_error();
  return table;
}

store::Schema IssuedSchema() { return {IntegerField("Inicial"), IntegerField("Final"), DateField("Data")}; }

Result<store::Table> OpenIssued(const TablePlace& place) { return OpenShared(place, kIssuedFile, IssuedSchema()); }

Result<store::Table> OpenValidation(const TablePlace& place) {
  auto table = OpenShared(place, kValidationFile, ValidationSchema());
  if (!table) return table;
  if (auto status = table->AddIndex(kValidationIndex, "Numero", /*unique=*/true); !status) {
    return std::move(status).take_error();
  }
  return table;
}

Result<bool> SharedTableExists(const TablePlace& place, const char* file) {
  if (place.server) return true;
  return store::TableFileExists(place.folder / file);
}

Result<store::Table> RebuildStandings(const std::filesystem::path& folder) {
  return store::Table::CreateAfresh(folder / kStandingsFile, StandingsSchema(), store::Durability::Scratch);
}

Result<store::Table> RebuildDrawType(const std::filesystem::path& folder, store::Table& options) {
  auto first = options.RowAt({}, 1);
  if (!first) return std::move(first).take_error();
  const auto path = folder / kDrawTypeFile;
  {
    auto table = store::Table::CreateAfresh(path, DrawTypeSchema(), store::Durability::Scratch);
    if (!table) return table;
    store::Record record = table->NewRecord();
    static constexpr const char* kLower[5] = {"lb", "li", "ln", "lg", "lo"};
    for (int k = 0; k < 5; ++k) {
      record.Set(kLower[k], *first ? (*first)->record.Text(kLetterFields[k]) : std::string(kDefaultLetters[k]));
    }
    record.Set("Ultima", std::string());
    if (auto id = table->Insert(record); !id) return std::move(id).take_error();
  }
  return store::Table::Open(path, store::Durability::Scratch);
}

}  // namespace tavelao::session
