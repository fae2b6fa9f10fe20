#include "business/sponsors.h"

#include "common/text.h"

namespace tavelao::business {

Result<Sponsors> Sponsors::Load(store::Table& table) {
  for (const char* field : {"Pedra", "Nome1", "Nome2", "Nome3"}) {
    if (!table.HasField(field)) return Fail("A tabela \"" + table.file_name() + "\" não tem o campo " + field + ".");
  }
  Sponsors sponsors;
  auto status = table.ForEach({"", "Pedra"}, [&sponsors](const store::Row& row) {
    const auto pedra = row.record.Int("Pedra");
    if (pedra && *pedra >= 0 && *pedra < 100) {
      sponsors.by_pedra_[*pedra].lines = {row.record.Text("Nome1"), row.record.Text("Nome2"),
                                          row.record.Text("Nome3")};
    }
    return true;
  });
  if (!status) return std::move(status).take_error();
  return sponsors;
}

const SponsorNames& Sponsors::OfPedra(int pedra) const {
  return pedra >= 0 && pedra < 100 ? by_pedra_[pedra] : none_;
}

const SponsorNames& Sponsors::OfNumber(std::string_view number) const {
  const auto value = ParseInt32(Trim(number));
  return value ? OfPedra(*value) : none_;
}

std::optional<std::string> SponsorNameProblem(std::string_view text) {
  if (text.find(';') != std::string_view::npos) {
    return std::string("O nome da empresa não pode ter \";\": esse caractere separa as colunas do arquivo da gráfica.");
  }
  return std::nullopt;
}

}  // namespace tavelao::business
