#pragma once
// Files the user names as input are read whole, so they must be small
// regular files: a fifo would block the read forever and a device such as
// /dev/zero never ends.

#include <cstddef>
#include <filesystem>
#include <string>

#include "common/result.h"

namespace tavelao {

// The bytes of a regular file of at most `max_bytes`; a folder, a device,
// a fifo or a bigger file is refused by name, without reading it.
Result<std::string> ReadInputFile(const std::filesystem::path& path, std::size_t max_bytes);

}  // namespace tavelao
