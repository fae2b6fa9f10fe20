#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao {
namespace {

using testing::RunCli;
using testing::TempFolder;

TEST(CliCartela, PrintsNumberDigitGridAndBarCodeText) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "cartela 1");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Cartela 000001-9\n"
            "15 37 53 76 81\n"
            "09 36 44 61 83\n"
            "14 27 50 73 84\n"
            "02 30 45 71 89\n"
            "20 23 48 65 87\n"
            "Código de barras: 0000019\n");
  EXPECT_TRUE(std::filesystem::exists(dir / "Validadas.cds")) << "missing tables are created first";
}

TEST(CliCartela, PasswordFromTheEnvironmentAddsTheCode) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "cartela 1", "TAVELAO_SENHA=abcde");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Autenticação:29553\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Código de barras: 000001929553\n"), std::string::npos);
}

TEST(CliCartela, RefusesWhatIsNotACardOfTheBank) {
  TempFolder dir;
  for (const char* arg : {"0", "120001", "10001"}) {
    const auto run = RunCli(dir.path(), std::string("cartela ") + arg);
    EXPECT_EQ(run.status, 1) << arg;
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("cartela"), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunCli(dir.path(), "cartela abc").status, 2);
  EXPECT_EQ(RunCli(dir.path(), "cartela").status, 2);
  const auto bad_password = RunCli(dir.path(), "cartela 1", "TAVELAO_SENHA=abc");
  EXPECT_EQ(bad_password.status, 2);
  EXPECT_NE(bad_password.err.find("5 caracteres"), std::string::npos);
}

TEST(CliCartela, RefusedIssuerSettingStopsTheCommand) {
  TempFolder dir;
  std::filesystem::create_directories(dir.path().string() + ".config/tavelao");
  testing::WriteBytes(dir.path().string() + ".config/tavelao/tavelao.conf", "emissor=123\n");
  const auto run = RunCli(dir.path(), "cartela 1");
  std::filesystem::remove_all(dir.path().string() + ".config");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("emissor"), std::string::npos);
}

TEST(CliCartela, HmacSchemeOfTheSettingMakesTheCode) {
  TempFolder dir;
  const std::string config = dir.path().string() + ".config/tavelao";
  std::filesystem::create_directories(config);
  testing::WriteBytes(config + "/tavelao.conf", "autenticacao=hmac\n");
  const auto run = RunCli(dir.path(), "cartela 1", "TAVELAO_SENHA=abcde");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Autenticação:28608\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Código de barras: 000001928608\n"), std::string::npos);

  testing::WriteBytes(config + "/tavelao.conf", "emissor=12345\nautenticacao=sha1\n");
  const auto refused = RunCli(dir.path(), "cartela 1", "TAVELAO_SENHA=abcde");
  std::filesystem::remove_all(dir.path().string() + ".config");
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.out.empty());
  EXPECT_NE(refused.err.find("autenticação"), std::string::npos) << refused.err;
}

TEST(Cli, HelpListsTheCommands) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("cartela"), std::string::npos);
  EXPECT_EQ(RunCli(dir.path(), "nada").status, 2);
}

}  // namespace
}  // namespace tavelao
