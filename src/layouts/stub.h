#pragma once
// The stubs that the seller keeps: under the cut line of the one-card
// layouts (three blank lines for the buyer, the card number over the bar
// code), and at the left of the strips (name, phone and address lines, the
// card number at the foot, a dotted cut line to the card).

#include "report/layout.h"

namespace tavelao::layouts {

// The buyer's three blank lines: name, address, phone.
inline constexpr const char* kCardStubLines[3] = {"Nome:__________________________________________________",
                                                  "Endereço:_______________________________________________",
                                                  "Telefone:________________________________________________"};

// Height the one-card stub needs below its cut line.
inline constexpr double kCardStubHeight = 81;

// Cut line at `top` across the band, the stub below it.
void AddCardStub(report::Band& band, double top);

// Width of the strip stub, about 50 mm.
double StripStubWidth();
// The stub at the band's left and the cut line after it.
void AddStripStub(report::Band& band);

}  // namespace tavelao::layouts
