#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/ui/qt_text.h"
#include "app_harness.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

using session::kBlue;
using session::kGreen;
using session::kRed;
using session::Rgb;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kYellow{255, 255, 0};

// The colour the swatch is painted with, read from its middle pixel.
Rgb SwatchColour(AppHarness& app, const char* name) {
  QLabel* swatch = app.Find<QLabel>(name);
  const QImage image = swatch->grab().toImage();
  return app::ToRgb(image.pixelColor(image.width() / 2, image.height() / 2));
}

void Retype(AppHarness& app, const char* field, const QString& text) {
  app.Find<QLineEdit>(field)->clear();
  app.Type(field, text);
}

TEST(ColourPanel, AlteraChangesTheSwatchOkAppliesTheColours) {
  TempFolder dir;
  AppHarness app(dir.path());
  QSignalSpy applied(&app.form(), &app::TMainForm::numberColoursApplied);
  app.Choose("MenuCor");
  ASSERT_TRUE(app.Find("PanelCor")->isVisible());
  EXPECT_EQ(SwatchColour(app, "LabelCor1"), kRed);
  EXPECT_EQ(SwatchColour(app, "LabelCor2"), kBlue);
  EXPECT_EQ(SwatchColour(app, "LabelCor3"), kGreen);

  app.colours.answers = {kBlack, std::nullopt, kYellow};
  app.Click("ButtonCor1");
  app.Click("ButtonCor2");  // cancelled
  app.Click("ButtonCor3");
  EXPECT_EQ(app.colours.offered, (std::vector<Rgb>{kRed, kBlue, kGreen})) << "each dialog starts at its swatch";
  EXPECT_EQ(SwatchColour(app, "LabelCor1"), kBlack);
  EXPECT_EQ(SwatchColour(app, "LabelCor2"), kBlue);
  EXPECT_EQ(SwatchColour(app, "LabelCor3"), kYellow);
  EXPECT_EQ(app.form().card_options().number_colours[0], kRed) << "nothing applied before OK";
  EXPECT_EQ(applied.count(), 0);

  app.Click("ButtonOKCor");
  EXPECT_FALSE(app.Find("PanelCor")->isVisible());
  EXPECT_EQ(app.form().card_options().number_colours, (std::array<Rgb, 3>{kBlack, kBlue, kYellow}));
  EXPECT_EQ(applied.count(), 1);

  // The next change starts from what the swatch shows now.
  app.Choose("MenuCor");
  app.Click("ButtonCor1");
  EXPECT_EQ(app.colours.offered.back(), kBlack);
}

TEST(PrizePanel, DescriptionsAreCutAt30AndSurviveARestart) {
  TempFolder dir;
  {
    AppHarness app(dir.path());
    app.Choose("MenuDescr");
    ASSERT_TRUE(app.Find("PanelPremios")->isVisible());
    app.Type("EditPremio1", "Uma televisão de 42 polegadas com controle");
    app.Type("EditPremio9", "Cesta básica");
    app.Click("OKPremios");
    EXPECT_FALSE(app.Find("PanelPremios")->isVisible());
    EXPECT_EQ(app.form().card_options().prizes[0], "Uma televisão de 42 polegadas ");
    EXPECT_TRUE(app.dialogs.shown.empty());
    app.dialogs.AnswerYes();
    app.form().close();
  }
  AppHarness again(dir.path());
  EXPECT_EQ(again.workspace().card_options.prizes[0], "Uma televisão de 42 polegadas ");
  EXPECT_EQ(again.workspace().card_options.prizes[8], "Cesta básica");
  again.Choose("MenuDescr");
  EXPECT_EQ(again.Find<QLineEdit>("EditPremio9")->text(), QString("Cesta básica"));
  EXPECT_EQ(again.Find<QLineEdit>("EditPremio2")->text(), QString());
}

TEST(LetterPanel, LettersAreAppliedAndSurviveARestartColoursDoNot) {
  TempFolder dir;
  {
    AppHarness app(dir.path());
    QSignalSpy applied(&app.form(), &app::TMainForm::titleLettersApplied);
    app.Choose("MenuAJUDE");
    ASSERT_TRUE(app.Find("PanelPalavra")->isVisible());
    EXPECT_EQ(app.Find<QLineEdit>("EditLb")->text(), QString("B"));
    EXPECT_EQ(app.Find<QLineEdit>("EditLo")->text(), QString("O"));
    const char* fields[] = {"EditLb", "EditLi", "EditLn", "EditLg", "EditLo"};
    const QString word = "SORTE";
    for (int k = 0; k < 5; ++k) Retype(app, fields[k], word.mid(k, 1) + "X");  // one letter each
    const int before = applied.count();
    app.Click("ButtonPalavra");
    EXPECT_FALSE(app.Find("PanelPalavra")->isVisible());
    EXPECT_EQ(app.form().card_options().Title(), "SORTE");
    EXPECT_EQ(applied.count(), before + 1);

    app.Choose("MenuCor");
    app.colours.answers = {kBlack};
    app.Click("ButtonCor1");
    app.Click("ButtonOKCor");
    app.dialogs.AnswerYes();
    app.form().close();
  }
  AppHarness again(dir.path());
  EXPECT_EQ(again.workspace().card_options.Title(), "SORTE");
  EXPECT_EQ(again.workspace().card_options.number_colours, (std::array<Rgb, 3>{kRed, kBlue, kGreen}));
  again.Choose("MenuCor");
  EXPECT_EQ(SwatchColour(again, "LabelCor1"), kRed);
  auto draw_type = again.workspace().draw_type.Select();
  ASSERT_EQ(draw_type->size(), 1u);
  EXPECT_EQ((*draw_type)[0].record.Text("lb") + (*draw_type)[0].record.Text("lo"), "SE");
}

TEST(CardOptionPanels, AFailedPostIsToldAndTheValuesStillHoldForTheRun) {
  TempFolder dir;
  AppHarness app(dir.path());
  QSignalSpy applied(&app.form(), &app::TMainForm::titleLettersApplied);
  app.Choose("MenuAJUDE");
  app.Choose("MenuDescr");
  app.workspace().options.Close();  // the options file can no longer be written

  Retype(app, "EditLb", "T");
  const int before = applied.count();
  app.Click("ButtonPalavra");
  EXPECT_EQ(applied.count(), before + 1);
  EXPECT_EQ(app.form().card_options().letters[0], "T");
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Título dos quadros");
  EXPECT_NE(app.dialogs.last().text.find("não foram gravadas"), std::string::npos);

  app.Type("EditPremio1", "Bicicleta");
  app.Click("OKPremios");
  EXPECT_EQ(app.form().card_options().prizes[0], "Bicicleta");
  ASSERT_EQ(app.dialogs.shown.size(), 2u);
  EXPECT_EQ(app.dialogs.last().title, "Descrição dos prêmios");
}

TEST(MainWindow, BecomingActiveAppliesTheTitleLetters) {
  TempFolder dir;
  AppHarness app(dir.path());
  QSignalSpy letters(&app.form(), &app::TMainForm::titleLettersApplied);
  QSignalSpy activated(&app.form(), &app::TMainForm::formActivated);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const int before = letters.count();
  app.form().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&app.form()));
  EXPECT_GT(letters.count(), before);
  EXPECT_GT(activated.count(), 0);
}

}  // namespace
}  // namespace tavelao::testing
