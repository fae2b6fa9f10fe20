// The listing panel PanelLista driven as the organiser drives it, up to the
// preview of the listing.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "app_harness.h"
#include "listing/card_listing.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

class ListingPanel : public ::testing::Test {
 protected:
  // Opens the panel from the menu, types both fields afresh, picks a style
  // and presses "Emite".
  void Emit(const QString& first, const QString& last, const char* style = nullptr) {
    app.Choose("L1");
    for (const char* name : {"EditCartIn", "EditCartFin"}) app.Find<QLineEdit>(name)->clear();
    app.Type("EditCartIn", first);
    app.Type("EditCartFin", last);
    if (style) QTest::mouseClick(app.Find<QRadioButton>(style), Qt::LeftButton, {}, QPoint(4, 4));
    app.Click("ButtonListaEmite");
  }
  bool PanelOpen() { return app.Find("PanelLista")->isVisible(); }
  report::PreviewWindow* Preview() { return app.Find<report::PreviewWindow>("FormRel"); }
  bool TableExists() { return std::filesystem::exists(dir / listing::kListingFile); }

  TempFolder dir;
  AppHarness app{dir.path()};
};

TEST_F(ListingPanel, MenuOpensItWithItsCaptionsAndThreeRowsChosen) {
  ASSERT_NE(app.Find("PanelLista"), nullptr);
  EXPECT_FALSE(PanelOpen());
  ASSERT_TRUE(app.form().MenuEntry("L1")->isEnabled());
  app.Choose("L1");
  EXPECT_TRUE(PanelOpen());
  EXPECT_EQ(app.Find<QLabel>("LabelTituloLista")->text(), QString("Listagem das cartelas"));
  QStringList captions;
  for (const QLabel* label : app.Find("PanelLista")->findChildren<QLabel*>()) captions << label->text();
  EXPECT_TRUE(captions.contains("Cartela inicial"));
  EXPECT_TRUE(captions.contains("Cartela final"));

  const char* styles[] = {"RB3linhas", "RB4linhas", "RB5linhas", "RB5Dia"};
  const char* texts[] = {"3 linhas", "4 linhas", "5 linhas", "Diagonal"};
  for (int i = 0; i < 4; ++i) {
    auto* button = app.Find<QRadioButton>(styles[i]);
    ASSERT_NE(button, nullptr) << styles[i];
    EXPECT_EQ(button->text(), QString(texts[i]));
    EXPECT_EQ(button->isChecked(), i == 0) << styles[i];
  }
  // One choice at a time.
  QTest::mouseClick(app.Find<QRadioButton>("RB5Dia"), Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_TRUE(app.Find<QRadioButton>("RB5Dia")->isChecked());
  EXPECT_FALSE(app.Find<QRadioButton>("RB3linhas")->isChecked());

  app.Click("ButtonListaSai");
  EXPECT_FALSE(PanelOpen());
  EXPECT_FALSE(Preview()->isVisible());
  EXPECT_FALSE(TableExists());
}

TEST_F(ListingPanel, LettersOrAnEmptyFieldDoNothing) {
  for (const auto& [first, last] : {std::pair<QString, QString>{"abc", "10"}, {"1", "x9"}, {"", "5"}}) {
    Emit(first, last);
    EXPECT_TRUE(PanelOpen()) << first.toStdString() << "/" << last.toStdString();
  }
  EXPECT_FALSE(Preview()->isVisible());
  EXPECT_FALSE(TableExists());
  EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST_F(ListingPanel, DiagonalListingReachesThePreviewAndClosesThePanel) {
  Emit("1", "3", "RB5Dia");
  EXPECT_FALSE(PanelOpen());
  ASSERT_TRUE(Preview()->isVisible());
  const report::Document& document = Preview()->document();
  EXPECT_EQ(document.name, "FormRel");
  ASSERT_EQ(document.records, 3u);
  const report::Page& page = document.pages[0];
  EXPECT_EQ(page.TextOf("Numero", 0), "000001");
  EXPECT_EQ(page.TextOf("N5", 0), "87");
  EXPECT_EQ(page.TextOf("N6", 0), "");
  EXPECT_EQ(page.TextOf("Numero", 2), "000003");
  EXPECT_TRUE(TableExists());
  EXPECT_TRUE(app.dialogs.shown.empty());
  // The issue panel keeps its own preview.
  EXPECT_NE(app.Find<report::PreviewWindow>("FormPreview"), Preview());
}

TEST_F(ListingPanel, BelowOneAndPastTheEndListInsideTheBank) {
  Emit("-3", "2", "RB5linhas");
  ASSERT_TRUE(Preview()->isVisible());
  EXPECT_EQ(Preview()->document().records, 2u);
  EXPECT_EQ(Preview()->document().pages[0].TextOf("N25", 0), "87");
  Preview()->hide();

  Emit("119999", "999999");
  ASSERT_TRUE(Preview()->isVisible());
  const report::Document& document = Preview()->document();
  ASSERT_EQ(document.records, 2u);
  EXPECT_EQ(document.pages[0].TextOf("Numero", 1), "120000");
  EXPECT_EQ(document.pages[0].TextOf("N1", 1), "") << "an empty bank record lists no numbers";
  EXPECT_TRUE(app.Find<QRadioButton>("RB5linhas")->isChecked()) << "the style stays as chosen";
}

TEST_F(ListingPanel, ATableThatCannotBeRebuiltIsReported) {
  std::filesystem::create_directory(dir / listing::kListingFile);
  WriteBytes(dir / listing::kListingFile / "x", "x");
  Emit("1", "5");
  EXPECT_FALSE(Preview()->isVisible());
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Listagem das cartelas");
  EXPECT_NE(app.dialogs.last().text.find(listing::kListingFile), std::string::npos);
}

}  // namespace
}  // namespace tavelao::testing
