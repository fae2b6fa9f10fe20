#include "common/folder_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace tavelao {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::optional<std::string> FindFileIgnoringCase(const std::filesystem::path& folder, const std::string& name) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(folder / name, ec)) return name;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string found = it->path().filename().string();
    if (SameIgnoringCase(found, name) && it->is_regular_file(ec)) return found;
  }
  return std::nullopt;
}

}  // namespace tavelao
