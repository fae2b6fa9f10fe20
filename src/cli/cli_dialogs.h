#pragma once
// Message boxes of the core for tavelao-cli: each box a line on the error
// output, or kept for the line of the entry that caused it; questions take
// the answer the command was given.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/dialogs.h"

namespace tavelao::cli {

class CliDialogs : public Dialogs {
 public:
  // Each box printed on `out` as it comes.
  explicit CliDialogs(std::ostream& out, bool answer_yes = false) : out_(&out), answer_yes_(answer_yes) {}
  // Boxes kept until Take().
  static CliDialogs Kept(bool answer_yes) { return CliDialogs(answer_yes); }

  void Inform(std::string_view title, std::string_view text) override {
    Show(std::string(title) + ": " + std::string(text), "");
  }
  bool Ask(std::string_view title, std::string_view text) override {
    Show(std::string(title) + ": " + std::string(text) + (answer_yes_ ? " Sim" : " Não"), ".");
    return answer_yes_;
  }

  // The boxes kept since the last call, joined by "; ".
  std::string Take() {
    std::string joined;
    for (const auto& m : kept_) joined += (joined.empty() ? "" : "; ") + m;
    kept_.clear();
    return joined;
  }

 private:
  explicit CliDialogs(bool answer_yes) : answer_yes_(answer_yes) {}

  // A printed box ends its line as a sentence; a kept one is part of a line.
  void Show(std::string box, std::string_view printed_end) {
    if (out_) {
      *out_ << box << printed_end << "\n";
    } else {
      kept_.push_back(std::move(box));
    }
  }

  std::ostream* out_ = nullptr;
  bool answer_yes_;
  std::vector<std::string> kept_;
};

}  // namespace tavelao::cli
