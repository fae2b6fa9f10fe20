#pragma once
// The one place where every screen of the main window is created: each adds
// its panels to the central area, enables its menu entries and connects to
// the main window's signals. A new screen adds one line to InstallScreens.

namespace tavelao::app {

class TMainForm;

void InstallScreens(TMainForm& form);

}  // namespace tavelao::app
