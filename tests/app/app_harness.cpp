#include "app_harness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

namespace tavelao::testing {

AppHarness::AppHarness(const std::filesystem::path& folder, std::deque<bool> answers) {
  dialogs.answers = std::move(answers);
  auto started = session::RunStartup(folder, {});
  if (!started) throw std::runtime_error(started.error());
  workspace_ = std::move(*started);
  form_ = std::make_unique<app::TMainForm>(
      *workspace_, app::Services{dialogs, sounds, colours, [this](const QUrl& url) { opened.push_back(url); }});
  form_->show();
}

AppHarness::~AppHarness() = default;

void AppHarness::Choose(const char* entry) {
  QAction* action = form_->MenuEntry(QString::fromUtf8(entry));
  if (!action) throw std::logic_error(std::string("no menu entry ") + entry);
  action->trigger();
}

void AppHarness::Type(const char* field, const QString& text) {
  auto* edit = Find<QLineEdit>(field);
  if (!edit) throw std::logic_error(std::string("no field ") + field);
  edit->setFocus();
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(edit, c.toLatin1());
      continue;
    }
    // QTest only knows ASCII keys; accented letters go as the key event a
    // keyboard with that key sends.
    const int key = c.toUpper().unicode();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
  }
}

void AppHarness::Click(const char* button) {
  auto* widget = Find<QPushButton>(button);
  if (!widget) throw std::logic_error(std::string("no button ") + button);
  const std::size_t boxes = dialogs.shown.size();
  QTest::mousePress(widget, Qt::LeftButton);
  QTest::mouseRelease(dialogs.shown.size() == boxes ? static_cast<QWidget*>(widget) : form_.get(), Qt::LeftButton);
}

}  // namespace tavelao::testing
