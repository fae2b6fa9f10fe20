#include <gtest/gtest.h>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "session/data_files.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"
#include "validation/validation_store.h"

namespace tavelao {
namespace {

using testing::RunCli;
using testing::TempFolder;

// Lines of the output, without their line breaks.
std::vector<std::string> Lines(const std::string& out) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < out.size()) {
    const auto end = out.find('\n', at);
    lines.push_back(out.substr(at, end - at));
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return lines;
}

std::vector<validation::ValidatedCard> Stored(const TempFolder& dir) {
  card::CardBank bank;
  auto table = session::OpenValidation({dir.path(), nullptr});
  EXPECT_TRUE(table) << table.error();
  std::vector<validation::ValidatedCard> cards;
  if (!table) return cards;
  auto store = validation::ValidationStore::Attach(*table, bank);
  EXPECT_TRUE(store);
  (void)(*store)->ForEach([&cards](const validation::ValidatedCard& c) {
    cards.push_back(c);
    return true;
  });
  return cards;
}

TEST(CliValida, DirectEntriesOneLineEach) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "valida 19-108 19 3000028 17");
  EXPECT_EQ(run.status, 1) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[0], "19-108: 10 cartelas validadas (000001 a 000010); última validada 10, cartelas validadas 10");
  EXPECT_EQ(lines[1].rfind("19: nenhuma cartela validada", 0), 0u) << lines[1];
  EXPECT_NE(lines[1].find("Exclui da validação? Não"), std::string::npos) << lines[1];
  EXPECT_EQ(lines[2], "3000028: descartada: não é um código de folha válido");
  EXPECT_EQ(lines[3], "17: recusada — Verificação do dígito da cartela: O dígito da cartela 1 é 9, não 7.");
  EXPECT_EQ(Stored(dir).size(), 10u);

  const auto removed = RunCli(dir.path(), "valida --exclui 19");
  EXPECT_EQ(removed.status, 0) << removed.err;
  EXPECT_EQ(removed.out,
            "19: cartela 000001 excluída da validação — Exclusão de cartela: Cartela já validada. Exclui "
            "da validação? Sim; última validada 0, cartelas validadas 9\n");
  EXPECT_EQ(Stored(dir).size(), 9u);
}

TEST(CliValida, BatchEntriesAndBarCodes) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "valida --lote 7 000001929553 27 19-108 27", "TAVELAO_SENHA=abcde");
  EXPECT_EQ(run.status, 1) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[0], "000001929553: cartela 000001 validada no lote 7, lançamento 1; cartelas validadas 1");
  EXPECT_EQ(lines[1], "27: cartela 000002 validada no lote 7, lançamento 2; cartelas validadas 2");
  EXPECT_EQ(lines[2], "19-108: recusada — Valor inválido: '19-10' não é um número inteiro válido.");
  EXPECT_EQ(lines[3], "27: recusada — Validação anterior: Cartela já validada no lote 7 lançamento 2.");
  const auto cards = Stored(dir);
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(cards[1].placement, (validation::Placement{7, 2}));

  const auto more = RunCli(dir.path(), "valida --lote 7 35");
  EXPECT_EQ(more.status, 0) << more.err;
  EXPECT_EQ(more.out, "35: cartela 000003 validada no lote 7, lançamento 3; cartelas validadas 3\n");
}

TEST(CliValida, ForgedBarCodeIsRefusedWithoutShowingTheCode) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "valida 000001900000", "TAVELAO_SENHA=abcde");
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(run.out,
            "000001900000: recusada — Código de autenticação inválido: "
            "O código de autenticação da cartela não bate com o calculado pelo sistema.\n");
  EXPECT_EQ(run.out.find("29553"), std::string::npos);
  EXPECT_TRUE(Stored(dir).empty());
}

TEST(CliValida, UsageErrors) {
  TempFolder dir;
  EXPECT_EQ(RunCli(dir.path(), "valida").status, 2);
  EXPECT_EQ(RunCli(dir.path(), "valida --lote abc 19").status, 2);
  EXPECT_EQ(RunCli(dir.path(), "valida --lote").status, 2);
  EXPECT_EQ(RunCli(dir.path(), "valida --outra 19").status, 2);
  EXPECT_TRUE(Stored(dir).empty());
}

TEST(CliValida, CardsAsPrintedInBothModes) {
  TempFolder dir;
  const auto direct = RunCli(dir.path(), "valida 000001-9 1-9 \"000002 7\" 000003-4");
  const auto lines = Lines(direct.out);
  ASSERT_EQ(lines.size(), 4u) << direct.out << direct.err;
  EXPECT_EQ(lines[0].rfind("000001-9: cartela 000001 validada", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("1-9: nenhuma cartela validada", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2].rfind("000002 7: cartela 000002 validada", 0), 0u) << lines[2];
  EXPECT_EQ(lines[3], "000003-4: recusada — Verificação do dígito da cartela: O dígito da cartela 3 é 5, não 4.");
  const auto batch = RunCli(dir.path(), "valida --lote 2 000010-8");
  EXPECT_EQ(batch.out, "000010-8: cartela 000010 validada no lote 2, lançamento 1; cartelas validadas 3\n");
}

// The register of issued cards as "first-last", in order; every range dated.
std::vector<std::string> IssuedRanges(const TempFolder& dir) {
  std::vector<std::string> ranges;
  auto table = session::OpenIssued({dir.path(), nullptr});
  EXPECT_TRUE(table) << table.error();
  if (!table) return ranges;
  auto rows = table->Select();
  EXPECT_TRUE(rows) << rows.error();
  if (!rows) return ranges;
  for (const auto& row : *rows) {
    EXPECT_TRUE(row.record.DateValue("Data"));
    ranges.push_back(std::to_string(row.record.Int("Inicial").value_or(0)) + "-" +
                     std::to_string(row.record.Int("Final").value_or(0)));
  }
  return ranges;
}

TEST(CliValida, ACardNotIssuedNeedsForca) {
  TempFolder dir;
  const auto issued = RunCli(dir.path(), "emite --modelo 1 --inicial 1 --quantidade 10 --pdf c.pdf");
  ASSERT_EQ(issued.status, 0) << issued.err;
  EXPECT_EQ(IssuedRanges(dir), std::vector<std::string>{"1-10"});

  const auto refused = RunCli(dir.path(), "valida 108 9997 --lote 4");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(Lines(refused.out).at(1),
            "9997: recusada — Cartela não emitida: A cartela 999 não foi emitida. Validar mesmo assim? Não (use "
            "--forca para validá-la mesmo assim)");
  const auto direct = RunCli(dir.path(), "valida 9997");
  EXPECT_NE(direct.out.find("use --forca"), std::string::npos) << direct.out;
  const auto forced = RunCli(dir.path(), "valida --forca 9997");
  EXPECT_EQ(forced.status, 0) << forced.out;
  EXPECT_EQ(Stored(dir).size(), 2u);
}

TEST(CliValida, CardsExportedOrIssuedForBusinessBingoAreIssuedToo) {
  TempFolder dir;
  ASSERT_EQ(RunCli(dir.path(), "exporta --inicial 20 --quantidade 5").status, 0);
  const auto business = RunCli(dir.path(), "empresarial --inicial 30 --quantidade 2 --csv");
  ASSERT_EQ(business.status, 0) << business.err;
  EXPECT_EQ(IssuedRanges(dir), (std::vector<std::string>{"20-24", "30-31"}));
  const auto typed = [](int card) { return std::to_string(card) + "-" + card::CheckDigit(card); };
  EXPECT_EQ(RunCli(dir.path(), "valida " + typed(24) + " " + typed(31)).status, 0);
  EXPECT_EQ(RunCli(dir.path(), "valida " + typed(25)).status, 1) << "25 was not exported";
}

}  // namespace
}  // namespace tavelao
