// Tavelão: start-up, then the main window until the organiser leaves.

#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <system_error>

#include "app/app_start.h"
#include "app/start_options.h"
#include "app/ui/colour_picker.h"
#include "app/ui/help_window.h"
#include "app/ui/main_form.h"
#include "app/ui/qt_dialogs.h"
#include "app/ui/qt_locale.h"
#include "app/ui/qt_sounds.h"
#include "app/ui/qt_text.h"
#include "app/ui/window_placement.h"
#include "draw/ui/audience_lettering.h"
#include "session/issuer_setting.h"
#include "session/store_setting.h"

namespace {

std::filesystem::path Home() {
  const char* home = std::getenv("HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

// Prints the help or the version when asked for; true when it did.
bool Answered(const tavelao::app::StartOptions& options) {
  if (!options.help && !options.version) return false;
  std::cout << (options.help ? tavelao::app::StartHelpText() : tavelao::app::StartVersionText());
  return true;
}

std::vector<std::string> ArgumentsAfterProgram(const QStringList& arguments) {
  std::vector<std::string> args;
  for (qsizetype i = 1; i < arguments.size(); ++i) args.push_back(tavelao::app::ToUtf8(arguments[i]));
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version answer before Qt looks for a display.
  const auto early = tavelao::app::ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc), Home());
  if (early && Answered(*early)) return 0;

  tavelao::draw::CacheLargeGlyphs();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavelão"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tavelao")));
  tavelao::app::InstallPortugueseTranslations(application);

  // Read again without the options Qt took for itself (-platform, -style…).
  const auto options = tavelao::app::ParseStartOptions(ArgumentsAfterProgram(QApplication::arguments()), Home());
  if (!options) {
    std::cerr << options.error() << "\n";
    return 2;
  }
  if (Answered(*options)) return 0;
  tavelao::app::QtDialogs dialogs;
  if (options->folder) {
    if (auto entered = tavelao::app::EnterDataFolder(*options->folder); !entered) {
      dialogs.Inform(tavelao::app::kStartFailureTitle, entered.error());
      return 1;
    }
  }
  std::error_code ec;
  const auto folder = std::filesystem::current_path(ec);
  auto workspace = tavelao::app::StartWorkspace(folder, tavelao::session::ReadInstalledIssuer(),
                                                tavelao::session::ConnectInstalledStore(), dialogs);
  if (!workspace) return 1;

  tavelao::app::QtSounds sounds(workspace->folder);
  tavelao::app::QtColourPicker colours;
  tavelao::app::TMainForm form(*workspace, {dialogs, sounds, colours}, tavelao::app::ToQString(options->editor_file));
  form.show();
  // Once it is framed: a laptop's 768 lines take less than its 1024×720.
  QTimer::singleShot(0, &form, [&form] { tavelao::app::KeepOnScreen(form); });
  tavelao::app::OfferFirstStartGuide(form);
  return application.exec();
}
