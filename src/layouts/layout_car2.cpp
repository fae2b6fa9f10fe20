#include "layouts/layout_car2.h"

#include "layouts/one_card_layout.h"

namespace tavelao::layouts {

report::Layout FormCar2Layout(const LayoutOptions& options) { return FramedCardLayout("FormCar2", 2, 171, options); }

}  // namespace tavelao::layouts
