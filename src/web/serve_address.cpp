#include "web/serve_address.h"

#include "common/text.h"
#include "session/issuer_setting.h"

namespace tavelao::web {
namespace {

bool IsIpv4(std::string_view host) {
  int parts = 0;
  std::size_t at = 0;
  while (at <= host.size()) {
    const std::size_t dot = std::min(host.find('.', at), host.size());
    const std::string_view part = host.substr(at, dot - at);
    const auto value = ParseInt32(part);
    if (part.empty() || part.size() > 3 || !value || *value < 0 || *value > 255) return false;
    for (const char c : part) {
      if (c < '0' || c > '9') return false;
    }
    ++parts;
    at = dot + 1;
  }
  return parts == 4;
}

}  // namespace

Result<ServeAddress> ParseServeAddress(std::string_view text) {
  const std::string_view trimmed = Trim(text);
  const std::size_t colon = trimmed.rfind(':');
  const auto refused = [&] {
    return Error{"Endereço do servidor inválido: \"" + std::string(trimmed) +
                 "\". Use ENDEREÇO:PORTA, como 0.0.0.0:8080 (todas as redes) ou 192.168.0.10:8080."};
  };
  if (colon == std::string_view::npos) return refused();
  const std::string_view host = trimmed.substr(0, colon), port_text = trimmed.substr(colon + 1);
  const auto port = ParseInt32(port_text);
  if (!IsIpv4(host) || port_text.empty() || !port || *port < 1 || *port > 65535) return refused();
  for (const char c : port_text) {
    if (c < '0' || c > '9') return refused();
  }
  return ServeAddress{std::string(host), static_cast<std::uint16_t>(*port)};
}

std::string ToText(const ServeAddress& address) { return address.host + ":" + std::to_string(address.port); }

Result<std::optional<ServeAddress>> ReadServeSetting(const std::filesystem::path& file) {
  auto value = session::ReadSettingValue(file, "servidor");
  if (!value) return std::move(value).take_error();
  if (!*value) return std::optional<ServeAddress>();
  auto address = ParseServeAddress(**value);
  if (!address) return Fail(address.error() + " (em " + file.string() + ")");
  return std::optional<ServeAddress>(*address);
}

Result<std::optional<ServeAddress>> ReadInstalledServeSetting() {
  const auto file = session::IssuerSettingFile();
  if (!file) return std::optional<ServeAddress>();
  return ReadServeSetting(*file);
}

}  // namespace tavelao::web
