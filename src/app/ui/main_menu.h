#pragma once
// The main menu tree with its captions and entry names. Every entry starts
// disabled; the screen that serves it enables it when it installs itself.

class QMenuBar;

namespace tavelao::app {

void BuildMainMenu(QMenuBar& bar);

}  // namespace tavelao::app
