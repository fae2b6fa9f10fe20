#pragma once
// Files handed to others (printing-house exports) are written under a
// temporary name and renamed over the real one only when complete, so a
// failed write never leaves half a file under the real name.

#include <filesystem>
#include <string_view>

#include "common/result.h"

namespace tavelao {

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavelao
