#pragma once
// Optional files of the working directory (sounds, pictures) are found by
// name without regard to case, as on the system they were made for.

#include <filesystem>
#include <optional>
#include <string>

namespace tavelao {

// The name of the file of `folder` called `name` in any case, the exact
// spelling first; nullopt when there is none.
std::optional<std::string> FindFileIgnoringCase(const std::filesystem::path& folder, const std::string& name);

}  // namespace tavelao
