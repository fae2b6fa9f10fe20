#include "layouts/fixed_layouts.h"

namespace tavelao::layouts {

std::optional<report::Layout> FixedLayoutForModel(int model_code, const LayoutOptions& options) {
  switch (model_code) {
    case 1:
      return FormCarLayout(options);
    case 2:
      return FormCar2Layout(options);
    case 3:
      return FormCar3Layout(options);
    case 6:
      return FormCar4a6Layout(options);
    case 4:
      return FormCar4Layout(options);
    case 12:
      return FormCar12Layout(options);
    case 44:
      return Form5DiaLayout(options);
    case 15:
      return Form15CanLayout(options);
    case 27:
      return Form20CanLayout(options);
    case 26:
      return Form25CanLayout(options);
    default:
      return std::nullopt;
  }
}

}  // namespace tavelao::layouts
