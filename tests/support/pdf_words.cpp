#include "support/pdf_words.h"

#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <string_view>

#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

std::string Quoted(const std::filesystem::path& path) {
  std::string out = "'";
  for (char c : path.string()) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The value of attribute `name` in the tag starting at `tag`.
bool Attribute(std::string_view tag, std::string_view name, double& value) {
  const std::string key = " " + std::string(name) + "=\"";
  const auto at = tag.find(key);
  if (at == std::string_view::npos) return false;
  const std::string number(tag.substr(at + key.size(), tag.find('"', at + key.size()) - at - key.size()));
  char* end = nullptr;
  value = std::strtod(number.c_str(), &end);
  return end && *end == '\0' && !number.empty();
}

std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    const auto semicolon = text.find(';', i);
    if (semicolon == std::string_view::npos) {
      out += std::string(text.substr(i));
      break;
    }
    const std::string_view entity = text.substr(i + 1, semicolon - i - 1);
    if (entity == "amp")
      out += '&';
    else if (entity == "lt")
      out += '<';
    else if (entity == "gt")
      out += '>';
    else if (entity == "quot")
      out += '"';
    else if (entity == "apos")
      out += '\'';
    else
      out += std::string(text.substr(i, semicolon - i + 1));  // left as written
    i = semicolon;
  }
  return out;
}

}  // namespace

Result<std::vector<PdfPageWords>> ReadPdfWords(const std::filesystem::path& pdf) {
  const auto html = pdf.string() + ".words.html";
  const auto errors = pdf.string() + ".words.err";
  const std::string command = "pdftotext -bbox -raw " + Quoted(pdf) + " " + Quoted(html) + " 2>" + Quoted(errors);
  const int raw = std::system(command.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::string said = ReadBytes(errors);
  std::filesystem::remove(errors);
  while (!said.empty() && std::isspace(static_cast<unsigned char>(said.back()))) said.pop_back();
  if (status == 127) return Fail("pdftotext is not installed (poppler-utils)");
  if (status != 0) {
    return Fail("pdftotext failed (status " + std::to_string(status) + ") on " + pdf.string() + ": " + said);
  }
  const std::string text = ReadBytes(html);
  std::filesystem::remove(html);

  std::vector<PdfPageWords> pages;
  for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
    const std::string_view rest = std::string_view(text).substr(at);
    if (rest.starts_with("<page ")) {
      PdfPageWords page;
      const std::string_view tag = rest.substr(0, rest.find('>'));
      if (!Attribute(tag, "width", page.width) || !Attribute(tag, "height", page.height)) {
        return Fail("pdftotext gave a page without its size: " + std::string(tag));
      }
      page.width *= kMmPerPoint;
      page.height *= kMmPerPoint;
      pages.push_back(std::move(page));
    } else if (rest.starts_with("<word ")) {
      const auto close = rest.find('>');
      const auto end = rest.find("</word>");
      if (pages.empty() || close == std::string_view::npos || end == std::string_view::npos) {
        return Fail("pdftotext gave a word outside a page or unfinished at character " + std::to_string(at));
      }
      const std::string_view tag = rest.substr(0, close);
      PdfWord word;
      if (!Attribute(tag, "xMin", word.left) || !Attribute(tag, "yMin", word.top) ||
          !Attribute(tag, "xMax", word.right) || !Attribute(tag, "yMax", word.bottom)) {
        return Fail("pdftotext gave a word without its box: " + std::string(tag));
      }
      word.left *= kMmPerPoint;
      word.top *= kMmPerPoint;
      word.right *= kMmPerPoint;
      word.bottom *= kMmPerPoint;
      word.text = Unescaped(rest.substr(close + 1, end - close - 1));
      pages.back().words.push_back(std::move(word));
    }
  }
  if (pages.empty()) return Fail("pdftotext found no page in " + pdf.string());
  return pages;
}

}  // namespace tavelao::testing
