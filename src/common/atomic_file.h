#pragma once
// Files handed to others (printing-house exports, PDFs) are written under a
// temporary name, flushed to the disk and renamed over the real one only
// when complete, so neither a failed write nor a power cut leaves half a
// file under the real name.

#include <filesystem>
#include <string_view>

#include "common/result.h"

namespace tavelao {

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Makes a rename in `folder` durable (its entries synced); false when the
// disk did not confirm it. Where the platform has no such sync, true.
bool SyncFolder(const std::filesystem::path& folder);

}  // namespace tavelao
