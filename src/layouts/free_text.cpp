#include "layouts/free_text.h"

namespace tavelao::layouts {

report::LayoutItem FreeTextArea(report::Rect rect, const LayoutOptions& options) {
  return report::RichText("TextoLivre", rect, options.free_text);
}

}  // namespace tavelao::layouts
