#include "layouts/fixed_layouts.h"

#include "layouts/card_models.h"

namespace tavelao::layouts {

std::optional<report::Layout> FixedLayoutForModel(int model_code, const LayoutOptions& options) {
  const CardModel* model = FindCardModel(model_code);
  if (!model || !model->layout) return std::nullopt;
  return model->layout(options);
}

}  // namespace tavelao::layouts
