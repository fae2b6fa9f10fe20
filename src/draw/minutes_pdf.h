#pragma once
// The printed minutes of a draw written as a PDF file.

#include <filesystem>

#include "common/result.h"
#include "draw/draw_minutes.h"

namespace tavelao::draw {

// MinutesDocument through report::WritePdf: never over a table file, and
// whether another existing file may go is the caller's question.
Status WriteMinutesPdf(const DrawMinutes& minutes, const std::filesystem::path& path);

}  // namespace tavelao::draw
