#include "layouts/prize_headings.h"

#include "common/text.h"
#include "layouts/card_styles.h"

namespace tavelao::layouts {
namespace {

constexpr double kHeadingWidth = 200;

}  // namespace

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
  band.items.push_back(report::Label("LabelP" + std::to_string(k), {column.x, top + 18, column.width, 18},
                                     options.card.prizes[k - 1], TextStyleOf(10, false, report::HAlign::kCentre)));
}

}  // namespace tavelao::layouts
