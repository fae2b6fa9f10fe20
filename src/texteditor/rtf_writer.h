#pragma once
// Writes the free text as RTF that word processors and the RTF reader of
// this folder read back: a font and a colour table, one bulleted list,
// direct formatting on every run, Windows-1252 escapes for the accented
// letters and \u for the rest.

#include <string>

#include "texteditor/rich_text.h"

namespace tavelao::texteditor {

std::string WriteRtf(const RichText& text);

}  // namespace tavelao::texteditor
