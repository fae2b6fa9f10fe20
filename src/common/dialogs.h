#pragma once
// The one way the core talks to the operator: information boxes and Yes/No
// questions. The application answers with real message boxes, tests with a
// script.

#include <string_view>

#include "common/text.h"

namespace tavelao {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // An information box with one "OK" button.
  virtual void Inform(std::string_view title, std::string_view text) = 0;
  // A question box with Yes and No; true means Yes.
  virtual bool Ask(std::string_view title, std::string_view text) = 0;

  // The general report for a number field that does not hold a whole number.
  void ReportConversionError(std::string_view text) { Inform(kConversionErrorTitle, ConversionErrorMessage(text)); }
};

}  // namespace tavelao
