#pragma once
// The real message boxes: modal, over the active window, with the
// information icon and "OK" or the question icon and Sim/Não.

#include "common/dialogs.h"

namespace tavelao::app {

class QtDialogs : public Dialogs {
 public:
  void Inform(std::string_view title, std::string_view text) override;
  bool Ask(std::string_view title, std::string_view text) override;
};

}  // namespace tavelao::app
