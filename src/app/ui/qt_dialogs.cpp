#include "app/ui/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/ui/qt_text.h"

namespace tavelao::app {

void QtDialogs::Inform(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::Information, ToQString(title), ToQString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

bool QtDialogs::Ask(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::Question, ToQString(title), ToQString(text), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  // Named here so the buttons read right even without Qt's translations.
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Sim"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Não"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace tavelao::app
