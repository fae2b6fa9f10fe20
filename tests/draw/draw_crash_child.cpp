// Not a test: the program of the crash-resume test. Started in a data folder
// with a list of balls ("12,30,77") and a seed, it starts a manual draw with
// the full card, the line and the corners in play, and clicks the balls on
// the board one by one, printing "pedra N" after each, with short random
// pauses, until it is killed.

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "app_harness.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tavelao::testing::AppHarness app(std::filesystem::current_path());
  app.Choose("MenuSorteio");
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonSorteios");
  for (const char* box : {"CBLinha", "CBCantos"}) QTest::mouseClick(app.Find<QCheckBox>(box), Qt::LeftButton);
  std::printf("pronto\n");
  std::fflush(stdout);

  std::mt19937 pause(static_cast<unsigned>(std::stoul(argv[2])));
  for (const QString& ball : QString::fromLatin1(argv[1]).split(',')) {
    QTest::mouseClick(app.Find(("P" + ball.toStdString()).c_str()), Qt::LeftButton);
    std::printf("pedra %s\n", ball.toLatin1().constData());
    std::fflush(stdout);
    QTest::qWait(static_cast<int>(pause() % 12));
  }
  std::printf("fim\n");
  std::fflush(stdout);
  return application.exec();
}
