#include "texteditor/free_text_file.h"

#include <QFont>
#include <QString>
#include <QTextDocument>
#include <algorithm>

#include "common/atomic_file.h"
#include "common/input_file.h"
#include "common/output_file.h"
#include "common/text.h"
#include "report/offline_text_document.h"
#include "texteditor/html_shape.h"
#include "texteditor/rich_text_document.h"
#include "texteditor/rtf_reader.h"
#include "texteditor/rtf_writer.h"
#include "texteditor/text_file.h"

namespace tavelao::texteditor {
namespace {

// Far beyond any text that fits on a card, pictures included; a bigger
// file was chosen by mistake.
constexpr std::size_t kMaxFileBytes = 2u << 20;

std::string LowerExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

bool IsHtmlName(const std::filesystem::path& path) {
  const std::string extension = LowerExtension(path);
  return extension == ".htm" || extension == ".html";
}

}  // namespace

TextFileFormat FormatForName(const std::filesystem::path& path) {
  return LowerExtension(path) == ".rtf" ? TextFileFormat::kRtf : TextFileFormat::kText;
}

Status LoadFreeText(const std::filesystem::path& path, QTextDocument& document) {
  auto bytes = ReadInputFile(path, kMaxFileBytes);
  if (!bytes) return std::move(bytes).take_error();
  if (LooksLikeRtf(*bytes)) {
    auto text = ReadRtf(*bytes);
    if (!text) return Fail(text.error());
    FillDocument(document, *text);
  } else {
    document.setPlainText(QString::fromStdString(DecodeTextFile(*bytes)));
  }
  document.setModified(false);
  return {};
}

Result<std::string> FreeTextHtml(const std::filesystem::path& path, const QFont& font) {
  if (!IsHtmlName(path)) {
    report::OfflineTextDocument document;
    document.setDefaultFont(font);
    if (const Status loaded = LoadFreeText(path, document); !loaded) return Fail(loaded.error());
    return document.toHtml().toStdString();
  }
  auto bytes = ReadInputFile(path, kMaxFileBytes);
  if (!bytes) return std::move(bytes).take_error();
  if (const Status shape = CheckHtmlShape(*bytes, QuotedFileName(path)); !shape) return Fail(shape.error());
  return QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size())).toStdString();
}

Status SaveFreeText(const QTextDocument& document, const std::filesystem::path& path, TextFileFormat format) {
  const std::string bytes =
      format == TextFileFormat::kRtf
          ? WriteRtf(ReadDocument(document))
          : EncodeTextFile(document.toPlainText().remove(QChar(QChar::ObjectReplacementCharacter)).toStdString());
  if (const Status table = RefuseTableFile(path); !table) return table;
  return WriteFileAtomically(path, bytes);
}

}  // namespace tavelao::texteditor
