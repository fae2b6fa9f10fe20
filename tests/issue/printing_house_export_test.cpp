#include "issue/printing_house_export.h"

#include <gtest/gtest.h>

#include "store/table.h"
#include "support/cli_runner.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace tavelao::issue {
namespace {

using testing::ReadBytes;
using testing::ScriptedDialogs;
using testing::TempFolder;

const std::string kHeaderBytes =
    "Cartela;D\xEDgito;D1;D2;D3;D4;D5;D6;D7;D8;D9;D10;D11;D12;D13;D14;D15;D16;D17;D18;D19;D20;D21;D22;D23;D24;D25;"
    "Senha\r\n";

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override { bank.LoadBuiltIn(); }
  ExportOutcome Gera(std::string_view first, std::string_view quantity) {
    return ExportForPrintingHouse(bank, password, card::IssuerNumber(), {dir.path(), nullptr}, first, quantity, dialogs,
                                  SystemClock());
  }
  std::string File() { return ReadBytes(dir / kExportFile); }

  TempFolder dir;
  card::CardBank bank;
  card::Password password;
  ScriptedDialogs dialogs;
};

TEST_F(ExportTest, CardOneWithoutPasswordByteForByte) {
  ASSERT_EQ(Gera(" 1 ", "1"), ExportOutcome::kWritten);
  EXPECT_EQ(
      File(),
      kHeaderBytes + "000001;9;15;09;14;02;20;37;36;27;30;23;53;44;50;45;48;76;61;73;71;65;81;83;84;89;87;     \r\n");
  EXPECT_TRUE(dialogs.shown.empty()) << "success shows nothing";
  EXPECT_FALSE(std::filesystem::exists(dir.path().string() + "/CARTGRAF.CSV.tmp"));
}

TEST_F(ExportTest, EveryLineWithAPasswordEndsInItsCode) {
  password = *card::Password::FromText("SENHA");
  ASSERT_EQ(Gera("9990", "11"), ExportOutcome::kWritten);
  const std::string file = File();
  std::size_t at = kHeaderBytes.size();
  for (int n = 9990; n <= 10000; ++n) {
    const auto end = file.find("\r\n", at);
    const std::string line = file.substr(at, end - at);
    ASSERT_EQ(line.size(), 62u + 27u) << line;
    EXPECT_EQ(line.substr(0, 7), SixDigits(n) + ";");
    EXPECT_EQ(line.substr(line.size() - 5), card::CardAuthenticationCode(bank, n, password, card::IssuerNumber()));
    EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 27);
    at = end + 2;
  }
  EXPECT_EQ(at, file.size());
}

TEST_F(ExportTest, RangeIsCutAtTheBanksEnd) {
  for (int n = 99999; n <= 120000; ++n) bank.SetRecord(n, bank.CardRecord(n % 10000 + 1));
  ASSERT_EQ(Gera("99999", "5"), ExportOutcome::kWritten);
  std::string file = File();
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 6);
  ASSERT_EQ(Gera("119999", "10"), ExportOutcome::kWritten);
  file = File();
  EXPECT_NE(file.find("\r\n120000;3;"), std::string::npos);
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3);
}

TEST_F(ExportTest, NothingToDoAndNegativeQuantity) {
  EXPECT_EQ(Gera("1", ""), ExportOutcome::kNothing);
  EXPECT_EQ(Gera("", "5"), ExportOutcome::kNothing);
  EXPECT_FALSE(std::filesystem::exists(dir / kExportFile));
  ASSERT_EQ(Gera("10", "-3"), ExportOutcome::kWritten);
  EXPECT_EQ(File(), kHeaderBytes);
}

TEST_F(ExportTest, BadFieldsAndMissingCardsWriteNothing) {
  ASSERT_EQ(Gera("1", "1"), ExportOutcome::kWritten);
  const std::string before = File();
  EXPECT_EQ(Gera("abc", "1"), ExportOutcome::kRefused);
  EXPECT_EQ(dialogs.last().text, "'abc' não é um número inteiro válido.");
  EXPECT_EQ(Gera("1", "9999999999"), ExportOutcome::kRefused);
  EXPECT_EQ(Gera("-4", "10"), ExportOutcome::kRefused);
  EXPECT_EQ(Gera("9999", "3"), ExportOutcome::kRefused) << "card 10001 has no record";
  EXPECT_EQ(dialogs.last().title, "Arquivo para gráfica");
  EXPECT_EQ(dialogs.last().text, "A cartela 10.001 não tem dezenas no banco. O arquivo CARTGRAF.CSV não foi gerado.");
  EXPECT_EQ(File(), before) << "a refused export leaves the last file whole";
}

TEST_F(ExportTest, FolderThatCannotBeWrittenIsNamedInTheMessage) {
  const auto gone = dir / "pasta-removida";
  EXPECT_EQ(
      ExportForPrintingHouse(bank, password, card::IssuerNumber(), {gone, nullptr}, "1", "1", dialogs, SystemClock()),
      ExportOutcome::kRefused);
  EXPECT_NE(dialogs.last().text.find("CARTGRAF.CSV"), std::string::npos);
  EXPECT_NE(dialogs.last().text.find("pasta-removida"), std::string::npos);
}

TEST_F(ExportTest, FileThatCannotBeReplacedIsNamedAndKept) {
  std::filesystem::create_directory(dir / kExportFile);  // a name that cannot be overwritten
  EXPECT_EQ(Gera("1", "1"), ExportOutcome::kRefused);
  EXPECT_NE(dialogs.last().text.find("CARTGRAF.CSV"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(dir / kExportFile));
  EXPECT_FALSE(std::filesystem::exists(dir.path().string() + "/CARTGRAF.CSV.tmp"));
}

TEST(CliExporta, WritesTheFileAsGeraDoes) {
  TempFolder dir;
  auto run = testing::RunCli(dir.path(), "exporta --inicial 1 --quantidade 2", "TAVELAO_SENHA=ABCDE");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string file = ReadBytes(dir / kExportFile);
  EXPECT_NE(
      file.find("\r\n000001;9;15;09;14;02;20;37;36;27;30;23;53;44;50;45;48;76;61;73;71;65;81;83;84;89;87;29553\r\n"),
      std::string::npos);
  run = testing::RunCli(dir.path(), "exporta --inicial x --quantidade 2");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("'x'"), std::string::npos);
  EXPECT_EQ(testing::RunCli(dir.path(), "exporta --inicial 1").status, 2);
  run = testing::RunCli(dir.path(), "exporta --inicial 10000 --quantidade 2");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.err,
      "Arquivo para gráfica: A cartela 10.001 não tem dezenas no banco. O arquivo CARTGRAF.CSV não foi gerado.\n");
  EXPECT_EQ(ReadBytes(dir / kExportFile), file) << "the last file stays whole";
}

}  // namespace
}  // namespace tavelao::issue
