#pragma once
// The positions table of a frame editor ("Variantes.cds", "VariantesG.cds",
// "VariantesA5.cds"): one record, read when the window is created and
// rewritten whole when it closes.

#include <filesystem>

#include "common/result.h"
#include "editors/frame_editor_state.h"
#include "store/table.h"

namespace tavelao::editors {

store::Schema FrameEditorSchema(const FrameEditorVariant& variant);

struct LoadedFrameEditor {
  FrameEditorState state;
  // The A4 and large tables must have CSM; one without it was deleted and
  // the defaults stand.
  bool table_deleted = false;
};

// Creation of the window: defaults, then the stored positions, check boxes,
// font and number of blocks when the file exists. A file that cannot be
// read is reported by name and left as it is.
Result<LoadedFrameEditor> LoadFrameEditor(const FrameEditorVariant& variant, const std::filesystem::path& folder);

// Recreates the table with one record of the current state.
Status SaveFrameEditor(const FrameEditorVariant& variant, const std::filesystem::path& folder,
                       const FrameEditorState& state);

// Closing the window: the card file closed and deleted, the second file
// deleted, the table rewritten (unless `save` is false because the stored
// file could not be read and must stay as it was).
Status CloseFrameEditor(const FrameEditorVariant& variant, const std::filesystem::path& folder,
                        const FrameEditorState& state, store::Table& card_file, bool save = true);

}  // namespace tavelao::editors
