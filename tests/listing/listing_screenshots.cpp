// Writes the pictures of the listing: the panel as the organiser fills it
// and the preview of a "3 linhas" listing, on the offscreen platform.
//   listing_screenshots FOLDER

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <iostream>

#include "app_harness.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "Uso: listing_screenshots PASTA\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  tavelao::testing::TempFolder dir;
  tavelao::testing::AppHarness app(dir.path());
  app.form().resize(1024, 640);
  app.Choose("L1");
  app.Type("EditCartIn", "1");
  app.Type("EditCartFin", "120");
  QTest::qWait(50);
  bool saved = app.form().grab().save(folder + "/panel_lista.png");

  app.Click("ButtonListaEmite");
  auto* preview = app.Find<tavelao::report::PreviewWindow>("FormRel");
  preview->resize(900, 1000);
  preview->Fit();
  QTest::qWait(50);
  saved = preview->grab().save(folder + "/preview_lista.png") && saved;
  if (!saved) std::cerr << "não foi possível gravar em " << folder.toStdString() << "\n";
  return saved ? 0 : 1;
}
