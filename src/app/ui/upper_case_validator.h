#pragma once
// Makes an entry field force upper case as it is typed (or pasted), the way
// the core upper-cases entries: ASCII and Latin-1 letters, one for one.

#include <QValidator>

namespace tavelao::app {

class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace tavelao::app
