#include "session/workspace.h"

#include <system_error>

#include "session/backups.h"
#include "session/data_files.h"

namespace tavelao::session {
namespace {

constexpr const char* kShortcut = "vortinel.lnk";

std::string BankWarning(const std::string& reason) {
  return reason + " Só as cartelas 1 a 10000 estão disponíveis nesta execução.";
}

// A dangling link counts as there, so that opening it reports it by name
// instead of a new empty table taking its place.
bool Exists(const std::filesystem::path& path) { return store::TableFileState(path) != store::FileState::Missing; }

bool HasNoTables(const std::filesystem::path& folder) {
  for (const char* name :
       {kOptionsFile, kEventFile, kSponsorsFile, kValidationFile, kStandingsFile, kDrawTypeFile, kJournalFile}) {
    if (Exists(folder / name)) return false;
  }
  return true;
}

}  // namespace

std::optional<std::filesystem::path> PlatformDesktopFolder() {
#ifdef _WIN32
  return std::filesystem::path("\\windows\\desktop");
#else
  return std::nullopt;
#endif
}

void CopyDesktopShortcut(const std::filesystem::path& folder, const std::optional<std::filesystem::path>& desktop) {
  std::error_code ec;
  const auto source = folder / kShortcut;
  if (!desktop || !std::filesystem::is_directory(*desktop, ec) || !std::filesystem::exists(source, ec)) return;
  std::filesystem::copy_file(source, *desktop / kShortcut, std::filesystem::copy_options::skip_existing, ec);
}

Result<std::unique_ptr<Workspace>> RunStartup(const std::filesystem::path& folder, const StartupSettings& settings) {
  auto lock = FolderLock::Acquire(folder);
  if (!lock) return std::move(lock).take_error();
  auto ws = std::make_unique<Workspace>();
  ws->lock = std::move(*lock);
  ws->folder = folder;
  ws->server = settings.server;
  ws->issuer = settings.issuer;
  ws->first_start = HasNoTables(folder);

  CopyDesktopShortcut(folder, settings.desktop);

  auto options = OpenOptions(folder);
  if (!options) return std::move(options).take_error();
  ws->options = std::move(*options);
  auto card_options = ReadCardOptions(ws->options);
  if (!card_options) return std::move(card_options).take_error();
  ws->card_options = std::move(*card_options);

  auto standings = RebuildStandings(folder);
  if (!standings) return std::move(standings).take_error();
  ws->standings = std::move(*standings);

  if (Exists(folder / kEventFile)) {
    // Only business bingo uses the event data, so a damaged file is
    // reported without keeping the hall from playing.
    if (auto event = store::Table::Open(folder / kEventFile); !event) {
      ws->warnings.push_back(event.error() + " O Bingo Empresarial não poderá usá-la.");
    }
  } else if (auto status = EnsureEvent(folder); !status) {
    return std::move(status).take_error();
  }
  if (auto status = EnsureSponsors(folder); !status) return std::move(status).take_error();

  auto validation = OpenValidation(ws->place());
  if (!validation) return std::move(validation).take_error();
  ws->validation = std::move(*validation);

  if (auto bank = card::LoadCardBank(ws->bank, folder); !bank) {
    ws->warnings.push_back(BankWarning(bank.error()));
  }

  auto draw_type = RebuildDrawType(folder, ws->options);
  if (!draw_type) return std::move(draw_type).take_error();
  ws->draw_type = std::move(*draw_type);

  auto journal = OpenJournal(ws->place());
  if (!journal) return std::move(journal).take_error();
  ws->journal = std::move(*journal);

  if (auto copied = BackUpFolder(folder, ws.get(), std::chrono::system_clock::now()); !copied) {
    ws->warnings.push_back("A cópia de segurança não foi feita: " + copied.error());
  }
  return ws;
}

Result<std::unique_ptr<Workspace>> PrepareForCommand(const std::filesystem::path& folder,
                                                     const card::IssuerNumber& issuer, std::optional<FolderLock> lock,
                                                     std::shared_ptr<store::ServerConnection> server) {
  auto ws = std::make_unique<Workspace>();
  ws->folder = folder;
  ws->server = std::move(server);
  ws->issuer = issuer;
  if (!lock) {
    if (auto bank = card::LoadCardBank(ws->bank, folder); !bank) ws->warnings.push_back(BankWarning(bank.error()));
    return ws;
  }
  ws->lock = std::move(lock);
  for (auto ensure : {EnsureOptions, EnsureEvent, EnsureSponsors}) {
    if (auto status = ensure(folder); !status) return std::move(status).take_error();
  }
  if (!ws->server) {
    if (auto status = EnsureValidation(folder); !status) return std::move(status).take_error();
  }
  if (!Exists(folder / kStandingsFile)) {
    if (auto standings = RebuildStandings(folder); !standings) return std::move(standings).take_error();
  }
  if (!Exists(folder / kDrawTypeFile)) {
    auto options = OpenOptions(folder);
    if (!options) return std::move(options).take_error();
    if (auto draw_type = RebuildDrawType(folder, *options); !draw_type) return std::move(draw_type).take_error();
  }
  if (auto bank = card::LoadCardBank(ws->bank, folder); !bank) {
    ws->warnings.push_back(BankWarning(bank.error()));
  }
  return ws;
}

Status ReloadCardOptions(Workspace& workspace) {
  auto options = ReadCardOptions(workspace.options);
  if (!options) return std::move(options).take_error();
  workspace.card_options.prizes = std::move(options->prizes);
  workspace.card_options.letters = std::move(options->letters);
  return {};
}

void CloseAtExit(Workspace& workspace) {
  workspace.options.Close();
  workspace.validation.Close();
  workspace.standings.Close();
  workspace.draw_type.Close();
  workspace.journal.Close();
}

}  // namespace tavelao::session
