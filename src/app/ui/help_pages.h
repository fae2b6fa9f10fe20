#pragma once
// The manual shipped inside the program, and which of its pages each screen
// opens with F1: one table from a screen's objectName to a page anchor.

#include <QString>
#include <QUrl>
#include <span>

class QWidget;

namespace tavelao::app {

struct HelpScreen {
  const char* screen;  // objectName of a panel or window
  const char* page;    // page of the manual, with its anchor
};

// Every screen that has a page of its own.
std::span<const HelpScreen> HelpScreens();

// The manual's pages, compiled into the program.
QUrl HelpPage(const QString& page);
QUrl HelpHome();
QUrl HelpEveningGuide();

// The page of the screen `widget` belongs to: its nearest panel or window
// with a page. On the main window outside any panel, the first panel shown
// there; the main window's own page when none is.
QUrl HelpPageFor(const QWidget& widget);

}  // namespace tavelao::app
