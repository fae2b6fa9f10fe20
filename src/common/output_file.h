#pragma once
// Whether a file the user names as output may be replaced. The table files
// of the folder never are, whatever the user says: a PDF over one loses the
// table. Any other existing file is replaced only when it is a PDF this
// program wrote, or when the user asked for it.

#include <filesystem>
#include <string_view>

#include "common/result.h"

namespace tavelao {

// The creator every PDF of ours carries in its document information.
inline constexpr std::string_view kPdfCreator = "Tavelão";

enum class Overwrite {
  kOnlyOurPdf,    // an existing file must be a PDF of ours
  kAnyOtherFile,  // the user confirmed replacing a file that is not a table
};

// Refuses a table file: a name ending in .cds (or one of SQLite's companion
// files of it), existing or not, or an existing SQLite database under any
// name. Refuses an existing path that is not a regular file.
Status RefuseTableFile(const std::filesystem::path& path);

// The rule for a PDF written to `path`. `how_to_overwrite` ends the refusal
// of a file that is not ours ("use --sobrescreve para substituí-lo").
Status CheckPdfOutput(const std::filesystem::path& path, Overwrite overwrite, std::string_view how_to_overwrite = {});

// Whether the file starts as a PDF and names kPdfCreator as its creator.
bool IsOurPdf(const std::filesystem::path& path);

}  // namespace tavelao
