#include "session/issuer_setting.h"

#include <cstdlib>
#include <fstream>
#include <string>

#include "common/text.h"
#include "store/value.h"

namespace tavelao::session {

std::optional<std::filesystem::path> IssuerSettingFile() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    return std::filesystem::path(xdg) / "tavelao" / "tavelao.conf";
  }
  if (const char* home = std::getenv("HOME"); home && *home) {
    return std::filesystem::path(home) / ".config" / "tavelao" / "tavelao.conf";
  }
  return std::nullopt;
}

Result<card::IssuerNumber> ReadIssuerSetting(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return card::IssuerNumber();
  std::ifstream in(file);
  if (!in) return Fail("Não foi possível ler a configuração do emissor em " + file.string() + ".");
  std::string line;
  card::IssuerNumber issuer;
  while (std::getline(in, line)) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#') continue;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos || !store::SameName(Trim(text.substr(0, equals)), "emissor")) continue;
    const std::string_view value = Trim(text.substr(equals + 1));
    const auto number = ParseInt32(value);
    const auto parsed = number ? card::IssuerNumber::FromValue(*number) : std::nullopt;
    if (!parsed) {
      return Fail("O número do emissor \"" + std::string(value) + "\" em " + file.string() +
                  " não é válido: use 1 ou um número de cinco algarismos (10000 a 99999).");
    }
    issuer = *parsed;
  }
  return issuer;
}

Result<card::IssuerNumber> ReadInstalledIssuer() {
  const auto file = IssuerSettingFile();
  if (!file) return card::IssuerNumber();
  return ReadIssuerSetting(*file);
}

}  // namespace tavelao::session
