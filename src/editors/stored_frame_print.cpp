#include "editors/stored_frame_print.h"

#include "editors/editor_files.h"
#include "editors/frame_card_layout.h"
#include "editors/frame_editor_table.h"
#include "editors/number_card_layout.h"
#include "editors/number_editor_table.h"

namespace tavelao::editors {

Result<StoredFramePrint> PrintWithStoredFrameEditor(int model_code, int frames, bool large_card,
                                                    const session::CardOptions& card,
                                                    const std::filesystem::path& folder, store::Table& card_file,
                                                    const card::Password& password, const card::IssuerNumber& issuer) {
  const FrameEditorVariant& variant = FrameVariant(FrameEditorForModel(model_code, large_card));
  auto loaded = LoadFrameEditor(variant, folder);
  if (!loaded) return std::move(loaded).take_error();
  ShowFrames(variant, loaded->state, frames);
  auto document = PrintFrameCards(variant, loaded->state, card, folder, card_file, password, issuer);
  if (!document) return std::move(document).take_error();
  CloseAndDeleteCardFile(card_file, folder);
  return StoredFramePrint{std::move(*document), loaded->table_deleted};
}

Result<report::Document> PrintWithStoredNumberEditor(const std::filesystem::path& folder, store::Table& card_file,
                                                     const card::Password& password, const card::IssuerNumber& issuer) {
  auto state = LoadNumberEditor(folder);
  if (!state) return std::move(state).take_error();
  auto document = PrintNumberCards(*state, folder, card_file, password, issuer);
  if (!document) return std::move(document).take_error();
  CloseAndDeleteCardFile(card_file, folder);
  return std::move(*document);
}

}  // namespace tavelao::editors
