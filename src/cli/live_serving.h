#pragma once
// tavelao-cli serving the live page of a draw, for checks and
// demonstrations, until Ctrl+C or SIGTERM.

#include <string>

#include "cli/cli_context.h"
#include "web/serve_address.h"

namespace tavelao::cli {

// Serves `live_state` on the address and says where; returns the exit
// status once stopped (0), or at once when the address cannot be served (1).
int ServeUntilStopped(CliContext& context, const web::ServeAddress& at, std::string live_state);

}  // namespace tavelao::cli
