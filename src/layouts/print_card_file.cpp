#include "layouts/print_card_file.h"

#include <filesystem>

#include "issue/card_file.h"
#include "issue/card_refresh.h"
#include "layouts/card_models.h"
#include "report/band_engine.h"
#include "report/record_source.h"

namespace tavelao::layouts {
namespace {

// Only six frames fit the large card.
constexpr int kLargeCardFrames = 6;

void CloseAndDelete(store::Table& card_file) {
  const std::filesystem::path path = card_file.path();
  card_file.Close();
  std::error_code ignored;  // a failed deletion is ignored; the next run retries
  if (!path.empty()) std::filesystem::remove(path, ignored);
}

}  // namespace

bool DeletesCardFile(int model_code) {
  const CardModel* model = FindCardModel(model_code);
  if (!model) return true;
  // The editors and business bingo work on it and delete it themselves.
  return model->editor == CardEditor::kNone && !model->keeps_card_file;
}

Result<PrintResult> PrintCardFile(const PrintRequest& request, store::Table& card_file, const card::Password& password,
                                  const card::IssuerNumber& issuer) {
  PrintResult result;
  const CardModel* model = FindCardModel(request.model_code);
  const PrintRoute route = model ? model->route : PrintRoute::kNothing;
  switch (route) {
    case PrintRoute::kFrameEditor:
      result.kind = PrintKind::kEditor;
      result.frames = FramesForModel9(request.number_box_text).value;
      result.large_card = model->panel.large_card && request.large_card && result.frames <= kLargeCardFrames;
      return result;
    case PrintRoute::kNumberEditor:
    case PrintRoute::kBusiness:
      result.kind = PrintKind::kEditor;  // the number editor or the business bingo panel
      return result;
    case PrintRoute::kFixedLayout: {
      LayoutOptions options = request.options;
      if (model->panel.extra == ExtraInput::kLines) {
        const NumberBoxValue lines = LinesForModel6(request.number_box_text);
        options.lines = lines.value;
        result.number_box_text = lines.written_back;
        result.narrow_panel = true;
      }
      if (model->panel.extra != ExtraInput::kBorderBox) options.suppress_border = false;
      if (!model->layout) break;
      auto document =
          report::BuildDocument(model->layout(options), report::TableRecords(card_file, {"", issue::kNumeroField}),
                                issue::CardRefreshHook(password, issuer));
      if (!document) return std::move(document).take_error();
      result.kind = PrintKind::kPreview;
      result.document = std::move(*document);
      break;
    }
    case PrintRoute::kNothing:
      break;
  }
  if (DeletesCardFile(request.model_code)) {
    CloseAndDelete(card_file);
    result.card_file_deleted = true;
  }
  return result;
}

}  // namespace tavelao::layouts
