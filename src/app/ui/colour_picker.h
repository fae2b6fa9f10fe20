#pragma once
// The colour dialog behind an interface, so that tests can answer it.

#include <QString>
#include <optional>

#include "session/card_options.h"

namespace tavelao::app {

class ColourPicker {
 public:
  virtual ~ColourPicker() = default;
  // The chosen colour, starting from `initial`; nullopt when cancelled.
  virtual std::optional<session::Rgb> Pick(session::Rgb initial, const QString& title) = 0;
};

// The system colour dialog over the active window.
class QtColourPicker : public ColourPicker {
 public:
  std::optional<session::Rgb> Pick(session::Rgb initial, const QString& title) override;
};

}  // namespace tavelao::app
