#pragma once
// The working directory and what the program keeps open in it for the whole
// run: the card bank, the tables that outlive one operation and the
// authentication password (memory only).

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "common/result.h"
#include "session/card_options.h"
#include "store/table.h"

namespace tavelao::session {

struct Workspace {
  std::filesystem::path folder;
  card::CardBank bank;
  card::Password password;
  card::IssuerNumber issuer;

  store::Table options;     // "premios.cds"
  store::Table validation;  // "Validadas.cds"
  store::Table standings;   // "sorteadas.cds"
  store::Table draw_type;   // "TiposSor.cds"

  // Prizes and letters as the options record holds them, number colours
  // for this run; what every layout and the draw screens read.
  CardOptions card_options;

  // Problems that did not stop the start, to be shown to the operator.
  std::vector<std::string> warnings;

  std::filesystem::path File(const std::string& name) const { return folder / name; }
};

struct StartupSettings {
  card::IssuerNumber issuer;
  // The desktop folder that receives the shortcut; nullopt where the
  // platform has none.
  std::optional<std::filesystem::path> desktop;
};

// The desktop folder of the platform, when it has one.
std::optional<std::filesystem::path> PlatformDesktopFolder();

// Copies "vortinel.lnk" of the working directory to the desktop folder when
// both exist and the desktop has none yet; failures are ignored.
void CopyDesktopShortcut(const std::filesystem::path& folder, const std::optional<std::filesystem::path>& desktop);

// The start-up procedure: default tables created where missing, the draw
// tables rebuilt, the long-lived tables opened, the card bank filled. A
// table that cannot be read stops it with a message naming the file, and
// that file is left untouched.
Result<std::unique_ptr<Workspace>> RunStartup(const std::filesystem::path& folder, const StartupSettings& settings);

// What the command-line tool needs: missing tables created with their
// default rows (nothing rebuilt), the card bank filled; no table kept open.
Result<std::unique_ptr<Workspace>> PrepareForCommand(const std::filesystem::path& folder,
                                                     const card::IssuerNumber& issuer);

// Closes the tables that stay open until exit, writing them to their files.
void CloseAtExit(Workspace& workspace);

}  // namespace tavelao::session
