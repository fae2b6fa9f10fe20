#pragma once
// What a request to the live page's server gets. Nothing but the page, the
// state and the live socket exists: there are no files behind the server,
// so a path either names one of them exactly or is not found.

#include <string_view>

namespace tavelao::web {

enum class Resource {
  kNone,        // refused: see the status
  kPage,        // GET /: the page itself
  kState,       // GET /estado: the last published state
  kLiveSocket,  // GET /ao-vivo with a WebSocket upgrade
};

struct RequestAnswer {
  Resource resource = Resource::kNone;
  int status = 200;  // 200 with a resource; 400, 404 or 405 without
  friend bool operator==(const RequestAnswer&, const RequestAnswer&) = default;
};

// The answer for a request line as it came, before any decoding. Any method
// but GET is 405, whatever the path. A query string is ignored. A plain GET
// of /ao-vivo is 400: the resource exists but speaks only WebSocket. A path
// with "..", "%2e", a backslash, "//" or a NUL anywhere is 404.
RequestAnswer AnswerFor(std::string_view method, std::string_view raw_path, bool websocket_upgrade);

// Whether a request asks for a WebSocket, as Qt's own parser decides it:
// "Upgrade: websocket" with "upgrade" among the tokens of "Connection".
bool AsksForWebSocket(std::string_view upgrade, std::string_view connection);

}  // namespace tavelao::web
