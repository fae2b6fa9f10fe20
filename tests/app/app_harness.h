#pragma once
// A started workspace in a folder with its main window, the operator's
// answers scripted: message boxes, the colour dialog and sounds.

#include <QAction>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ui/colour_picker.h"
#include "app/ui/main_form.h"
#include "common/sounds.h"
#include "session/workspace.h"
#include "support/scripted_dialogs.h"

namespace tavelao::testing {

class ScriptedColours : public app::ColourPicker {
 public:
  std::optional<session::Rgb> Pick(session::Rgb initial, const QString&) override {
    offered.push_back(initial);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<session::Rgb>> answers;  // nullopt = cancelled
  std::vector<session::Rgb> offered;
};

class SilentSounds : public Sounds {
 public:
  void Play(const std::string& file_name) override { played.push_back(file_name); }
  std::vector<std::string> played;
};

class AppHarness {
 public:
  // Runs the start-up in `folder` and creates the main window, shown; the
  // questions the window asks while it is made take `answers`.
  explicit AppHarness(const std::filesystem::path& folder, std::deque<bool> answers = {});
  ~AppHarness();

  session::Workspace& workspace() { return *workspace_; }
  app::TMainForm& form() { return *form_; }

  template <typename W = QWidget>
  W* Find(const char* name) {
    return form_->findChild<W*>(QString::fromUtf8(name));
  }
  // Chooses a menu entry as the organiser does.
  void Choose(const char* entry);
  // Types into an entry field, key by key.
  void Type(const char* field, const QString& text);
  // Presses and releases a button as a hand does. A box shown while the
  // button is held takes the release, as a modal box does on screen, and the
  // click is lost.
  void Click(const char* button);

  ScriptedDialogs dialogs;
  SilentSounds sounds;
  ScriptedColours colours;
  std::vector<QUrl> opened;  // addresses the browser was asked to open

 private:
  std::unique_ptr<session::Workspace> workspace_;
  std::unique_ptr<app::TMainForm> form_;
};

}  // namespace tavelao::testing
