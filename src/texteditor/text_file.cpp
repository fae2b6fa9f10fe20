#include "texteditor/text_file.h"

#include "common/text.h"
#include "common/windows1252.h"

namespace tavelao::texteditor {
namespace {

// Invalid sequences decode to U+FFFD and so do not encode back to
// themselves.
bool IsUtf8(std::string_view bytes) { return EncodeUtf8(DecodeUtf8(bytes)) == bytes; }

}  // namespace

std::string DecodeTextFile(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::string text = IsUtf8(bytes) ? std::string(bytes) : FromWindows1252(bytes);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out.push_back(text[i]);
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      out.push_back('\n');  // a lone CR, as old Mac files end lines
    }
  }
  return out;
}

std::string EncodeTextFile(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + utf8.size() / 16);
  for (char c : utf8) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

}  // namespace tavelao::texteditor
