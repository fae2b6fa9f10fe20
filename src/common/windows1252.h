#pragma once
// Printing houses take single-byte text in the Windows-1252 code page.

#include <string>
#include <string_view>

namespace tavelao {

// UTF-8 to Windows-1252; a character the code page lacks becomes "?".
std::string ToWindows1252(std::string_view utf8);

}  // namespace tavelao
