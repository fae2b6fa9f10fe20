// "Restaurar cópia de segurança": the copies listed, one restored after the
// question, the validation count taken again.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app_harness.h"
#include "session/backups.h"
#include "support/temp_folder.h"
#include "validation/ui/restore_window.h"

namespace tavelao::testing {
namespace {

TEST(RestoreWindow, ListsTheCopiesAndRestoresTheChosenOneAfterTheQuestion) {
  TempFolder dir;
  AppHarness app(dir.path());
  app.form().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&app.form()));
  // Ten cards validated on the panel, then a copy; then ten more.
  app.Choose("MenuDireta");
  app.Type("EditVal", "19-108");
  QTest::keyClick(app.Find<QLineEdit>("EditVal"), Qt::Key_Return);
  ASSERT_TRUE(
      session::BackUpTable(app.workspace().validation, std::chrono::system_clock::now() + std::chrono::hours(1)));
  app.Type("EditVal", "116-205");
  QTest::keyClick(app.Find<QLineEdit>("EditVal"), Qt::Key_Return);
  ASSERT_EQ(*app.workspace().validation.Count(), 20);

  app.Choose("MenuRestaura");
  auto* window = app.Find<validation::TFormRestaura>("TFormRestaura");
  ASSERT_TRUE(window && window->isVisible());
  auto* grid = window->findChild<QTableWidget*>("GridCopias");
  ASSERT_GE(grid->rowCount(), 4);  // the start's four tables and ours
  EXPECT_EQ(grid->item(0, 0)->text(), "Validadas.cds") << "newest first";
  EXPECT_EQ(grid->item(0, 3)->text(), "10");

  app.dialogs.AnswerNo();
  QTest::mouseClick(window->findChild<QPushButton*>("ButtonRestaura"), Qt::LeftButton);
  EXPECT_TRUE(app.dialogs.last().question);
  EXPECT_EQ(*app.workspace().validation.Count(), 20) << "No changes nothing";

  app.dialogs.AnswerYes();
  QTest::mouseClick(window->findChild<QPushButton*>("ButtonRestaura"), Qt::LeftButton);
  EXPECT_EQ(*app.workspace().validation.Count(), 10);
  EXPECT_NE(app.dialogs.last().text.find("foi restaurada"), std::string::npos) << app.dialogs.last().text;

  app.Choose("MenuDireta");
  EXPECT_EQ(app.Find<QLabel>("LabelValidadas")->text(), "10") << "the panel counts the restored store";
}

}  // namespace
}  // namespace tavelao::testing
