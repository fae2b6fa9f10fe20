#include "editors/ui/layout_editors_install.h"

#include <map>

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
  auto* fonts = new QtFontChooser(form.services().colours);
  QObject::connect(&form, &QObject::destroyed, [fonts] { delete fonts; });
  Dialogs& dialogs = form.services().dialogs;
  std::map<FrameEditorKind, FrameEditorWindow*> frames;
  for (FrameEditorKind kind : {FrameEditorKind::kA4, FrameEditorKind::kLarge, FrameEditorKind::kA5}) {
    frames[kind] = new FrameEditorWindow(kind, form.workspace(), dialogs, *fonts, &form);
  }
  for (layouts::CardEditor editor : {layouts::CardEditor::kFramesA4, layouts::CardEditor::kFramesA5}) {
    panel->SetModelEditor(editor, [frames, editor](const layouts::PrintResult& printed,
                                                   const layouts::LayoutOptions& options, store::Table& card_file) {
      frames.at(FrameEditorFor(editor, printed.large_card))->Open(printed.frames, options.card, card_file);
    });
  }
  auto* numbers = new NumberEditorWindow(form.workspace(), dialogs, *fonts, &form);
  panel->SetModelEditor(layouts::CardEditor::kNumbers,
                        [numbers](const layouts::PrintResult&, const layouts::LayoutOptions&, store::Table& card_file) {
                          numbers->Open(card_file);
                        });
}

}  // namespace tavelao::editors
