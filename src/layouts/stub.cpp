#include "layouts/stub.h"

#include "layouts/card_styles.h"
#include "layouts/card_texts.h"
#include "layouts/cut_lines.h"
#include "report/geometry.h"

namespace tavelao::layouts {

void AddCardStub(report::Band& band, double top) {
  const double width = 718;
  AddCutLineAcross(band, top, width);
  const report::TextStyle lines = TextStyleOf(12);
  const char* names[3] = {"Nome", "Endereco", "Telefone"};
  for (int i = 0; i < 3; ++i) {
    band.items.push_back(report::Label(names[i], {12, top + 8 + 24.0 * i, 500, 22}, kCardStubLines[i], lines));
  }
  band.items.push_back(
      CardNumberText("CartelaCanhoto", {528, top + 4, 176, 18}, TextStyleOf(10, true, report::HAlign::kCentre)));
  band.items.push_back(BarCodePicture({528, top + 24, 176, 54}));
}

double StripStubWidth() { return report::Mm(50); }

void AddStripStub(report::Band& band) {
  const double width = StripStubWidth();
  const report::TextStyle label = TextStyleOf(9, true);
  const report::Pen line{1};
  auto blank = [&](const char* name, const char* caption, double y) {
    band.items.push_back(report::Label(name, {6, y, 60, 16}, caption, label));
    band.items.push_back(report::Rule(std::string("Linha") + name, {6, y + 34}, {width - 8, y + 34}, line));
  };
  blank("Nome", "Nome", 6);
  blank("Fone", "Fone", 46);
  blank("Endereco", "Endereço", 86);
  band.items.push_back(report::Rule("LinhaEndereco2", {6, 150}, {width - 8, 150}, line));
  band.items.push_back(CardNumberText("CartelaCanhoto", {6, band.height - 26, width - 12, 18}, label));
  AddCutLineDown(band, width, band.height);
}

}  // namespace tavelao::layouts
