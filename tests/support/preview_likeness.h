#pragma once
// The preview window's page, grabbed from the screen at its fit zoom and at
// 200 %, against pdftoppm's picture of the 1200-dpi PDF at the same size:
// ink on one must have ink of the other within kSamePlaceMm (and a pixel
// and a half), except over bar codes, which are snapped to whole device
// pixels by design.

#include <filesystem>
#include <string>

#include "report/document.h"

namespace tavelao::testing {

// `document` holds one page; the pictures are written into `folder`.
void ExpectPreviewLooksLikeThePrint(const report::Document& document, const std::filesystem::path& folder,
                                    const std::string& where);

}  // namespace tavelao::testing
