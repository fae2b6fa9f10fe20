#pragma once
// Message boxes of the core as lines on the error output; questions take
// the answer the command was given.

#include <ostream>
#include <string_view>

#include "common/dialogs.h"

namespace tavelao::cli {

class CliDialogs : public Dialogs {
 public:
  explicit CliDialogs(std::ostream& out, bool answer_yes = false) : out_(out), answer_yes_(answer_yes) {}

  void Inform(std::string_view title, std::string_view text) override {
    out_ << title << ": " << text << "\n";
    ++shown_;
  }
  bool Ask(std::string_view title, std::string_view text) override {
    out_ << title << ": " << text << (answer_yes_ ? " Sim.\n" : " Não.\n");
    return answer_yes_;
  }
  // How many information boxes were shown (refusals and warnings).
  int informed() const { return shown_; }

 private:
  std::ostream& out_;
  bool answer_yes_;
  int shown_ = 0;
};

}  // namespace tavelao::cli
