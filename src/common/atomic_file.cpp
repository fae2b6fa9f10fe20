#include "common/atomic_file.h"

#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace tavelao {
namespace {

#ifndef _WIN32
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

#endif

// The bytes under `temporary`, on disk before the caller renames them.
bool WriteTemporary(const std::filesystem::path& temporary, std::string_view bytes, bool& created) {
#ifndef _WIN32
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  created = fd >= 0;
  if (!created) return false;
  bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  return written;
#else
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  created = static_cast<bool>(out);
  if (!created) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return static_cast<bool>(out);
#endif
}

}  // namespace

// The rename lives in the folder's entries: without this, a power cut
// right after can bring back the old file, or none.
bool SyncFolder(const std::filesystem::path& folder) {
#ifndef _WIN32
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return true;  // a folder we may not open we cannot sync either
  const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
  ::close(fd);
  return synced;
#else
  (void)folder;
  return true;
#endif
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::string name = path.filename().string();
  const auto temporary = std::filesystem::path(path.string() + ".tmp");
  bool created = false;
  if (!WriteTemporary(temporary, bytes, created)) {
    if (!created)
      return Fail("Não foi possível criar o arquivo " + name + " na pasta " + path.parent_path().string() + ".");
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Fail("Não foi possível gravar o arquivo " + name + " (disco cheio?).");
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Fail("Não foi possível substituir o arquivo " + name +
                ": ele pode estar aberto em outro programa ou a pasta não permite gravação.");
  }
  if (!SyncFolder(path.parent_path())) {
    return Fail("O arquivo " + name + " foi gravado, mas o disco não confirmou a gravação; grave-o de novo.");
  }
  return {};
}

}  // namespace tavelao
