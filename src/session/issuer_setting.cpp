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

namespace {

// "padrao" (or "padrão") and "hmac", in any case.
std::optional<card::AuthenticationScheme> SchemeNamed(std::string_view value) {
  const std::string upper = ToUpperLatin(value);
  if (upper == "PADRAO" || upper == "PADRÃO") return card::AuthenticationScheme::Default;
  if (upper == "HMAC") return card::AuthenticationScheme::Hmac;
  return std::nullopt;
}

bool IsSchemeKey(std::string_view key) {
  const std::string upper = ToUpperLatin(key);
  return upper == "AUTENTICACAO" || upper == "AUTENTICAÇÃO";
}

}  // namespace

Result<card::IssuerNumber> ReadIssuerSetting(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return card::IssuerNumber();
  std::ifstream in(file);
  if (!in) return Fail("Não foi possível ler a configuração do emissor em " + file.string() + ".");
  std::string line;
  card::IssuerNumber issuer;
  auto scheme = card::AuthenticationScheme::Default;
  while (std::getline(in, line)) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#') continue;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = Trim(text.substr(0, equals));
    const std::string_view value = Trim(text.substr(equals + 1));
    if (IsSchemeKey(key)) {
      const auto named = SchemeNamed(value);
      if (!named) {
        return Fail("O esquema de autenticação \"" + std::string(value) + "\" em " + file.string() +
                    " não é válido: use autenticacao=padrao ou autenticacao=hmac.");
      }
      scheme = *named;
      continue;
    }
    if (!store::SameName(key, "emissor")) continue;
    const auto number = ParseInt32(value);
    const auto parsed = number ? card::IssuerNumber::FromValue(*number) : std::nullopt;
    if (!parsed) {
      return Fail("O número do emissor \"" + std::string(value) + "\" em " + file.string() +
                  " não é válido: use 1 ou um número de cinco algarismos (10000 a 99999).");
    }
    issuer = *parsed;
  }
  return issuer.WithScheme(scheme);
}

Result<card::IssuerNumber> ReadInstalledIssuer() {
  const auto file = IssuerSettingFile();
  if (!file) return card::IssuerNumber();
  return ReadIssuerSetting(*file);
}

}  // namespace tavelao::session
