#pragma once
// FormCar9, FormCar9G and FormCarA5: the one-card page of the frame editors,
// every element at twice the position of its handle, moved in from the
// paper's edge where it comes too close (sheet_edges.h). What the check boxes
// suppress and the hidden handles' elements are left out of the layout, so
// they cannot print anywhere.

#include <filesystem>

#include "card/card_identity.h"
#include "common/result.h"
#include "editors/frame_editor_state.h"
#include "report/document.h"
#include "report/layout.h"
#include "session/card_options.h"
#include "store/table.h"

namespace tavelao::editors {

inline constexpr const char* kCardPicture = "ImagemCart.jpg";

// Layout pixels of a handle's panel position.
inline report::Point Doubled(const HandlePosition& at) { return {2.0 * at.left, 2.0 * at.top}; }

// The prizes and title letters come from the card options as they were when
// the issue run ended; the background from "ImagemCart.jpg" of `folder`.
report::Layout FrameCardLayout(const FrameEditorVariant& variant, const FrameEditorState& state,
                               const session::CardOptions& card, const std::filesystem::path& folder);

// "Procede a emissão": the document of every card of the card file.
Result<report::Document> PrintFrameCards(const FrameEditorVariant& variant, const FrameEditorState& state,
                                         const session::CardOptions& card, const std::filesystem::path& folder,
                                         store::Table& card_file, const card::Password& password,
                                         const card::IssuerNumber& issuer);

}  // namespace tavelao::editors
