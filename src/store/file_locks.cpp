#include "store/file_locks.h"

#include <sqlite3.h>

#include <cstdarg>
#include <mutex>

#ifdef __linux__
#include <fcntl.h>
#endif

namespace tavelao::store {
namespace {

#ifdef __linux__
using Fcntl = int (*)(int, int, ...);
Fcntl original_fcntl = nullptr;

int LockTranslated(int fd, int cmd, struct flock* lock) {
  const int ofd_cmd = cmd == F_SETLK ? F_OFD_SETLK : cmd == F_SETLKW ? F_OFD_SETLKW : F_OFD_GETLK;
  struct flock ofd = *lock;
  ofd.l_pid = 0;  // required by the kernel for these locks
  const int rc = original_fcntl(fd, ofd_cmd, &ofd);
  if (cmd == F_GETLK && rc == 0) {
    lock->l_type = ofd.l_type;
    lock->l_whence = ofd.l_whence;
    lock->l_start = ofd.l_start;
    lock->l_len = ofd.l_len;
    lock->l_pid = ofd.l_pid;
  }
  return rc;
}

int FcntlWithOfdLocks(int fd, int cmd, ...) {
  va_list args;
  va_start(args, cmd);
  int rc;
  switch (cmd) {
    case F_SETLK:
    case F_SETLKW:
    case F_GETLK:
      rc = LockTranslated(fd, cmd, va_arg(args, struct flock*));
      break;
    case F_GETFD:
    case F_GETFL:
      rc = original_fcntl(fd, cmd);
      break;
    default:
      // SQLite passes only int arguments to the other commands it uses.
      rc = original_fcntl(fd, cmd, va_arg(args, int));
      break;
  }
  va_end(args);
  return rc;
}
#endif

}  // namespace

void UseOpenFileDescriptionLocks() {
#ifdef __linux__
  static std::once_flag once;
  std::call_once(once, [] {
    sqlite3_initialize();
    sqlite3_vfs* vfs = sqlite3_vfs_find("unix");
    if (vfs == nullptr || vfs->iVersion < 3 || vfs->xGetSystemCall == nullptr) return;
    original_fcntl = reinterpret_cast<Fcntl>(vfs->xGetSystemCall(vfs, "fcntl"));
    if (original_fcntl == nullptr) return;
    vfs->xSetSystemCall(vfs, "fcntl", reinterpret_cast<sqlite3_syscall_ptr>(&FcntlWithOfdLocks));
  });
#endif
}

}  // namespace tavelao::store
