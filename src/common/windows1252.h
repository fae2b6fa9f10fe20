#pragma once
// Printing houses take single-byte text in the Windows-1252 code page.

#include <string>
#include <string_view>

namespace tavelao {

// UTF-8 to Windows-1252; a character the code page lacks becomes "?".
std::string ToWindows1252(std::string_view utf8);

// The character of one Windows-1252 byte; the five bytes the code page
// leaves undefined keep their own value (C1 controls), as Windows does.
char32_t FromWindows1252(unsigned char byte);
// Windows-1252 text to UTF-8.
std::string FromWindows1252(std::string_view bytes);

}  // namespace tavelao
