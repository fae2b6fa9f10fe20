// The draw screen as a hall uses it: a board that grows with the window,
// drawn balls as filled cells, buttons that stay put, windows that open
// beside the board and never take the operator's next click.

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>

#include "draw/ui/audience_window.h"
#include "draw/ui/drawn_number_palette.h"
#include "draw_screens_fixture.h"

namespace tavelao::testing {
namespace {

class DrawHall : public DrawScreens {
 protected:
  QRect GlobalRect(QWidget* w) { return {w->mapToGlobal(QPoint(0, 0)), w->size()}; }
  QPoint PlaceIn(const char* widget) { return Get(widget)->mapTo(Get("PanelSorteio"), QPoint(0, 0)); }
  void StartManual(const char* size = nullptr) {
    Choose(size);
    app.Click("ButtonManual");
  }
};

TEST_F(DrawHall, BoardCellsGrowWithTheWindowAndDrawnBallsAreFilled) {
  StartManual();
  app.form().resize(1024, 720);
  QTest::qWait(10);
  const QSize small = Get("P1")->size();
  EXPECT_GE(small.width(), 38);
  EXPECT_GE(small.height(), 32);

  app.form().resize(1920, 1050);  // maximised on a 1920×1080 screen
  QTest::qWait(10);
  const QSize large = Get("P1")->size();
  EXPECT_GE(large.width(), 2 * 38) << "the small board's cells were 38×32";
  EXPECT_GE(large.height(), 2 * 32);
  EXPECT_GT(Get("P1")->font().pixelSize(), 2 * 12) << "the digits grow with the cell";
  EXPECT_GT(Get("ButtonUltima")->height(), 110);

  ClickPanel(5);
  const QImage board = Get("PanelPedras")->grab().toImage();
  const auto fill_of = [&](int ball) {
    const QRect cell(Get(("P" + std::to_string(ball)).c_str())->mapTo(Get("PanelPedras"), QPoint(0, 0)),
                     Get(("P" + std::to_string(ball)).c_str())->size());
    return board.pixelColor(cell.left() + 4, cell.center().y());  // beside the digits, inside the frame
  };
  EXPECT_EQ(fill_of(5), draw::kDrawnCellColour);
  EXPECT_EQ(fill_of(6), draw::kUndrawnCellColour);
  EXPECT_EQ(FontOf(5), kRed) << "drawn digits stay red";
}

TEST_F(DrawHall, ConfirmingAnotherCardSizeShowsItsBallsBeforeTheFirstClick) {
  StartManual();
  app.Click("ButtonSorteios");
  Tick("CBCantos");
  Tick("CBCheia");  // only the corners: columns B and O
  EXPECT_EQ(Text("LabelnoSorteio"), "40");
  EXPECT_EQ(Text("P50"), "");
  app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
  app.Click("ButtonFim");
  app.Click("ButtonSair");

  Choose("CB15");
  app.Click("ButtonManual");
  EXPECT_EQ(Text("LabelnoSorteio"), "100");
  EXPECT_EQ(Text("LabelRestam"), "100");
  EXPECT_EQ(Text("P50"), "50");
  ClickPanel(50);
  EXPECT_EQ(Text("LabelSorteadas"), "1");
}

TEST_F(DrawHall, TheOrderOfTheDrawKeepsTheLatestBallsInSight) {
  StartManual();
  for (int round = 0; round < 2; ++round) {
    for (int n = 1; n <= 100; ++n) ClickPanel(n);
  }
  auto* order = Get<QPlainTextEdit>("MemoOrdem");
  ASSERT_GT(order->verticalScrollBar()->maximum(), 0) << "the text must be longer than the box for this test";
  EXPECT_EQ(order->verticalScrollBar()->value(), order->verticalScrollBar()->maximum());
  EXPECT_TRUE(order->toPlainText().endsWith("-00 "));
}

TEST_F(DrawHall, EndAndConferenceButtonsStayStillAsPatternsComeAndGo) {
  Validate(42, 7, 1);
  StartManual();
  const QPoint fim = PlaceIn("ButtonFim");
  const QPoint conf = PlaceIn("ButtonConf");
  app.Click("ButtonSorteios");
  for (const char* box : {"CBLinha", "CBColuna", "CBTe", "CBJanelao", "CBCruz", "CBXis", "CBJanelinha", "CBBin", "CBU",
                          "CBPorta", "CBEle", "CBCantos"}) {
    Tick(box);
  }
  QTest::qWait(10);
  EXPECT_TRUE(Text("LabelOutros").contains("JANELÃO"));
  EXPECT_EQ(PlaceIn("ButtonFim"), fim);
  EXPECT_EQ(PlaceIn("ButtonConf"), conf);

  // The first row of card 42 wins Linha, which is unticked, and the sheet
  // or "Mostra ganhadoras" comes and goes.
  for (int k : {1, 6, 11, 16, 21}) ClickPanel(Ball(42, k));
  QTest::qWait(10);
  EXPECT_FALSE(Text("LabelOutros").contains(" LINHA "));
  EXPECT_EQ(PlaceIn("ButtonFim"), fim);
  EXPECT_EQ(PlaceIn("ButtonConf"), conf);
}

TEST_F(DrawHall, ADoubleClickOnABallIsOneClick) {
  StartManual();
  // What the window system delivers for a double-click: press, release,
  // press, double-click, release, the second press soon after the first.
  QWidget* panel = Get("P5");
  const QPointF at = panel->rect().center();
  const auto send = [&](QEvent::Type type, ulong time) {
    QMouseEvent event(type, at, panel->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    event.setTimestamp(time);
    QApplication::sendEvent(panel, &event);
  };
  const ulong t0 = 1'000'000;
  send(QEvent::MouseButtonPress, t0);
  send(QEvent::MouseButtonRelease, t0 + 60);
  send(QEvent::MouseButtonPress, t0 + 150);
  send(QEvent::MouseButtonDblClick, t0 + 150);
  send(QEvent::MouseButtonRelease, t0 + 210);
  EXPECT_EQ(FontOf(5), kRed);
  EXPECT_EQ(Text("LabelSorteadas"), "1");
  EXPECT_EQ(Text("MemoOrdem"), "Ordem do sorteio:05 ");
  ClickPanel(5);
  EXPECT_EQ(FontOf(5), kNavy) << "a later single click still unmarks";
}

TEST_F(DrawHall, PatternWindowOpensOnScreenAndClosesWithEscOrFechar) {
  StartManual();
  app.Click("ButtonSorteios");
  QWidget* patterns = Get("TFormSorteios");
  ASSERT_TRUE(patterns->isVisible());
  const QRect screen = patterns->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(patterns->frameGeometry())) << "title bar and all on the screen";
  EXPECT_GT(patterns->frameGeometry().top(), screen.top() - 1);

  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(patterns, &escape);
  EXPECT_FALSE(patterns->isVisible());

  app.Click("ButtonSorteios");
  ASSERT_TRUE(patterns->isVisible());
  QTest::mouseClick(patterns->findChild<QPushButton*>("ButtonFecharSorteios"), Qt::LeftButton);
  EXPECT_FALSE(patterns->isVisible());
}

TEST_F(DrawHall, WinnersSheetOpensAwayFromTheMouseAndLeavesTheFocusAlone) {
  Validate(42, 7, 1);
  StartManual();
  app.Click("ButtonSorteios");
  Tick("CBLinha");
  Get("TFormSorteios")->hide();
  app.form().activateWindow();
  QWidget* focus_before = QApplication::focusWidget();

  const std::array<int, 5> row = {Ball(42, 1), Ball(42, 6), Ball(42, 11), Ball(42, 16), Ball(42, 21)};
  for (int ball : row) {
    QWidget* panel = Get(("P" + std::to_string(ball)).c_str());
    QCursor::setPos(panel->mapToGlobal(panel->rect().center()));
    QTest::mouseClick(panel, Qt::LeftButton);
  }
  QWidget* sheet = Get("TFormVenc");
  ASSERT_TRUE(sheet->isVisible());
  EXPECT_TRUE(sheet->windowFlags() & Qt::WindowDoesNotAcceptFocus);
  EXPECT_TRUE(sheet->testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_FALSE(sheet->frameGeometry().contains(QCursor::pos())) << "the next click must reach the board";
  EXPECT_NE(QApplication::activeWindow(), sheet);
  EXPECT_EQ(QApplication::focusWidget(), focus_before);
}

TEST_F(DrawHall, TelaoFollowsEveryBallUnmarkAndDrawTypeAndLeavesTheFocusAlone) {
  app.workspace().card_options.prizes[0] = "Bingo da Paróquia";
  Validate(42, 7, 1);
  StartManual();
  app.form().activateWindow();
  QWidget* focus_before = QApplication::focusWidget();
  app.Click("ButtonTelao");
  auto* telao = Get<draw::AudienceWindow>("TFormTelao");
  ASSERT_TRUE(telao->isVisible());
  EXPECT_EQ(telao->screen(), draw::DefaultAudienceScreen());
  // One monitor here: a window the operator can close, not a full screen
  // that would hide the board.
  EXPECT_FALSE(telao->isFullScreen());
  EXPECT_FALSE(telao->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(telao->geometry().intersects(GlobalRect(Get("P1"))));
  EXPECT_TRUE(Get<QPushButton>("ButtonTelao")->isChecked());
  EXPECT_EQ(telao->view().event_title, "Bingo da Paróquia");

  ClickPanel(7);
  ClickPanel(42);
  ASSERT_TRUE(telao->view().last_ball);
  EXPECT_EQ(telao->view().last_ball->ball, 42) << "on the same click, not later";
  EXPECT_TRUE(telao->view().board[6].drawn);
  ClickPanel(42);  // unmarked: the last ball still drawn is 7
  EXPECT_EQ(telao->view().last_ball->ball, 7);
  EXPECT_FALSE(telao->view().board[41].drawn);

  app.Click("ButtonSorteios");
  Tick("CBLinha");
  Get("TFormSorteios")->hide();
  const auto& figures = telao->view().figures;
  EXPECT_TRUE(std::any_of(figures.begin(), figures.end(), [](const auto& f) { return f.title == "LINHA"; }));
  for (int k : {1, 6, 11, 16, 21}) ClickPanel(Ball(42, k));
  ASSERT_FALSE(telao->view().announcements.empty());
  EXPECT_EQ(telao->view().announcements.front(), "BINGO! Cartela 000042 — LINHA");

  EXPECT_NE(QApplication::activeWindow(), telao);
  EXPECT_EQ(QApplication::focusWidget(), focus_before);
  app.Click("ButtonTelao");
  EXPECT_FALSE(telao->isVisible());
  app.Click("ButtonTelao");
  app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
  app.Click("ButtonFim");
  app.Click("ButtonSair");
  EXPECT_FALSE(telao->isVisible()) << "leaving the draw closes the audience screen";
}

}  // namespace
}  // namespace tavelao::testing
