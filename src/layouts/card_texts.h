#pragma once
// The per-card texts and pictures every layout prints the same way: the card
// number with its check digit, the authentication line and the bar code.

#include <string>

#include "report/layout.h"

namespace tavelao::layouts {

// "Cartela: " + Numero as six digits + Digito ("-6"): "Cartela: 000042-6".
report::LayoutItem CardNumberText(std::string name, report::Rect rect, const report::TextStyle& style);
// The same without the word: "000042-6".
report::LayoutItem BareCardNumberText(std::string name, report::Rect rect, const report::TextStyle& style);
// LabelSenha: "Autenticação:" and the code, or empty.
report::LayoutItem AuthenticationText(report::Rect rect, const report::TextStyle& style);
// ImBarra: the card's bar code, white space on both sides inside the rect.
report::LayoutItem BarCodePicture(report::Rect rect);

}  // namespace tavelao::layouts
