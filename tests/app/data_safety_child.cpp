// Not a test: the program of the data-safety test. Started in a data folder,
// it issues one card, opens the preview's "Salvar PDF" dialog over that
// folder and cancels it, validates card 42 on the direct panel, prints
// "validada" and waits to be killed.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <filesystem>

#include "app_harness.h"

namespace {

// Cancels the file dialog once it has listed the folder for a while.
void CancelFileDialogSoon() {
  QTimer::singleShot(1500, [] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
        std::printf("dialogo %s\n", dialog->directory().absolutePath().toUtf8().constData());
        std::fflush(stdout);
        dialog->reject();
        return;
      }
    }
    CancelFileDialogSoon();
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QApplication application(argc, argv);
  tavelao::testing::AppHarness app(std::filesystem::current_path());
  app.form().activateWindow();
  (void)QTest::qWaitForWindowActive(&app.form());

  app.Choose("Menu1");
  app.Type("EditCI", QStringLiteral("41"));
  app.Type("EditQT", QStringLiteral("2"));  // card 42 is validated below: issued here
  app.Click("ButtonOK");
  auto* save = app.form().findChild<QToolButton*>(QStringLiteral("ButtonSalvaPDF"));
  if (save == nullptr) return 2;
  CancelFileDialogSoon();
  save->click();  // returns when the dialog was cancelled

  app.Choose("MenuDireta");
  app.Type("EditVal", QStringLiteral("426"));
  QTest::keyClick(app.Find<QLineEdit>("EditVal"), Qt::Key_Return);
  std::printf("validada %lld\n", static_cast<long long>(*app.workspace().validation.Count()));
  std::fflush(stdout);
  return application.exec();
}
