#pragma once
// The print of models 9, 69 and 25 without the window (tavelao-cli emite): the
// editor's table of the folder is loaded as the window's creation loads it,
// and the cards print as "Procede a emissão" prints them; then the card
// file is closed and deleted, as closing the window does.

#include <filesystem>

#include "card/card_identity.h"
#include "common/result.h"
#include "report/document.h"
#include "session/card_options.h"
#include "store/table.h"

namespace tavelao::editors {

struct StoredFramePrint {
  report::Document document;
  // The table had no CSM and was deleted; the defaults printed.
  bool table_deleted = false;
};

Result<StoredFramePrint> PrintWithStoredFrameEditor(int model_code, int frames, bool large_card,
                                                    const session::CardOptions& card,
                                                    const std::filesystem::path& folder, store::Table& card_file,
                                                    const card::Password& password, const card::IssuerNumber& issuer);

// Model 25 the same way over "DVariantes.cds".
Result<report::Document> PrintWithStoredNumberEditor(const std::filesystem::path& folder, store::Table& card_file,
                                                     const card::Password& password, const card::IssuerNumber& issuer);

}  // namespace tavelao::editors
