#include "layouts/print_card_file.h"

#include <filesystem>

#include "issue/card_file.h"
#include "issue/card_refresh.h"
#include "layouts/card_models.h"
#include "layouts/fixed_layouts.h"
#include "report/band_engine.h"
#include "report/record_source.h"

namespace tavelao::layouts {
namespace {

bool KeepsCardFile(int code) {
  switch (code) {
    case 15:
    case 26:
    case 27:
    case 44:  // the stub layouts: until the next issue run
    case 9:
    case 69:
    case 25:  // the editors delete it when they close
    case 33:  // business bingo works on it
      return true;
    default:
      return false;
  }
}

// Only six frames fit the large card.
constexpr int kLargeCardFrames = 6;

void CloseAndDelete(store::Table& card_file) {
  const std::filesystem::path path = card_file.path();
  card_file.Close();
  std::error_code ignored;  // a failed deletion is ignored; the next run retries
  if (!path.empty()) std::filesystem::remove(path, ignored);
}

}  // namespace

bool DeletesCardFile(int model_code) { return !KeepsCardFile(model_code); }

Result<PrintResult> PrintCardFile(const PrintRequest& request, store::Table& card_file,
                                  const card::Password& password, const card::IssuerNumber& issuer) {
  PrintResult result;
  const int code = request.model_code;
  if (code == 33) {
    result.kind = PrintKind::kEditor;  // the business bingo panel
    return result;
  }
  if (code == 25) {
    result.kind = PrintKind::kEditor;  // the number editor
    return result;
  }
  if (code == 9 || code == 69) {
    result.kind = PrintKind::kEditor;
    result.frames = FramesForModel9(request.number_box_text).value;
    result.large_card = code == 9 && request.large_card && result.frames <= kLargeCardFrames;
    return result;
  }

  LayoutOptions options = request.options;
  if (code == 6) {
    const NumberBoxValue lines = LinesForModel6(request.number_box_text);
    options.lines = lines.value;
    result.number_box_text = lines.written_back;
    result.narrow_panel = true;
  }
  if (code != 1 && code != 2 && code != 3) options.suppress_border = false;

  if (auto layout = FixedLayoutForModel(code, options)) {
    auto document = report::BuildDocument(*layout, report::TableRecords(card_file, {"", issue::kNumeroField}),
                                          issue::CardRefreshHook(password, issuer));
    if (!document) return std::move(document).take_error();
    result.kind = PrintKind::kPreview;
    result.document = std::move(*document);
  } else {
    result.kind = PrintKind::kNothingPrinted;
  }
  if (DeletesCardFile(code)) {
    CloseAndDelete(card_file);
    result.card_file_deleted = true;
  }
  return result;
}

}  // namespace tavelao::layouts
