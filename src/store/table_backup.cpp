// Copies of a table file through SQLite's online backup, which reads a
// consistent snapshot through the open connection (log included) and
// writes the copy page by page.

#include <sqlite3.h>

#include <system_error>

#include "common/atomic_file.h"
#include "common/text.h"
#include "store/table.h"

namespace tavelao::store {
namespace {

// Runs a whole backup from `from` into `to`; SQLITE_OK or the failure's code.
int Copy(sqlite3* from, sqlite3* to) {
  sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
  if (backup == nullptr) return sqlite3_extended_errcode(to);
  int rc;
  while ((rc = sqlite3_backup_step(backup, -1)) == SQLITE_OK) {
  }
  const int finished = sqlite3_backup_finish(backup);
  return rc == SQLITE_DONE ? finished : rc;
}

bool SameFields(const Schema& a, const Schema& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!FindField(Schema{b[i]}, a[i].name) || a[i].type != b[i].type || a[i].size != b[i].size) return false;
  }
  return true;
}

}  // namespace

Status Table::CopyTo(const std::filesystem::path& target) {
  const auto partial = std::filesystem::path(target.string() + ".parcial");
  std::error_code ignored;
  std::filesystem::remove(partial, ignored);
  {
    auto copy = Database::Open(partial, /*create=*/true, /*read_only=*/false);
    if (!copy) return Fail("Não foi possível criar a cópia " + QuotedFileName(target) + ": " + copy.error());
    if (const int rc = Copy(db_.get(), copy->get()); rc != SQLITE_OK) {
      const std::string reason = sqlite3_errstr(rc);
      copy->Close();
      std::filesystem::remove(partial, ignored);
      if ((rc & 0xFF) == SQLITE_FULL)
        return Fail("O disco está cheio: a cópia de " + QuotedFileName(path_) + " não foi gravada.");
      return Fail("Não foi possível copiar a tabela " + QuotedFileName(path_) + " (" + reason + ").");
    }
    // The copy carries the source's journal mode; leave it as one plain file.
    (void)copy->Exec("PRAGMA journal_mode=DELETE");
  }
  std::error_code ec;
  std::filesystem::rename(partial, target, ec);
  if (ec) {
    std::filesystem::remove(partial, ignored);
    return Fail("Não foi possível gravar a cópia " + QuotedFileName(target) + ": " + ec.message() + ".");
  }
  if (!SyncFolder(target.parent_path()))
    return Fail("O disco não confirmou a gravação da cópia " + QuotedFileName(target) + ".");
  return {};
}

Result<Table> Table::OpenCopy(const std::filesystem::path& copy, const Schema& schema) {
  auto source = OpenReadOnly(copy);
  if (!source) return Fail("A cópia " + QuotedFileName(copy) + " não pode ser restaurada: " + source.error());
  bool whole = false;
  if (auto check = source->db_.Prepare("PRAGMA quick_check"); check && check->Step() == SQLITE_ROW) {
    const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check->get(), 0));
    whole = verdict != nullptr && std::string_view(verdict) == "ok";
  }
  if (!whole) return Fail("A cópia " + QuotedFileName(copy) + " está danificada e não foi restaurada.");
  if (!SameFields(source->schema(), schema)) {
    return Fail("A cópia " + QuotedFileName(copy) + " não tem os campos da tabela e não foi restaurada.");
  }
  return source;
}

Status Table::RestoreFrom(const std::filesystem::path& backup, const std::function<Status()>& before_replacing) {
  auto source = OpenCopy(backup, *schema_);
  if (!source) return std::move(source).take_error();
  if (before_replacing) {
    if (auto status = before_replacing(); !status) return status;
  }
  statements_.clear();
  if (const int rc = Copy(source->db_.get(), db_.get()); rc != SQLITE_OK) {
    return Fail("A tabela " + QuotedFileName(path_) + " não foi restaurada (" + std::string(sqlite3_errstr(rc)) + ").");
  }
  return {};
}

}  // namespace tavelao::store
