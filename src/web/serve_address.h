#pragma once
// Where the live page is served: "ENDEREÇO:PORTA", as the installation
// setting "servidor=0.0.0.0:8080" and tavelao-cli's --servir give it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"

namespace tavelao::web {

struct ServeAddress {
  std::string host;  // a dotted IPv4 address: "0.0.0.0" serves every network of the machine
  std::uint16_t port = 0;
  friend bool operator==(const ServeAddress&, const ServeAddress&) = default;
};

// The address the draw screen serves on when the setting names none.
inline constexpr std::string_view kDefaultServeAddress = "0.0.0.0:8080";

// "192.168.0.10:8080" or "0.0.0.0:8080"; a port from 1 to 65535. Anything
// else is refused with a message that shows the expected form.
Result<ServeAddress> ParseServeAddress(std::string_view text);

std::string ToText(const ServeAddress& address);

// The line "servidor=ENDEREÇO:PORTA" of the installation settings file
// (next to "emissor="); nullopt without it. A bad value is refused, naming
// the file.
Result<std::optional<ServeAddress>> ReadServeSetting(const std::filesystem::path& file);
Result<std::optional<ServeAddress>> ReadInstalledServeSetting();

}  // namespace tavelao::web
