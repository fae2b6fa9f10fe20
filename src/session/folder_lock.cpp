#include "session/folder_lock.h"

#include <unistd.h>

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "store/sqlite_db.h"

namespace tavelao::session {
namespace {

using store::Database;

constexpr int kAttempts = 50;
constexpr auto kPause = std::chrono::milliseconds(10);

std::optional<long> RecordedHolder(Database& db) {
  auto stmt = db.Prepare("SELECT pid FROM dono LIMIT 1");
  if (!stmt || stmt->Step() != SQLITE_ROW) return std::nullopt;
  return static_cast<long>(sqlite3_column_int64(stmt->get(), 0));
}

std::string InUse(const std::filesystem::path& folder, long pid) {
  return "A pasta " + folder.string() + " está em uso pelo Tavelão (processo " + std::to_string(pid) + ").";
}

}  // namespace

// The open connection keeps a write lock (a transaction that never ends)
// for as long as the lock lives.
struct FolderLock::Held {
  explicit Held(Database opened) : db(std::move(opened)) {}
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  Database db;
  ~Held() { (void)db.Exec("ROLLBACK"); }
};

namespace {

std::mutex held_mutex;
std::map<std::filesystem::path, std::weak_ptr<FolderLock::Held>>& HeldByThisProcess() {
  static std::map<std::filesystem::path, std::weak_ptr<FolderLock::Held>> held;
  return held;
}

}  // namespace

FolderLock::FolderLock(std::shared_ptr<Held> held) : held_(std::move(held)) {}
FolderLock::FolderLock(FolderLock&&) noexcept = default;
FolderLock& FolderLock::operator=(FolderLock&&) noexcept = default;
FolderLock::~FolderLock() = default;

Result<FolderLock> FolderLock::Acquire(const std::filesystem::path& folder) {
  const auto path = folder / kFolderLockFile;
  std::error_code ec;
  const auto key = std::filesystem::weakly_canonical(path, ec);
  std::lock_guard guard(held_mutex);
  if (auto shared = HeldByThisProcess()[key].lock()) return FolderLock(std::move(shared));
  const long self = static_cast<long>(::getpid());
  auto opened = Database::Open(path, /*create=*/true, /*read_only=*/false);
  if (!opened) return Fail("Não foi possível criar o arquivo " + path.string() + ": " + opened.error());
  Database db = std::move(*opened);
  sqlite3_busy_timeout(db.get(), 0);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    // Write our number while no one else can, then keep the write lock.
    // Between the two steps another program may slip in; the check after
    // the second step tells who won.
    if (db.Exec("BEGIN EXCLUSIVE")) {
      const bool written =
          db.Exec("CREATE TABLE IF NOT EXISTS dono(pid INTEGER);DELETE FROM dono;INSERT INTO dono VALUES(" +
                  std::to_string(self) + ");COMMIT")
              .ok();
      if (!written) (void)db.Exec("ROLLBACK");
      if (written && db.Exec("BEGIN IMMEDIATE")) {
        if (RecordedHolder(db) == self) {
          auto held = std::make_shared<Held>(std::move(db));
          HeldByThisProcess()[key] = held;
          return FolderLock(std::move(held));
        }
        (void)db.Exec("ROLLBACK");
      }
    } else if (auto holder = RecordedHolder(db); holder && *holder != self) {
      return Fail(InUse(folder, *holder));
    }
    std::this_thread::sleep_for(kPause);
  }
  const auto holder = RecordedHolder(db);
  return Fail(holder ? InUse(folder, *holder) : "A pasta " + folder.string() + " está em uso por outro programa.");
}

}  // namespace tavelao::session
