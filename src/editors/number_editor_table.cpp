#include "editors/number_editor_table.h"

#include "editors/editor_files.h"
#include "editors/stored_record.h"

namespace tavelao::editors {
namespace {

std::string Number(int k) { return "QD" + std::to_string(k); }

// C2C and C2D keep a boolean as text.
std::string BoolText(bool value) { return value ? "True" : "False"; }
bool TextBool(std::string_view text, bool fallback) {
  const std::string t = ToUpperLatin(Trim(text));
  if (t == "TRUE" || t == "-1" || t == "1") return true;
  if (t == "FALSE" || t == "0") return false;
  return fallback;
}

}  // namespace

store::Schema NumberEditorSchema() {
  store::Schema schema;
  auto pair = [&](const std::string& name) {
    schema.push_back(store::IntegerField(name + "Top"));
    schema.push_back(store::IntegerField(name + "Left"));
  };
  for (int k = 1; k <= 25; ++k) pair(Number(k));
  pair("Cart1");
  pair("Cart2");
  pair("Matriz");
  for (const char* check : {"CSM", "CSD", "CSB"}) schema.push_back(store::BooleanField(check));
  schema.push_back(store::StringField("Cor", 20));
  schema.push_back(store::StringField("C2C", 20));
  schema.push_back(store::StringField("C2D", 20));
  schema.push_back(store::StringField("Fundo", 20));
  schema.push_back(store::StringField("Fonte", 30));
  schema.push_back(store::IntegerField("Tamanho"));
  schema.push_back(store::StringField("Negrito", 3));
  return schema;
}

Result<NumberEditorState> LoadNumberEditor(const std::filesystem::path& folder) {
  NumberEditorState state = DefaultNumberEditorState();
  const std::filesystem::path path = folder / kNumberEditorTable;
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) return state;
  auto table = store::Table::Open(path);
  if (!table) return std::move(table).take_error();
  auto rows = table->Select();
  if (!rows) return std::move(rows).take_error();
  if (!rows->empty()) {
    const StoredRecord stored(*table, rows->front().record);
    for (int k = 1; k <= 25; ++k) stored.Read(Number(k), state.numbers[k - 1]);
    stored.Read("Cart1", state.block1);
    stored.Read("Cart2", state.block2);
    stored.Read("Matriz", state.matrix);
    ReadFont(stored, state.font, 16);
    if (auto fundo = stored.Text("Fundo")) state.background = ColourFromValueText(*fundo, state.background);
    stored.Read("CSD", state.suppress_border);
    stored.Read("CSB", state.suppress_bar_code);
    stored.Read("CSM", state.suppress_matrix);
    if (auto c2d = stored.Text("C2D")) state.two_numbers = TextBool(*c2d, state.two_numbers);
    bool two_cards = false;
    if (auto c2c = stored.Text("C2C")) two_cards = TextBool(*c2c, false);
    state.two_cards = two_cards;
    state.band_height = two_cards ? 558 : 1118;
  }
  table->Close();
  return state;
}

Status SaveNumberEditor(const std::filesystem::path& folder, const NumberEditorState& state) {
  auto table = store::Table::CreateAfresh(folder / kNumberEditorTable, NumberEditorSchema());
  if (!table) return std::move(table).take_error();
  store::Record record = table->NewRecord();
  auto put = [&](const std::string& name, const HandlePosition& at) {
    record.Set(name + "Top", at.top);
    record.Set(name + "Left", at.left);
  };
  for (int k = 1; k <= 25; ++k) put(Number(k), state.numbers[k - 1]);
  put("Cart1", state.block1);
  put("Cart2", state.block2);
  put("Matriz", state.matrix);
  record.Set("CSM", state.suppress_matrix);
  record.Set("CSD", state.suppress_border);
  record.Set("CSB", state.suppress_bar_code);
  PutFont(record, state.font);
  record.Set("C2C", BoolText(state.two_cards));
  record.Set("C2D", BoolText(state.two_numbers));
  record.Set("Fundo", ColourValueText(state.background));
  if (auto inserted = table->Insert(record); !inserted) return std::move(inserted).take_error();
  table->Close();
  return {};
}

Status CloseNumberEditor(const std::filesystem::path& folder, const NumberEditorState& state, store::Table& card_file,
                         bool save) {
  CloseAndDeleteCardFile(card_file, folder);
  DeleteIfPresent(folder / kNumberEditorSecondFile);
  if (!save) return {};
  return SaveNumberEditor(folder, state);
}

}  // namespace tavelao::editors
