#pragma once
// The look shared by the panels of the main window: a raised frame with a
// bold title on top.

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace tavelao::app {

// Makes `panel` a raised panel of the main window.
void StylePanel(QFrame& panel);
QLabel* MakePanelTitle(const QString& text, const QString& name, QWidget* parent);
QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent);

// Enter in `panel` presses `button`, as a dialog's default button is
// pressed; on another push button with the focus, Enter presses that one.
// Only for panels whose fields do not answer Enter themselves.
void PressOnEnter(QWidget& panel, QPushButton& button);

}  // namespace tavelao::app
