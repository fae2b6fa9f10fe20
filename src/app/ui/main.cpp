// Tavelão: start-up, then the main window until the organiser leaves.

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <system_error>

#include "app/app_start.h"
#include "app/ui/colour_picker.h"
#include "app/ui/help_window.h"
#include "app/ui/main_form.h"
#include "app/ui/qt_dialogs.h"
#include "app/ui/qt_locale.h"
#include "app/ui/qt_sounds.h"
#include "app/ui/window_placement.h"
#include "draw/ui/audience_lettering.h"
#include "session/issuer_setting.h"

int main(int argc, char** argv) {
  tavelao::draw::CacheLargeGlyphs();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavelão"));
  tavelao::app::InstallPortugueseTranslations(application);

  tavelao::app::QtDialogs dialogs;
  std::error_code ec;
  const auto folder = std::filesystem::current_path(ec);
  auto workspace = tavelao::app::StartWorkspace(folder, tavelao::session::ReadInstalledIssuer(), dialogs);
  if (!workspace) return 1;

  tavelao::app::QtSounds sounds(workspace->folder);
  tavelao::app::QtColourPicker colours;
  const QStringList arguments = QApplication::arguments();
  tavelao::app::TMainForm form(*workspace, {dialogs, sounds, colours}, arguments.value(1));
  form.show();
  // Once it is framed: a laptop's 768 lines take less than its 1024×720.
  QTimer::singleShot(0, &form, [&form] { tavelao::app::KeepOnScreen(form); });
  tavelao::app::OfferFirstStartGuide(form);
  return application.exec();
}
