#pragma once
// FormAta: the printed minutes of a draw on A4 portrait. The heading (the
// draw's number, the event, date, start and end) tops every page; each line
// of the minutes is one record, so a long draw runs on over as many pages
// as it needs, each numbered "página 1 de 3".

#include "common/result.h"
#include "draw/draw_minutes.h"
#include "report/document.h"
#include "report/layout.h"

namespace tavelao::draw {

inline constexpr const char* kMinutesSheetName = "FormAta";

report::Layout MinutesLayout(const DrawMinutes& minutes);

// Every page of the minutes, ready for the preview window or a PDF.
Result<report::Document> MinutesDocument(const DrawMinutes& minutes);

}  // namespace tavelao::draw
