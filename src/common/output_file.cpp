#include "common/output_file.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <system_error>

#include "common/text.h"

namespace tavelao {
namespace {

// Our PDF writer puts the document information first, so the creator lies
// within the first bytes whatever the size of the pages after it.
constexpr std::size_t kPdfHeadBytes = 64 * 1024;

std::string Head(const std::filesystem::path& path, std::size_t bytes) {
  std::ifstream in(path, std::ios::binary);
  std::string head(bytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(bytes));
  head.resize(in ? bytes : static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return head;
}

bool HasTableName(const std::filesystem::path& path) {
  std::string name = path.filename().string();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (std::string_view end : {".cds", ".cds-wal", ".cds-shm", ".cds-journal"}) {
    if (name.size() > end.size() && name.ends_with(end)) return true;
  }
  return false;
}

// As the PDF writer encodes text strings: UTF-16BE after a byte order mark.
std::string PdfCreatorEntry() {
  std::string entry = "/Creator (\xFE\xFF";
  auto put = [&entry](char32_t unit) {
    entry.push_back(static_cast<char>(unit >> 8));
    entry.push_back(static_cast<char>(unit & 0xFF));
  };
  for (char32_t c : DecodeUtf8(kPdfCreator)) {
    if (c > 0xFFFF) {
      c -= 0x10000;
      put(0xD800 + (c >> 10));
      put(0xDC00 + (c & 0x3FF));
    } else {
      put(c);
    }
  }
  return entry + ")";
}

}  // namespace

Status RefuseTableFile(const std::filesystem::path& path) {
  const std::string table = "O arquivo " + QuotedFileName(path) + " é uma tabela do Tavelão e não será substituído.";
  if (HasTableName(path)) return Fail(table);
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return {};
  if (std::filesystem::is_directory(status)) return Fail(QuotedFileName(path) + " é uma pasta e não será substituída.");
  if (!std::filesystem::is_regular_file(status))
    return Fail(QuotedFileName(path) + " não é um arquivo comum e não será substituído.");
  if (Head(path, 16) == std::string_view("SQLite format 3\0", 16)) return Fail(table);
  return {};
}

bool IsOurPdf(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const std::string head = Head(path, kPdfHeadBytes);
  return head.starts_with("%PDF-") && head.find(PdfCreatorEntry()) != std::string::npos;
}

Status CheckPdfOutput(const std::filesystem::path& path, Overwrite overwrite, std::string_view how_to_overwrite) {
  if (auto table = RefuseTableFile(path); !table) return table;
  std::error_code ec;
  if (overwrite == Overwrite::kAnyOtherFile || !std::filesystem::exists(path, ec) || IsOurPdf(path)) return {};
  std::string message = "O arquivo " + QuotedFileName(path) + " já existe e não é um PDF do Tavelão";
  if (!how_to_overwrite.empty()) message += "; " + std::string(how_to_overwrite);
  return Fail(message + ".");
}

}  // namespace tavelao
