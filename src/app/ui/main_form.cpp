#include "app/ui/main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

#include "app/ui/flow_layout.h"
#include "app/ui/main_menu.h"
#include "app/ui/screens.h"
#include "app/ui/secondary_windows.h"

namespace tavelao::app {

TMainForm::TMainForm(session::Workspace& workspace, Services services, QString editor_file, QWidget* parent)
    : QMainWindow(parent), workspace_(workspace), services_(services), editor_file_(std::move(editor_file)) {
  setObjectName(QStringLiteral("FormMenu"));
  setWindowTitle(QStringLiteral("Tavelão"));
  BuildMainMenu(*menuBar());

  area_ = new QScrollArea(this);
  area_->setObjectName(QStringLiteral("ScrollFundo"));
  area_->setWidgetResizable(true);
  area_->setFrameShape(QFrame::NoFrame);
  auto* background = new QWidget;
  background->setObjectName(QStringLiteral("PanelFundo"));
  // A quiet tone behind the panels, so that each stands out on its own.
  QPalette tone = background->palette();
  tone.setColor(QPalette::Window, QColor(0xC9, 0xD1, 0xDB));
  background->setPalette(tone);
  background->setAutoFillBackground(true);
  panels_ = new FlowLayout(background, 12, 12);
  area_->setWidget(background);
  setCentralWidget(area_);

  if (QAction* exit = MenuEntry(QStringLiteral("MenuSair"))) {
    exit->setEnabled(true);
    connect(exit, &QAction::triggered, this, &QWidget::close);
  }

  resize(1024, 720);
  move(0, 0);
  new SecondaryWindows(*this);
  InstallScreens(*this);
}

QAction* TMainForm::MenuEntry(const QString& name) const { return findChild<QAction*>(name); }

QMenu* TMainForm::Menu(const QString& name) const { return findChild<QMenu*>(name); }

void TMainForm::EnableMenuEntry(const QString& name, std::function<void()> handler) {
  QAction* entry = MenuEntry(name);
  Q_ASSERT_X(entry, "EnableMenuEntry", "no menu entry of that name");
  if (!entry) return;
  entry->setEnabled(true);
  connect(entry, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void TMainForm::SetMainMenusVisible(bool visible) {
  for (QAction* top : menuBar()->actions()) top->setVisible(visible);
}

void TMainForm::AddPanel(QWidget* panel) {
  panel->hide();
  panels_->addWidget(panel);
}

void TMainForm::ShowPanel(QWidget* panel) {
  panel->show();
  panel->raise();
  area_->ensureWidgetVisible(panel);
}

void TMainForm::ApplyTitleLetters() { emit titleLettersApplied(); }

void TMainForm::ApplyNumberColours(const std::array<session::Rgb, 3>& colours) {
  workspace_.card_options.number_colours = colours;
  emit numberColoursApplied();
}

void TMainForm::FormActivate() {
  ApplyTitleLetters();
  emit formActivated();
}

void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!exit_confirmed_) {
    if (!services_.dialogs.Ask("Sair do sistema", "Quer mesmo sair do sistema?")) {
      event->ignore();
      return;
    }
    exit_confirmed_ = true;
    session::CloseAtExit(workspace_);
  }
  event->accept();
  // Windows of their own (batch validation, text editor) must not keep the
  // program running once the tables are closed.
  QCoreApplication::quit();
}

}  // namespace tavelao::app
