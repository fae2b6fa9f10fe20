// Every model of the card catalogue as the organiser reaches it: its entry in
// the main menu, the issue panel, "OK" and the screen that prints its cards.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app_harness.h"
#include "issue/ui/issue_panel.h"
#include "layouts/card_models.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

using layouts::CardEditor;

// The window of each editor and, for its print, the button that prints.
struct EditorScreen {
  const char* window;
  const char* print_button;
};
EditorScreen ScreenOf(CardEditor editor) {
  switch (editor) {
    case CardEditor::kFramesA4:
      return {"TFormVar", "Button11"};
    case CardEditor::kFramesA5:
      return {"TFormVarA5", "Button11"};
    case CardEditor::kNumbers:
      return {"TFormDVar", "Button11"};
    case CardEditor::kBusiness:
      return {"PanelBE", "ButtonOKBE2"};
    case CardEditor::kNone:
      break;
  }
  return {nullptr, nullptr};
}

// The document the model's screen shows after "OK" of the issue panel (and
// the editor's own print button), or null when nothing was shown.
const report::Document* Printed(AppHarness& app, const layouts::CardModel& model) {
  auto* panel = app.Find<issue::PanelFiltraCar>("PanelFiltraCar");
  if (model.editor == CardEditor::kNone) {
    return panel->preview().isVisible() ? &panel->preview().document() : nullptr;
  }
  const EditorScreen screen = ScreenOf(model.editor);
  QWidget* window = screen.window ? app.Find(screen.window) : nullptr;
  if (!window || !window->isVisible()) return nullptr;
  window->findChild<QPushButton*>(QString::fromUtf8(screen.print_button))->click();
  // The editors and the business panel each preview in a window of their own.
  for (auto* preview : window->findChildren<report::PreviewWindow*>()) {
    if (preview->isVisible()) return &preview->document();
  }
  auto* business = app.Find<report::PreviewWindow>("FormEmpE");
  return business && business->isVisible() ? &business->document() : nullptr;
}

TEST(CardCatalogueMenu, EveryModelHasItsMenuEntryAndPrintsTheIssuedCards) {
  for (const layouts::CardModel& model : layouts::CardModels()) {
    SCOPED_TRACE(model.menu);
    TempFolder dir;
    AppHarness app(dir.path());
    app.form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.form()));

    QAction* entry = app.form().MenuEntry(QString::fromUtf8(model.menu));
    ASSERT_NE(entry, nullptr) << "no menu entry";
    EXPECT_EQ(entry->text(), QString::fromUtf8(model.caption));
    EXPECT_TRUE(entry->isEnabled()) << "no screen serves the model";
    QMenu* holder = app.form().Menu(QStringLiteral("MenuEmissao"));
    for (const layouts::CardSubmenu& submenu : layouts::CardSubmenus()) {
      if (model.submenu && std::string_view(model.submenu) == submenu.caption) {
        holder = app.form().Menu(QString::fromUtf8(submenu.name));
      }
    }
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->actions().contains(entry)) << "in the wrong menu";

    app.Choose(model.menu);
    auto* panel = app.Find<issue::PanelFiltraCar>("PanelFiltraCar");
    EXPECT_EQ(panel->model_code(), model.code);
    EXPECT_EQ(app.Find<QLabel>("LabelNomemod")->text(), QString::fromUtf8(model.name_shown));
    app.Type("EditCI", QStringLiteral("41"));
    app.Type("EditQT", QStringLiteral("2"));
    app.Click("ButtonOK");

    const report::Document* printed = Printed(app, model);
    if (model.route == layouts::PrintRoute::kNothing) {
      EXPECT_EQ(printed, nullptr);
      continue;
    }
    ASSERT_NE(printed, nullptr) << "no screen printed the cards";
    EXPECT_FALSE(printed->pages.empty());
    EXPECT_EQ(printed->records, 2u);
    EXPECT_TRUE(app.dialogs.shown.empty());
  }
}

}  // namespace
}  // namespace tavelao::testing
