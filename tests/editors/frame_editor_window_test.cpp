#include "editors/ui/frame_editor_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/app_harness.h"
#include "editors/ui/drag_handle.h"
#include "editors/ui/font_chooser.h"
#include "editors/ui/number_editor_window.h"
#include "issue/card_file.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"

namespace tavelao::editors {
namespace {

using testing::AppHarness;
using testing::TempFolder;

class ScriptedFonts : public FontChooser {
 public:
  NumberFont Choose(const NumberFont& preset) override {
    offered = preset;
    return answer;
  }
  NumberFont offered;
  NumberFont answer;
};

class FrameEditorWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    app.form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.form()));
  }

  // A run of `model` with `frames` typed into EditNP, as the organiser does it.
  void IssueModel(const char* menu, const QString& frames, bool large = false) {
    app.Choose(menu);
    app.Type("EditNP", frames);  // leaving it shows the card sizes
    app.Type("EditCI", "41");
    app.Type("EditQT", "2");
    if (large) app.Find<QAbstractButton>("RB3Car")->setChecked(true);
    app.Click("ButtonOK");
  }

  template <typename W = QWidget>
  W* In(QWidget* window, const char* name) {
    return window->findChild<W*>(QString::fromUtf8(name));
  }

  const report::Page& Printed(FrameEditorWindow* window) {
    In<QPushButton>(window, "Button11")->click();
    static const report::Page kNone;
    const report::Document& document = window->preview().document();
    EXPECT_FALSE(document.pages.empty());
    return document.pages.empty() ? kNone : document.pages.front();
  }

  TempFolder dir;
  AppHarness app{dir.path()};
};

TEST_F(FrameEditorWindows, DraggingAHandleMovesWhereItsFramePrints) {
  IssueModel("Menu9", "3");
  auto* window = app.Find<FrameEditorWindow>("TFormVar");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_TRUE(In(window, "BQuadro3")->isVisible());
  EXPECT_FALSE(In(window, "BQuadro4")->isVisible());
  EXPECT_EQ(window->windowTitle(), "Posicionamento dos quadros na cartela variavel tamanho A4 - 21 * 29,7cm");

  QWidget* handle = In(window, "BQuadro1");
  QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(QWidget::mouseGrabber(), handle);
  QTest::mouseMove(handle, QPoint(40, 30));
  QTest::mouseMove(handle, QPoint(30, 10));  // it moved with the first one: 20 more to the right
  QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  const HandlePosition moved{18 + 30 + 20, 6 + 20};
  EXPECT_EQ(window->state().frames[0], moved);

  const report::Page& page = Printed(window);
  ASSERT_NE(page.Find("Quadro1", 0), nullptr);
  EXPECT_EQ(page.Find("Quadro1", 0)->rect.x, 2 * moved.left);
  EXPECT_EQ(page.Find("Quadro1", 0)->rect.y, 2 * moved.top + 40);
  EXPECT_EQ(page.Find("LP1", 0), nullptr) << "no prize typed, no caption";
  EXPECT_EQ(page.Find("Quadro4", 0), nullptr);
  EXPECT_TRUE(window->preview().isVisible());

  window->close();
  EXPECT_FALSE(std::filesystem::exists(dir / issue::kCardFile));
  ASSERT_TRUE(std::filesystem::exists(dir / "Variantes.cds"));
  // The next start reads the position back.
  ScriptedFonts fonts;
  FrameEditorWindow again(FrameEditorKind::kA4, app.workspace(), app.dialogs, fonts, nullptr);
  EXPECT_EQ(again.state().frames[0], moved);
  EXPECT_EQ(In(&again, "BQuadro1")->pos() - In(&again, "Panel1")->pos(), QPoint(moved.left, moved.top));
}

TEST_F(FrameEditorWindows, RecolBlocksAndCheckBoxes) {
  IssueModel("Menu9", "9");
  auto* window = app.Find<FrameEditorWindow>("TFormVar");
  In(window, "BQuadro2")->move(5, 5);
  QTest::mousePress(In(window, "BM"), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(In(window, "BM"), QPoint(25, 5));
  QTest::mouseRelease(In(window, "BM"), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_NE(window->state().matrix, FrameVariant(FrameEditorKind::kA4).matrix_default);
  In<QPushButton>(window, "ButtonRecol")->click();
  EXPECT_EQ(window->state().matrix, FrameVariant(FrameEditorKind::kA4).matrix_default);

  auto* blocks = In<QLineEdit>(window, "EditNN");
  EXPECT_EQ(blocks->text(), "1");
  blocks->setText("2");
  QFocusEvent leave(QEvent::FocusOut);  // EditNNExit
  QApplication::sendEvent(blocks, &leave);
  EXPECT_FALSE(In(window, "BC4")->isVisible());
  EXPECT_TRUE(In(window, "BC5")->isVisible());
  In<QCheckBox>(window, "CheckSBarras")->click();
  const report::Page& page = Printed(window);
  EXPECT_NE(page.Find("Num5", 0), nullptr);
  EXPECT_EQ(page.Find("ImB5", 0), nullptr);
  window->close();
}

TEST_F(FrameEditorWindows, LargeCardAndA5OpenTheirOwnEditors) {
  IssueModel("Menu9", "4", /*large=*/true);
  auto* large = app.Find<FrameEditorWindow>("TFormVarG");
  ASSERT_TRUE(large->isVisible());
  EXPECT_TRUE(In(large, "BQuadro4")->isVisible());
  EXPECT_FALSE(In(large, "BQuadro5")->isVisible());
  EXPECT_EQ(In(large, "BQuadro7"), nullptr);
  large->close();

  IssueModel("MenuA5", "9");
  auto* a5 = app.Find<FrameEditorWindow>("TFormVarA5");
  ASSERT_TRUE(a5->isVisible());
  EXPECT_EQ(In<QLabel>(a5, "LabelTamanho")->text(), "12");
  EXPECT_EQ(In(a5, "EditNN"), nullptr);
  EXPECT_FALSE(In(a5, "BC2")->isVisible());
  In<QCheckBox>(a5, "CheckSC")->click();
  EXPECT_EQ(In<QCheckBox>(a5, "CheckSC")->text(), "Número da cartela duplicado");
  EXPECT_TRUE(In(a5, "BC2")->isVisible());
  EXPECT_EQ(Printed(a5).Find("Num2", 0) != nullptr, true);
  a5->close();
}

TEST_F(FrameEditorWindows, TheChosenFontReachesThePanelAndTheNumbers) {
  ScriptedFonts fonts;
  fonts.answer = {"Courier New", 22, false, Rgb{0, 0, 255}};
  FrameEditorWindow window(FrameEditorKind::kA4, app.workspace(), app.dialogs, fonts, nullptr);
  In<QPushButton>(&window, "ButtonFonte")->click();
  EXPECT_EQ(fonts.offered, NumberFont{});
  EXPECT_EQ(In<QLabel>(&window, "LabelFonte")->text(), "Courier New");
  EXPECT_EQ(In<QLabel>(&window, "LabelTamanho")->text(), "22");
  EXPECT_EQ(In<QLabel>(&window, "LabelNegrito")->text(), "Nao");
  EXPECT_EQ(In<QLabel>(&window, "LabelCor")->palette().color(QPalette::Window), QColor(0, 0, 255));
}

TEST_F(FrameEditorWindows, TheNumberEditorDragsPrintsAndRemembers) {
  app.Choose("Menu25");
  app.Type("EditCI", "41");
  app.Type("EditQT", "2");
  app.Click("ButtonOK");
  auto* window = app.Find<NumberEditorWindow>("TFormDVar");
  ASSERT_TRUE(window->isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QWidget* first = In(window, "QD1");
  EXPECT_EQ(static_cast<QPushButton*>(first)->text(), "01");
  QTest::mousePress(first, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(first, QPoint(15, 10));
  QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(window->state().numbers[0], (HandlePosition{40, 35}));

  In<QCheckBox>(window, "Check2Cod")->click();
  EXPECT_FALSE(In(window, "BC2")->isVisible());
  In<QCheckBox>(window, "Check2Cart")->click();
  EXPECT_EQ(In(window, "Panel1")->height(), 261);
  In<QPushButton>(window, "Button11")->click();
  const report::Document& document = window->preview().document();
  ASSERT_EQ(document.pages.size(), 1u) << "two cards on one sheet";
  EXPECT_EQ(document.pages[0].Find("C11", 0)->rect.x, 80);
  EXPECT_EQ(document.pages[0].Find("C11", 0)->rect.y, 70);
  EXPECT_EQ(document.pages[0].Find("NumCar2", 0), nullptr);
  window->close();

  ScriptedFonts fonts;
  fonts.answer = {"Courier New", 20, true, Rgb{0, 0, 255}};
  app.colours.answers.push_back(Rgb{255, 255, 0});
  NumberEditorWindow again(app.workspace(), app.dialogs, fonts, app.colours, nullptr);
  EXPECT_EQ(again.state().numbers[0], (HandlePosition{40, 35}));
  EXPECT_TRUE(In<QCheckBox>(&again, "Check2Cart")->isChecked());
  EXPECT_FALSE(In<QCheckBox>(&again, "Check2Cod")->isChecked());
  EXPECT_FALSE(In(&again, "BC2")->isVisible());
  In<QPushButton>(&again, "ButtonFonte")->click();
  EXPECT_EQ(In<QLabel>(&again, "LabelFonte")->text(), "Courier New");
  EXPECT_EQ(In<QLabel>(&again, "LabelFundo")->palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(again.state().background, (Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace tavelao::editors
