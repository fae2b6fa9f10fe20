// The draw screens driven as the operator drives them: menu "Sorteio", the
// card size, the pattern window, the board, the follow-up panel, the ball
// picture and sound, the winners sheet and the card conference.

#include <QSignalSpy>

#include "draw/ball_call.h"
#include "draw/draw_journal.h"
#include "draw/ui/ball_caller.h"
#include "draw_screens_fixture.h"

namespace tavelao::testing {
namespace {

TEST_F(DrawScreens, RoadOfOneCardFromTheMenuToTheWinnersSheet) {
  Validate(42, 7, 1);
  ASSERT_TRUE(app.form().MenuEntry("MenuSorteio")->isEnabled());
  app.Choose("MenuSorteio");
  EXPECT_FALSE(MenusShown());
  ASSERT_TRUE(Visible("PanelTSor"));
  EXPECT_TRUE(Get<QCheckBox>("CB25")->isChecked());
  EXPECT_TRUE(Get<QCheckBox>("CBMostra")->isChecked());
  // One size at a time.
  Tick("CB15");
  EXPECT_TRUE(Get<QCheckBox>("CB15")->isChecked());
  EXPECT_FALSE(Get<QCheckBox>("CB25")->isChecked());
  Tick("CB25");
  EXPECT_FALSE(Get<QCheckBox>("CB15")->isChecked());
  app.Click("ButtonOKTSor");
  EXPECT_FALSE(Visible("PanelTSor"));
  EXPECT_TRUE(Visible("PanelInicio"));
  EXPECT_FALSE(Visible("PanelPedras"));

  app.Click("ButtonManual");
  EXPECT_FALSE(Visible("PanelInicio"));
  EXPECT_TRUE(Visible("PanelPedras"));
  EXPECT_TRUE(Visible("PanelAcompanha"));
  EXPECT_TRUE(Visible("CBCheia"));
  EXPECT_TRUE(Get<QCheckBox>("CBCheia")->isChecked());
  EXPECT_EQ(Text("LabelTipoSor"), "Sorteia cartela cheia");
  EXPECT_TRUE(Get<QPushButton>("ButtonConf")->isEnabled());
  app.Click("ButtonSorteios");
  ASSERT_TRUE(Visible("TFormSorteios"));
  EXPECT_EQ(Get("TFormSorteios")->windowTitle(), "Marcar outros tipos de sorteio");
  EXPECT_FALSE(
      Get("TFormSorteios")->frameGeometry().intersects(QRect(Get("P1")->mapToGlobal(QPoint(0, 0)), Get("P1")->size())))
      << "beside the board, not over its first balls";
  Tick("CBLinha");

  std::vector<int> third_row;
  for (int k : {3, 8, 13, 18, 23}) third_row.push_back(Ball(42, k));
  for (int ball : third_row) ClickPanel(ball);
  for (int ball : third_row) EXPECT_EQ(FontOf(ball), kRed) << ball;
  EXPECT_EQ(Text("LabelSorteadas"), "5");
  EXPECT_EQ(Text("LabelRestam"), "95");
  EXPECT_EQ(Text("ButtonUltima"), "O" + QString::fromStdString(draw::BallLabel(third_row.back())));
  EXPECT_TRUE(Text("Memo1").split('\n').contains("CARTELA 000042 BATEU LINHA Lote:000007 Seq:001"))
      << Text("Memo1").toStdString();
  EXPECT_FALSE(Get<QCheckBox>("CBLinha")->isChecked()) << "a won pattern is unticked";

  QWidget* sheet = Get("TFormVenc");
  ASSERT_TRUE(sheet->isVisible());
  EXPECT_EQ(sheet->windowTitle(), "Cartelas ganhadoras");
  EXPECT_EQ(Text("Cart1"), "Cartela 000042-6");
  EXPECT_EQ(Text("A3"), QString::fromStdString(draw::BallLabel(third_row[0])));
  EXPECT_EQ(Text("lb1"), "B");
  EXPECT_TRUE(SheetFrame(1)->isVisibleTo(sheet));
  EXPECT_FALSE(SheetFrame(2)->isVisibleTo(sheet));
  EXPECT_EQ(SheetFrame(1)->height(), 237);
  EXPECT_FALSE(Visible("ButtonMostra")) << "the sheet came by itself";
}

TEST_F(DrawScreens, SecondClickUnmarksAndABlankPanelDoesNothing) {
  app.Choose("MenuSorteio");
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonSorteios");
  Tick("CBCantos");
  Tick("CBCheia");  // unticked: only the columns of the corners play
  EXPECT_EQ(Text("LabelnoSorteio"), "40");
  EXPECT_EQ(Text("LabelOutros"), "Outros sorteios: CANTOS ");
  EXPECT_EQ(Text("P30"), "");
  EXPECT_EQ(Text("P100"), "00");

  ClickPanel(30);
  EXPECT_EQ(Text("MemoOrdem"), "Ordem do sorteio:");
  EXPECT_EQ(Text("LabelSorteadas"), "0");
  EXPECT_EQ(FontOf(30), kNavy);

  ClickPanel(5);
  EXPECT_EQ(FontOf(5), kRed);
  EXPECT_EQ(Text("LabelRestam"), "39");
  ClickPanel(5);
  EXPECT_EQ(FontOf(5), kNavy);
  EXPECT_EQ(Text("MemoOrdem"), "Ordem do sorteio:05 -05 ");
  EXPECT_EQ(Text("LabelSorteadas"), "0");
  EXPECT_EQ(Text("LabelRestam"), "40");
  EXPECT_EQ(Text("ButtonUltima"), "B05");

  // Ticking the full card again while drawing brings every column back.
  Tick("CBCheia");
  EXPECT_EQ(Text("LabelnoSorteio"), "100");
  EXPECT_EQ(Text("P30"), "30");
}

TEST_F(DrawScreens, EndReturnsToTheStartAndLeavingGivesBackTheMenus) {
  Choose();
  app.Click("ButtonManual");
  ClickPanel(12);
  app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
  app.Click("ButtonFim");
  EXPECT_TRUE(Visible("PanelInicio"));
  EXPECT_FALSE(Visible("PanelPedras"));
  EXPECT_FALSE(Visible("PanelAcompanha"));
  EXPECT_EQ(Text("MemoOrdem"), "");
  // A new draw starts from a clean board.
  app.Click("ButtonManual");
  EXPECT_EQ(FontOf(12), kNavy);
  EXPECT_EQ(Text("LabelSorteadas"), "0");
  app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
  app.Click("ButtonFim");
  app.Click("ButtonSair");
  EXPECT_FALSE(Visible("PanelSorteio"));
  EXPECT_TRUE(MenusShown());
}

// Taking a ball back and ending the draw ask first; what was done stays in
// the journal.
TEST_F(DrawScreens, UndoAndEndAskFirstAndLeaveTheirTraceInTheJournal) {
  Choose();
  app.Click("ButtonManual");
  ClickPanel(12);
  ClickPanel(30);
  app.Click("ButtonDesfazer");  // answered No
  EXPECT_EQ(app.dialogs.last().text, "Desfazer a última pedra, 30? Ela fica na ata como desfeita.");
  EXPECT_EQ(FontOf(30), kRed);
  app.dialogs.AnswerYes();
  app.Click("ButtonDesfazer");
  EXPECT_EQ(FontOf(30), kNavy);
  EXPECT_EQ(FontOf(12), kRed);
  EXPECT_EQ(Text("LabelSorteadas"), "1");

  app.Click("ButtonFim");  // answered No
  EXPECT_EQ(app.dialogs.last().text, "Encerrar o sorteio? As pedras sorteadas ficam na ata.");
  EXPECT_TRUE(Visible("PanelPedras"));
  app.dialogs.AnswerYes();
  app.Click("ButtonFim");
  EXPECT_TRUE(Visible("PanelInicio"));
  auto events = draw::ReadJournal(app.workspace().journal);
  ASSERT_TRUE(events);
  std::vector<std::string> words;
  for (const draw::JournalEvent& e : *events) words.emplace_back(draw::WordOf(e.kind));
  EXPECT_EQ(words, (std::vector<std::string>{"inicio", "pedra", "pedra", "desmarca", "fim"}));

  // After the draw its minutes are one click away.
  app.Click("ButtonAtaInicio");
  EXPECT_TRUE(Visible("FormAta"));
}

TEST_F(DrawScreens, ElectronicDrawMarksOnePanelRed) {
  Choose();
  EXPECT_FALSE(Visible("PanelPedras"));
  app.Click("ButtonEletronico");
  ASSERT_TRUE(Visible("ButtonAlea"));
  ClickPanel(7);
  EXPECT_EQ(FontOf(7), kNavy) << "panel clicks do nothing in an electronic draw";
  app.Click("ButtonAlea");
  int red = 0;
  for (int n = 1; n <= 100; ++n) red += FontOf(n) == kRed;
  EXPECT_EQ(red, 1);
  EXPECT_EQ(Text("LabelSorteadas"), "1");
  EXPECT_EQ(Text("ButtonUltima").size(), 3);
  app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
  app.Click("ButtonFim");
  EXPECT_FALSE(Visible("ButtonAlea"));
  app.Click("ButtonManual");
  EXPECT_FALSE(Visible("ButtonAlea"));
}

TEST_F(DrawScreens, NoCardSizeIsRefusedAndFifteenHidesTheFullCardControls) {
  app.Choose("MenuSorteio");
  Tick("CB25");
  app.Click("ButtonOKTSor");
  ASSERT_FALSE(app.dialogs.shown.empty());
  EXPECT_EQ(app.dialogs.last().title, "Tipo de sorteio não definido.");
  EXPECT_EQ(app.dialogs.last().text, "Marque 5,15, 20 ou 25 dezenas para o sorteio");
  EXPECT_TRUE(Visible("PanelTSor"));

  Tick("CB15");
  app.Click("ButtonOKTSor");
  EXPECT_TRUE(Visible("PanelInicio"));
  app.Click("ButtonManual");
  EXPECT_FALSE(Visible("CBCheia"));
  EXPECT_FALSE(Visible("LabelTipoSor"));
  EXPECT_FALSE(Visible("ButtonSorteios"));
  EXPECT_EQ(Text("LabelOutros"), "Cartela com 15 pedras:");
  EXPECT_EQ(SheetFrame(1)->height(), 164);
}

TEST_F(DrawScreens, ClosingTheSheetHidesMostraAndMostraBringsItBack) {
  Validate(42, 7, 1);
  app.Choose("MenuSorteio");
  Tick("CBMostra");  // unticked: the button instead of the sheet
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonSorteios");
  Tick("CBLinha");
  for (int k : {3, 8, 13, 18, 23}) ClickPanel(Ball(42, k));
  EXPECT_FALSE(Visible("TFormVenc"));
  ASSERT_TRUE(Visible("ButtonMostra"));
  app.Click("ButtonMostra");
  EXPECT_TRUE(Visible("TFormVenc"));
  EXPECT_FALSE(Visible("ButtonMostra"));
  EXPECT_EQ(Text("Cart1"), "Cartela 000042-6");
  Get("TFormVenc")->close();
  EXPECT_FALSE(Visible("ButtonMostra"));
}

TEST_F(DrawScreens, TitleLettersFollowTheOptions) {
  Choose();
  app.Click("ButtonManual");
  app.form().card_options().letters = {"T", "A", "V", "E", "L"};
  app.form().ApplyTitleLetters();
  EXPECT_EQ(Text("LB1"), "T");
  EXPECT_EQ(Text("LO2"), "L");
  EXPECT_EQ(Text("lo6"), "L");
  ClickPanel(100);
  EXPECT_EQ(Text("ButtonUltima"), "L00");
}

// ---- sound ----

TEST_F(DrawScreens, SomAsksNothingAndABallWithoutItsOwnFileIsCalledAloud) {
  WriteFile("sp05.wav");
  Choose();
  app.Click("ButtonManual");
  ClickPanel(4);
  EXPECT_TRUE(app.sounds.played.empty()) << "no sound before Som is ticked";
  Tick("CheckSom");
  EXPECT_TRUE(app.dialogs.shown.empty()) << "nothing to download: the voice comes with the program";
  EXPECT_TRUE(app.opened.empty());
  auto* caller = app.form().findChild<draw::BallCaller*>("BallCaller");
  ASSERT_NE(caller, nullptr);
  QSignalSpy spoken(caller, &draw::BallCaller::spoken);

  ClickPanel(5);
  EXPECT_EQ(app.sounds.played, (std::vector<std::string>{"sp05.wav"})) << "the ball's own file comes first";
  ClickPanel(42);
  ASSERT_TRUE(spoken.wait(10000));
  EXPECT_EQ(spoken.front().at(0).toString(), "N, quarenta e dois");
  EXPECT_EQ(app.sounds.played.size(), 1u) << "no common sound while there is a voice";
}

TEST_F(DrawScreens, AWinIsCalledAloudAfterItsBall) {
  Validate(42, 7, 1);
  Choose();
  app.Click("ButtonManual");
  app.Click("ButtonSorteios");
  Tick("CBLinha");
  Get("TFormSorteios")->hide();
  for (int k : {1, 6, 11, 16}) ClickPanel(Ball(42, k));
  Tick("CheckSom");
  QSignalSpy spoken(app.form().findChild<draw::BallCaller*>("BallCaller"), &draw::BallCaller::spoken);
  ClickPanel(Ball(42, 21));
  QTRY_COMPARE_WITH_TIMEOUT(spoken.size(), 2, 15000);
  EXPECT_EQ(spoken[0].at(0).toString(),
            QString::fromStdString(draw::BallCallText(Ball(42, 21), {"B", "I", "N", "G", "O"})));
  EXPECT_EQ(spoken[1].at(0).toString(), "Bingo! Cartela quarenta e dois");
}

// ---- picture ----

TEST_F(DrawScreens, PictureGrowsFromTheBallAndHoldsTheNextBallUntilItEnds) {
  WritePicture("im05.jpg");
  Choose();
  app.Click("ButtonManual");
  ClickPanel(5);
  ClickPanel(6);  // while the picture comes in
  EXPECT_EQ(Text("MemoOrdem"), "Ordem do sorteio:05 ");
  EXPECT_EQ(FontOf(6), kNavy);
  QWidget* picture = Get("PanelImagem");
  QTRY_VERIFY_WITH_TIMEOUT(picture->isVisible(), 2000);
  const QPoint start = Get("P5")->mapTo(Get("PanelSorteio"), QPoint(0, 36));
  EXPECT_EQ(draw::PicturePanel::StepGeometry(start, 10), QRect(34, 0, 721, 522));
  QTRY_COMPARE_WITH_TIMEOUT(picture->geometry(), QRect(34, 0, 721, 522), 3000);
  QTest::qWait(2 * draw::PicturePanel::kStepWaitMs);
  ClickPanel(6);
  EXPECT_EQ(Text("MemoOrdem"), "Ordem do sorteio:05 06 ");
  EXPECT_TRUE(picture->isVisible()) << "it stays until clicked";
  QTest::mouseClick(Get("Imagem"), Qt::LeftButton);
  EXPECT_FALSE(picture->isVisible());
}

TEST_F(DrawScreens, ABallWithoutPictureHoldsNothing) {
  Choose();
  app.Click("ButtonManual");
  ClickPanel(5);
  ClickPanel(6);
  EXPECT_EQ(Text("MemoOrdem"), "Ordem do sorteio:05 06 ");
  EXPECT_FALSE(Visible("PanelImagem"));
}

// ---- card conference ----

// The verdict lies between the header and the grid, so every card size's
// panel is that much taller.
constexpr int kVerdictBand = 66;

TEST_F(DrawScreens, ConferenceShowsAnyCardAgainstTheDrawAndChangesNothing) {
  Validate(42, 7, 1);
  Choose();
  app.Click("ButtonManual");
  ClickPanel(100);
  ClickPanel(Ball(10000, 6));
  ClickPanel(Ball(42, 3));
  const DrawSnapshot before = Snapshot();
  const draw::BallSet drawn = Screen().run().state().drawn;
  ASSERT_EQ(drawn.Count(), 3);

  EXPECT_FALSE(Visible("PanelConf"));
  app.Click("ButtonConf");
  ASSERT_TRUE(Visible("PanelConf"));
  EXPECT_EQ(Get<QLineEdit>("EditConf")->text(), "0");
  EXPECT_EQ(Text("Button1"), "Sair da conferência");
  EXPECT_EQ(Text("BitBtn1"), "Imprime");
  EXPECT_EQ(Get("PanelConf")->height(), 288 + kVerdictBand);
  EXPECT_EQ(Get("PanelConf")->palette().color(QPalette::Window), kNavy);

  // Card 10000 is not validated; its O column holds 00.
  ASSERT_EQ(app.workspace().bank.CardNumber(10000, 22), "00");
  Confer("10000", /*enter=*/false);
  EXPECT_EQ(Text("C1"), "") << "only Enter confers";
  QTest::keyClick(Get<QLineEdit>("EditConf"), Qt::Key_Return);
  ExpectCard(10000, drawn);
  EXPECT_EQ(CellColour(22), kRed) << "00 is ball 100";
  EXPECT_EQ(CellColour(6), kRed);
  EXPECT_EQ(Text("LabelSenha"), "") << "no password, no authentication text";
  EXPECT_TRUE(app.dialogs.shown.empty());

  // A card of the draw shows the same way.
  Confer("42");
  ExpectCard(42, drawn);
  {
    auto events = draw::ReadJournal(app.workspace().journal);
    ASSERT_TRUE(events);
    EXPECT_EQ(events->back().kind, draw::EventKind::Conferred) << "the conference is in the journal";
    EXPECT_EQ(events->back().fields.Get("cartela"), "42");
    EXPECT_EQ(events->back().fields.Get("veredito").rfind("VALIDADA", 0), 0u) << "and its verdict";
  }
  EXPECT_EQ(CellColour(3), kRed);

  EXPECT_TRUE(Snapshot() == before);
  EXPECT_EQ(Screen().run().state().drawn.low, drawn.low);
  EXPECT_EQ(Screen().run().state().drawn.high, drawn.high);
  // The draw goes on as before.
  ClickPanel(Ball(42, 13));
  EXPECT_EQ(Text("LabelSorteadas"), "4");

  app.Click("Button1");
  EXPECT_FALSE(Visible("PanelConf"));
  app.Click("ButtonConf");
  EXPECT_EQ(Text("C1"), "") << "opening blanks the grid";
  app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
  app.Click("ButtonFim");
  EXPECT_FALSE(Visible("PanelConf"));
}

TEST_F(DrawScreens, ConferenceBeforeAnyBallAndWithThePassword) {
  app.workspace().password = *card::Password::FromText("ABCDE");
  Choose();
  app.Click("ButtonManual");
  app.Click("ButtonConf");
  Confer(" 42 ");
  for (int k = 1; k <= 25; ++k) EXPECT_EQ(CellColour(k), kNavy) << k;
  const std::string code =
      card::CardAuthenticationCode(app.workspace().bank, 42, app.workspace().password, app.workspace().issuer);
  ASSERT_EQ(code.size(), 5u);
  EXPECT_EQ(Text("LabelSenha"), QString::fromStdString("Autenticação:" + code));
  auto& panel = *Get<draw::ConferencePanel>("PanelConf");
  ASSERT_TRUE(panel.shown());
  EXPECT_EQ(panel.shown()->card_caption, "Cartela: 42") << "as typed, without the spaces";
}

TEST_F(DrawScreens, RefusedOrNonNumericEntryKeepsWhatThePanelShowed) {
  Choose();
  app.Click("ButtonManual");
  app.Click("ButtonConf");
  Confer("42");
  const QString shown = Cells();
  ASSERT_FALSE(Text("C1").isEmpty());
  for (const char* typed : {"120001", "0", "10001"}) {
    const std::size_t boxes = app.dialogs.shown.size();
    Confer(typed);
    ASSERT_EQ(app.dialogs.shown.size(), boxes + 1) << typed;
    EXPECT_FALSE(app.dialogs.last().question);
    EXPECT_EQ(app.dialogs.last().title, "Conferência de cartela");
    EXPECT_NE(app.dialogs.last().text.find("cartela"), std::string::npos) << app.dialogs.last().text;
    EXPECT_EQ(Cells(), shown) << typed;
  }
  const std::size_t boxes = app.dialogs.shown.size();
  Confer("abc");
  Confer("");
  EXPECT_EQ(app.dialogs.shown.size(), boxes) << "ignored without a message";
  EXPECT_EQ(Cells(), shown);
  EXPECT_EQ(Get<draw::ConferencePanel>("PanelConf")->shown()->card_caption, "Cartela: 42");
}

TEST_F(DrawScreens, ConferenceFollowsTheCardSizeOnScreenAndOnTheSheet) {
  struct Case {
    const char* box;
    int height;
    int rows;
    double cover_top;
    double cover_height;
  };
  for (const Case& c : {Case{"CB15", 198 + kVerdictBand, 3, 173, 80}, Case{"CB20", 242 + kVerdictBand, 4, 212, 43}}) {
    SCOPED_TRACE(c.box);
    Choose(c.box);
    app.Click("ButtonManual");
    ClickPanel(Ball(42, 1));
    app.Click("ButtonConf");
    QWidget* panel = Get("PanelConf");
    EXPECT_EQ(panel->height(), c.height);
    // The last row in play shows whole; the next one lies below the panel.
    EXPECT_LE(Get(("C" + std::to_string(c.rows)).c_str())->geometry().bottom(), c.height);
    EXPECT_GE(Get(("C" + std::to_string(c.rows + 1)).c_str())->geometry().top(), c.height);
    Confer("42");

    app.Click("BitBtn1");
    report::PreviewWindow& preview = Get<draw::ConferencePanel>("PanelConf")->preview();
    ASSERT_TRUE(preview.isVisible());
    EXPECT_EQ(Get("FormConf"), &preview);
    const report::Document& sheet = preview.document();
    EXPECT_EQ(sheet.name, "TFormConf");
    ASSERT_EQ(sheet.pages.size(), 1u);
    const report::Page& page = sheet.pages[0];
    EXPECT_EQ(page.TextOf("LabelCart", report::kPageHeader), "Cartela: 42");
    EXPECT_EQ(page.TextOf("n1", report::kPageHeader), std::string(app.workspace().bank.CardNumber(42, 1)));
    EXPECT_EQ(page.TextOf("x1", report::kPageHeader), "X");
    const report::PlacedItem* cover = page.Find("ShapeCobre", report::kPageHeader);
    ASSERT_NE(cover, nullptr);
    EXPECT_DOUBLE_EQ(cover->rect.y - sheet.page.margins.top, c.cover_top);
    EXPECT_DOUBLE_EQ(cover->rect.height, c.cover_height);
    preview.close();
    app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
    app.Click("ButtonFim");
    app.Click("ButtonSair");
  }
}

}  // namespace
}  // namespace tavelao::testing

namespace tavelao::testing {
namespace {

// A draw the program left open (a crash, the window closed mid-game) is
// offered at the next start: taken up as it was, or closed in the journal.
TEST(DrawResume, AnOpenDrawIsOfferedAtStartAndTakenUpOrClosed) {
  TempFolder dir;
  {
    AppHarness first(dir.path());
    first.Choose("MenuSorteio");
    first.Click("ButtonOKTSor");
    first.Click("ButtonManual");
    for (int ball : {12, 30, 77}) QTest::mouseClick(first.Find(("P" + std::to_string(ball)).c_str()), Qt::LeftButton);
  }
  {
    AppHarness second(dir.path(), {true});
    ASSERT_EQ(second.dialogs.shown.size(), 1u);
    const std::string& asked = second.dialogs.shown[0].text;
    EXPECT_EQ(asked.rfind("Há um sorteio interrompido em ", 0), 0u) << asked;
    EXPECT_NE(asked.find(" (3 pedras). Retomar?"), std::string::npos) << asked;
    EXPECT_TRUE(second.Find("PanelPedras")->isVisible());
    EXPECT_EQ(second.Find<QLabel>("LabelSorteadas")->text(), "3");
    EXPECT_EQ(second.Find<QLabel>("LabelOrdem")->text(), "Ordem do sorteio:12 30 77 ");
    QTest::mouseClick(second.Find("P5"), Qt::LeftButton);
  }
  {
    AppHarness third(dir.path());  // answered No
    ASSERT_EQ(third.dialogs.shown.size(), 1u);
    EXPECT_NE(third.dialogs.shown[0].text.find("(4 pedras)"), std::string::npos) << "the resumed draw's ball";
    EXPECT_FALSE(third.Find("PanelPedras")->isVisible());
  }
  AppHarness fourth(dir.path());
  EXPECT_TRUE(fourth.dialogs.shown.empty()) << "closed as interrupted";
  auto events = draw::ReadJournal(fourth.workspace().journal);
  ASSERT_TRUE(events);
  EXPECT_EQ(events->back().kind, draw::EventKind::Interrupted);
  EXPECT_EQ(draw::DrawsOf(*events).size(), 1u);
  EXPECT_FALSE(draw::FirstBrokenSeal(*events));
}

TEST_F(DrawScreens, ConferenceTellsTheVerdictAtOnceAndFillsTheWinningCells) {
  Validate(42, 7, 3);
  Choose();
  app.Click("ButtonManual");
  app.Click("ButtonSorteios");
  Tick("CBLinha");
  Tick("CBCantos");
  Get("TFormSorteios")->hide();
  for (int k : {3, 8, 13, 18, 23}) ClickPanel(Ball(42, k));  // the middle row
  ClickPanel(Ball(42, 1));                                   // and one more cell
  ASSERT_FALSE(Get<QCheckBox>("CBLinha")->isChecked()) << "won, so unticked";
  app.Click("ButtonConf");
  EXPECT_EQ(Text("LabelVeredito"), "") << "nothing before a card is conferred";

  Confer("42");
  EXPECT_EQ(Text("LabelVeredito"), "VALIDADA — lote 7, seq. 3");
  EXPECT_EQ(Text("LabelCompletou"), "COMPLETOU LINHA") << "the row won a moment ago is what the claim is about";
  QLabel* verdict = Get<QLabel>("LabelVeredito");
  EXPECT_GT(verdict->font().pointSizeF(), Get<QLabel>("LabelSenha")->font().pointSizeF() * 1.4) << "large type";
  EXPECT_GE(verdict->geometry().bottom(), Get("EditConf")->geometry().bottom());
  EXPECT_LE(verdict->geometry().bottom(), Get("C1")->geometry().top()) << "above the grid, not over it";
  const auto fill = [this](int k) { return Get(("C" + std::to_string(k)).c_str())->palette().color(QPalette::Base); };
  const QColor white(255, 255, 255);
  for (int k : {3, 8, 13, 18, 23}) {
    EXPECT_EQ(CellColour(k), kRed) << k;
    EXPECT_NE(fill(k), white) << "cell " << k << " of the row is filled";
    EXPECT_EQ(fill(k), fill(3));
  }
  EXPECT_EQ(CellColour(1), kRed);
  EXPECT_EQ(fill(1), white) << "drawn, but not in the completed row";
  EXPECT_EQ(fill(2), white);

  // A card that is not validated does not play, whatever it shows; its
  // figures are still told so that the claim can be answered.
  Confer("10000");
  EXPECT_EQ(Text("LabelVeredito").toStdString(), "NÃO VALIDADA — não concorre");
  EXPECT_NE(Get<QLabel>("LabelVeredito")->palette().color(QPalette::WindowText),
            Get<QLabel>("LabelCartela")->palette().color(QPalette::WindowText));
  EXPECT_EQ(Text("LabelCompletou"), "");
  for (int k = 1; k <= 25; ++k) EXPECT_EQ(fill(k), white) << k;
  EXPECT_TRUE(app.dialogs.shown.empty());

  // Opening again blanks the verdict with the grid.
  app.Click("Button1");
  app.Click("ButtonConf");
  EXPECT_EQ(Text("LabelVeredito"), "");
  EXPECT_EQ(Text("LabelCompletou"), "");
}

}  // namespace
}  // namespace tavelao::testing
