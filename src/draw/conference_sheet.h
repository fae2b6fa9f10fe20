#pragma once
// TFormConf: the printed conference sheet of one card, one A4 page. The
// title letters are always B I N G O; the white cover ShapeCobre hides the
// rows the card size does not play.

#include "common/result.h"
#include "draw/card_conference.h"
#include "draw/draw_type.h"
#include "report/document.h"
#include "report/layout.h"

namespace tavelao::draw {

inline constexpr const char* kConferenceSheetName = "TFormConf";

// The form with the texts of `conference`, or as designed ("Cartela:" and
// blank numbers) when none was conferred yet.
report::Layout ConferenceSheetLayout(const Conference* conference, const CardSizeLayout& size);

// The page of that form, ready for the preview.
Result<report::Document> ConferenceSheet(const Conference* conference, const CardSizeLayout& size);

}  // namespace tavelao::draw
