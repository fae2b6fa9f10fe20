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
#include "session/data_files.h"
#include "session/folder_lock.h"
#include "store/table.h"

namespace tavelao::session {

struct Workspace {
  // First, so that it is let go last: the tables close before another
  // program may take the folder.
  std::optional<FolderLock> lock;
  std::filesystem::path folder;
  // The server of the shared tables, when the banco= setting names one.
  std::shared_ptr<store::ServerConnection> server;
  card::CardBank bank;
  card::Password password;
  // With the installation's authentication scheme: every code is made
  // from these two.
  card::IssuerNumber issuer;

  store::Table options;     // "premios.cds"
  store::Table validation;  // "Validadas.cds"
  store::Table standings;   // "sorteadas.cds"
  store::Table draw_type;   // "TiposSor.cds"
  store::Table journal;     // "Atas.cds"

  // Prizes and letters as the options record holds them, number colours
  // for this run; what every layout and the draw screens read.
  CardOptions card_options;

  // Problems that did not stop the start, to be shown to the operator.
  std::vector<std::string> warnings;

  // No table file of the program was in the folder before this start.
  bool first_start = false;

  std::filesystem::path File(const std::string& name) const { return folder / name; }
  TablePlace place() const { return {folder, server}; }
};

struct StartupSettings {
  card::IssuerNumber issuer;
  // The desktop folder that receives the shortcut; nullopt where the
  // platform has none.
  std::optional<std::filesystem::path> desktop;
  // Connected already: the program does not start half-connected.
  std::shared_ptr<store::ServerConnection> server;
};

// The desktop folder of the platform, when it has one.
std::optional<std::filesystem::path> PlatformDesktopFolder();

// Copies "vortinel.lnk" of the working directory to the desktop folder when
// both exist and the desktop has none yet; failures are ignored.
void CopyDesktopShortcut(const std::filesystem::path& folder, const std::optional<std::filesystem::path>& desktop);

// The start-up procedure: the folder taken from other programs, default
// tables created where missing, the draw tables rebuilt, the long-lived
// tables opened, the card bank filled, the night's tables copied into
// "backup". A folder in use or a table that cannot be read stops it with a
// message naming it, and the folder is left untouched.
Result<std::unique_ptr<Workspace>> RunStartup(const std::filesystem::path& folder, const StartupSettings& settings);

// What the command-line tool needs: with the folder's lock, missing tables
// created with their default rows (nothing rebuilt); without it (another
// program has the folder, the command only reads) nothing is written. The
// card bank is filled; no table is kept open.
Result<std::unique_ptr<Workspace>> PrepareForCommand(const std::filesystem::path& folder,
                                                     const card::IssuerNumber& issuer, std::optional<FolderLock> lock,
                                                     std::shared_ptr<store::ServerConnection> server);

// Reads prizes and letters again from the options table into
// card_options; the number colours, which last for the run, stay.
Status ReloadCardOptions(Workspace& workspace);

// Closes the tables that stay open until exit, writing them to their files.
void CloseAtExit(Workspace& workspace);

}  // namespace tavelao::session
