// The printing-house export panel and the minor-prize panel, driven as the
// organiser drives them.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <set>

#include "app_harness.h"
#include "draw/draw_journal.h"
#include "draw/minor_prizes.h"
#include "draw/seeded_random_source.h"
#include "draw/ui/minor_prize_panel.h"
#include "issue/printing_house_export.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

bool HasLabel(QWidget* panel, const QString& text) {
  for (const QLabel* label : panel->findChildren<QLabel*>()) {
    if (label->text() == text) return true;
  }
  return false;
}

class ExportPanel : public ::testing::Test {
 protected:
  void Generate(const QString& first, const QString& quantity) {
    app.Choose("Gerararquivotextoparagrfica1");
    for (const char* name : {"EditCIG", "EditQuantG"}) app.Find<QLineEdit>(name)->clear();
    app.Type("EditCIG", first);
    app.Type("EditQuantG", quantity);
    app.Click("ButtonGera");
  }
  bool PanelOpen() { return app.Find("PanelTexto")->isVisible(); }
  std::filesystem::path File() { return dir / issue::kExportFile; }

  TempFolder dir;
  AppHarness app{dir.path()};
};

TEST_F(ExportPanel, MenuOpensItWithTheLayoutTextAndFocusOnTheFirstCard) {
  ASSERT_NE(app.Find("PanelTexto"), nullptr);
  EXPECT_FALSE(PanelOpen());
  ASSERT_TRUE(app.form().MenuEntry("Gerararquivotextoparagrfica1")->isEnabled());
  app.Choose("Gerararquivotextoparagrfica1");
  EXPECT_TRUE(PanelOpen());
  EXPECT_EQ(app.form().focusWidget(), app.Find<QLineEdit>("EditCIG"));
  QWidget* panel = app.Find("PanelTexto");
  for (const char* text : {"Geração de arquivo texto das cartelas para gráfica",
                           "Este procedimento gera o arquivo CARTGRAF.CSV no layout:",
                           "Número da cartela: 6 caracteres.", "Digito de consistência da Cartela: 1 caractere",
                           "As 25 dezenas da cartela: 50 caracteres", "Senha de autenticação: 5 caracteres.",
                           "Totalizando uma linha de 62 caracteres", "Cartela inicial", "Quantidade"}) {
    EXPECT_TRUE(HasLabel(panel, QString::fromUtf8(text))) << text;
  }
  EXPECT_NE(app.Find("ButtonGera"), nullptr);
  app.Click("ButtonSaiG");
  EXPECT_FALSE(PanelOpen());
  EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(ExportPanel, OneCardWritesTheFileAndClosesThePanel) {
  Generate("1", "1");
  EXPECT_FALSE(PanelOpen());
  ASSERT_TRUE(std::filesystem::exists(File()));
  const std::string bytes = ReadBytes(File());
  EXPECT_NE(
      bytes.find("\r\n000001;9;15;09;14;02;20;37;36;27;30;23;53;44;50;45;48;76;61;73;71;65;81;83;84;89;87;     \r\n"),
      std::string::npos);
  EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST_F(ExportPanel, PasswordInForceFillsTheSenhaColumn) {
  app.workspace().password = *card::Password::FromText("ABCDE");
  Generate("1", "1");
  const std::string bytes = ReadBytes(File());
  EXPECT_EQ(bytes.find("     \r\n"), std::string::npos);
  EXPECT_NE(bytes.find(";87;29553\r\n"), std::string::npos) << bytes;
}

TEST_F(ExportPanel, LettersShowTheConversionErrorAndKeepThePanel) {
  Generate("abc", "1");
  EXPECT_TRUE(PanelOpen());
  EXPECT_FALSE(std::filesystem::exists(File()));
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, std::string(kConversionErrorTitle));
  EXPECT_EQ(app.dialogs.last().text, ConversionErrorMessage("abc"));
}

TEST_F(ExportPanel, EmptyQuantityWritesNothingAndKeepsThePanel) {
  Generate("1", "");
  EXPECT_TRUE(PanelOpen());
  EXPECT_FALSE(std::filesystem::exists(File()));
  EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST_F(ExportPanel, FieldsKeepTheirTextAfterReopening) {
  Generate("5", "2");
  ASSERT_FALSE(PanelOpen());
  app.Choose("Gerararquivotextoparagrfica1");
  EXPECT_EQ(app.Find<QLineEdit>("EditCIG")->text(), QString("5"));
  EXPECT_EQ(app.Find<QLineEdit>("EditQuantG")->text(), QString("2"));
  app.Click("ButtonSaiG");
  app.Choose("Gerararquivotextoparagrfica1");
  EXPECT_EQ(app.Find<QLineEdit>("EditCIG")->text(), QString("5"));
}

class MinorPrizePanel : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int card : {7, 42, 100}) {
      store::Record r = app.workspace().validation.NewRecord();
      r.Set("Numero", card);
      ASSERT_TRUE(app.workspace().validation.Insert(r));
    }
  }
  void Draw(const QString& n) {
    auto* edit = app.Find<QLineEdit>("EditPM");
    edit->clear();
    app.Type("EditPM", n);
    app.Click("ButtonSorPM");
  }
  QTableWidget* Grid() { return app.Find<QTableWidget>("GridPM"); }
  QString Cell(int row, int column) { return Grid()->item(row, column)->text(); }
  bool PanelOpen() { return app.Find("PanelPM")->isVisible(); }
  QString Notice() { return app.Find<QLabel>("LabelAvisoPM")->text(); }
  QStringList Cards() {
    QStringList cards;
    for (int row = 0; row < Grid()->rowCount(); ++row) cards << Cell(row, 1);
    return cards;
  }
  std::size_t PrizeEvents() {
    auto journal = draw::ReadJournal(app.workspace().journal);
    EXPECT_TRUE(journal) << journal.error();
    std::size_t n = 0;
    for (const auto& event : *journal) n += event.kind == draw::EventKind::MinorPrizes;
    return n;
  }

  TempFolder dir;
  AppHarness app{dir.path()};
};

TEST_F(MinorPrizePanel, MenuOpensItWithItsCaptionsAndAnEmptyGrid) {
  ASSERT_TRUE(app.form().MenuEntry("MenuPM")->isEnabled());
  EXPECT_FALSE(PanelOpen());
  app.Choose("MenuPM");
  EXPECT_TRUE(PanelOpen());
  QWidget* panel = app.Find("PanelPM");
  for (const char* text : {"Prêmios menores", "Número de prêmios:", "Cartelas sorteadas:"}) {
    EXPECT_TRUE(HasLabel(panel, QString::fromUtf8(text))) << text;
  }
  ASSERT_NE(Grid(), nullptr);
  EXPECT_EQ(Grid()->rowCount(), 0);
  ASSERT_EQ(Grid()->columnCount(), 2);
  EXPECT_EQ(Grid()->horizontalHeaderItem(0)->text(), QString("Prêmio"));
  EXPECT_EQ(Grid()->horizontalHeaderItem(1)->text(), QString("Cartela"));
  const auto* note = app.Find<QPlainTextEdit>("MemoPM");
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isReadOnly());
  EXPECT_TRUE(note->toPlainText().contains("validadas"));
}

TEST_F(MinorPrizePanel, AsManyPrizesAsCardsListsEachCardOnceFromPrizeOne) {
  app.Choose("MenuPM");
  Draw("3");
  ASSERT_EQ(Grid()->rowCount(), 3);
  std::set<QString> cards;
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(Cell(row, 0), QString::number(row + 1));
    EXPECT_TRUE(Grid()->item(row, 0)->textAlignment() & Qt::AlignRight);
    EXPECT_TRUE(Grid()->item(row, 1)->textAlignment() & Qt::AlignRight);
    cards.insert(Cell(row, 1));
  }
  EXPECT_EQ(cards, (std::set<QString>{"7-8", "42-6", "100-7"}));
  EXPECT_TRUE(std::filesystem::exists(dir / draw::kMinorPrizeFile));
  EXPECT_TRUE(app.dialogs.shown.empty()) << "the first draw asks nothing";
  EXPECT_EQ(Notice(), "Prêmios sorteados.");
  // The record of the night holds them, in the grid's order.
  auto journal = draw::ReadJournal(app.workspace().journal);
  ASSERT_TRUE(journal) << journal.error();
  ASSERT_EQ(journal->size(), 1u);
  const draw::EventFields& said = journal->back().fields;
  EXPECT_EQ(said.Get("quantidade"), "3");
  for (int row = 0; row < 3; ++row) {
    const QString card = Cell(row, 1);
    const QString printed = QString(6 - card.indexOf('-'), '0') + card;  // "7-8" is "000007-8"
    EXPECT_EQ(said.Get(std::to_string(row + 1)), printed.toStdString());
  }
}

TEST_F(MinorPrizePanel, MorePrizesThanCardsEmptiesTheGridSilently) {
  app.Choose("MenuPM");
  Draw("2");
  ASSERT_EQ(Grid()->rowCount(), 2);
  app.Find<QCheckBox>("CheckExcluiPremiadas")->setChecked(false);
  app.dialogs.AnswerYes();  // "Sortear de novo?"
  Draw("4");
  EXPECT_EQ(Grid()->rowCount(), 0);
  ASSERT_EQ(app.dialogs.shown.size(), 1u) << "only the question, no box";
  EXPECT_TRUE(app.dialogs.last().question);
  EXPECT_EQ(Notice().toStdString(),
            "Nenhum prêmio sorteado: o número de prêmios deve ir de 1 ao número de cartelas validadas que ainda "
            "podem ser sorteadas (3).");
  EXPECT_TRUE(PanelOpen());
}

TEST_F(MinorPrizePanel, TextThatIsNotANumberChangesNothing) {
  app.Choose("MenuPM");
  Draw("2");
  ASSERT_EQ(Grid()->rowCount(), 2);
  const QString first = Cell(0, 1);
  Draw("abc");
  ASSERT_EQ(Grid()->rowCount(), 2);
  EXPECT_EQ(Cell(0, 1), first);
  EXPECT_TRUE(app.dialogs.shown.empty());
  EXPECT_TRUE(PanelOpen());
}

TEST_F(MinorPrizePanel, SaiClosesTheTableAndReopeningShowsAnEmptyGrid) {
  app.Choose("MenuPM");
  Draw("3");
  auto* panel = app.Find<draw::PanelPM>("PanelPM");
  ASSERT_TRUE(panel->prize_table_open());
  app.Click("ButtonSaiPM");
  EXPECT_FALSE(PanelOpen());
  EXPECT_FALSE(panel->prize_table_open());
  app.Choose("MenuPM");
  EXPECT_EQ(Grid()->rowCount(), 0);
  // What was written stays on disk.
  auto table = store::Table::Open(dir / draw::kMinorPrizeFile);
  ASSERT_TRUE(table) << table.error();
  auto count = table->Count();
  ASSERT_TRUE(count);
  EXPECT_EQ(*count, 3);
}

TEST_F(MinorPrizePanel, EveryDrawTakesANewGeneratorFromTheFactory) {
  int made = 0;
  draw::PanelPM panel(app.form(), [&made] {
    ++made;
    return std::make_unique<draw::SeededRandomSource>(77);
  });
  auto* edit = panel.findChild<QLineEdit*>("EditPM");
  auto* grid = panel.findChild<QTableWidget*>("GridPM");
  panel.findChild<QCheckBox*>("CheckExcluiPremiadas")->setChecked(false);
  edit->setText("2");
  panel.ButtonSorPMClick();
  ASSERT_EQ(grid->rowCount(), 2);
  const QString first = grid->item(0, 1)->text();
  const QString second = grid->item(1, 1)->text();
  app.dialogs.AnswerYes();  // "Sortear de novo?"
  panel.ButtonSorPMClick();
  EXPECT_EQ(made, 2);
  // Same seed, same draw: each draw started from a fresh generator.
  EXPECT_EQ(grid->item(0, 1)->text(), first);
  EXPECT_EQ(grid->item(1, 1)->text(), second);

  draw::SeededRandomSource same(77);
  store::Table expected;
  TempFolder other;
  auto reference = draw::DrawMinorPrizes(other.path(), app.workspace().validation, "2", same, expected);
  ASSERT_TRUE(reference);
  EXPECT_EQ(grid->item(0, 1)->text().toStdString(), reference->prizes[0].numero);
  EXPECT_EQ(grid->item(1, 1)->text().toStdString(), reference->prizes[1].numero);
}

TEST_F(MinorPrizePanel, ASecondDrawAsksAndNoKeepsTheFirstResult) {
  app.Choose("MenuPM");
  Draw("2");
  const QStringList first = Cards();
  ASSERT_EQ(first.size(), 2);
  app.dialogs.AnswerNo();
  Draw("1");
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_TRUE(app.dialogs.last().question);
  EXPECT_EQ(app.dialogs.last().title, "Prêmios menores");
  EXPECT_EQ(app.dialogs.last().text, "Sortear de novo? O resultado anterior será substituído.");
  EXPECT_EQ(Cards(), first) << "the grid is untouched";
  auto table = store::Table::Open(dir / draw::kMinorPrizeFile);
  ASSERT_TRUE(table) << table.error();
  EXPECT_EQ(*table->Count(), 2) << "and so is its table";
  EXPECT_EQ(PrizeEvents(), 1u);
  // Not a number: nothing to replace, nothing asked.
  Draw("x");
  EXPECT_EQ(app.dialogs.shown.size(), 1u);
}

TEST_F(MinorPrizePanel, CardsThatWonInThisRunOrInTheStoredResultAreLeftOut) {
  app.Choose("MenuPM");
  ASSERT_TRUE(app.Find<QCheckBox>("CheckExcluiPremiadas")->isChecked()) << "ticked by default";
  QStringList won;
  for (int draw = 1; draw <= 3; ++draw) {
    app.dialogs.AnswerYes();
    Draw("1");
    ASSERT_EQ(Grid()->rowCount(), 1) << draw;
    EXPECT_FALSE(won.contains(Cell(0, 1))) << Cell(0, 1).toStdString() << " won before";
    won << Cell(0, 1);
    EXPECT_EQ(Notice(), "Prêmios sorteados.");
  }
  EXPECT_EQ(app.dialogs.shown.size(), 2u) << "asked before the second and the third";
  EXPECT_EQ(PrizeEvents(), 3u) << "each draw is in the record of the night";
  // Every card has won: nothing is left to draw.
  app.dialogs.AnswerYes();
  Draw("1");
  EXPECT_EQ(Grid()->rowCount(), 0);
  EXPECT_TRUE(Notice().endsWith("(0)."));
}

TEST_F(MinorPrizePanel, TheStoredResultOfAnEarlierRunCountsUnlessTheBoxIsUnticked) {
  {
    auto table = store::Table::CreateAfresh(dir / draw::kMinorPrizeFile,
                                            {store::IntegerField("Premio"), store::StringField("Numero", 10)});
    ASSERT_TRUE(table) << table.error();
    store::Record r = table->NewRecord();
    r.Set("Premio", 1);
    r.Set("Numero", "42-6");
    ASSERT_TRUE(table->Insert(r));
  }
  app.Choose("MenuPM");
  app.dialogs.AnswerYes();
  Draw("2");
  ASSERT_EQ(app.dialogs.shown.size(), 1u) << "the stored result would be replaced";
  const QStringList drawn = Cards();
  EXPECT_EQ(std::set<QString>(drawn.begin(), drawn.end()), (std::set<QString>{"7-8", "100-7"}));
  app.Find<QCheckBox>("CheckExcluiPremiadas")->setChecked(false);
  app.dialogs.AnswerYes();
  Draw("3");
  EXPECT_EQ(Grid()->rowCount(), 3) << "every validated card again";
}

}  // namespace
}  // namespace tavelao::testing
