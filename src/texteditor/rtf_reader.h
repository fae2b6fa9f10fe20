#pragma once
// Reads Rich Text Format as word processors write it into the free text's
// paragraphs and runs: fonts, sizes, bold, italic, underline, colours,
// alignment, indents, bullets, line breaks, Windows-1252 and Unicode
// characters. Groups it does not know (pictures, fields' instructions,
// style sheets, document information, anything marked \*) are skipped with
// the text around them kept. Malformed input never fails once the file
// starts as RTF: unbalanced braces end or are dropped, numbers saturate and
// nesting beyond a fixed depth is flattened.

#include <string_view>

#include "common/result.h"
#include "texteditor/rich_text.h"

namespace tavelao::texteditor {

// Whether the bytes start, after blanks, with "{\rtf".
bool LooksLikeRtf(std::string_view bytes);

// Fails only when the bytes are not RTF at all.
Result<RichText> ReadRtf(std::string_view rtf);

}  // namespace tavelao::texteditor
