#pragma once
// The address the hall types to reach the live page.

#include <cstdint>
#include <string>

#include "web/serve_address.h"

namespace tavelao::web {

// "http://192.168.0.10:8080/": the served host, or, when the server listens
// on every network (0.0.0.0), this machine's first address on a network
// that is up, other than loopback (the loopback one when there is none).
std::string PageAddress(const ServeAddress& served, std::uint16_t port);

}  // namespace tavelao::web
