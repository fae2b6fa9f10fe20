#pragma once
// TMainForm: the main window. It only hosts: the menu tree, a central area
// where every screen puts its panels, the exit confirmation and the card
// options that layouts and draw screens follow. Each screen is its own
// class in its own file and installs itself through screens.cpp.

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>

#include "common/dialogs.h"
#include "common/sounds.h"
#include "session/card_options.h"
#include "session/workspace.h"

class QScrollArea;
class QUrl;

namespace tavelao::app {

class ColourPicker;
class FlowLayout;

// What the screens talk to the operator and the machine through.
struct Services {
  Dialogs& dialogs;
  Sounds& sounds;
  ColourPicker& colours;
  // Opens an address in the browser; when empty, the desktop's own way.
  std::function<void(const QUrl&)> open_url = {};
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Creates the window at the top-left corner and every screen with it.
  // `editor_file` is the program's first argument, for the text editor.
  TMainForm(session::Workspace& workspace, Services services, QString editor_file = {}, QWidget* parent = nullptr);

  session::Workspace& workspace() { return workspace_; }
  Services& services() { return services_; }
  session::CardOptions& card_options() { return workspace_.card_options; }
  const QString& editor_file_name() const { return editor_file_; }

  // Menu entries and menus by their names; null when there is none.
  QAction* MenuEntry(const QString& name) const;
  QMenu* Menu(const QString& name) const;
  // Enables a menu entry and runs `handler` each time it is chosen.
  void EnableMenuEntry(const QString& name, std::function<void()> handler);
  // Hides the top-level menus while a screen holds the window (validation,
  // draw) and shows them again when it leaves.
  void SetMainMenusVisible(bool visible);

  // Puts a panel in the central area, hidden until shown; panels shown
  // together stand side by side from the top-left corner.
  void AddPanel(QWidget* panel);
  void ShowPanel(QWidget* panel);

  // The stored title letters are put in force: everyone that prints or
  // shows them is told through titleLettersApplied.
  void ApplyTitleLetters();
  // The colours of the numbers of frames 1, 2 and 3, for this run.
  void ApplyNumberColours(const std::array<session::Rgb, 3>& colours);

  // Each time the window becomes the active one.
  void FormActivate();

 signals:
  void formActivated();
  void titleLettersApplied();
  void numberColoursApplied();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  session::Workspace& workspace_;
  Services services_;
  QString editor_file_;
  QScrollArea* area_ = nullptr;
  FlowLayout* panels_ = nullptr;
  bool exit_confirmed_ = false;
};

}  // namespace tavelao::app
