#include "editors/ui/frame_editor_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFocusEvent>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

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
  FontChoice Choose(const FontChoice& preset, QWidget*) override {
    offered = preset;
    return answer;
  }
  FontChoice offered;
  FontChoice answer;
};

// Drags `handle` by `by` with the mouse, the move sent to it while it holds
// the mouse however far it goes.
void Drag(QWidget* handle, QPoint by) {
  const QPoint from(5, 5);
  QTest::mousePress(handle, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(from + by), handle->mapToGlobal(QPointF(from + by)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(handle, &move);
  QTest::mouseRelease(handle, Qt::LeftButton, {}, from);
}

// What the one font dialog of a press of "Seleciona fonte" showed, answered
// by `answer` while it is open.
struct FontDialogSeen {
  int dialogs = 0;
  QWidget* parent = nullptr;
  QFont shown;
};

FontDialogSeen PressFontButton(QWidget* window, const std::function<void(QDialog&)>& answer) {
  FontDialogSeen seen;
  int tries = 50;  // the dialog opens at the press; half a second at most
  std::function<void()> look = [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      if (--tries > 0) QTimer::singleShot(10, look);
      return;
    }
    ++seen.dialogs;
    seen.parent = dialog->parentWidget();
    if (auto* fonts = dialog->findChild<QFontDialog*>(QStringLiteral("FontDialog"))) seen.shown = fonts->currentFont();
    answer(*dialog);
    // Another dialog straight after this one would be counted too.
    QTimer::singleShot(50, [&] {
      if (QApplication::activeModalWidget()) {
        ++seen.dialogs;
        QApplication::activeModalWidget()->close();
      }
    });
  };
  QTimer::singleShot(0, look);
  window->findChild<QPushButton*>(QStringLiteral("ButtonFonte"))->click();
  QTest::qWait(600);
  return seen;
}

void PressOk(QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("ButtonOKFonte"))->click(); }

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

  // A run of the number-editor model, cards 41 and 42: its editor window.
  NumberEditorWindow* IssueNumberModel() {
    app.Choose("Menu25");
    app.Type("EditCI", "41");
    app.Type("EditQT", "2");
    app.Click("ButtonOK");
    return app.Find<NumberEditorWindow>("TFormDVar");
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
  fonts.answer = {{"Courier New", 22, false, Rgb{0, 0, 255}}, std::nullopt};
  FrameEditorWindow window(FrameEditorKind::kA4, app.workspace(), app.dialogs, fonts, nullptr);
  In<QPushButton>(&window, "ButtonFonte")->click();
  EXPECT_EQ(fonts.offered, FontChoice{}) << "the default font, no background";
  EXPECT_EQ(In<QLabel>(&window, "LabelFonte")->text(), "Courier New");
  EXPECT_EQ(In<QLabel>(&window, "LabelTamanho")->text(), "22");
  EXPECT_EQ(In<QLabel>(&window, "LabelNegrito")->text(), "Nao");
  EXPECT_EQ(In<QLabel>(&window, "LabelCor")->palette().color(QPalette::Window), QColor(0, 0, 255));
}

TEST_F(FrameEditorWindows, TheNumberEditorDragsPrintsAndRemembers) {
  auto* window = IssueNumberModel();
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
  fonts.answer = {{"Courier New", 20, true, Rgb{0, 0, 255}}, Rgb{255, 255, 0}};
  NumberEditorWindow again(app.workspace(), app.dialogs, fonts, nullptr);
  EXPECT_EQ(again.state().numbers[0], (HandlePosition{40, 35}));
  EXPECT_TRUE(In<QCheckBox>(&again, "Check2Cart")->isChecked());
  EXPECT_FALSE(In<QCheckBox>(&again, "Check2Cod")->isChecked());
  EXPECT_FALSE(In(&again, "BC2")->isVisible());
  In<QPushButton>(&again, "ButtonFonte")->click();
  EXPECT_EQ(In<QLabel>(&again, "LabelFonte")->text(), "Courier New");
  EXPECT_EQ(In<QLabel>(&again, "LabelFundo")->palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(again.state().background, (Rgb{255, 255, 0}));
}

// Where Arial is drawn by a substitute, the dialog opens on that family in
// bold, and OK without a change keeps "Arial" "16" "Sim"; the dialog is the
// editor's, which is in front again when it closes.
TEST_F(FrameEditorWindows, OkWithoutAChangeKeepsTheStoredFontAndTheEditorInFront) {
  IssueModel("Menu9", "3");
  auto* window = app.Find<FrameEditorWindow>("TFormVar");
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  const FontDialogSeen seen = PressFontButton(window, PressOk);
  EXPECT_EQ(seen.dialogs, 1) << "no colour dialog after it";
  EXPECT_EQ(seen.parent, window);
  EXPECT_EQ(seen.shown.family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
  EXPECT_EQ(seen.shown.weight(), QFont::Bold);
  EXPECT_EQ(seen.shown.pointSize(), 16);
  EXPECT_EQ(window->state().font, NumberFont{});
  EXPECT_EQ(In<QLabel>(window, "LabelFonte")->text(), "Arial");
  EXPECT_EQ(In<QLabel>(window, "LabelNegrito")->text(), "Sim");
  EXPECT_TRUE(app.colours.offered.empty());
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(QApplication::activeWindow(), window);

  // A family and colour the organiser does choose are kept; Cancel keeps all.
  app.colours.answers.push_back(Rgb{0, 0, 255});
  PressFontButton(window, [](QDialog& dialog) {
    dialog.findChild<QFontDialog*>(QStringLiteral("FontDialog"))->setCurrentFont(QFont("Liberation Mono", 20));
    dialog.findChild<QPushButton*>(QStringLiteral("ButtonCor"))->click();
    PressOk(dialog);
  });
  EXPECT_EQ(window->state().font, (NumberFont{"Liberation Mono", 20, false, Rgb{0, 0, 255}}));
  EXPECT_EQ(In<QLabel>(window, "LabelNegrito")->text(), "Nao");
  PressFontButton(window, [](QDialog& dialog) {
    dialog.findChild<QFontDialog*>(QStringLiteral("FontDialog"))->setCurrentFont(QFont("DejaVu Sans", 9));
    dialog.reject();
  });
  EXPECT_EQ(window->state().font.name, "Liberation Mono");
  window->close();
}

// The font, its colour and the background in one dialog; a colour dialog
// opens only for the swatch pressed, over that dialog.
TEST_F(FrameEditorWindows, TheNumberEditorsFontButtonOpensOneDialog) {
  auto* window = IssueNumberModel();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  app.colours.answers.push_back(Rgb{255, 255, 0});
  const FontDialogSeen seen = PressFontButton(window, [](QDialog& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("ButtonFundo"))->click();
    PressOk(dialog);
  });
  EXPECT_EQ(seen.dialogs, 1);
  EXPECT_EQ(seen.parent, window);
  ASSERT_EQ(app.colours.offered.size(), 1u) << "only the background's colour dialog, asked for";
  EXPECT_EQ(app.colours.offered[0], (Rgb{255, 255, 255}));
  EXPECT_EQ(window->state().background, (Rgb{255, 255, 0}));
  EXPECT_EQ(window->state().font, NumberFont{});
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  window->close();
}

// A handle dragged past the page stops whole at its edge, where the mouse
// can take it again.
TEST_F(FrameEditorWindows, AHandleDraggedPastThePageStaysOnIt) {
  IssueModel("Menu9", "9");
  auto* window = app.Find<FrameEditorWindow>("TFormVar");
  QWidget* panel = In(window, "Panel1");
  QWidget* frame = In(window, "BQuadro9");
  Drag(frame, {3000, 3000});
  EXPECT_EQ(window->state().frames[8], (HandlePosition{397 - 96, 560 - 134}));
  EXPECT_TRUE(panel->geometry().contains(frame->geometry()));
  Drag(frame, {-3000, -3000});
  EXPECT_EQ(window->state().frames[8], (HandlePosition{0, 0}));
  Drag(In(window, "BM"), {0, 3000});
  EXPECT_EQ(window->state().matrix.top, 560 - 18);
  window->close();

  app.form().activateWindow();
  auto* numbers = IssueNumberModel();
  In<QCheckBox>(numbers, "Check2Cart")->click();
  Drag(In(numbers, "QD25"), {-3000, 3000});
  EXPECT_EQ(numbers->state().numbers[24], (HandlePosition{0, 261 - 25})) << "the half page of two cards a sheet";
  numbers->close();
}

}  // namespace
}  // namespace tavelao::editors
