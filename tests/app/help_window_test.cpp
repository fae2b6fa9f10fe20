// The manual inside the program: "Leia-me", its pages and pictures, F1 on
// each screen and the guide offered on a first start.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <map>

#include "app/ui/help_pages.h"
#include "app/ui/help_window.h"
#include "app_harness.h"
#include "support/temp_folder.h"

namespace tavelao {
namespace {

using testing::AppHarness;
using testing::TempFolder;

constexpr const char* kGuideQuestion = "Primeira vez nesta pasta? Quer ver o guia rápido da noite de bingo?";

app::FormAjuda* Help(AppHarness& app) { return app.Find<app::FormAjuda>("FormAjuda"); }

// What a page of the manual names and what it offers to be named.
struct PageLinks {
  QStringList hrefs;
  QStringList images;
  QSet<QString> anchors;
};

PageLinks ReadPage(const QString& resource) {
  QFile file(resource);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << resource.toStdString();
  QTextDocument document;
  document.setHtml(QString::fromUtf8(file.readAll()));
  PageLinks links;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isImageFormat()) links.images << format.toImageFormat().name();
      if (!format.isAnchor()) continue;
      if (!format.anchorHref().isEmpty()) links.hrefs << format.anchorHref();
      for (const QString& name : format.anchorNames()) links.anchors.insert(name);
    }
  }
  return links;
}

// Every page of the manual by its address, read once.
std::map<QString, PageLinks> ReadManual() {
  std::map<QString, PageLinks> pages;
  QDirIterator it(QStringLiteral(":/ajuda"), {QStringLiteral("*.html")});
  while (it.hasNext()) {
    const QString resource = it.next();
    pages[QStringLiteral("qrc") + resource] = ReadPage(resource);
  }
  return pages;
}

// Empty when `target` is a page of the manual and, when it has one, an
// anchor of that page; otherwise why not.
std::string Unresolved(const std::map<QString, PageLinks>& pages, const QUrl& target) {
  if (target.scheme() != QLatin1String("qrc")) return "leaves the manual";
  const auto page = pages.find(target.toString(QUrl::RemoveFragment));
  if (page == pages.end()) return "no such page";
  if (target.hasFragment() && !page->second.anchors.contains(target.fragment())) return "no such anchor";
  return {};
}

TEST(HelpWindow, LeiaMeOpensTheManualOnItsFirstPage) {
  TempFolder dir;
  AppHarness app(dir.path());
  ASSERT_NE(Help(app), nullptr);
  EXPECT_FALSE(Help(app)->isVisible());
  app.Choose("MenuSobre");
  ASSERT_TRUE(Help(app)->isVisible());
  EXPECT_EQ(Help(app)->windowTitle(), QString("Ajuda do Tavelão"));
  EXPECT_EQ(Help(app)->page(), app::HelpHome());
  auto* text = Help(app)->findChild<QTextBrowser*>(QStringLiteral("TextAjuda"));
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("A noite de bingo, passo a passo")));

  // A link followed and the way back.
  text->setSource(app::HelpEveningGuide());
  Help(app)->findChild<QPushButton*>(QStringLiteral("ButtonVoltar"))->click();
  EXPECT_EQ(Help(app)->page(), app::HelpHome());
  EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST(HelpWindow, EveryLinkAndPictureOfTheManualResolves) {
  TempFolder dir;
  AppHarness app(dir.path());  // the pages are registered with the window
  const auto pages = ReadManual();
  ASSERT_GE(pages.size(), 10u);
  QSet<QString> linked;
  int pictures = 0;
  for (const auto& [address, links] : pages) {
    const QUrl base(address);
    for (const QString& href : links.hrefs) {
      const QUrl target = base.resolved(QUrl(href));
      EXPECT_EQ(Unresolved(pages, target), "") << address.toStdString() << " -> " << href.toStdString();
      linked.insert(target.toString(QUrl::RemoveFragment));
    }
    for (const QString& src : links.images) {
      const QUrl picture = base.resolved(QUrl(src));
      ++pictures;
      EXPECT_FALSE(QImage(QLatin1Char(':') + picture.path()).isNull())
          << address.toStdString() << " shows " << src.toStdString();
    }
  }
  for (const auto& [address, links] : pages) {
    EXPECT_TRUE(linked.contains(address)) << address.toStdString() << " is linked from no page";
  }
  EXPECT_GE(pictures, 20) << "the screens are shown, not only named";
  for (const app::HelpScreen& screen : app::HelpScreens()) {
    EXPECT_EQ(Unresolved(pages, app::HelpPage(QLatin1String(screen.page))), "") << screen.screen;
  }
}

TEST(HelpWindow, F1OpensThePageOfTheScreenInUse) {
  TempFolder dir;
  AppHarness app(dir.path());

  app.Choose("MenuSorteio");
  app.Click("ButtonOKTSor");
  ASSERT_TRUE(app.Find("PanelSorteio")->isVisible());
  QTest::keyClick(app.Find("ButtonManual"), Qt::Key_F1);
  ASSERT_TRUE(Help(app)->isVisible());
  EXPECT_EQ(Help(app)->page(), app::HelpPage(QStringLiteral("sorteio.html#tela")));
  // Pressed on the main window itself, outside every panel: the panel shown.
  Help(app)->close();
  QTest::keyClick(&app.form(), Qt::Key_F1);
  EXPECT_EQ(Help(app)->page(), app::HelpPage(QStringLiteral("sorteio.html#tela")));
  app.Click("ButtonSair");
  QTest::keyClick(&app.form(), Qt::Key_F1);
  EXPECT_EQ(Help(app)->page(), app::HelpPage(QStringLiteral("principal.html")));

  app.Choose("MenuLote");
  auto* batch = app.Find("TFormInc");
  ASSERT_TRUE(batch->isVisible());
  auto* lote = batch->findChild<QLineEdit*>(QStringLiteral("EditLote"));
  QTest::keyClick(lote, Qt::Key_F1);
  EXPECT_EQ(Help(app)->page(), app::HelpPage(QStringLiteral("validacao.html#lote")));
  EXPECT_TRUE(lote->text().isEmpty()) << "the key goes to the help, not the field";
  batch->close();

  app.Choose("Menu25");
  app.Type("EditCI", "41");
  app.Type("EditQT", "2");
  app.Click("ButtonOK");
  auto* editor = app.Find("TFormDVar");
  ASSERT_TRUE(editor->isVisible());
  QTest::keyClick(editor->findChild<QWidget*>(QStringLiteral("QD1")), Qt::Key_F1);
  EXPECT_EQ(Help(app)->page(), app::HelpPage(QStringLiteral("emissao.html#editor-dezenas")));
  EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST(HelpWindow, AFirstStartOffersTheGuideOfTheEvening) {
  TempFolder dir;
  {
    AppHarness app(dir.path());
    app.dialogs.AnswerYes();
    EXPECT_TRUE(app::OfferFirstStartGuide(app.form()));
    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_TRUE(app.dialogs.last().question);
    EXPECT_EQ(app.dialogs.last().text, kGuideQuestion);
    ASSERT_TRUE(Help(app)->isVisible());
    EXPECT_EQ(Help(app)->page(), app::HelpEveningGuide());
  }
  // The folder now has its tables: nothing is asked.
  AppHarness again(dir.path());
  EXPECT_FALSE(app::OfferFirstStartGuide(again.form()));
  EXPECT_TRUE(again.dialogs.shown.empty());
  EXPECT_FALSE(Help(again)->isVisible());

  TempFolder empty;
  AppHarness declined(empty.path());
  EXPECT_FALSE(app::OfferFirstStartGuide(declined.form()));  // answered No
  EXPECT_EQ(declined.dialogs.shown.size(), 1u);
  EXPECT_FALSE(Help(declined)->isVisible());
}

}  // namespace
}  // namespace tavelao
