#pragma once
// Dialogs answered by the test: every box shown is recorded, and questions
// take the answers queued beforehand (No when none is left).

#include <deque>
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace tavelao::testing {

class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    std::string title;
    std::string text;
    bool question;
  };

  void Inform(std::string_view title, std::string_view text) override {
    shown.push_back({std::string(title), std::string(text), false});
  }
  bool Ask(std::string_view title, std::string_view text) override {
    shown.push_back({std::string(title), std::string(text), true});
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }

  void AnswerYes() { answers.push_back(true); }
  void AnswerNo() { answers.push_back(false); }
  const Shown& last() const { return shown.back(); }

  std::deque<bool> answers;
  std::vector<Shown> shown;
};

}  // namespace tavelao::testing
