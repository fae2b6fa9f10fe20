#include "session/issuer_setting.h"

#include <cstdlib>
#include <fstream>
#include <functional>
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

// Calls `each` with the key and value of every "key=value" line of the
// file, until it returns a failure; nothing when the file is missing.
using SettingVisitor = std::function<Status(std::string_view key, std::string_view value)>;
Status ForEachSetting(const std::filesystem::path& file, const SettingVisitor& each) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return {};
  std::ifstream in(file);
  if (!in) return Fail("Não foi possível ler a configuração da instalação em " + file.string() + ".");
  std::string line;
  while (std::getline(in, line)) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#') continue;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    if (auto status = each(Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))); !status) return status;
  }
  return {};
}

}  // namespace

Result<std::optional<std::string>> ReadSettingValue(const std::filesystem::path& file, std::string_view name) {
  std::optional<std::string> found;
  auto read = ForEachSetting(file, [&](std::string_view key, std::string_view value) {
    if (store::SameName(key, name)) found = std::string(value);
    return Status();
  });
  if (!read) return std::move(read).take_error();
  return found;
}

Result<card::IssuerNumber> ReadIssuerSetting(const std::filesystem::path& file) {
  card::IssuerNumber issuer;
  auto scheme = card::AuthenticationScheme::Default;
  auto read = ForEachSetting(file, [&](std::string_view key, std::string_view value) -> Status {
    if (IsSchemeKey(key)) {
      const auto named = SchemeNamed(value);
      if (!named) {
        return Fail("O esquema de autenticação \"" + std::string(value) + "\" em " + file.string() +
                    " não é válido: use autenticacao=padrao ou autenticacao=hmac.");
      }
      scheme = *named;
      return {};
    }
    if (!store::SameName(key, "emissor")) return {};
    const auto number = ParseInt32(value);
    const auto parsed = number ? card::IssuerNumber::FromValue(*number) : std::nullopt;
    if (!parsed) {
      return Fail("O número do emissor \"" + std::string(value) + "\" em " + file.string() +
                  " não é válido: use 1 ou um número de cinco algarismos (10000 a 99999).");
    }
    issuer = *parsed;
    return {};
  });
  if (!read) return std::move(read).take_error();
  return issuer.WithScheme(scheme);
}

Result<card::IssuerNumber> ReadInstalledIssuer() {
  const auto file = IssuerSettingFile();
  if (!file) return card::IssuerNumber();
  return ReadIssuerSetting(*file);
}

}  // namespace tavelao::session
