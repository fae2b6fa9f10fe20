// The screens of an issue: the issue panel PanelFiltraCar, the preview of
// the printed cards and the text editor FormEdit whose text they print.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <filesystem>

#include "app_harness.h"
#include "issue/card_file.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"
#include "texteditor/ui/form_edit.h"

namespace tavelao::testing {
namespace {

class IssueScreens : public ::testing::Test {
 protected:
  void SetUp() override { Activate(); }

  // Focus events reach the fields only while the main window is active.
  void Activate() {
    app.form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.form()));
  }

  // Chooses a model, types the range and presses "OK".
  void Issue(const char* model, const QString& first, const QString& quantity) {
    app.Choose(model);
    app.Type("EditCI", first);
    app.Type("EditQT", quantity);
    app.Click("ButtonOK");
  }

  QWidget* Panel() { return app.Find("PanelFiltraCar"); }
  QString Text(const char* label) { return app.Find<QLabel>(label)->text(); }
  bool Visible(const char* name) { return app.Find(name)->isVisible(); }
  report::PreviewWindow* Preview() { return app.Find<report::PreviewWindow>("FormPreview"); }
  bool CardFileExists() { return std::filesystem::exists(dir / issue::kCardFile); }

  TempFolder dir;
  AppHarness app{dir.path()};
};

// Every text on a page, to look for a card number.
bool PageShows(const report::Page& page, const std::string& text) {
  for (const auto& item : page.items) {
    if (const auto* placed = std::get_if<report::PlacedText>(&item.content)) {
      if (placed->text.find(text) != std::string::npos) return true;
    }
  }
  return false;
}

const report::PlacedRichText* FreeTextOf(const report::Page& page) {
  for (const auto& item : page.items) {
    if (const auto* rich = std::get_if<report::PlacedRichText>(&item.content)) return rich;
  }
  return nullptr;
}

// ---- the issue panel ---------------------------------------------------

TEST_F(IssueScreens, PanelStartsHiddenWithTheNamePlaceholder) {
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  EXPECT_EQ(Text("LabelNomemod"), QString("Nome do modelo"));
  EXPECT_EQ(Text("LabelTituloEmissao"), QString("Emissão de cartelas de bingo."));
}

TEST_F(IssueScreens, FixedModelsAreOfferedAndTheEditorModelsWait) {
  for (const char* entry :
       {"Menu1", "Menu2", "Menu3", "Menu4a6", "Menu4", "Menu12", "Modeloextra7quadros1", "MenuExtra", "Menu4CCan",
        "Menu15ccan", "Cartelacom20pedras1", "Menu25ccan", "MenuTexto", "Menu9", "MenuA5", "MenuBE", "Menu25"}) {
    EXPECT_TRUE(app.form().MenuEntry(entry)->isEnabled()) << entry;
  }
}

TEST_F(IssueScreens, ModelOneShowsItsNameTheBorderBoxWideAndFocusOnFirstCard) {
  app.Choose("Menu1");
  EXPECT_TRUE(Visible("PanelFiltraCar"));
  EXPECT_EQ(Text("LabelNomemod"), QString("Modelo uma cartela com 1 quadro por folha"));
  EXPECT_TRUE(Visible("CBCercadura"));
  EXPECT_FALSE(Visible("Panel4a6"));
  EXPECT_EQ(Panel()->width(), 377);
  EXPECT_EQ(app.form().focusWidget(), app.Find("EditCI"));
}

TEST_F(IssueScreens, NarrowModelsHaveNoBorderBoxAndOpeningTheMenuHidesIt) {
  app.Choose("Menu2");
  ASSERT_TRUE(Visible("CBCercadura"));
  emit app.form().Menu("MenuEmissao")->aboutToShow();
  EXPECT_FALSE(Visible("CBCercadura"));
  app.Choose("Menu12");
  EXPECT_EQ(Text("LabelNomemod"), QString("Modelo doze cartelas em quadro por folha"));
  EXPECT_FALSE(Visible("CBCercadura"));
  EXPECT_EQ(Panel()->width(), 265);
  app.Choose("Modeloextra7quadros1");
  EXPECT_EQ(Text("LabelNomemod"), QString("Modelo 4 por folha"));
}

TEST_F(IssueScreens, EnteringEitherFieldEmptiesIt) {
  app.Choose("Menu1");
  app.Find<QLineEdit>("EditQT")->setText("77");
  app.Find<QLineEdit>("EditCI")->setText("88");
  app.Find<QLineEdit>("EditQT")->setFocus();
  EXPECT_EQ(app.Find<QLineEdit>("EditQT")->text(), QString());
  EXPECT_EQ(app.Find<QLineEdit>("EditCI")->text(), QString("88"));
  app.Find<QLineEdit>("EditCI")->setFocus();
  EXPECT_EQ(app.Find<QLineEdit>("EditCI")->text(), QString());
}

TEST_F(IssueScreens, CancelaHidesThePanelAndIssuesNothing) {
  app.Choose("Menu1");
  app.Type("EditCI", "41");
  app.Type("EditQT", "10");
  app.Click("ButtonCancela");
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  EXPECT_FALSE(CardFileExists());
  EXPECT_FALSE(Preview()->isVisible());
}

TEST_F(IssueScreens, LeavingTheQuantityAboveOneHundredWarnsAndKeepsIt) {
  app.Choose("Menu1");
  app.Type("EditQT", "100");
  app.Find("EditCI")->setFocus();
  EXPECT_TRUE(app.dialogs.shown.empty()) << "100 is not above 100";
  app.Type("EditQT", "150");
  app.Find("EditCI")->setFocus();
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Atenção");
  EXPECT_EQ(app.dialogs.last().text,
            "Você colocou mais de 100 cartelas na quantidade. Isso pode exaurir a memória do seu computador "
            "provocando erro do sistema. O ideal seria emitir de 100 em 100 cartelas.");
  EXPECT_EQ(app.Find<QLineEdit>("EditQT")->text(), QString("150"));
}

// ---- "OK" by one click or by Enter ----------------------------------------

TEST_F(IssueScreens, OneClickAboveOneHundredWarnsOnceAndIssues) {
  Issue("Menu12", "1", "150");
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Atenção");
  ASSERT_TRUE(Preview()->isVisible());
  EXPECT_EQ(Preview()->document().records, 150u);

  // Warned on leaving the field: "OK" does not warn again.
  app.Choose("Menu12");
  app.Type("EditQT", "120");
  app.Type("EditCI", "1");
  ASSERT_EQ(app.dialogs.shown.size(), 2u);
  app.Click("ButtonOK");
  EXPECT_EQ(app.dialogs.shown.size(), 2u);
  EXPECT_EQ(Preview()->document().records, 120u);

  // Nor is a click on "Cancela" lost to the box.
  app.Choose("Menu12");
  app.Type("EditQT", "130");
  app.Click("ButtonCancela");
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  EXPECT_EQ(app.dialogs.shown.size(), 2u);
}

TEST_F(IssueScreens, EnterInTheLastFieldPressesOk) {
  app.Choose("Menu12");
  app.Type("EditCI", "1");
  QTest::keyClick(app.Find("EditCI"), Qt::Key_Return);
  EXPECT_TRUE(Visible("PanelFiltraCar")) << "not the last field";
  app.Type("EditQT", "150");
  QTest::keyClick(app.Find("EditQT"), Qt::Key_Return);
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  ASSERT_EQ(app.dialogs.shown.size(), 1u) << "the field left as the panel closes does not warn again";
  ASSERT_TRUE(Preview()->isVisible());
  EXPECT_EQ(Preview()->document().records, 150u);

  // Model 6 asks for its lines last.
  app.Choose("Menu4a6");
  app.Type("EditCI", "1");
  app.Type("EditQT", "2");
  QTest::keyClick(app.Find("EditQT"), Qt::Key_Return);
  EXPECT_TRUE(Visible("PanelFiltraCar"));
  app.Type("EditNP", "5");
  QTest::keyClick(app.Find("EditNP"), Qt::Key_Return);
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  EXPECT_EQ(Preview()->document().name, "FormCar4a6");
  EXPECT_EQ(Preview()->document().records, 2u);
  EXPECT_TRUE(app.Find("RB2Car")->isHidden()) << "the size choice closes with the panel";
}

// A message box or another window taking the focus for a while is not
// leaving the field, and coming back is not entering it.
TEST_F(IssueScreens, AnotherWindowNeitherWarnsNorEmptiesTheQuantity) {
  app.Choose("Menu12");
  app.Type("EditQT", "150");
  QWidget* field = app.Find("EditQT");
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(field, &out);
  QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(field, &in);
  EXPECT_TRUE(app.dialogs.shown.empty());
  EXPECT_EQ(app.Find<QLineEdit>("EditQT")->text(), QString("150"));
}

TEST_F(IssueScreens, ARangeReachingCardsWithoutNumbersIssuesNothing) {
  Issue("Menu15ccan", "1", "2");  // its card file stays in the folder
  ASSERT_TRUE(CardFileExists());
  const std::string before = ReadBytes(dir / issue::kCardFile);
  Preview()->hide();
  Issue("Menu1", "9999", "4");
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Emissão de cartelas");
  EXPECT_EQ(app.dialogs.last().text, "As cartelas 10.001 e 10.002 não têm dezenas no banco.");
  EXPECT_FALSE(Preview()->isVisible());
  EXPECT_EQ(ReadBytes(dir / issue::kCardFile), before);
}

TEST_F(IssueScreens, LettersInTheFirstCardGiveTheConversionErrorAndNoCardFile) {
  Issue("Menu1", "abc", "3");
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, std::string(kConversionErrorTitle));
  EXPECT_FALSE(CardFileExists());
  EXPECT_FALSE(Preview()->isVisible());
}

TEST_F(IssueScreens, QuantityZeroDoesNothingAfterThePanelCloses) {
  Issue("Menu1", "5", "0");
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  EXPECT_TRUE(app.dialogs.shown.empty());
  EXPECT_FALSE(CardFileExists());
  EXPECT_FALSE(Preview()->isVisible());
}

// ---- the road of one card up to the preview ------------------------------

TEST_F(IssueScreens, TenCardsFromFortyOneReachThePreviewAndTheCardFileIsGone) {
  Issue("Menu1", "41", "10");
  EXPECT_FALSE(Visible("PanelFiltraCar"));
  EXPECT_TRUE(app.dialogs.shown.empty());
  report::PreviewWindow* preview = Preview();
  ASSERT_TRUE(preview->isVisible());
  const report::Document& document = preview->document();
  EXPECT_EQ(document.name, "FormCar");
  EXPECT_EQ(document.records, 10u);
  ASSERT_EQ(document.pages.size(), 10u);
  EXPECT_TRUE(PageShows(document.pages.front(), "000041"));
  EXPECT_TRUE(PageShows(document.pages.back(), "000050"));
  EXPECT_FALSE(CardFileExists());
}

TEST_F(IssueScreens, PreviewPagesThroughTheDocument) {
  Issue("Menu1", "41", "10");
  report::PreviewWindow* preview = Preview();
  auto* label = preview->findChild<QLabel*>("LabelPagina");
  EXPECT_EQ(label->text(), QString("Página 1 de 10"));
  EXPECT_FALSE(preview->findChild<QToolButton*>("ButtonAnterior")->isEnabled());
  QTest::mouseClick(preview->findChild<QToolButton*>("ButtonProxima"), Qt::LeftButton);
  EXPECT_EQ(preview->page(), 1u);
  EXPECT_EQ(label->text(), QString("Página 2 de 10"));
  QTest::mouseClick(preview->findChild<QToolButton*>("ButtonUltima"), Qt::LeftButton);
  EXPECT_EQ(label->text(), QString("Página 10 de 10"));
  EXPECT_FALSE(preview->findChild<QToolButton*>("ButtonProxima")->isEnabled());
  preview->Next();
  EXPECT_EQ(preview->page(), 9u) << "no page past the last";
  QTest::mouseClick(preview->findChild<QToolButton*>("ButtonPrimeira"), Qt::LeftButton);
  EXPECT_EQ(preview->page(), 0u);
}

TEST_F(IssueScreens, PreviewZoomsAndFitsTheWholePage) {
  Issue("Menu12", "1", "13");
  report::PreviewWindow* preview = Preview();
  ASSERT_EQ(preview->document().pages.size(), 2u);
  auto* page = preview->findChild<QWidget*>("PaginaPreview");
  auto* area = preview->findChild<QWidget*>("ScrollPreview");
  const double fitted = preview->zoom();
  EXPECT_LE(page->height(), area->height());
  preview->ZoomIn();
  EXPECT_GT(preview->zoom(), fitted);
  EXPECT_GT(page->height(), area->height());
  preview->ZoomOut();
  preview->ZoomOut();
  EXPECT_LT(preview->zoom(), fitted);
  preview->Fit();
  EXPECT_DOUBLE_EQ(preview->zoom(), fitted);
  // A4 keeps its proportions on screen.
  EXPECT_NEAR(double(page->height()) / page->width(), 297.0 / 210.0, 0.02);
}

TEST_F(IssueScreens, PreviewPrintsAndSavesAfterTheCardFileWasDeleted) {
  Issue("Menu4", "1", "7");
  ASSERT_FALSE(CardFileExists());
  report::PreviewWindow* preview = Preview();
  ASSERT_EQ(preview->document().pages.size(), 2u);
  const auto pdf = dir / "saida.pdf";
  ASSERT_TRUE(preview->SavePdf(pdf).ok());
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
  // The file dialog is gone by then: the organiser is told where it went.
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Salvar PDF");
  EXPECT_EQ(app.dialogs.last().text, "PDF salvo em " + pdf.string());
  QPdfWriter printer(QString::fromStdString((dir / "impressora.pdf").string()));
  EXPECT_TRUE(preview->PrintOn(printer).ok());
  EXPECT_EQ(app.dialogs.shown.size(), 1u) << "printing says nothing more";
}

TEST_F(IssueScreens, PdfThatCannotBeWrittenIsReported) {
  Issue("Menu1", "1", "1");
  const auto status = Preview()->SavePdf(dir / "sem-pasta" / "x.pdf");
  EXPECT_FALSE(status.ok());
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Salvar PDF");
}

// The file dialog asks before replacing a file; a table file it may not
// replace whatever the answer.
TEST_F(IssueScreens, PdfOverATableFileIsRefusedWithABox) {
  Issue("Menu1", "1", "1");
  const auto table = dir / "Validadas.cds";
  ASSERT_TRUE(std::filesystem::exists(table));
  const std::string before = ReadBytes(table);
  EXPECT_FALSE(Preview()->SavePdf(table).ok());
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Salvar PDF");
  EXPECT_EQ(app.dialogs.last().text, "O arquivo \"Validadas.cds\" é uma tabela do Tavelão e não será substituído.");
  EXPECT_EQ(ReadBytes(table), before);
}

TEST_F(IssueScreens, AStubModelKeepsTheCardFile) {
  app.Choose("Menu15ccan");
  EXPECT_EQ(Text("LabelNomemod"), QString("Modelo 15 pedras com canhoto"));
  EXPECT_EQ(Panel()->width(), 265);
  EXPECT_FALSE(Visible("CBCercadura"));
  app.Type("EditCI", "1");
  app.Type("EditQT", "5");
  app.Click("ButtonOK");
  ASSERT_TRUE(Preview()->isVisible());
  EXPECT_EQ(Preview()->document().records, 5u);
  EXPECT_EQ(Preview()->document().pages.size(), 1u);
  EXPECT_TRUE(CardFileExists());
}

TEST_F(IssueScreens, TheExtraModelPrintsNothingAndLeavesNoCardFile) {
  Issue("MenuExtra", "1", "3");
  EXPECT_FALSE(CardFileExists());
  EXPECT_FALSE(Preview()->isVisible());
  EXPECT_TRUE(app.dialogs.shown.empty());
}

// ---- model 6 and its number box -----------------------------------------

TEST_F(IssueScreens, ModelSixAsksForLinesWide) {
  app.Choose("Menu4a6");
  EXPECT_TRUE(Visible("Panel4a6"));
  EXPECT_EQ(Text("LabelNumpre"), QString("Número de linhas"));
  EXPECT_EQ(Text("LabelNumPre2"), QString("(de 4 a 6)"));
  EXPECT_EQ(Panel()->width(), 377);
  EXPECT_FALSE(Visible("CBCercadura"));
}

TEST_F(IssueScreens, LeavingTheNumberBoxShowsTheCardSizeForSixOrFewer) {
  app.Choose("Menu4a6");
  EXPECT_FALSE(Visible("RB2Car"));
  app.Type("EditNP", "3");
  app.Find("EditCI")->setFocus();
  EXPECT_TRUE(Visible("RB2Car"));
  EXPECT_TRUE(Visible("RB3Car"));
  EXPECT_TRUE(app.Find<QRadioButton>("RB2Car")->isChecked());
  app.Find<QLineEdit>("EditNP")->clear();
  app.Type("EditNP", "8");
  app.Find("EditCI")->setFocus();
  EXPECT_FALSE(Visible("RB2Car"));
  app.Find<QLineEdit>("EditNP")->clear();
  app.Type("EditNP", "x");
  app.Find("EditCI")->setFocus();
  EXPECT_TRUE(Visible("RB2Car")) << "not a number counts as 1";
}

TEST_F(IssueScreens, ModelSixWithLettersWritesNineBackAndNarrowsThePanel) {
  app.Choose("Menu4a6");
  app.Type("EditNP", "x");
  app.Type("EditCI", "1");
  app.Type("EditQT", "2");
  app.Click("ButtonOK");
  EXPECT_EQ(app.Find<QLineEdit>("EditNP")->text(), QString("9"));
  ASSERT_TRUE(Preview()->isVisible());
  EXPECT_EQ(Preview()->document().name, "FormCar4a6");
  EXPECT_EQ(Preview()->document().records, 2u);
  EXPECT_EQ(Panel()->width(), 265);
  EXPECT_TRUE(app.Find("Panel4a6")->isHidden());
  EXPECT_FALSE(CardFileExists());
}

TEST_F(IssueScreens, OkHidesTheCardSizeChoice) {
  app.Choose("Menu4a6");
  app.Type("EditNP", "5");
  app.Type("EditCI", "1");
  ASSERT_TRUE(Visible("RB2Car"));
  app.Type("EditQT", "1");
  app.Click("ButtonOK");
  EXPECT_TRUE(app.Find("RB2Car")->isHidden());
  EXPECT_TRUE(app.Find("RB3Car")->isHidden());
}

// ---- the text editor and the free text ------------------------------------

TEST_F(IssueScreens, TextoOpensTheEditorAndClosingOnlyHidesIt) {
  auto* editor = app.Find<texteditor::FormEdit>("FormEdit");
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->isVisible());
  app.Choose("MenuTexto");
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->windowTitle(), QString("Editor de texto para as cartelas"));
  editor->editor().setPlainText("Festa junina");
  editor->close();
  EXPECT_FALSE(editor->isVisible());
  ASSERT_EQ(app.Find<texteditor::FormEdit>("FormEdit"), editor) << "closing must not destroy it";
  app.Choose("MenuTexto");
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->editor().toPlainText(), QString("Festa junina"));
}

TEST_F(IssueScreens, BoldTextTypedInTheEditorIsPrintedAsTheFreeText) {
  app.Choose("MenuTexto");
  auto* editor = app.Find<texteditor::FormEdit>("FormEdit");
  QTextEdit& edit = editor->editor();
  edit.setFocus();
  editor->findChild<QAction*>("BoldButton")->trigger();
  QTest::keyClicks(&edit, "QUERMESSE");
  ASSERT_TRUE(edit.currentCharFormat().font().bold());
  Activate();
  Issue("Menu1", "41", "1");
  ASSERT_TRUE(Preview()->isVisible());
  const report::PlacedRichText* free_text = FreeTextOf(Preview()->document().pages.front());
  ASSERT_NE(free_text, nullptr);
  ASSERT_TRUE(free_text->html);
  const QString html = QString::fromStdString(*free_text->html);
  EXPECT_TRUE(html.contains("QUERMESSE"));
  EXPECT_TRUE(html.contains("font-weight:700")) << html.toStdString();
}

TEST_F(IssueScreens, ToolBarSetsItalicUnderlineColourAndAlignment) {
  app.Choose("MenuTexto");
  auto* editor = app.Find<texteditor::FormEdit>("FormEdit");
  QTextEdit& edit = editor->editor();
  edit.setPlainText("Prêmio");
  edit.selectAll();
  editor->findChild<QAction*>("ItalicButton")->trigger();
  editor->findChild<QAction*>("UnderlineButton")->trigger();
  app.colours.answers.push_back(session::Rgb{0, 128, 0});
  editor->findChild<QAction*>("ColorButton")->trigger();
  editor->findChild<QAction*>("CenterAlign")->trigger();
  const QTextCharFormat format = edit.textCursor().charFormat();
  EXPECT_TRUE(format.fontItalic());
  EXPECT_TRUE(format.fontUnderline());
  EXPECT_EQ(format.foreground().color(), QColor(0, 128, 0));
  EXPECT_EQ(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  app.colours.answers.push_back(std::nullopt);
  editor->findChild<QAction*>("ColorButton")->trigger();
  EXPECT_EQ(edit.textCursor().charFormat().foreground().color(), QColor(0, 128, 0)) << "cancel keeps the colour";
}

// ---- how it looks ---------------------------------------------------------

// Saves a picture of the widget when TAVELAO_SCREENSHOTS names a folder.
void SaveShot(QWidget& widget, const char* name) {
  const QByteArray folder = qgetenv("TAVELAO_SCREENSHOTS");
  if (folder.isEmpty()) return;
  widget.grab().save(QString::fromUtf8(folder) + "/" + name);
}

// No caption of the panel is cut: every label, box and button gets at
// least the width its text needs.
void ExpectNothingCut(QWidget& panel) {
  for (QWidget* child : panel.findChildren<QWidget*>()) {
    if (!child->isVisible()) continue;
    if (auto* label = qobject_cast<QLabel*>(child); label && label->wordWrap()) continue;
    if (!qobject_cast<QLabel*>(child) && !qobject_cast<QAbstractButton*>(child)) continue;
    EXPECT_GE(child->width(), child->sizeHint().width())
        << child->objectName().toStdString() << " " << panel.objectName().toStdString();
    EXPECT_LE(child->geometry().right(), panel.width()) << child->objectName().toStdString();
  }
}

TEST_F(IssueScreens, NoCaptionIsCutInEitherWidth) {
  app.Choose("Menu1");
  QApplication::processEvents();
  ExpectNothingCut(*Panel());
  SaveShot(*Panel(), "emissao.png");
  app.Choose("Menu4a6");
  app.Type("EditNP", "5");
  app.Find("EditCI")->setFocus();
  QApplication::processEvents();
  ExpectNothingCut(*Panel());
  SaveShot(*Panel(), "emissao_linhas.png");
  app.Choose("Menu25ccan");
  QApplication::processEvents();
  ExpectNothingCut(*Panel());
}

TEST_F(IssueScreens, PreviewPicture) {
  Issue("Menu1", "41", "10");
  QApplication::processEvents();
  ExpectNothingCut(*Preview());
  SaveShot(*Preview(), "preview.png");
}

}  // namespace
}  // namespace tavelao::testing
