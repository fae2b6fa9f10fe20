#include "app/ui/screens.h"

#include "app/ui/colour_panel.h"
#include "app/ui/help_window.h"
#include "app/ui/letter_panel.h"
#include "app/ui/password_panel.h"
#include "app/ui/prize_panel.h"
#include "business/ui/business_panel.h"
#include "draw/ui/draw_screen_panel.h"
#include "draw/ui/minor_prize_panel.h"
#include "editors/ui/layout_editors_install.h"
#include "issue/ui/export_panel.h"
#include "issue/ui/issue_panel.h"
#include "listing/ui/listing_panel.h"
#include "texteditor/ui/form_edit.h"
#include "validation/ui/validation_screens.h"

namespace tavelao::app {

void InstallScreens(TMainForm& form) {
  InstallPasswordPanel(form);
  InstallColourPanel(form);
  InstallPrizePanel(form);
  InstallLetterPanel(form);
  texteditor::FormEdit& editor = texteditor::InstallTextEditor(form);
  issue::PanelFiltraCar& issue_panel =
      issue::InstallIssuePanel(form, [editor = &editor] { return editor->FreeTextHtml(); });
  business::InstallBusinessPanel(form, issue_panel);
  issue::InstallExportPanel(form);
  editors::InstallLayoutEditors(form);
  listing::InstallListingPanel(form);
  validation::InstallValidationScreens(form);
  draw::InstallMinorPrizePanel(form);
  draw::InstallDrawScreens(form);
  InstallHelp(form);
}

}  // namespace tavelao::app
