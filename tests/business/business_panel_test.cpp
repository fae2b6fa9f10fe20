// PanelBE over the main window: "Bingo Empresarial" in the menu, the issue
// run, the event fields, the sponsor grid, "Gerar CARTGRAFBE.CSV " and "OK"
// with its preview.

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "app_harness.h"
#include "business/business_cards.h"
#include "business/ui/business_panel.h"
#include "report/ui/preview_window.h"
#include "session/data_files.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

class BusinessPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.form()));
  }
  void Issue(const QString& first, const QString& quantity) {
    app.Choose("MenuBE");
    app.Type("EditCI", first);
    app.Type("EditQT", quantity);
    app.Click("ButtonOK");
  }
  business::PanelBE& Panel() { return *app.Find<business::PanelBE>("PanelBE"); }
  QString Field(const char* name) { return app.Find<QLineEdit>(name)->text(); }
  QAbstractItemModel& Grid() { return *app.Find<QTableView>("DBGridNomeCar")->model(); }
  bool MenusShown() { return app.form().Menu(QStringLiteral("MenuEmissao"))->menuAction()->isVisible(); }
  // The event record as the file holds it.
  store::Record StoredEvent() {
    auto table = store::Table::Open(dir / session::kEventFile);
    return (*table->RowAt({}, 1))->record;
  }
  std::string Csv() { return ReadBytes(dir / business::kBusinessExportFile); }

  TempFolder dir;
  AppHarness app{dir.path()};
};

TEST_F(BusinessPanelTest, TheMenuEntryIssuesCardsAndShowsThePanelInsteadOfAPreview) {
  app.Choose("MenuBE");
  EXPECT_EQ(app.Find<QLabel>("LabelNomemod")->text(), QString("Bingo Empresarial"));
  EXPECT_FALSE(app.Find("Panel4a6")->isVisible());
  EXPECT_EQ(app.form().focusWidget(), app.Find("EditCI"));
  app.Type("EditCI", "1");
  app.Type("EditQT", "2");
  app.Click("ButtonOK");
  EXPECT_TRUE(Panel().isVisible());
  EXPECT_FALSE(app.Find("FormPreview")->isVisible());
  EXPECT_FALSE(MenusShown()) << "\"OK\" is the only way out";
  EXPECT_TRUE(Panel().tables_open());
  EXPECT_EQ(Field("EditTitulo"), QString("BINGO EMPRESARIAL"));
  EXPECT_EQ(Grid().rowCount(), 100);
  EXPECT_EQ(Grid().headerData(3, Qt::Horizontal).toString(), QString("Nome - linha3"));
  EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST_F(BusinessPanelTest, ABadDateIsRefusedAndNotStoredAndAValueShowsItsFormat) {
  Issue("1", "1");
  app.Type("EditData", "31/02/2027");
  app.Find("EditHora")->setFocus();
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_NE(app.dialogs.last().text.find("dd/mm/aaaa"), std::string::npos);
  EXPECT_EQ(Field("EditData"), QString());
  EXPECT_FALSE(StoredEvent().DateValue("Data").has_value());
  app.Type("EditData", "07/03/2027");
  app.Type("EditValor", "1234,5");
  app.Find("EditLocal")->setFocus();
  EXPECT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(Field("EditValor"), QString("1.234,50"));
  EXPECT_EQ(StoredEvent().DateValue("Data"), (store::Date{2027, 3, 7}));
}

TEST_F(BusinessPanelTest, TheGridRefusesASemicolonAndKeepsPedraReadOnly) {
  Issue("1", "1");
  QAbstractItemModel& grid = Grid();
  EXPECT_EQ(grid.data(grid.index(0, 0)).toString(), QString("00"));
  EXPECT_FALSE(grid.flags(grid.index(5, 0)) & Qt::ItemIsEditable);
  EXPECT_TRUE(grid.flags(grid.index(5, 3)) & Qt::ItemIsEditable);
  EXPECT_FALSE(grid.setData(grid.index(15, 1), QString("Bar;Lanches")));
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_NE(app.dialogs.last().text.find("\";\""), std::string::npos);
  EXPECT_EQ(grid.data(grid.index(15, 1)).toString(), QString());
  EXPECT_TRUE(grid.setData(grid.index(15, 1), QString("Padaria")));
  app.Click("ButtonGeraCBE");
  EXPECT_NE(Csv().find("\r\n00001;15;Padaria; ; ;"), std::string::npos);
  // Pressing it again overwrites the file; the panel stays.
  EXPECT_TRUE(grid.setData(grid.index(15, 2), QString("Pão Quente")));
  app.Click("ButtonGeraCBE");
  EXPECT_NE(Csv().find("\r\n00001;15;Padaria;P\xE3o Quente; ;"), std::string::npos);
  EXPECT_EQ(Csv().find("Padaria; ; ;"), std::string::npos);
  EXPECT_TRUE(Panel().isVisible());
}

TEST_F(BusinessPanelTest, OkSavesTheFieldInProgressPrintsAndClosingThePreviewClosesTheTables) {
  Issue("1", "2");
  app.Find<QCheckBox>("CBEmpresas")->setChecked(true);
  app.Type("EditObs1", "Traga sua caneta");
  app.Click("ButtonOKBE2");
  EXPECT_FALSE(Panel().isVisible());
  EXPECT_TRUE(MenusShown());
  report::PreviewWindow& preview = Panel().cards_preview();
  ASSERT_TRUE(preview.isVisible());
  const report::Document& document = preview.document();
  EXPECT_EQ(document.records, 2u);
  EXPECT_EQ(document.pages[0].TextOf("QN1", 0), "") << "CBEmpresas suppresses the numbers";
  EXPECT_EQ(document.pages[0].TextOf("LabelObs1", 0), "Traga sua caneta");
  EXPECT_EQ(StoredEvent().Text("Obs1"), "Traga sua caneta");
  EXPECT_TRUE(Panel().tables_open());
  preview.close();
  EXPECT_FALSE(Panel().tables_open());
}

TEST_F(BusinessPanelTest, TheSponsorListOpensInItsOwnPreviewAndThePanelStays) {
  Issue("1", "1");
  app.Click("BitBtn2");
  report::PreviewWindow& list = Panel().list_preview();
  ASSERT_TRUE(list.isVisible());
  EXPECT_EQ(list.document().records, 100u);
  list.close();
  EXPECT_TRUE(Panel().isVisible());
  EXPECT_TRUE(Panel().tables_open()) << "closing the list keeps the tables open";
}

TEST_F(BusinessPanelTest, ANewRunWhileThePreviewIsOpenKeepsItsOwnTables) {
  Issue("1", "1");
  app.Click("ButtonOKBE2");
  ASSERT_TRUE(Panel().cards_preview().isVisible());
  Issue("5", "1");
  EXPECT_FALSE(Panel().cards_preview().isVisible());
  EXPECT_TRUE(Panel().isVisible());
  EXPECT_TRUE(Panel().tables_open());
  app.Click("ButtonGeraCBE");
  EXPECT_NE(Csv().find("\r\n00005;"), std::string::npos) << "the new run's card file is still open";
}

}  // namespace
}  // namespace tavelao::testing
