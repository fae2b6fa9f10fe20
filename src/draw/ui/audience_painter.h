#pragma once
// Paints the audience screen in one go, every text sized from the place the
// layout gives it, so that it scales exactly with the window.

#include <QPainter>

#include "draw/audience_view.h"
#include "draw/ui/audience_layout.h"

namespace tavelao::draw {

void PaintAudience(QPainter& painter, const AudienceLayout& layout, const AudienceView& view);

}  // namespace tavelao::draw
