#pragma once
// Safety copies of the tables that hold the night's work, in the folder
// "backup" of the data folder: "Validadas-20261209-213005.cds" and so on,
// the last ten of each table kept.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/result.h"
#include "store/table.h"

namespace tavelao::session {

struct Workspace;

inline constexpr const char* kBackupFolder = "backup";
inline constexpr int kBackupsKept = 10;
// While cards are being validated, a copy is at most this old.
inline constexpr auto kBackupInterval = std::chrono::minutes(10);

struct BackupFile {
  std::filesystem::path path;
  std::string table_file;  // "Validadas.cds"
  std::string taken;       // "09/12/2026 21:30:05"
  std::int64_t records = 0;
};

// "Validadas.cds", the draw journal "Atas.cds", the register of issued
// cards "Emitidas.cds", "premios.cds", "empresas.cds": those present in the
// folder.
std::vector<std::string> BackedUpTables(const std::filesystem::path& folder);

// Copies one open table into the backup folder and keeps only the newest
// copies of it.
Status BackUpTable(store::Table& table, std::chrono::system_clock::time_point now);
// Copies every backed-up table of the folder, using the open ones of the
// workspace where it has them (pass nullptr where none are open).
Status BackUpFolder(const std::filesystem::path& folder, Workspace* workspace,
                    std::chrono::system_clock::time_point now);

// Every copy in the backup folder, newest first.
std::vector<BackupFile> ListBackups(const std::filesystem::path& folder);

// Restores a copy into its table (open, or opened here when `open` is
// nullptr), after copying the table as it is now; a damaged copy is
// refused by name and nothing changes.
Status RestoreBackup(const std::filesystem::path& backup, store::Table* open,
                     std::chrono::system_clock::time_point now);

// Restores a copy into the running program's workspace: into its open
// table where it keeps one (the prize descriptions and letters read again),
// otherwise into the file.
Status RestoreIntoWorkspace(Workspace& workspace, const std::filesystem::path& backup,
                            std::chrono::system_clock::time_point now);

// When the validation store is copied: after each saved batch, and after a
// validation when the last copy is older than kBackupInterval.
class BackupSchedule {
 public:
  BackupSchedule(store::Table& validation, const Clock& clock);
  Status AfterValidation();
  Status AfterBatch();

 private:
  Status Take();

  store::Table& validation_;
  const Clock& clock_;
  std::chrono::system_clock::time_point last_;
};

}  // namespace tavelao::session
