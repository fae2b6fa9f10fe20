// The direct panel and the batch window driven through their widgets.

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

#include "app/ui/main_form.h"
#include "app_harness.h"
#include "card/card_identity.h"
#include "common/text.h"
#include "issue/issue_run.h"
#include "support/temp_folder.h"
#include "validation/ui/batch_window.h"
#include "validation/ui/direct_panel.h"

namespace tavelao::testing {
namespace {

QString Typed(int card) { return QString::number(card) + QChar(card::CheckDigit(card)); }

QString Cell(QTableView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }

template <typename W>
W* In(QWidget* parent, const char* name) {
  auto* widget = parent->findChild<W*>(QString::fromUtf8(name));
  if (!widget) throw std::logic_error(std::string("no widget ") + name);
  return widget;
}

class DirectPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    app.Choose("MenuDireta");
    panel = app.Find<QWidget>("PanelValidacao");
    ASSERT_TRUE(panel && panel->isVisible());
  }

  void Enter(const QString& text) {
    QLineEdit* field = In<QLineEdit>(panel, "EditVal");
    field->setFocus();
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  QString Label(const char* name) { return In<QLabel>(panel, name)->text(); }
  QTableView* Grid() { return In<QTableView>(panel, "DBGrid1"); }

  TempFolder dir;
  AppHarness app{dir.path()};
  QWidget* panel = nullptr;
};

TEST_F(DirectPanel, HoldsTheWindowUntilItIsLeft) {
  const auto tops = app.form().menuBar()->actions();
  for (QAction* top : tops) EXPECT_FALSE(top->isVisible()) << top->text().toStdString();
  EXPECT_EQ(Label("LabelValidadas"), "0");
  EXPECT_EQ(Label("LabelUltval"), "");
  EXPECT_EQ(app.form().focusWidget(), In<QLineEdit>(panel, "EditVal"));
  QTest::mouseClick(In<QPushButton>(panel, "ButtonSaiVal"), Qt::LeftButton);
  EXPECT_FALSE(panel->isVisible());
  for (QAction* top : tops) EXPECT_TRUE(top->isVisible()) << top->text().toStdString();
}

TEST_F(DirectPanel, AnEntryTwiceAsksAndRemovesTheCard) {
  Enter("19");
  EXPECT_EQ(Label("LabelUltval"), "1");
  EXPECT_EQ(Label("LabelValidadas"), "1");
  EXPECT_EQ(In<QLineEdit>(panel, "EditVal")->text(), "");
  ASSERT_EQ(Grid()->model()->rowCount(), 1);
  EXPECT_EQ(Cell(Grid(), 0, 0), "000001");
  EXPECT_EQ(Cell(Grid(), 0, 3), QString::fromStdString(std::string(app.workspace().bank.CardNumber(1, 1))));

  app.dialogs.AnswerYes();
  Enter("19");
  EXPECT_EQ(app.dialogs.last().text, "Cartela já validada. Exclui da validação?");
  EXPECT_EQ(Label("LabelUltval"), "0");
  EXPECT_EQ(Label("LabelValidadas"), "0");
  EXPECT_EQ(Grid()->model()->rowCount(), 0);
}

TEST_F(DirectPanel, ARangeFillsTheGridInCardOrderAndAWrongDigitKeepsTheText) {
  Enter("108-19");  // card 10 alone
  Enter("19-108");
  EXPECT_EQ(Label("LabelValidadas"), "10");
  EXPECT_EQ(Label("LabelUltval"), "9");
  ASSERT_EQ(Grid()->model()->rowCount(), 10);
  for (int row = 0; row < 10; ++row) EXPECT_EQ(Cell(Grid(), row, 0), QString::fromStdString(SixDigits(row + 1)));
  EXPECT_EQ(Grid()->currentIndex().row(), 9);

  Enter("18");
  EXPECT_EQ(app.dialogs.last().title, "Verificação do dígito da cartela");
  EXPECT_EQ(In<QLineEdit>(panel, "EditVal")->text(), "18");
  EXPECT_EQ(Label("LabelValidadas"), "10");
}

TEST_F(DirectPanel, TheDigitButtonAndTheClearButton) {
  In<QLineEdit>(panel, "EditVal")->setText(" 10 ");
  QTest::mouseClick(In<QPushButton>(panel, "BitBtn3"), Qt::LeftButton);
  EXPECT_EQ(In<QLineEdit>(panel, "EditVal")->text(), "108");
  In<QLineEdit>(panel, "EditVal")->setText("1x");
  QTest::mouseClick(In<QPushButton>(panel, "BitBtn3"), Qt::LeftButton);
  EXPECT_EQ(In<QLineEdit>(panel, "EditVal")->text(), "1x");

  Enter("19-108");
  app.dialogs.AnswerNo();
  QTest::mouseClick(In<QPushButton>(panel, "ButtonInival"), Qt::LeftButton);
  EXPECT_EQ(Label("LabelValidadas"), "10");
  app.dialogs.AnswerYes();
  QTest::mouseClick(In<QPushButton>(panel, "ButtonInival"), Qt::LeftButton);
  EXPECT_EQ(Label("LabelValidadas"), "0");
  EXPECT_EQ(Label("LabelUltval"), "");
  EXPECT_EQ(Grid()->model()->rowCount(), 0);
}

TEST_F(DirectPanel, TheGridEditsInPlaceAndRefusesARepeatedCard) {
  Enter(Typed(1) + "-" + Typed(3));
  QAbstractItemModel* model = Grid()->model();
  EXPECT_FALSE(model->setData(model->index(0, 0), "2"));
  EXPECT_NE(app.dialogs.last().text.find("Validadas"), std::string::npos) << app.dialogs.last().text;
  EXPECT_EQ(Cell(Grid(), 0, 0), "000001");

  ASSERT_TRUE(model->setData(model->index(0, 0), "500"));
  EXPECT_EQ(Cell(Grid(), 2, 0), "000500");  // moved to its place in card order
  EXPECT_EQ(Cell(Grid(), 2, 3), QString::fromStdString(std::string(app.workspace().bank.CardNumber(500, 1))));

  Grid()->setFocus();
  Grid()->setCurrentIndex(model->index(0, 0));
  app.dialogs.AnswerYes();
  QTest::keyClick(Grid(), Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(app.dialogs.last().text, "Exclui a cartela 000002 da validação?");
  EXPECT_EQ(model->rowCount(), 2);
  EXPECT_EQ(Label("LabelValidadas"), "2");
}

class BatchWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    app.Choose("MenuLote");
    window = app.Find<validation::TFormInc>("TFormInc");
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Validação por lote");
  }

  void OpenBatch(const QString& number) {
    QLineEdit* lote = In<QLineEdit>(window, "EditLote");
    lote->setFocus();
    lote->setText(number);
    QTest::keyClick(lote, Qt::Key_Return);
  }
  void EnterCard(const QString& text) {
    QLineEdit* field = In<QLineEdit>(window, "EditVal");
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  bool Enabled(const char* name) { return In<QWidget>(window, name)->isEnabled(); }
  QTableView* List() { return In<QTableView>(window, "DBGrid1"); }

  TempFolder dir;
  AppHarness app{dir.path()};
  validation::TFormInc* window = nullptr;
};

TEST_F(BatchWindow, ABatchTakesCardsInEntryOrderAndIsSavedAndReopened) {
  EXPECT_TRUE(Enabled("EditLote"));
  EXPECT_FALSE(Enabled("PanelSalva"));
  EXPECT_FALSE(Enabled("EditVal"));
  EXPECT_EQ(In<QLabel>(window, "LabelValidadas")->text(), "");

  OpenBatch("7");
  EXPECT_FALSE(Enabled("EditLote"));
  EXPECT_TRUE(Enabled("PanelSalva"));
  EXPECT_TRUE(Enabled("EditVal"));
  EnterCard(Typed(30));
  EnterCard(Typed(12));
  EXPECT_EQ(app.sounds.played, (std::vector<std::string>{"beep.wav", "beep.wav"}));
  ASSERT_EQ(List()->model()->rowCount(), 2);
  EXPECT_EQ(Cell(List(), 1, 0), "7");
  EXPECT_EQ(Cell(List(), 1, 1), "2");
  EXPECT_EQ(Cell(List(), 1, 2), "000012");
  EXPECT_EQ(In<QLabel>(window, "LabelValidadas")->text(), "2");

  QTest::mouseClick(In<QRadioButton>(window, "RBSalva"), Qt::LeftButton);
  EXPECT_FALSE(In<QRadioButton>(window, "RBSalva")->isChecked());
  EXPECT_TRUE(Enabled("EditLote"));
  EXPECT_EQ(In<QLineEdit>(window, "EditLote")->text(), "");
  EXPECT_EQ(List()->model()->rowCount(), 0);

  OpenBatch("7");
  EnterCard(Typed(40));
  EXPECT_EQ(Cell(List(), 2, 1), "3");
  app.dialogs.AnswerYes();
  QTest::mouseClick(In<QRadioButton>(window, "RBExclui"), Qt::LeftButton);
  EXPECT_EQ(app.dialogs.last().title, "Exclui validação");
  EXPECT_TRUE(Enabled("EditLote"));
  EXPECT_EQ(*app.workspace().validation.Count(), 0);
}

TEST_F(BatchWindow, ACardValidatedDirectlyIsReportedAndAHundredthEntryClosesTheBatch) {
  app.Choose("MenuDireta");
  auto* direct = app.Find<QWidget>("PanelValidacao");
  In<QLineEdit>(direct, "EditVal")->setText("19");
  QTest::keyClick(In<QLineEdit>(direct, "EditVal"), Qt::Key_Return);
  app.Choose("MenuLote");

  OpenBatch("3");
  EnterCard("19");
  EXPECT_EQ(app.dialogs.last().title, "Validação anterior");
  EXPECT_EQ(app.dialogs.last().text, "Cartela já validada no lote Indefinido lançamento Indefinido.");
  EXPECT_EQ(In<QLineEdit>(window, "EditVal")->text(), "19");
  EXPECT_EQ(app.sounds.played.back(), "validada.wav");

  for (int card = 101; card <= 200; ++card) EnterCard(Typed(card));
  EXPECT_EQ(app.sounds.played.back(), "cem.wav");
  EXPECT_TRUE(Enabled("EditLote"));
  EXPECT_FALSE(Enabled("EditVal"));
  EXPECT_EQ(List()->model()->rowCount(), 0);
  EXPECT_EQ(In<QLabel>(window, "LabelValidadas")->text(), "101");

  // A full batch reopens with the card field closed.
  OpenBatch("3");
  EXPECT_FALSE(Enabled("EditVal"));
  EXPECT_EQ(List()->model()->rowCount(), 100);

  // Coming back to the window from another one ends work on the batch.
  window->FormActivate();
  EXPECT_TRUE(Enabled("EditLote"));
  EXPECT_EQ(List()->model()->rowCount(), 0);
}

TEST_F(DirectPanel, CardsAsPrintedAndARefusedEntryIsSelected) {
  Enter("000001-9");
  EXPECT_EQ(Label("LabelUltval"), "1");
  app.dialogs.AnswerYes();
  Enter("1-9");
  EXPECT_EQ(app.dialogs.last().title, "Exclusão de cartela");
  Enter("000001 9");
  EXPECT_EQ(Label("LabelValidadas"), "1");
  EXPECT_TRUE(Grid()->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);

  Enter("000002-4");
  EXPECT_EQ(app.dialogs.last().text, "O dígito da cartela 2 é 7, não 4.");
  QLineEdit* field = In<QLineEdit>(panel, "EditVal");
  EXPECT_EQ(field->selectedText(), "000002-4") << "the next scan replaces it";
  QTest::keyClicks(field, "27");
  EXPECT_EQ(field->text(), "27");

  app.dialogs.AnswerNo();
  QTest::mouseClick(In<QPushButton>(panel, "ButtonInival"), Qt::LeftButton);
  EXPECT_EQ(app.form().focusWidget(), field);
}

TEST_F(DirectPanel, EditingACellKeepsTheGridWhereItWas) {
  Enter(Typed(1) + "-" + Typed(200));
  Grid()->scrollTo(Grid()->model()->index(120, 3), QAbstractItemView::PositionAtTop);
  Grid()->setCurrentIndex(Grid()->model()->index(120, 3));
  const int scroll = Grid()->verticalScrollBar()->value();
  ASSERT_GT(scroll, 0);
  ASSERT_TRUE(Grid()->model()->setData(Grid()->model()->index(120, 3), "77"));
  EXPECT_EQ(Grid()->verticalScrollBar()->value(), scroll);
  EXPECT_EQ(Grid()->currentIndex().row(), 120);
}

TEST_F(DirectPanel, IssuedCardsFromTheIssuePanelAreTheOnesNotAskedAbout) {
  app.Choose("Menu1");
  app.Type("EditCI", "1");
  app.Type("EditQT", "10");
  app.Click("ButtonOK");
  app.Choose("MenuDireta");
  Enter("000010-8");
  EXPECT_EQ(Label("LabelUltval"), "10");
  const std::size_t boxes = app.dialogs.shown.size();

  app.dialogs.AnswerNo();
  Enter(Typed(999));
  ASSERT_EQ(app.dialogs.shown.size(), boxes + 1);
  EXPECT_EQ(app.dialogs.last().text, "A cartela 999 não foi emitida. Validar mesmo assim?");
  EXPECT_EQ(Label("LabelValidadas"), "1");
  app.dialogs.AnswerYes();
  Enter(Typed(999));
  EXPECT_EQ(Label("LabelUltval"), "999");
}

// Boxes as the reader meets them: while a question is up, the next card is
// typed into it, digits and Enter, before the operator answers.
class ScanningDialogs : public ScriptedDialogs {
 public:
  bool Ask(std::string_view title, std::string_view text) override {
    if (!scan.isEmpty()) {
      QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.show();
      QTest::keyClicks(&box, scan);
      QTest::keyClick(&box, Qt::Key_Return);
      answered_by_scan = box.clickedButton() != nullptr;
      scan.clear();
    }
    return ScriptedDialogs::Ask(title, text);
  }
  QString scan;
  bool answered_by_scan = false;
};

TEST(DirectPanelScanner, ACardReadWhileTheQuestionIsOpenWaitsForTheAnswer) {
  TempFolder dir;
  auto ws = session::RunStartup(dir.path(), {});
  ASSERT_TRUE(ws) << ws.error();
  ScanningDialogs dialogs;
  SilentSounds sounds;
  ScriptedColours colours;
  app::TMainForm form(**ws, app::Services{dialogs, sounds, colours});
  form.show();
  form.MenuEntry(QStringLiteral("MenuDireta"))->trigger();
  auto* field = form.findChild<QLineEdit*>(QStringLiteral("EditVal"));
  ASSERT_TRUE(field);
  auto enter = [field](const QString& text) {
    field->setFocus();
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Return);
  };
  enter("19");
  dialogs.scan = "27";
  dialogs.AnswerNo();
  enter("19");
  EXPECT_FALSE(dialogs.answered_by_scan);
  EXPECT_EQ(dialogs.shown.back().text, "Cartela já validada. Exclui da validação?");
  EXPECT_EQ(*(*ws)->validation.Count(), 2) << "card 1 kept, card 2 validated after the answer";
  EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("LabelUltval"))->text(), "2");
  EXPECT_EQ(sounds.played, std::vector<std::string>{"beep.wav"});
}

TEST_F(BatchWindow, ScannerFriendlyBatches) {
  OpenBatch("3");
  EnterCard("000001-9");
  EnterCard("1-9");
  EXPECT_EQ(app.dialogs.last().text, "Cartela já validada no lote 3 lançamento 1.");
  EXPECT_EQ(In<QLineEdit>(window, "EditVal")->selectedText(), "1-9");
  EnterCard("000002 7");
  EnterCard(Typed(10001));  // no bank record without the complement file
  EXPECT_EQ(List()->model()->rowCount(), 3);

  app.dialogs.AnswerNo();
  QTest::mouseClick(In<QRadioButton>(window, "RBExclui"), Qt::LeftButton);
  EXPECT_EQ(window->focusWidget(), In<QLineEdit>(window, "EditVal"));

  EnterCard(Typed(3));
  QTest::mouseClick(In<QRadioButton>(window, "RBSalva"), Qt::LeftButton);
  EXPECT_EQ(In<QLabel>(window, "LabelAviso")->text(), "Lote 3 salvo (4 cartelas).");
  EXPECT_EQ(In<QLineEdit>(window, "EditVal")->text(), "");

  OpenBatch("5");
  for (int card = 101; card <= 200; ++card) EnterCard(Typed(card));
  EXPECT_EQ(In<QLabel>(window, "LabelAviso")->text(), "Lote 5 completo");
  // The next scan lands in "Lote": refused, never a batch 2011.
  OpenBatch("0002011");
  EXPECT_EQ(app.dialogs.last().title, "Número de lote");
  EXPECT_TRUE(Enabled("EditLote"));
  EXPECT_EQ(In<QLineEdit>(window, "EditLote")->selectedText(), "0002011");
}

TEST_F(BatchWindow, SoundsAreFoundWhateverTheCaseOfTheirNames) {
  { std::ofstream(dir.path() / "BEEP.WAV") << "RIFF"; }
  OpenBatch("1");
  EnterCard(Typed(5));
  EXPECT_EQ(app.sounds.played, std::vector<std::string>{"BEEP.WAV"});
}

TEST_F(BatchWindow, ACardNotIssuedIsAskedAbout) {
  ASSERT_TRUE(issue::RecordIssuedRange({dir.path(), nullptr}, {1, 10}, SystemClock()));
  OpenBatch("2");
  app.dialogs.AnswerNo();
  EnterCard(Typed(999));
  EXPECT_EQ(app.dialogs.last().text, "A cartela 999 não foi emitida. Validar mesmo assim?");
  EXPECT_EQ(List()->model()->rowCount(), 0);
  app.dialogs.AnswerYes();
  EnterCard(Typed(999));
  EnterCard(Typed(7));
  EXPECT_EQ(List()->model()->rowCount(), 2);
  EXPECT_EQ(app.dialogs.shown.size(), 2u);
}

}  // namespace
}  // namespace tavelao::testing
