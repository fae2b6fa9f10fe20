#pragma once
// Reading an editor's positions record: a field an older file lacks keeps
// the value the editor starts with.

#include <optional>
#include <string>

#include "common/text.h"
#include "editors/frame_editor_state.h"
#include "store/table.h"

namespace tavelao::editors {

class StoredRecord {
 public:
  StoredRecord(const store::Table& table, const store::Record& record) : table_(table), record_(record) {}

  void Read(const std::string& field, int& into) const {
    if (!table_.HasField(field)) return;
    if (auto v = record_.Int(field)) into = *v;
  }
  void Read(const std::string& field, bool& into) const {
    if (!table_.HasField(field)) return;
    if (auto v = record_.Bool(field)) into = *v;
  }
  // The `field`Top and `field`Left pair.
  void Read(const std::string& field, HandlePosition& into) const {
    Read(field + "Top", into.top);
    Read(field + "Left", into.left);
  }
  std::optional<std::string> Text(const std::string& field) const {
    if (!table_.HasField(field) || store::IsNull(record_.Get(field))) return std::nullopt;
    return record_.Text(field);
  }

 private:
  const store::Table& table_;
  const store::Record& record_;
};

// Fonte, Tamanho, Negrito ("Sim" is bold) and Cor of the font panel.
inline void ReadFont(const StoredRecord& stored, NumberFont& font, int default_size) {
  if (auto name = stored.Text("Fonte"); name && !Trim(*name).empty()) font.name = std::string(Trim(*name));
  stored.Read("Tamanho", font.size);
  if (font.size <= 0) font.size = default_size;
  if (auto bold = stored.Text("Negrito")) font.bold = Trim(*bold) == "Sim";
  if (auto colour = stored.Text("Cor")) font.colour = ColourFromValueText(*colour, font.colour);
}

inline void PutFont(store::Record& record, const NumberFont& font) {
  record.Set("Cor", ColourValueText(font.colour));
  record.Set("Fonte", font.name);
  record.Set("Tamanho", font.size);
  record.Set("Negrito", std::string(font.bold ? "Sim" : "Nao"));
}

}  // namespace tavelao::editors
