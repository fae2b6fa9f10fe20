#pragma once
// What the organiser chose that shapes a print: the card options (prize
// descriptions, title letters, number colours), the free text of the text
// editor and the issue panel's inputs of the model.

#include <memory>
#include <string>

#include "report/style.h"
#include "session/card_options.h"

namespace tavelao::layouts {

struct LayoutOptions {
  session::CardOptions card;
  // The free text as rich-text HTML; null or empty prints nothing.
  std::shared_ptr<const std::string> free_text;
  // "Suprime cercadura das cartelas" (models 1, 2 and 3).
  bool suppress_border = false;
  // Lines of FormCar4a6, 4 to 6.
  int lines = 6;
};

}  // namespace tavelao::layouts
