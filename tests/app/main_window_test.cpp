#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

#include "app_harness.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

// "name caption", one line per entry, submenus indented.
void DumpMenu(const QList<QAction*>& actions, const QString& indent, QString& out) {
  for (QAction* action : actions) {
    QMenu* menu = action->menu();
    const QString name = menu ? menu->objectName() : action->objectName();
    out += indent + name + " " + action->text() + "\n";
    if (menu) DumpMenu(menu->actions(), indent + "  ", out);
  }
}

TEST(MainWindow, MenuTreeHasEveryCaptionAndNameInOrder) {
  TempFolder dir;
  AppHarness app(dir.path());
  QString tree;
  DumpMenu(app.form().menuBar()->actions(), "", tree);
  EXPECT_EQ(tree.toStdString(),
            "MenuEmissao Emissão de cartelas\n"
            "  Menu9 Modelo uma cartela com 1 a 9 quadros alocáveis por folha (A4 21x29.7)\n"
            "  MenuA5 Modelo uma cartela com 1 a 9 quadros alocáveis por folha (A5 14.5 x 21)\n"
            "  Menu1 Modelo uma cartela com 1 quadro por folha\n"
            "  Menu2 Modelo uma cartela com 2 quadros por folha\n"
            "  Menu3 Modelo uma cartela com 3 quadros  por folha\n"
            "  Menu4a6 Modelo uma cartela com 4 a 6 linhas por folha\n"
            "  Menu4 Modelo quatro cartelas  em quadro por folha\n"
            "  Menu12 Modelo doze cartelas em quadro por folha\n"
            "  Menu25 Modelo uma cartela com dezenas alocáveis\n"
            "  MenuBE Bingo Empresarial\n"
            "  Modeloextra7quadros1 Modelo extra 4 cartelas por folha\n"
            "  MenuExtra Modelo extra 1 cartela por folha\n"
            "  L1 Listagem das cartelas\n"
            "  MenuCanhoto Modelos 5 cartelas por folha com canhoto\n"
            "    Menu4CCan Cartela com 5 pedras\n"
            "    Menu15ccan Cartela com 15 pedras\n"
            "    Cartelacom20pedras1 Cartela com 20 pedras\n"
            "    Menu25ccan Cartela com 25 pedras\n"
            "MenuValidacao Validação de cartelas\n"
            "  MenuDireta Validação direta\n"
            "  MenuLote Validação por lote\n"
            "  MenuRestaura Restaurar cópia de segurança\n"
            "MenuSorteio Sorteio\n"
            "MenuOpcoes Opções das cartelas\n"
            "  MenuTexto Texto\n"
            "  MenuCor Cor dos números\n"
            "  MenuDescr Descrição dos prêmios\n"
            "  MenuAJUDE Mudar título do quadro(padrão=BINGO)\n"
            "  MenuSenha Senha de autenticação\n"
            "  Gerararquivotextoparagrfica1 Gerar arquivo texto para gráfica\n"
            "MenuPM Prêmios menores\n"
            "MenuSobre Leia-me\n"
            "MenuSair Sair\n");
}

TEST(MainWindow, EveryEntryHasItsScreen) {
  TempFolder dir;
  AppHarness app(dir.path());
  for (const char* name : {"MenuCor",
                           "MenuDescr",
                           "MenuAJUDE",
                           "MenuSenha",
                           "MenuSobre",
                           "MenuSair",
                           "Gerararquivotextoparagrfica1",
                           "MenuPM",
                           "MenuSorteio",
                           "Menu1",
                           "Menu2",
                           "Menu3",
                           "Menu4a6",
                           "Menu4",
                           "Menu12",
                           "Modeloextra7quadros1",
                           "MenuExtra",
                           "Menu4CCan",
                           "Menu15ccan",
                           "Cartelacom20pedras1",
                           "Menu25ccan",
                           "MenuTexto",
                           "L1",
                           "Menu9",
                           "MenuA5",
                           "MenuBE",
                           "Menu25",
                           "MenuDireta",
                           "MenuLote",
                           "MenuRestaura"}) {
    ASSERT_NE(app.form().MenuEntry(name), nullptr) << name;
    EXPECT_TRUE(app.form().MenuEntry(name)->isEnabled()) << name;
  }
  // "Leia-me" opens the manual beside the window, asking nothing.
  app.Choose("MenuSobre");
  EXPECT_TRUE(app.dialogs.shown.empty());
  EXPECT_TRUE(app.form().isVisible());
  QWidget* help = app.Find("FormAjuda");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
}

TEST(MainWindow, StartsAtTheTopLeftAndKeepsTheEditorFileName) {
  TempFolder dir;
  AppHarness app(dir.path());
  EXPECT_EQ(app.form().pos(), QPoint(0, 0));
  EXPECT_EQ(app.form().windowTitle(), QString("Tavelão"));

  app::TMainForm other(app.workspace(), {app.dialogs, app.sounds, app.colours}, "convite.rtf");
  EXPECT_EQ(other.editor_file_name(), QString("convite.rtf"));
}

TEST(MainWindow, MainMenusHideAndShowAgain) {
  TempFolder dir;
  AppHarness app(dir.path());
  const auto tops = app.form().menuBar()->actions();
  ASSERT_EQ(tops.size(), 7);
  app.form().SetMainMenusVisible(false);
  for (QAction* top : tops) EXPECT_FALSE(top->isVisible()) << top->text().toStdString();
  app.form().SetMainMenusVisible(true);
  for (QAction* top : tops) EXPECT_TRUE(top->isVisible()) << top->text().toStdString();
}

TEST(MainWindow, ExitAnsweredNoKeepsEveryTableOpenAndUnchanged) {
  TempFolder dir;
  AppHarness app(dir.path());
  auto& ws = app.workspace();
  store::Record card = ws.validation.NewRecord();
  card.Set("Numero", 42);
  ASSERT_TRUE(ws.validation.Insert(card));
  const auto options_before = *ws.options.Select();

  app.dialogs.AnswerNo();
  EXPECT_FALSE(app.form().close());
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Sair do sistema");
  EXPECT_EQ(app.dialogs.last().text, "Quer mesmo sair do sistema?");
  EXPECT_TRUE(app.dialogs.last().question);

  EXPECT_TRUE(app.form().isVisible());
  for (store::Table* table : {&ws.options, &ws.validation, &ws.standings, &ws.draw_type}) {
    EXPECT_TRUE(table->is_open()) << table->file_name();
  }
  EXPECT_EQ(*ws.validation.Count(), 1);
  const auto options_after = *ws.options.Select();
  ASSERT_EQ(options_after.size(), options_before.size());
  EXPECT_EQ(options_after[0].record, options_before[0].record);

  // "Sair" asks the same question.
  app.dialogs.AnswerNo();
  app.Choose("MenuSair");
  EXPECT_EQ(app.dialogs.shown.size(), 2u);
  EXPECT_EQ(app.dialogs.last().text, "Quer mesmo sair do sistema?");
  EXPECT_TRUE(app.form().isVisible());
  EXPECT_TRUE(ws.validation.is_open());
}

TEST(MainWindow, ExitAnsweredYesClosesTheTablesAndTheirFilesReadBack) {
  TempFolder dir;
  AppHarness app(dir.path());
  auto& ws = app.workspace();
  store::Record card = ws.validation.NewRecord();
  card.Set("Numero", 7);
  ASSERT_TRUE(ws.validation.Insert(card));

  app.dialogs.AnswerYes();
  app.Choose("MenuSair");
  EXPECT_FALSE(app.form().isVisible());
  for (store::Table* table : {&ws.options, &ws.validation, &ws.standings, &ws.draw_type}) {
    EXPECT_FALSE(table->is_open()) << table->file_name();
  }
  // Closed once: a later close of the window does not ask again.
  app.form().close();
  EXPECT_EQ(app.dialogs.shown.size(), 1u);

  auto validation = store::Table::Open(dir / "Validadas.cds");
  ASSERT_TRUE(validation);
  EXPECT_EQ(*validation->Count(), 1);
}

}  // namespace
}  // namespace tavelao::testing
