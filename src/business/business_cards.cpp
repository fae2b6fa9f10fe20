#include "business/business_cards.h"

#include <cstdio>

#include "card/card_identity.h"
#include "common/atomic_file.h"
#include "common/windows1252.h"
#include "issue/card_file.h"

namespace tavelao::business {
namespace {

// The header printing houses' merge templates expect, odd names included.
constexpr std::string_view kExportHeader =
    "Cartela;D1;NomeD1A;NomeD1B;NomeD1C;D2;NomeD2A;NomeD2B;NomeD2C;D3;NomeD3A;NomeD31B;NomeD3C;D4;NomeD4A"
    ";NomeD41B;NomeD4C;D5;NomeD5A;NomeD51B;NomeD5C;D6;NomeD6A;NomeD61B;NomeD6C;D7;NomeD7A;NomeD71B;NomeD7"
    "C;D8;NomeD8A;NomeD81B;NomeD8C;D9;NomeD9A;NomeD91B;NomeD9C;D10;NomeD10A;NomeD10B;NomeD10C;D11;NomeD11"
    "A;NomeD11B;NomeD11C;D12;NomeD12A;NomeD12B;NomeD12C;D13;NomeD13A;NomeD13B;NomeD13C;D14;NomeD14A;NomeD"
    "14B;NomeD14C;D15;NomeD15A;NomeD15B;NomeD15C;D16;NomeD16A;NomeD16B;NomeD16C;D17;NomeD17A;NomeD17B;Nom"
    "eD17C;D18;NomeD18A;NomeD18B;NomeD18C;D19;NomeD19A;NomeD19B;NomeD19C;D20;NomeD20A;NomeD20B;NomeD20C;D"
    "21;NomeD21A;NomeD21B;NomeD21C;D22;NomeD22A;NomeD22B;NomeD22C;D23;NomeD23A;NomeD23B;NomeD23C;D24;Nome"
    "D24A;NomeD24B;NomeD24C;D25;NomeD25A;NomeD25B;NomeD25C;";

std::string CardNumberText(std::int32_t card) {
  char text[16];
  std::snprintf(text, sizeof text, "%05d", card);
  return text;
}

}  // namespace

std::string BusinessNameField(int position, int line) {
  char name[8];
  std::snprintf(name, sizeof name, "E%02d%d", position, line);
  return name;
}

store::Schema BusinessCardSchema() {
  store::Schema schema = {store::IntegerField("Numero"), store::StringField("Digito", 2)};
  for (int k = 1; k <= 25; ++k) schema.push_back(store::StringField(issue::NumberField(k), 2));
  for (int line = 1; line <= 3; ++line) {
    for (int k = 1; k <= 25; ++k) schema.push_back(store::StringField(BusinessNameField(k, line), kNameLength));
  }
  return schema;
}

Result<store::Table> RebuildBusinessCardFile(const std::filesystem::path& folder, store::Table& card_file,
                                             const Sponsors& sponsors, bool names_only) {
  auto table = store::Table::CreateAfresh(folder / kBusinessCardFile, BusinessCardSchema(), store::Durability::Scratch);
  if (!table) return table;
  store::Table::Transaction transaction(*table);
  Status inserted;
  auto status = card_file.ForEach({"", "Numero"}, [&](const store::Row& row) {
    store::Record out = table->NewRecord();
    const auto numero = row.record.Int("Numero");
    if (numero) {
      out.Set("Numero", *numero);
      out.Set("Digito", std::string("-") + card::CheckDigit(*numero));
    }
    for (int k = 1; k <= 25; ++k) {
      const std::string number = row.record.Text(issue::NumberField(k));
      if (!names_only) out.Set(issue::NumberField(k), number);
      const SponsorNames& names = sponsors.OfNumber(number);
      for (int line = 1; line <= 3; ++line) out.Set(BusinessNameField(k, line), names.lines[line - 1]);
    }
    auto id = table->Insert(out);
    if (!id) inserted = std::move(id).take_error();
    return id.ok();
  });
  if (!status) return std::move(status).take_error();
  if (!inserted) return std::move(inserted).take_error();
  if (auto committed = transaction.Commit(); !committed) return std::move(committed).take_error();
  return table;
}

Result<std::string> BusinessExportText(const card::CardBank& bank, store::Table& card_file, const Sponsors& sponsors) {
  if (auto problem = SponsorTableProblem(sponsors)) return Fail(*problem);
  std::string text(kExportHeader);
  text += "\r\n";
  auto status = card_file.ForEach({"", "Numero"}, [&](const store::Row& row) {
    const std::int32_t numero = row.record.Int("Numero").value_or(0);
    text += CardNumberText(numero);
    text += ';';
    for (int k = 1; k <= 25; ++k) {
      const std::string_view number = bank.CardNumber(numero, k);
      text.append(number);
      text += ';';
      for (const std::string& name : sponsors.OfNumber(number).lines) {
        text += name.empty() ? " " : name;
        text += ';';
      }
    }
    text += "\r\n";
    return true;
  });
  if (!status) return std::move(status).take_error();
  return ToWindows1252(text);
}

Status WriteBusinessExport(const std::filesystem::path& folder, const card::CardBank& bank, store::Table& card_file,
                           const Sponsors& sponsors) {
  auto text = BusinessExportText(bank, card_file, sponsors);
  if (!text) return std::move(text).take_error();
  return WriteFileAtomically(folder / kBusinessExportFile, *text);
}

}  // namespace tavelao::business
