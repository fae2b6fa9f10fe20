#include "app/ui/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/ui/help_pages.h"
#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/window_placement.h"

// The pages live in a static library: their resource must be registered by
// name, outside any namespace, or the linker may leave it out.
static void RegisterHelpPages() { Q_INIT_RESOURCE(ajuda); }

namespace tavelao::app {
namespace {

// Whether `widget` is one of `form`'s own, in the main window or in a
// window of its own: another main window (tests make several) answers its
// own F1.
bool BelongsTo(const QWidget& widget, const QWidget& form) {
  for (const QWidget* w = &widget; w; w = w->parentWidget()) {
    if (w == &form) return true;
  }
  return false;
}

constexpr const char* kGuideTitle = "Guia rápido";
constexpr const char* kGuideQuestion = "Primeira vez nesta pasta? Quer ver o guia rápido da noite de bingo?";

}  // namespace

FormAjuda::FormAjuda(TMainForm& form) : QWidget(&form, Qt::Window), form_(form) {
  RegisterHelpPages();
  setObjectName(QStringLiteral("FormAjuda"));
  setWindowTitle(QStringLiteral("Ajuda do Tavelão"));

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("TextAjuda"));
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);

  QPushButton* home = MakeButton(QStringLiteral("Índice"), QStringLiteral("ButtonIndice"), this);
  QPushButton* back = MakeButton(QStringLiteral("Voltar"), QStringLiteral("ButtonVoltar"), this);
  QPushButton* forward = MakeButton(QStringLiteral("Avançar"), QStringLiteral("ButtonAvancar"), this);
  QPushButton* close = MakeButton(QStringLiteral("Fechar"), QStringLiteral("ButtonFechaAjuda"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(home, &QPushButton::clicked, this, [this] { browser_->setSource(HelpHome()); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {home, back, forward}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);
  // Room for a picture of a screen beside the text, within a 1366×768 screen.
  resize(860, 640);
}

void FormAjuda::Open(const QUrl& page) {
  browser_->setSource(page);
  if (!placed_) {
    MoveBeside(*this, form_);
    placed_ = true;
  }
  showNormal();
  raise();
  activateWindow();
}

QUrl FormAjuda::page() const { return browser_->source(); }

HelpKey::HelpKey(FormAjuda& help, const QWidget& form) : QObject(&help), help_(help), form_(form) {
  qApp->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
      QApplication::activeModalWidget()) {
    return QObject::eventFilter(watched, event);
  }
  // The first widget the key reaches is the one it was pressed on (the
  // focused widget, or its window); taking it there keeps it from
  // travelling on to the parents.
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (!widget || !BelongsTo(*widget, form_)) return QObject::eventFilter(watched, event);
  help_.Open(HelpPageFor(*widget));
  return true;
}

FormAjuda& InstallHelp(TMainForm& form) {
  auto* help = new FormAjuda(form);
  new HelpKey(*help, form);
  form.EnableMenuEntry(QStringLiteral("MenuSobre"), [help] { help->Open(HelpHome()); });
  return *help;
}

bool OfferFirstStartGuide(TMainForm& form) {
  if (!form.workspace().first_start) return false;
  if (!form.services().dialogs.Ask(kGuideTitle, kGuideQuestion)) return false;
  auto* help = form.findChild<FormAjuda*>(QStringLiteral("FormAjuda"));
  Q_ASSERT_X(help, "OfferFirstStartGuide", "the help is installed with the screens");
  if (!help) return false;
  help->Open(HelpEveningGuide());
  return true;
}

}  // namespace tavelao::app
