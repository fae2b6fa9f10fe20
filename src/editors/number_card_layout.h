#pragma once
// FormCar25: the card whose 25 numbers the organiser places one by one,
// each element at twice the position of its button in TFormDVar, moved in
// from the paper's edge where it comes too close (sheet_edges.h).

#include <filesystem>

#include "card/card_identity.h"
#include "common/result.h"
#include "editors/number_editor_state.h"
#include "report/document.h"
#include "report/layout.h"
#include "store/table.h"

namespace tavelao::editors {

// The number cells fit their two characters in the band font.
report::Rect NumberCellAt(const HandlePosition& at, const NumberFont& font);

report::Layout NumberCardLayout(const NumberEditorState& state, const std::filesystem::path& folder);

Result<report::Document> PrintNumberCards(const NumberEditorState& state, const std::filesystem::path& folder,
                                          store::Table& card_file, const card::Password& password,
                                          const card::IssuerNumber& issuer);

}  // namespace tavelao::editors
