#pragma once
// What every layout editor does with files when its window closes: the
// card file is closed and deleted, and its second file goes too.

#include <filesystem>

#include "common/result.h"
#include "store/table.h"

namespace tavelao::editors {

// Closes the card file (when open) and deletes "Cartelas.cds" of the
// folder; a failed deletion is ignored, the next issue run retries.
void CloseAndDeleteCardFile(store::Table& card_file, const std::filesystem::path& folder);

// The editor windows outlive their card file: printing after the window
// was closed asks for a new issue run instead of reading a closed table.
Status RequireOpenCardFile(const store::Table& card_file);

// Deletes a file when it exists; a failure is ignored.
void DeleteIfPresent(const std::filesystem::path& file);

}  // namespace tavelao::editors
