#include "layouts/layout_car3.h"

#include "layouts/one_card_layout.h"

namespace tavelao::layouts {

report::Layout FormCar3Layout(const LayoutOptions& options) { return FramedCardLayout("FormCar3", 3, 168, options); }

}  // namespace tavelao::layouts
