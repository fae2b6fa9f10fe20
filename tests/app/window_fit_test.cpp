// Every window opens fully on a 1366×768 laptop screen and Esc closes every
// window but the main one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "app/ui/window_placement.h"
#include "app_harness.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

// A 1366×768 screen less a desktop panel of 32 pixels, and the title bar a
// window manager adds.
const QRect kLaptop(0, 0, 1366, 768 - 32);
constexpr int kTitleBar = 30;

TEST(FitInside, AWindowTooLargeOrOffTheScreenComesBackWhole) {
  // The main window's 1024×720 with its title bar is too tall for the laptop.
  const QRect main = app::FitInside(QRect(0, 0, 1024, 720 + kTitleBar), {400, 300}, kLaptop);
  EXPECT_EQ(main, QRect(0, 0, 1024, 736));
  const QRect off = app::FitInside(QRect(1200, 600, 500, 400), {100, 100}, kLaptop);
  EXPECT_EQ(off, QRect(866, 336, 500, 400));
  // Never smaller than the window can be: it is moved to the corner instead.
  const QRect stiff = app::FitInside(QRect(300, 300, 1500, 800), {1400, 760}, kLaptop);
  EXPECT_EQ(stiff.size(), QSize(1400, 760));
  EXPECT_EQ(stiff.topLeft(), QPoint(0, 0));
}

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    app.form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.form()));
  }
  // The windows of the program now shown, the main one aside.
  std::vector<QWidget*> Shown() {
    std::vector<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != &app.form() && w->isVisible() && w->windowType() == Qt::Window) shown.push_back(w);
    }
    return shown;
  }
  // Each window shown can be made to fit the laptop, is whole on this
  // screen, and closes with Esc.
  void ExpectFitsAndEscCloses(const char* opened_by) {
    SCOPED_TRACE(opened_by);
    QApplication::processEvents();
    const std::vector<QWidget*> shown = Shown();
    ASSERT_FALSE(shown.empty()) << "no window opened";
    for (QWidget* window : shown) {
      const std::string name = window->objectName().toStdString();
      const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize()) + QSize(0, kTitleBar);
      EXPECT_LE(least.width(), kLaptop.width()) << name;
      EXPECT_LE(least.height(), kLaptop.height()) << name;
      // Whole on the test's own screen, whenever the window can be that small.
      const QRect screen = window->screen()->availableGeometry(), frame = window->frameGeometry();
      const QSize smallest = least - QSize(0, kTitleBar) + (frame.size() - window->size());
      if (smallest.width() <= screen.width() && smallest.height() <= screen.height()) {
        EXPECT_TRUE(screen.contains(frame))
            << name << " " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
      }
      window->activateWindow();
      QTest::qWaitForWindowActive(window);
      QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
      QTest::keyClick(target, Qt::Key_Escape);
      EXPECT_FALSE(window->isVisible()) << name << " stays open after Esc";
    }
  }
  void Type(const char* field, const QString& text) {
    app.Find<QLineEdit>(field)->clear();
    app.Type(field, text);
  }
  void Issue(const char* menu) {
    app.Choose(menu);
    if (auto* frames = app.Find<QLineEdit>("EditNP"); frames && frames->isVisible()) Type("EditNP", "3");
    Type("EditCI", "41");
    Type("EditQT", "2");
    app.Click("ButtonOK");
  }

  TempFolder dir;
  AppHarness app{dir.path()};
};

TEST_F(Windows, ThePreviewAndTheEditorsOfAnIssue) {
  Issue("Menu1");
  ExpectFitsAndEscCloses("Menu1");
  Issue("Menu9");
  ExpectFitsAndEscCloses("Menu9");
  Issue("Menu25");
  ExpectFitsAndEscCloses("Menu25");
}

TEST_F(Windows, TheWindowsOfTheMenus) {
  for (const char* entry : {"MenuLote", "MenuRestaura", "MenuTexto"}) {
    app.Choose(entry);
    ExpectFitsAndEscCloses(entry);
  }
}

TEST_F(Windows, AWindowLeftOffTheScreenComesBackWholeWhenShownAgain) {
  app.Choose("MenuRestaura");
  QWidget* window = app.Find("TFormRestaura");
  ASSERT_TRUE(window && window->isVisible());
  window->close();
  const QRect screen = window->screen()->availableGeometry();
  window->move(screen.right() - 50, screen.bottom() - 50);
  window->show();
  QApplication::processEvents();
  EXPECT_TRUE(screen.contains(window->frameGeometry()))
      << window->frameGeometry().x() << "," << window->frameGeometry().y();
}

TEST_F(Windows, AWindowFirstOpensBesideTheMainWindowThenWhereItWasLeft) {
  app.form().setGeometry(QRect(0, 0, 300, 500));
  QApplication::processEvents();
  app.Choose("MenuRestaura");
  QApplication::processEvents();
  QWidget* window = app.Find("TFormRestaura");
  ASSERT_TRUE(window && window->isVisible());
  EXPECT_FALSE(window->frameGeometry().intersects(app.form().frameGeometry()))
      << window->frameGeometry().x() << "," << window->frameGeometry().y();
  window->close();
  const QPoint left_at = window->pos() + QPoint(0, 40);
  window->move(left_at);
  window->show();
  QApplication::processEvents();
  EXPECT_EQ(window->pos(), left_at);
}

TEST_F(Windows, TheDrawScreensWindows) {
  app.Choose("MenuSorteio");
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonSorteios");
  ExpectFitsAndEscCloses("ButtonSorteios");
  app.Click("ButtonAta");
  ExpectFitsAndEscCloses("ButtonAta");
}

TEST_F(Windows, TheMainWindowFitsAndEscLeavesItOpen) {
  app.form().setGeometry(QRect(500, 400, 1024, 720));
  app::KeepOnScreen(app.form());
  EXPECT_TRUE(app.form().screen()->availableGeometry().contains(app.form().frameGeometry()));
  QTest::keyClick(&app.form(), Qt::Key_Escape);
  EXPECT_TRUE(app.form().isVisible());
}

}  // namespace
}  // namespace tavelao::testing
