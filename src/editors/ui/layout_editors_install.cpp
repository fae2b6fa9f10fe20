#include "editors/ui/layout_editors_install.h"

#include "app/ui/main_form.h"
#include "editors/ui/font_chooser.h"
#include "editors/ui/frame_editor_window.h"
#include "editors/ui/number_editor_window.h"
#include "issue/ui/issue_panel.h"
#include "layouts/card_models.h"
#include "layouts/print_card_file.h"

namespace tavelao::editors {

void InstallLayoutEditors(app::TMainForm& form) {
  auto* panel = form.findChild<issue::PanelFiltraCar*>(QStringLiteral("PanelFiltraCar"));
  Q_ASSERT(panel);
  if (!panel) return;
  // Owned by the main window with the editors, which it outlives.
  auto* fonts = new QtFontChooser(form.services().colours, &form);
  QObject::connect(&form, &QObject::destroyed, [fonts] { delete fonts; });
  Dialogs& dialogs = form.services().dialogs;
  auto make = [&](FrameEditorKind kind) {
    return new FrameEditorWindow(kind, form.workspace(), dialogs, *fonts, &form);
  };
  FrameEditorWindow* a4 = make(FrameEditorKind::kA4);
  FrameEditorWindow* large = make(FrameEditorKind::kLarge);
  FrameEditorWindow* a5 = make(FrameEditorKind::kA5);

  panel->SetModelEditor(9, [a4, large](const layouts::PrintResult& printed, const layouts::LayoutOptions& options,
                                       store::Table& card_file) {
    (printed.large_card ? large : a4)->Open(printed.frames, options.card, card_file);
  });
  panel->SetModelEditor(69, [a5](const layouts::PrintResult& printed, const layouts::LayoutOptions& options,
                                 store::Table& card_file) { a5->Open(printed.frames, options.card, card_file); });
  auto* numbers = new NumberEditorWindow(form.workspace(), dialogs, *fonts, form.services().colours, &form);
  panel->SetModelEditor(25, [numbers](const layouts::PrintResult&, const layouts::LayoutOptions&,
                                      store::Table& card_file) { numbers->Open(card_file); });
  for (const char* menu : {"Menu9", "MenuA5", "Menu25"}) {
    const layouts::CardModel* model = layouts::FindCardModelByMenu(menu);
    Q_ASSERT(model);
    form.EnableMenuEntry(QString::fromUtf8(menu), [panel, model] { panel->SelectCardModel(*model); });
  }
}

}  // namespace tavelao::editors
