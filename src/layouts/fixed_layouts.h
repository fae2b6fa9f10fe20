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

// The layout of a model of the catalogue that prints one; nullopt for any
// other code.
std::optional<report::Layout> FixedLayoutForModel(int model_code, const LayoutOptions& options);

}  // namespace tavelao::layouts
