#include "business/sponsors.h"

#include <cstdio>

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
      sponsors.by_pedra_[*pedra].lines = {row.record.Text("Nome1"), row.record.Text("Nome2"), row.record.Text("Nome3")};
    }
    return true;
  });
  if (!status) return std::move(status).take_error();
  return sponsors;
}

const SponsorNames& Sponsors::OfPedra(int pedra) const { return pedra >= 0 && pedra < 100 ? by_pedra_[pedra] : none_; }

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

Status StoreSponsorName(store::Table& sponsors, int pedra, int line, std::string_view text) {
  if (pedra < 0 || pedra > 99 || line < 1 || line > 3) return Fail("Pedra ou linha do nome inválida.");
  if (auto problem = SponsorNameProblem(text)) return Fail(*problem);
  const std::string field = "Nome" + std::to_string(line);
  if (!sponsors.HasField(field))
    return Fail("A tabela \"" + sponsors.file_name() + "\" não tem o campo " + field + ".");
  auto row = sponsors.Locate("Pedra", pedra);
  if (!row) return std::move(row).take_error();
  if (!*row) {
    store::Record record = sponsors.NewRecord();
    record.Set("Pedra", pedra);
    record.Set(field, std::string(text));
    auto id = sponsors.Insert(record);
    if (!id) return std::move(id).take_error();
    return {};
  }
  store::Record record = (*row)->record;
  record.Set(field, std::string(text));
  return sponsors.Update((*row)->id, record);
}

std::optional<std::string> SponsorTableProblem(const Sponsors& sponsors) {
  for (int pedra = 0; pedra < 100; ++pedra) {
    for (const std::string& name : sponsors.OfPedra(pedra).lines) {
      if (name.find(';') == std::string::npos) continue;
      char label[4];
      std::snprintf(label, sizeof label, "%02d", pedra);
      return std::string("O nome da empresa da pedra ") + label + " (\"" + name +
             "\") tem \";\", que separa as colunas do arquivo da gráfica. Corrija o nome antes de gerar o arquivo.";
    }
  }
  return std::nullopt;
}

}  // namespace tavelao::business
