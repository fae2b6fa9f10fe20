#include "editors/frame_editor_table.h"

#include "common/text.h"
#include "editors/editor_files.h"
#include "editors/stored_record.h"

namespace tavelao::editors {
namespace {

std::string FrameField(int j, const char* side) { return "Q" + std::to_string(j) + side; }
std::string BlockField(int k, const char* side) { return "Cart" + std::to_string(k) + side; }

void ReadState(const FrameEditorVariant& variant, const StoredRecord& stored, FrameEditorState& state) {
  for (int j = 1; j <= variant.frames; ++j) stored.Read("Q" + std::to_string(j), state.frames[j - 1]);
  for (int k = 1; k <= variant.blocks; ++k) stored.Read("Cart" + std::to_string(k), state.blocks[k - 1]);
  stored.Read("Matriz", state.matrix);

  ReadFont(stored, state.font, variant.default_font_size);

  if (variant.has_stub) {
    int blocks = 1;
    stored.Read("NNCart", blocks);
    state.blocks_text = blocks >= 0 && blocks <= 6 ? std::to_string(blocks) : "1";
  }
  stored.Read("CSN", state.only_numbers);
  stored.Read("CSC", state.check_sc);
  stored.Read("CSB", state.suppress_bar_code);
  stored.Read("CSM", state.suppress_matrix);
}

}  // namespace

store::Schema FrameEditorSchema(const FrameEditorVariant& variant) {
  store::Schema schema;
  for (int j = 1; j <= variant.frames; ++j) {
    schema.push_back(store::IntegerField(FrameField(j, "Top")));
    schema.push_back(store::IntegerField(FrameField(j, "Left")));
  }
  for (int k = 1; k <= variant.blocks; ++k) {
    schema.push_back(store::IntegerField(BlockField(k, "Top")));
    schema.push_back(store::IntegerField(BlockField(k, "Left")));
  }
  schema.push_back(store::IntegerField("MatrizTop"));
  schema.push_back(store::IntegerField("MatrizLeft"));
  for (const char* check : {"CSN", "CSB", "CSC", "CSM"}) schema.push_back(store::BooleanField(check));
  schema.push_back(store::StringField("Cor", 20));
  schema.push_back(store::StringField("Fonte", 30));
  schema.push_back(store::IntegerField("Tamanho"));
  schema.push_back(store::StringField("Negrito", 3));
  if (variant.has_stub) schema.push_back(store::IntegerField("NNCart"));
  return schema;
}

Result<LoadedFrameEditor> LoadFrameEditor(const FrameEditorVariant& variant, const std::filesystem::path& folder) {
  LoadedFrameEditor loaded{DefaultFrameEditorState(variant)};
  const std::filesystem::path path = folder / variant.table_file;
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) return loaded;
  auto table = store::Table::Open(path);
  if (!table) return std::move(table).take_error();
  if (variant.has_stub && !table->HasField("CSM")) {
    table->Close();
    DeleteIfPresent(path);
    loaded.table_deleted = true;
    return loaded;
  }
  auto rows = table->Select();
  if (!rows) return std::move(rows).take_error();
  if (!rows->empty()) ReadState(variant, StoredRecord(*table, rows->front().record), loaded.state);
  table->Close();
  ApplyBlockCount(variant, loaded.state);
  return loaded;
}

Status SaveFrameEditor(const FrameEditorVariant& variant, const std::filesystem::path& folder,
                       const FrameEditorState& state) {
  auto table = store::Table::CreateAfresh(folder / variant.table_file, FrameEditorSchema(variant));
  if (!table) return std::move(table).take_error();
  store::Record record = table->NewRecord();
  auto put = [&](const std::string& name, const HandlePosition& at) {
    record.Set(name + "Top", at.top);
    record.Set(name + "Left", at.left);
  };
  for (int j = 1; j <= variant.frames; ++j) put("Q" + std::to_string(j), state.frames[j - 1]);
  for (int k = 1; k <= variant.blocks; ++k) put("Cart" + std::to_string(k), state.blocks[k - 1]);
  put("Matriz", state.matrix);
  record.Set("CSN", state.only_numbers);
  record.Set("CSB", state.suppress_bar_code);
  record.Set("CSC", state.check_sc);
  record.Set("CSM", state.suppress_matrix);
  PutFont(record, state.font);
  if (variant.has_stub) record.Set("NNCart", BlockCount(state.blocks_text));
  if (auto inserted = table->Insert(record); !inserted) return std::move(inserted).take_error();
  table->Close();
  return {};
}

Status CloseFrameEditor(const FrameEditorVariant& variant, const std::filesystem::path& folder,
                        const FrameEditorState& state, store::Table& card_file, bool save) {
  CloseAndDeleteCardFile(card_file, folder);
  DeleteIfPresent(folder / variant.second_file);
  if (!save) return {};
  return SaveFrameEditor(variant, folder, state);
}

}  // namespace tavelao::editors
