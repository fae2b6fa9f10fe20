#include "session/backups.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <regex>
#include <system_error>

#include "session/data_files.h"
#include "session/workspace.h"

namespace tavelao::session {
namespace {

std::tm LocalTime(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

std::string Format(const std::tm& t, const char* format) {
  char text[32];
  std::strftime(text, sizeof text, format, &t);
  return text;
}

// A copy's name parsed: table stem, the time it was taken, and the number
// that tells apart copies taken in the same second.
struct CopyName {
  std::string stem;
  std::string stamp;  // "20261209-213005"
  int repeat = 0;
};

std::optional<CopyName> ParseCopyName(const std::string& name) {
  static const std::regex pattern(R"(^(.+)-(\d{8}-\d{6})(?:-(\d+))?\.cds$)");
  std::smatch m;
  if (!std::regex_match(name, m, pattern)) return std::nullopt;
  return CopyName{m[1], m[2], m[3].matched ? std::stoi(m[3]) : 0};
}

bool Older(const CopyName& a, const CopyName& b) { return std::tie(a.stamp, a.repeat) < std::tie(b.stamp, b.repeat); }

std::string Stem(const std::string& table_file) { return std::filesystem::path(table_file).stem().string(); }

// The copies of one table, oldest first.
std::vector<std::pair<CopyName, std::filesystem::path>> CopiesOf(const std::filesystem::path& folder,
                                                                 const std::string& stem) {
  std::vector<std::pair<CopyName, std::filesystem::path>> copies;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder / kBackupFolder, ec)) {
    auto name = ParseCopyName(entry.path().filename().string());
    if (name && name->stem == stem && entry.is_regular_file(ec)) copies.emplace_back(*name, entry.path());
  }
  std::sort(copies.begin(), copies.end(), [](const auto& a, const auto& b) { return Older(a.first, b.first); });
  return copies;
}

std::filesystem::path NewCopyPath(const std::filesystem::path& folder, const std::string& stem,
                                  std::chrono::system_clock::time_point now) {
  const std::string stamp = Format(LocalTime(now), "%Y%m%d-%H%M%S");
  std::filesystem::path path = folder / kBackupFolder / (stem + "-" + stamp + ".cds");
  std::error_code ec;
  for (int repeat = 1; std::filesystem::exists(path, ec); ++repeat) {
    path = folder / kBackupFolder / (stem + "-" + stamp + "-" + std::to_string(repeat) + ".cds");
  }
  return path;
}

std::string TakenText(const CopyName& name) {
  const std::string& s = name.stamp;
  return s.substr(6, 2) + "/" + s.substr(4, 2) + "/" + s.substr(0, 4) + " " + s.substr(9, 2) + ":" + s.substr(11, 2) +
         ":" + s.substr(13, 2);
}

// The table of `file` that the running program keeps open, if any.
store::Table* OpenInWorkspace(Workspace* workspace, const std::string& file) {
  if (workspace == nullptr) return nullptr;
  if (file == kValidationFile && workspace->validation.is_open()) return &workspace->validation;
  if (file == kOptionsFile && workspace->options.is_open()) return &workspace->options;
  return nullptr;
}

}  // namespace

std::vector<std::string> BackedUpTables(const std::filesystem::path& folder) {
  std::vector<std::string> tables;
  for (const char* file : {kValidationFile, kJournalFile, kIssuedFile, kOptionsFile, kSponsorsFile}) {
    if (store::TableFileState(folder / file) == store::FileState::Present) tables.emplace_back(file);
  }
  return tables;
}

Status BackUpTable(store::Table& table, std::chrono::system_clock::time_point now) {
  const auto folder = table.path().parent_path();
  std::error_code ec;
  std::filesystem::create_directories(folder / kBackupFolder, ec);
  if (ec)
    return Fail("Não foi possível criar a pasta " + (folder / kBackupFolder).string() + ": " + ec.message() + ".");
  const std::string stem = Stem(table.file_name());
  if (auto status = table.CopyTo(NewCopyPath(folder, stem, now)); !status) return status;
  auto copies = CopiesOf(folder, stem);
  for (std::size_t i = 0; i + kBackupsKept < copies.size(); ++i) std::filesystem::remove(copies[i].second, ec);
  return {};
}

Status BackUpFolder(const std::filesystem::path& folder, Workspace* workspace,
                    std::chrono::system_clock::time_point now) {
  for (const std::string& file : BackedUpTables(folder)) {
    store::Table* open = OpenInWorkspace(workspace, file);
    std::optional<store::Table> opened;
    if (open == nullptr) {
      auto table = store::Table::OpenReadOnly(folder / file);
      if (!table) return std::move(table).take_error();
      opened = std::move(*table);
      open = &*opened;
    }
    if (auto status = BackUpTable(*open, now); !status) return status;
  }
  return {};
}

std::vector<BackupFile> ListBackups(const std::filesystem::path& folder) {
  std::vector<std::pair<CopyName, BackupFile>> found;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder / kBackupFolder, ec)) {
    auto name = ParseCopyName(entry.path().filename().string());
    if (!name || !entry.is_regular_file(ec)) continue;
    BackupFile file{entry.path(), name->stem + ".cds", TakenText(*name), -1};
    if (auto table = store::Table::OpenReadOnly(entry.path())) {
      if (auto count = table->Count()) file.records = *count;
    }
    found.emplace_back(*name, std::move(file));
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return Older(b.first, a.first); });
  std::vector<BackupFile> files;
  for (auto& [name, file] : found) files.push_back(std::move(file));
  return files;
}

Status RestoreBackup(const std::filesystem::path& backup, store::Table* open,
                     std::chrono::system_clock::time_point now) {
  const auto name = ParseCopyName(backup.filename().string());
  if (!name) return Fail("O arquivo \"" + backup.filename().string() + "\" não é uma cópia de segurança do Tavelão.");
  // The copy lives in <data folder>/backup.
  const auto folder = std::filesystem::absolute(backup).parent_path().parent_path();
  std::optional<store::Table> opened;
  if (open == nullptr) {
    auto table = store::Table::Open(folder / (name->stem + ".cds"));
    if (!table) return std::move(table).take_error();
    opened = std::move(*table);
    open = &*opened;
  }
  return open->RestoreFrom(backup, [&] { return BackUpTable(*open, now); });
}

Status RestoreIntoWorkspace(Workspace& workspace, const std::filesystem::path& backup,
                            std::chrono::system_clock::time_point now) {
  const auto name = ParseCopyName(backup.filename().string());
  store::Table* open = name ? OpenInWorkspace(&workspace, name->stem + ".cds") : nullptr;
  if (auto status = RestoreBackup(backup, open, now); !status) return status;
  if (open == &workspace.options) return ReloadCardOptions(workspace);
  return {};
}

BackupSchedule::BackupSchedule(store::Table& validation, const Clock& clock)
    : validation_(validation), clock_(clock), last_(clock.Now()) {}

Status BackupSchedule::AfterValidation() {
  if (clock_.Now() - last_ < kBackupInterval) return {};
  return Take();
}

Status BackupSchedule::AfterBatch() { return Take(); }

Status BackupSchedule::Take() {
  const auto now = clock_.Now();
  if (auto status = BackUpTable(validation_, now); !status) return status;
  last_ = now;
  return {};
}

}  // namespace tavelao::session
