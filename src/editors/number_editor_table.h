#pragma once
// "DVariantes.cds": the positions, colours and check boxes of TFormDVar,
// one record read at the window's creation (no field check) and rewritten
// whole on close.

#include <filesystem>

#include "common/result.h"
#include "editors/number_editor_state.h"
#include "store/table.h"

namespace tavelao::editors {

inline constexpr const char* kNumberEditorTable = "DVariantes.cds";
inline constexpr const char* kNumberEditorSecondFile = "DVariaveis.cds";

store::Schema NumberEditorSchema();

// Defaults without the file; a file that cannot be read is reported by
// name and left as it is.
Result<NumberEditorState> LoadNumberEditor(const std::filesystem::path& folder);
Status SaveNumberEditor(const std::filesystem::path& folder, const NumberEditorState& state);
// The card file closed and deleted, "DVariaveis.cds" deleted, the table
// rewritten unless `save` is false.
Status CloseNumberEditor(const std::filesystem::path& folder, const NumberEditorState& state, store::Table& card_file,
                         bool save = true);

}  // namespace tavelao::editors
