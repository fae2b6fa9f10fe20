#pragma once
// One program at a time writes a data folder. The lock is SQLite's own
// locking on the file "tavelao.lock", held from start to exit: the kernel
// frees it when the holder ends, however it ends, so a lock left by a killed
// program is simply taken over. The file also records the holder's process
// number, which the refusal names.

#include <filesystem>
#include <memory>
#include <optional>

#include "common/result.h"

namespace tavelao::session {

inline constexpr const char* kFolderLockFile = "tavelao.lock";

class FolderLock {
 public:
  FolderLock(FolderLock&&) noexcept;
  FolderLock& operator=(FolderLock&&) noexcept;
  ~FolderLock();

  // Takes the folder for this process, or refuses with "A pasta ... está em
  // uso pelo Tavelão (processo N)." while another process holds it.
  static Result<FolderLock> Acquire(const std::filesystem::path& folder);

  // Several holders in one process share the lock: the folder is kept
  // from other programs, not from this one.

  struct Held;  // the connection that keeps the lock

 private:
  explicit FolderLock(std::shared_ptr<Held> held);
  std::shared_ptr<Held> held_;
};

}  // namespace tavelao::session
