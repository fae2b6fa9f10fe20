#include "app/ui/upper_case_validator.h"

#include "app/ui/qt_text.h"
#include "common/text.h"

namespace tavelao::app {

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
  // One letter for one letter, so the cursor stays where it was.
  input = ToQString(ToUpperLatin(ToUtf8(input)));
  return Acceptable;
}

}  // namespace tavelao::app
