#include "app/ui/panel_style.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tavelao::app {

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

}  // namespace tavelao::app
