#pragma once
// The editor's files: "Rich Text Files (*.RTF)" and "Text Files (*.TXT)".

#include <filesystem>

#include "common/result.h"

class QTextDocument;

namespace tavelao::texteditor {

enum class TextFileFormat { kRtf, kText };

// ".rtf" in any case is RTF; any other name is a text file.
TextFileFormat FormatForName(const std::filesystem::path& path);

// RTF when the file starts as RTF, whatever its name; text otherwise.
Status LoadFreeText(const std::filesystem::path& path, QTextDocument& document);

// Written under a temporary name first, so a failed save keeps the old
// file. A text file keeps only the characters.
Status SaveFreeText(const QTextDocument& document, const std::filesystem::path& path, TextFileFormat format);

}  // namespace tavelao::texteditor
