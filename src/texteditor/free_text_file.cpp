#include "texteditor/free_text_file.h"

#include <QTextDocument>
#include <algorithm>
#include <fstream>
#include <system_error>

#include "common/atomic_file.h"
#include "texteditor/rich_text_document.h"
#include "texteditor/rtf_reader.h"
#include "texteditor/rtf_writer.h"
#include "texteditor/text_file.h"

namespace tavelao::texteditor {
namespace {

// Far beyond any text that fits on a card; a bigger file was chosen by
// mistake.
constexpr std::uintmax_t kMaxFileBytes = 32u << 20;

std::string Quoted(const std::filesystem::path& path) { return "\"" + path.filename().string() + "\""; }

}  // namespace

TextFileFormat FormatForName(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".rtf" ? TextFileFormat::kRtf : TextFileFormat::kText;
}

Status LoadFreeText(const std::filesystem::path& path, QTextDocument& document) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return Fail("Não foi possível abrir o arquivo " + Quoted(path) + ".");
  if (size > kMaxFileBytes) return Fail("O arquivo " + Quoted(path) + " é grande demais para o texto das cartelas.");
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    return Fail("Não foi possível ler o arquivo " + Quoted(path) + ".");
  }
  if (LooksLikeRtf(bytes)) {
    auto text = ReadRtf(bytes);
    if (!text) return Fail(text.error());
    FillDocument(document, *text);
  } else {
    document.setPlainText(QString::fromStdString(DecodeTextFile(bytes)));
  }
  document.setModified(false);
  return {};
}

Status SaveFreeText(const QTextDocument& document, const std::filesystem::path& path, TextFileFormat format) {
  const std::string bytes = format == TextFileFormat::kRtf ? WriteRtf(ReadDocument(document))
                                                           : EncodeTextFile(document.toPlainText().remove(QChar(QChar::ObjectReplacementCharacter)).toStdString());
  return WriteFileAtomically(path, bytes);
}

}  // namespace tavelao::texteditor
