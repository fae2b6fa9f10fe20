#pragma once
// Bounds on a free text in HTML before the text document parses it: that
// parser slows with the square of the nesting and with every element, so a
// crafted file of a few kilobytes would hang it. A free text is a few
// paragraphs; the bounds lie far above anything written by hand or by a
// word processor.

#include <cstddef>
#include <string_view>

#include "common/result.h"

namespace tavelao::texteditor {

inline constexpr std::size_t kMaxHtmlDepth = 100;
inline constexpr std::size_t kMaxHtmlElements = 20000;

// Counts the elements and their nesting as an HTML parser builds them
// (empty elements, "/>", end tags closing what is open, a paragraph, item or
// cell ending the one before) and refuses the text beyond either bound.
// `name` is the file's name as the message shows it.
Status CheckHtmlShape(std::string_view html, std::string_view name);

}  // namespace tavelao::texteditor
