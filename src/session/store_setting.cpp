#include "session/store_setting.h"

#include <unistd.h>

#include "common/text.h"
#include "session/issuer_setting.h"

namespace tavelao::session {
namespace {

std::string HostName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "estacao";
  return name;
}

}  // namespace

Result<std::optional<StoreSetting>> ReadStoreSetting(const std::filesystem::path& file) {
  auto uri = ReadSettingValue(file, "banco");
  if (!uri) return std::move(uri).take_error();
  if (!*uri || Trim(**uri).empty()) return std::optional<StoreSetting>();
  const std::string address(Trim(**uri));
  if (!address.starts_with("postgresql://") && !address.starts_with("postgres://"))
    return Fail("O banco \"" + address + "\" em " + file.string() +
                " não é válido: use banco=postgresql://USUÁRIO@HOST:PORTA/BASE.");
  auto station = ReadSettingValue(file, "estacao");
  if (!station) return std::move(station).take_error();
  const std::string named = *station ? std::string(Trim(**station)) : std::string();
  return std::optional<StoreSetting>(StoreSetting{address, named.empty() ? HostName() : named});
}

Result<std::optional<StoreSetting>> ReadInstalledStoreSetting() {
  const auto file = IssuerSettingFile();
  if (!file) return std::optional<StoreSetting>();
  return ReadStoreSetting(*file);
}

Result<std::shared_ptr<store::ServerConnection>> ConnectStore(const std::optional<StoreSetting>& setting) {
  if (!setting) return std::shared_ptr<store::ServerConnection>();
  return store::ServerConnection::Connect(setting->uri, setting->station);
}

Result<std::shared_ptr<store::ServerConnection>> ConnectInstalledStore() {
  auto setting = ReadInstalledStoreSetting();
  if (!setting) return std::move(setting).take_error();
  return ConnectStore(*setting);
}

}  // namespace tavelao::session
