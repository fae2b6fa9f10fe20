#include "layouts/page_setups.h"

#include "report/geometry.h"

namespace tavelao::layouts {

report::PageSetup A4TenMillimetreMargins() {
  return {report::Paper::kA4, report::Orientation::kPortrait, report::Margins::All(report::Mm(10))};
}

report::PageSetup A4NoMargins() { return {report::Paper::kA4, report::Orientation::kPortrait, {}}; }

}  // namespace tavelao::layouts
