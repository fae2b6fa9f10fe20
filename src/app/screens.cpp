#include "app/screens.h"

#include "app/colour_panel.h"
#include "app/letter_panel.h"
#include "app/password_panel.h"
#include "app/prize_panel.h"
#include "draw/draw_screen_panel.h"
#include "draw/minor_prize_panel.h"
#include "issue/export_panel.h"
#include "issue/issue_panel.h"
#include "texteditor/form_edit.h"

namespace tavelao::app {

void InstallScreens(TMainForm& form) {
  InstallPasswordPanel(form);
  InstallColourPanel(form);
  InstallPrizePanel(form);
  InstallLetterPanel(form);
  texteditor::FormEdit& editor = texteditor::InstallTextEditor(form);
  issue::InstallIssuePanel(form, [editor = &editor] { return editor->FreeTextHtml(); });
  issue::InstallExportPanel(form);
  draw::InstallMinorPrizePanel(form);
  draw::InstallDrawScreens(form);
}

}  // namespace tavelao::app
