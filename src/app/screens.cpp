#include "app/screens.h"

#include "app/colour_panel.h"
#include "app/letter_panel.h"
#include "app/password_panel.h"
#include "app/prize_panel.h"
#include "business/business_panel.h"
#include "draw/draw_screen_panel.h"
#include "draw/minor_prize_panel.h"
#include "editors/layout_editors_install.h"
#include "issue/export_panel.h"
#include "issue/issue_panel.h"
#include "listing/listing_panel.h"
#include "texteditor/form_edit.h"
#include "validation/validation_screens.h"

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
}

}  // namespace tavelao::app
