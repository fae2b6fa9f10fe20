#pragma once
// The installation's issuer number lives outside the working directory, in
// the user's configuration folder:
//   $XDG_CONFIG_HOME/tavelao/tavelao.conf  (default ~/.config/tavelao/...)
// as a line "emissor=12345". Without the file or the line it is 1.

#include <filesystem>
#include <optional>

#include "card/card_identity.h"
#include "common/result.h"

namespace tavelao::session {

// Where the setting is looked for on this machine; nullopt when neither
// XDG_CONFIG_HOME nor HOME is set.
std::optional<std::filesystem::path> IssuerSettingFile();

// The issuer number of the file; 1 when the file or its "emissor" line is
// missing. A value that is not 1 nor a five-digit number is refused.
Result<card::IssuerNumber> ReadIssuerSetting(const std::filesystem::path& file);

// The setting of this machine (IssuerSettingFile, then ReadIssuerSetting).
Result<card::IssuerNumber> ReadInstalledIssuer();

}  // namespace tavelao::session
