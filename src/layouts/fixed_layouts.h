#pragma once
// Every fixed print layout, and which one a model code prints.

#include <optional>

#include "layouts/layout_15can.h"
#include "layouts/layout_20can.h"
#include "layouts/layout_25can.h"
#include "layouts/layout_5dia.h"
#include "layouts/layout_car.h"
#include "layouts/layout_car12.h"
#include "layouts/layout_car2.h"
#include "layouts/layout_car3.h"
#include "layouts/layout_car4.h"
#include "layouts/layout_car4a6.h"
#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

// Codes 1, 2, 3, 6, 4, 12, 44, 15, 27, 26; nullopt for any other.
std::optional<report::Layout> FixedLayoutForModel(int model_code, const LayoutOptions& options);

}  // namespace tavelao::layouts
