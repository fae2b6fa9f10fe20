#include "common/atomic_file.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace tavelao {

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::string name = path.filename().string();
  const auto temporary = std::filesystem::path(path.string() + ".tmp");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return Fail("Não foi possível criar o arquivo " + name + " na pasta " + path.parent_path().string() + ".");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return Fail("Não foi possível gravar o arquivo " + name + " (disco cheio?).");
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Fail("Não foi possível substituir o arquivo " + name +
                ": ele pode estar aberto em outro programa ou a pasta não permite gravação.");
  }
  return {};
}

}  // namespace tavelao
