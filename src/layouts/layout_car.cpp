#include "layouts/layout_car.h"

#include "layouts/one_card_layout.h"

namespace tavelao::layouts {

report::Layout FormCarLayout(const LayoutOptions& options) { return FramedCardLayout("FormCar", 1, 177, options); }

}  // namespace tavelao::layouts
