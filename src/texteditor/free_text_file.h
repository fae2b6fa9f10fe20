#pragma once
// The editor's files: "Rich Text Files (*.RTF)" and "Text Files (*.TXT)".

#include <filesystem>
#include <string>

#include "common/result.h"

class QFont;
class QTextDocument;

namespace tavelao::texteditor {

enum class TextFileFormat { kRtf, kText };

// ".rtf" in any case is RTF; any other name is a text file.
TextFileFormat FormatForName(const std::filesystem::path& path);

// RTF when the file starts as RTF, whatever its name; text otherwise. Only
// a regular file of at most 2 MB is read.
Status LoadFreeText(const std::filesystem::path& path, QTextDocument& document);

// The free text of a file as HTML for printing: an RTF or text file as the
// editor opens it, in `font` where it names none; an HTML file (.htm,
// .html) as it is, once within the bounds of html_shape.h. Pictures come
// only from the text itself: it is painted in an OfflineTextDocument.
Result<std::string> FreeTextHtml(const std::filesystem::path& path, const QFont& font);

// Written under a temporary name first, so a failed save keeps the old
// file; never over a table file. A text file keeps only the characters.
Status SaveFreeText(const QTextDocument& document, const std::filesystem::path& path, TextFileFormat format);

}  // namespace tavelao::texteditor
