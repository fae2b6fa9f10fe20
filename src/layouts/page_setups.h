#pragma once
// The sheets of the fixed layouts: all A4 portrait.

#include "report/page_setup.h"

namespace tavelao::layouts {

report::PageSetup A4TenMillimetreMargins();
report::PageSetup A4NoMargins();

}  // namespace tavelao::layouts
