#include "layouts/prize_headings.h"

#include "common/text.h"
#include "layouts/card_styles.h"

namespace tavelao::layouts {
namespace {

constexpr double kHeadingWidth = 200;
// Clear of the card's border and of the next column's text.
constexpr double kPrizeInset = 4;

}  // namespace

report::TextStyle PrizeStyle(report::HAlign halign) {
  report::TextStyle style = TextStyleOf(10, false, halign);
  // A description as long as its field is set smaller rather than run into
  // the next frame's, but never below what still reads.
  style.min_points = 7;
  return style;
}

std::string PrizeCaption(int k) { return std::to_string(k) + "º prêmio"; }

bool ShowsPrizeHeadings(const LayoutOptions& options) { return !Trim(options.card.prizes[0]).empty(); }

void AddPrizeHeading(report::Band& band, int k, double centre_x, double top, report::Rect column,
                     const LayoutOptions& options) {
  const bool shown = ShowsPrizeHeadings(options);
  const double width = shown ? kHeadingWidth : 0;
  report::LayoutItem heading = report::Label("LP" + std::to_string(k), {centre_x - width / 2, top, width, 18},
                                             PrizeCaption(k), TextStyleOf(10, true, report::HAlign::kCentre));
  heading.visible = shown;
  band.items.push_back(std::move(heading));
  band.items.push_back(report::Label("LabelP" + std::to_string(k),
                                     {column.x + kPrizeInset, top + 18, column.width - 2 * kPrizeInset, 18},
                                     options.card.prizes[k - 1], PrizeStyle(report::HAlign::kCentre)));
}

}  // namespace tavelao::layouts
