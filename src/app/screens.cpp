#include "app/screens.h"

#include "app/colour_panel.h"
#include "app/letter_panel.h"
#include "app/password_panel.h"
#include "app/prize_panel.h"

namespace tavelao::app {

void InstallScreens(TMainForm& form) {
  InstallPasswordPanel(form);
  InstallColourPanel(form);
  InstallPrizePanel(form);
  InstallLetterPanel(form);
}

}  // namespace tavelao::app
