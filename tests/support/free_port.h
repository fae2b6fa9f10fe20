#pragma once
// A loopback port for a server a test starts.

namespace tavelao::testing {

// A TCP port of 127.0.0.1 nobody listens on now.
int FreeLocalPort();

}  // namespace tavelao::testing
