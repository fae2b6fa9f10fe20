#include "app/ui/panel_style.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace tavelao::app {
namespace {

// Sees the Enter that the panel's fields and boxes let through.
class EnterPresses : public QObject {
 public:
  EnterPresses(QWidget& panel, QPushButton& button) : QObject(&panel), button_(&button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || watched != parent()) return false;
    auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    QPushButton* pressed = focused ? focused : button_.data();
    if (pressed && pressed->isEnabled() && pressed->isVisible()) pressed->click();
    return true;
  }

 private:
  QPointer<QPushButton> button_;
};

}  // namespace

void StylePanel(QFrame& panel) {
  panel.setFrameShape(QFrame::StyledPanel);
  panel.setFrameShadow(QFrame::Raised);
  panel.setLineWidth(1);
  panel.setAutoFillBackground(true);
  panel.setBackgroundRole(QPalette::Button);
  panel.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QLabel* MakePanelTitle(const QString& text, const QString& name, QWidget* parent) {
  auto* title = new QLabel(text, parent);
  title->setObjectName(name);
  QFont font = title->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.15);
  title->setFont(font);
  return title;
}

QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

void PressOnEnter(QWidget& panel, QPushButton& button) {
  button.setDefault(true);
  panel.installEventFilter(new EnterPresses(panel, button));
}

}  // namespace tavelao::app
