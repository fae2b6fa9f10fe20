#include "common/input_file.h"

#include <cstdint>
#include <fstream>
#include <system_error>

#include "common/text.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace tavelao {
namespace {

Error TooBig(const std::filesystem::path& path, std::size_t max_bytes) {
  const std::size_t kib = max_bytes / 1024;
  const std::string limit = kib >= 1024 && kib % 1024 == 0 ? std::to_string(kib / 1024) + " MB"
                            : kib > 0                      ? std::to_string(kib) + " KB"
                                                           : std::to_string(max_bytes) + " bytes";
  return Fail("O arquivo " + QuotedFileName(path) + " é grande demais (o limite é " + limit + ") e não foi lido.");
}

Error CannotOpen(const std::filesystem::path& path) {
  return Fail("Não foi possível abrir o arquivo " + QuotedFileName(path) + ".");
}

Error CannotRead(const std::filesystem::path& path) {
  return Fail("Não foi possível ler o arquivo " + QuotedFileName(path) + ".");
}

}  // namespace

Result<std::string> ReadInputFile(const std::filesystem::path& path, std::size_t max_bytes) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return CannotOpen(path);
  if (std::filesystem::is_directory(status)) return Fail(QuotedFileName(path) + " é uma pasta, não um arquivo.");
  if (!std::filesystem::is_regular_file(status)) {
    return Fail(QuotedFileName(path) +
                " não é um arquivo comum (é um dispositivo, uma fila ou um soquete) e não foi lido.");
  }
#ifndef _WIN32
  // Non-blocking, so a fifo put in the file's place after the check above
  // cannot hang the open; fstat then looks at what was really opened.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return CannotOpen(path);
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    ::close(fd);
    return CannotRead(path);
  }
  if (static_cast<std::uintmax_t>(opened.st_size) > max_bytes) {
    ::close(fd);
    return TooBig(path, max_bytes);
  }
  std::string bytes;
  bytes.resize(max_bytes + 1);
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return CannotRead(path);
    }
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
#else
  if (std::filesystem::file_size(path, ec) > max_bytes && !ec) return TooBig(path, max_bytes);
  std::ifstream in(path, std::ios::binary);
  if (!in) return CannotOpen(path);
  std::string bytes(max_bytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return CannotRead(path);
  const std::size_t got = static_cast<std::size_t>(in.gcount());
#endif
  // A file growing while it is read is still held to the limit.
  if (got > max_bytes) return TooBig(path, max_bytes);
  bytes.resize(got);
  return bytes;
}

}  // namespace tavelao
