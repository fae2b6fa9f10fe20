#pragma once
// PrintCardFile: the end of the issue panel's "OK". By model code it makes
// the finished document of the card file for the preview, then closes and
// deletes the card file or leaves it for the next run.

#include <optional>
#include <string>

#include "card/card_identity.h"
#include "common/result.h"
#include "layouts/layout_options.h"
#include "report/document.h"
#include "store/table.h"

namespace tavelao::layouts {

struct PrintRequest {
  int model_code = 0;
  std::string number_box_text;  // EditNP, read by models 6, 9 and 69
  bool large_card = false;      // RB3Car "Cartela grande", model 9
  // Card options, free text and the border check box; `lines` is set from
  // the number box here.
  LayoutOptions options;
};

enum class PrintKind {
  kPreview,         // show `document`
  kNothingPrinted,  // models 5, 7 and unknown codes: no layout
  kEditor,          // the model's layout editor opens over the open card file
};

struct PrintResult {
  PrintKind kind = PrintKind::kNothingPrinted;
  report::Document document;
  // Whether "Cartelas.cds" was closed and deleted (models 1, 2, 3, 4, 6, 12,
  // 5, 7); the stub models leave it open on disk until the next run.
  bool card_file_deleted = false;
  // What EditNP shows now, when the print changed it ("x" becomes "9").
  std::optional<std::string> number_box_text;
  // Model 6 narrows the issue panel and hides the number box afterwards.
  bool narrow_panel = false;
  // kEditor of models 9 and 69: frames 1 to `frames` shown, and whether
  // the large-card editor opens.
  int frames = 0;
  bool large_card = false;
};

// Whether the model ends with the card file closed and deleted.
bool DeletesCardFile(int model_code);

// The document holds every page before the card file is deleted, so the
// preview prints from it afterwards. A card file that cannot be read is
// returned as the error and left as it is.
Result<PrintResult> PrintCardFile(const PrintRequest& request, store::Table& card_file, const card::Password& password,
                                  const card::IssuerNumber& issuer);

}  // namespace tavelao::layouts
