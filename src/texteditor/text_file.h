#pragma once
// Plain text files of the editor. Old files come from Windows in its code
// page, newer ones in UTF-8; a file is UTF-8 when it decodes as such.

#include <string>
#include <string_view>

namespace tavelao::texteditor {

// The file's text as UTF-8 with '\n' line ends; a UTF-8 byte order mark is
// dropped.
std::string DecodeTextFile(std::string_view bytes);

// UTF-8, so that no character is lost, with the CR LF line ends of Windows.
std::string EncodeTextFile(std::string_view utf8);

}  // namespace tavelao::texteditor
