#include "business/sponsor_list_layout.h"

#include "layouts/card_styles.h"
#include "layouts/page_setups.h"

namespace tavelao::business {
namespace {

struct Column {
  const char* field;
  const char* heading;
  double x;
  double width;
};

constexpr Column kColumns[] = {
    {"Pedra", "Pedra", 8, 60},
    {"Nome1", "Nome - linha1", 90, 200},
    {"Nome2", "Nome - Linha 2", 300, 200},
    {"Nome3", "Nome - linha3", 510, 200},
};

}  // namespace

report::Layout FormEmpLayout() {
  report::Layout layout;
  layout.name = "FormEmp";
  layout.page = layouts::A4TenMillimetreMargins();
  const double width = layout.page.Printable().width;

  report::Band title;
  title.height = 70;
  title.items.push_back(report::Label("LabelTituloLista", {0, 6, width, 28},
                                      "Bingo Empresarial - Listagem das 100 empresas",
                                      layouts::TextStyleOf(14, true, report::HAlign::kCentre)));
  for (const Column& column : kColumns) {
    title.items.push_back(report::Label(std::string("Titulo") + column.field, {column.x, 44, column.width, 20},
                                        column.heading, layouts::TextStyleOf(10, true)));
  }
  title.items.push_back(report::Rule("LinhaTitulo", {0, 66}, {width, 66}, report::Pen{1.5}));
  layout.page_header = std::move(title);

  layout.detail.height = 18;
  report::TextStyle line = layouts::TextStyleOf(10);
  line.clip = true;
  for (const Column& column : kColumns) {
    // Pedra 0 reads "00", as ball 100 is shown on the cards.
    layout.detail.items.push_back(report::FieldText(column.field, {column.x, 0, column.width, 18}, column.field, line,
                                                    column.field == kColumns[0].field ? "00" : ""));
  }
  layout.detail.items.push_back(
      report::Rule("LinhaEmpresa", {0, 17.5}, {width, 17.5}, report::Pen{0.5, {190, 190, 190}}));
  return layout;
}

}  // namespace tavelao::business
