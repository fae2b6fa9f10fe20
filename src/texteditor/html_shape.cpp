#include "texteditor/html_shape.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace tavelao::texteditor {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool OneOf(std::string_view name, std::span<const std::string_view> names) {
  return !name.empty() && std::find(names.begin(), names.end(), name) != names.end();
}

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return OneOf(name, std::span<const std::string_view>(names.begin(), names.size()));
}

bool IsVoid(std::string_view name) {
  return OneOf(name, {"area", "base", "basefont", "br", "col", "embed", "frame", "hr", "img", "input", "keygen", "link",
                      "meta", "param", "source", "track", "wbr"});
}

// Elements whose content runs to their end tag whatever it holds.
bool IsRawText(std::string_view name) { return OneOf(name, {"script", "style", "title", "textarea", "xmp"}); }

bool IsBlock(std::string_view name) {
  return OneOf(name, {"address", "blockquote", "center", "div", "dl", "form", "h1", "h2", "h3", "h4", "h5", "h6", "ol",
                      "p", "pre", "table", "ul"});
}

// A new element of this kind ends an open one of `ends` found before one
// of `bounds`: "<p>a<p>b" holds two paragraphs side by side.
struct ImpliedEnd {
  std::string_view name;
  std::array<std::string_view, 2> ends;  // empty entries match nothing
  std::array<std::string_view, 3> bounds;
};

const ImpliedEnd kImpliedEnds[] = {
    {"li", {"li"}, {"ul", "ol", "table"}}, {"dt", {"dt", "dd"}, {"dl", "table"}},
    {"dd", {"dt", "dd"}, {"dl", "table"}}, {"tr", {"tr"}, {"table"}},
    {"td", {"td", "th"}, {"tr", "table"}}, {"th", {"td", "th"}, {"tr", "table"}},
    {"option", {"option"}, {"select"}},
};

constexpr std::string_view kParagraph[] = {"p"};
constexpr std::string_view kParagraphBounds[] = {"div", "table", "td", "th", "li", "ul", "ol", "blockquote", "body"};

class Shape {
 public:
  // False once beyond a bound.
  bool Open(std::string name, bool closed_at_once) {
    if (++elements_ > kMaxHtmlElements) return false;
    if (IsVoid(name) || closed_at_once) return true;
    for (const ImpliedEnd& rule : kImpliedEnds) {
      if (name == rule.name) EndOpen(rule.ends, rule.bounds);
    }
    if (IsBlock(name)) EndOpen(kParagraph, kParagraphBounds);
    open_.push_back(std::move(name));
    deepest_ = std::max(deepest_, open_.size());
    return deepest_ <= kMaxHtmlDepth;
  }

  // An end tag closes its element and whatever is open inside it; one
  // without its element is ignored.
  void Close(std::string_view name) {
    const auto it = std::find(open_.rbegin(), open_.rend(), name);
    if (it != open_.rend()) open_.erase(std::prev(it.base()), open_.end());
  }

  std::size_t elements() const { return elements_; }

 private:
  void EndOpen(std::span<const std::string_view> ends, std::span<const std::string_view> bounds) {
    for (std::size_t i = open_.size(); i-- > 0;) {
      if (OneOf(open_[i], bounds)) return;
      if (OneOf(open_[i], ends)) {
        open_.resize(i);
        return;
      }
    }
  }

  std::vector<std::string> open_;
  std::size_t deepest_ = 0;
  std::size_t elements_ = 0;
};

// Case-insensitive search for an ASCII needle.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
  const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size())), text.end(),
                              needle.begin(), needle.end(), [](char a, char b) { return Lower(a) == Lower(b); });
  return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

// The position just past the '>' that ends the tag started before `pos`,
// quoted attribute values skipped; npos when the text ends first.
std::size_t TagEnd(std::string_view html, std::size_t pos, bool& closed_at_once) {
  char quote = 0;
  for (; pos < html.size(); ++pos) {
    const char c = html[pos];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      closed_at_once = pos > 0 && html[pos - 1] == '/';
      return pos + 1;
    }
  }
  return std::string_view::npos;
}

}  // namespace

Status CheckHtmlShape(std::string_view html, std::string_view name) {
  const std::string file(name);
  Shape shape;
  std::size_t pos = 0;
  while ((pos = html.find('<', pos)) != std::string_view::npos) {
    if (html.substr(pos, 4) == "<!--") {
      const std::size_t end = html.find("-->", pos + 4);
      if (end == std::string_view::npos) break;
      pos = end + 3;
      continue;
    }
    const bool end_tag = pos + 1 < html.size() && html[pos + 1] == '/';
    std::size_t at = pos + (end_tag ? 2 : 1);
    if (at >= html.size() || (!IsLetter(html[at]) && !(!end_tag && (html[at] == '!' || html[at] == '?')))) {
      ++pos;  // a '<' in the text
      continue;
    }
    std::string tag;
    while (at < html.size() && (IsLetter(html[at]) || (html[at] >= '0' && html[at] <= '9')))
      tag.push_back(Lower(html[at++]));
    bool closed_at_once = false;
    const std::size_t next = TagEnd(html, at, closed_at_once);
    if (next == std::string_view::npos) break;
    pos = next;
    if (tag.empty()) continue;  // <!DOCTYPE …>, <?xml …?>
    if (end_tag) {
      shape.Close(tag);
      continue;
    }
    if (!shape.Open(tag, closed_at_once)) {
      if (shape.elements() > kMaxHtmlElements) {
        return Fail("O texto " + file + " tem elementos demais (mais de " + std::to_string(kMaxHtmlElements) +
                    ") e não foi aberto.");
      }
      return Fail("O texto " + file + " tem elementos aninhados demais (mais de " + std::to_string(kMaxHtmlDepth) +
                  " níveis) e não foi aberto.");
    }
    if (IsRawText(tag) && !closed_at_once) {
      const std::size_t end = FindNoCase(html, "</" + tag, pos);
      if (end == std::string_view::npos) break;
      pos = end;
    }
  }
  return {};
}

}  // namespace tavelao::texteditor
