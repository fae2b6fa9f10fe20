#pragma once
// Prize captions and prize texts over the frames of FormCar2 and FormCar3,
// and the captions of the lines of FormCar4a6.

#include <string>

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

// A prize description: 10 points, smaller when it is too long for its place.
report::TextStyle PrizeStyle(report::HAlign halign);

// "1º prêmio" .. "9º prêmio".
std::string PrizeCaption(int k);

// Whether the frame layouts show their prize headings: one test, on the
// trimmed first prize, governs them all.
bool ShowsPrizeHeadings(const LayoutOptions& options);

// LP k (200 wide, or 0 wide and hidden) centred over `centre_x`, and
// LabelP k with the k-th prize description across `column`.
void AddPrizeHeading(report::Band& band, int k, double centre_x, double top, report::Rect column,
                     const LayoutOptions& options);

}  // namespace tavelao::layouts
