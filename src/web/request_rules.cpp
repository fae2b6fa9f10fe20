#include "web/request_rules.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/text.h"

namespace tavelao::web {
namespace {

constexpr RequestAnswer Served(Resource resource) { return {resource, 200}; }
constexpr RequestAnswer Refused(int status) { return {Resource::kNone, status}; }

// Traversal and its encodings, looked for in the whole target (query
// included) so that no later decoding can turn them into a path.
bool LooksLikeTraversal(std::string_view target) {
  constexpr std::array<std::string_view, 5> kForbidden = {"..", "%2e", "%2E", "\\", "//"};
  for (std::string_view forbidden : kForbidden) {
    if (target.find(forbidden) != std::string_view::npos) return true;
  }
  return target.find('\0') != std::string_view::npos;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

RequestAnswer AnswerFor(std::string_view method, std::string_view raw_path, bool websocket_upgrade) {
  if (method != "GET") return Refused(405);
  if (LooksLikeTraversal(raw_path)) return Refused(404);
  const std::string_view path = raw_path.substr(0, raw_path.find('?'));
  if (path == "/ao-vivo") return websocket_upgrade ? Served(Resource::kLiveSocket) : Refused(400);
  if (websocket_upgrade) return Refused(404);  // no socket anywhere else
  if (path == "/") return Served(Resource::kPage);
  if (path == "/estado") return Served(Resource::kState);
  return Refused(404);
}

bool AsksForWebSocket(std::string_view upgrade, std::string_view connection) {
  if (!EqualsNoCase(Trim(upgrade), "websocket")) return false;
  for (std::string_view rest = connection;;) {
    const auto comma = rest.find(',');
    if (EqualsNoCase(Trim(rest.substr(0, comma)), "upgrade")) return true;
    if (comma == std::string_view::npos) return false;
    rest.remove_prefix(comma + 1);
  }
}

}  // namespace tavelao::web
