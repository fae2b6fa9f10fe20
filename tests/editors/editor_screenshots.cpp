// Writes the pictures of the frame editors: each window with its handles
// after a run of 9 frames (6 on the large card), and the first printed page
// of each, over the background picture given.
//   editor_screenshots PASTA [ImagemCart.jpg]

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <iostream>

#include "app/app_harness.h"
#include "editors/ui/frame_editor_window.h"
#include "report/document_output.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"

namespace {

using tavelao::editors::FrameEditorWindow;

void Shoot(tavelao::testing::AppHarness& app, const char* menu, const char* frames, bool large, const char* form,
           const QString& folder) {
  // Typing reaches the issue panel only while the main window is active.
  app.form().activateWindow();
  (void)QTest::qWaitForWindowActive(&app.form());  // offscreen may not report it; the pictures do not depend on it
  app.Choose(menu);
  app.Find<QLineEdit>("EditNP")->clear();  // it keeps the last run's number
  app.Type("EditNP", frames);              // leaving it shows the card sizes
  app.Type("EditCI", "41");
  app.Type("EditQT", "2");
  if (large) app.Find<QAbstractButton>("RB3Car")->setChecked(true);
  app.Click("ButtonOK");
  auto* window = app.Find<FrameEditorWindow>(form);
  for (const auto& box : app.dialogs.shown) std::cerr << box.title << ": " << box.text << "\n";
  app.dialogs.shown.clear();
  if (!window->isVisible()) {
    std::cerr << form << " não abriu\n";
    return;
  }
  QTest::qWait(50);
  const QString name = folder + "/" + form;
  if (!window->grab().save(name + ".png")) std::cerr << "não foi possível gravar " << name.toStdString() << "\n";
  window->findChild<QPushButton*>("Button11")->click();
  if (auto written = tavelao::report::WritePdf(window->preview().document(), (name + ".pdf").toStdString()); !written) {
    std::cerr << written.error() << "\n";
  }
  window->close();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "Uso: editor_screenshots PASTA [ImagemCart.jpg]\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  tavelao::testing::TempFolder dir;
  if (argc > 2) std::filesystem::copy_file(argv[2], dir / "ImagemCart.jpg");
  tavelao::testing::AppHarness app(dir.path());
  Shoot(app, "Menu9", "9", false, "TFormVar", folder);
  Shoot(app, "Menu9", "6", true, "TFormVarG", folder);
  Shoot(app, "MenuA5", "9", false, "TFormVarA5", folder);
  // The number editor asks for no number of frames.
  app.form().activateWindow();
  (void)QTest::qWaitForWindowActive(&app.form());  // offscreen may not report it; the pictures do not depend on it
  app.Choose("Menu25");
  app.Type("EditCI", "41");
  app.Type("EditQT", "2");
  app.Click("ButtonOK");
  auto* numbers = app.Find<QWidget>("TFormDVar");
  QTest::qWait(50);
  numbers->grab().save(folder + "/TFormDVar.png");
  numbers->findChild<QPushButton*>("Button11")->click();
  if (auto* preview = numbers->findChild<tavelao::report::PreviewWindow*>()) {
    (void)tavelao::report::WritePdf(preview->document(), (folder + "/TFormDVar.pdf").toStdString());
  }
  numbers->close();
  return 0;
}
