// Enter in a panel presses its default button, as in a dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app_harness.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

struct DefaultButton {
  const char* menu;
  const char* button;
};

TEST(PanelEnter, EnterInThePanelsFirstFieldPressesItsDefaultButtonOnce) {
  TempFolder dir;
  AppHarness app(dir.path());
  app.form().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.form()));
  for (const DefaultButton& panel : {DefaultButton{"MenuSenha", "ButtonOkSenha"},
                                     {"MenuDescr", "OKPremios"},
                                     {"MenuAJUDE", "ButtonPalavra"},
                                     {"MenuCor", "ButtonOKCor"},
                                     {"MenuPM", "ButtonSorPM"},
                                     {"MenuSorteio", "ButtonOKTSor"}}) {
    SCOPED_TRACE(panel.menu);
    app.Choose(panel.menu);
    auto* button = app.Find<QPushButton>(panel.button);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible());
    QWidget* focus = QApplication::focusWidget();
    // Where the panel puts the cursor, or its first field.
    if (!focus || !button->parentWidget()->isAncestorOf(focus)) {
      focus = button->parentWidget()->nextInFocusChain();
      focus->setFocus();
    }
    ASSERT_NE(focus, nullptr);
    ASSERT_TRUE(button->parentWidget()->isAncestorOf(focus)) << focus->objectName().toStdString();
    QSignalSpy pressed(button, &QPushButton::clicked);
    QTest::keyClick(focus, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1) << "Enter in " << focus->objectName().toStdString();
  }
}

TEST(PanelEnter, EnterOnAnotherButtonPressesThatOne) {
  TempFolder dir;
  AppHarness app(dir.path());
  app.form().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.form()));
  app.Choose("MenuPM");
  auto* leave = app.Find<QPushButton>("ButtonSaiPM");
  QSignalSpy draw(app.Find<QPushButton>("ButtonSorPM"), &QPushButton::clicked);
  QSignalSpy left(leave, &QPushButton::clicked);
  leave->setFocus();
  QTest::keyClick(leave, Qt::Key_Return);
  EXPECT_EQ(left.count(), 1);
  EXPECT_EQ(draw.count(), 0);
}

}  // namespace
}  // namespace tavelao::testing
