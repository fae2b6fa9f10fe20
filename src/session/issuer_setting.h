#pragma once
// The installation's issuer number and authentication scheme live outside
// the working directory, in the user's configuration folder:
//   $XDG_CONFIG_HOME/tavelao/tavelao.conf  (default ~/.config/tavelao/...)
// as lines "emissor=12345" and "autenticacao=hmac". Without the file or the
// lines the issuer is 1 and the scheme the default one ("padrao").

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "card/card_identity.h"
#include "common/result.h"

namespace tavelao::session {

// Where the setting is looked for on this machine; nullopt when neither
// XDG_CONFIG_HOME nor HOME is set.
std::optional<std::filesystem::path> IssuerSettingFile();

// The issuer number of the file, carrying its scheme; 1 when the file or
// its "emissor" line is missing. A value that is not 1 nor a five-digit
// number is refused, and so is an "autenticacao" other than padrao or hmac.
Result<card::IssuerNumber> ReadIssuerSetting(const std::filesystem::path& file);

// The value of the line "name=value" of the file (the name in any case);
// nullopt when the file or the line is missing.
Result<std::optional<std::string>> ReadSettingValue(const std::filesystem::path& file, std::string_view name);

// The setting of this machine (IssuerSettingFile, then ReadIssuerSetting).
Result<card::IssuerNumber> ReadInstalledIssuer();

}  // namespace tavelao::session
