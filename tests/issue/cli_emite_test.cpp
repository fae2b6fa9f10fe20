#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "issue/card_file.h"
#include "session/card_options.h"
#include "session/data_files.h"
#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::issue {
namespace {

using testing::PdfText;
using testing::RunCli;
using testing::TempFolder;
using testing::ToolAvailable;

int Pages(const std::string& pdf_text) { return static_cast<int>(std::count(pdf_text.begin(), pdf_text.end(), '\f')); }

TEST(CliEmite, WritesThePdfOfModelOneAndDeletesTheCardFile) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  TempFolder dir;
  const auto run = RunCli(dir.path(), "emite --modelo 1 --inicial 41 --quantidade 3 --pdf cartelas.pdf");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / kCardFile));
  const std::string text = PdfText(dir / "cartelas.pdf");
  EXPECT_EQ(Pages(text), 3);
  EXPECT_NE(text.find("Cartela: 000042-6"), std::string::npos) << text;
  EXPECT_NE(text.find("Nome:____"), std::string::npos);
  EXPECT_EQ(text.find("Autenticação:"), std::string::npos) << "no password, no code";
  // The title row and card 41's first row, as the frame prints them.
  EXPECT_NE(text.find("B I N G O"), std::string::npos) << text;
  EXPECT_NE(text.find("07 24 47 63 96"), std::string::npos) << text;
}

TEST(CliEmite, PasswordLettersAndPrizesReachThePdf) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  TempFolder dir;
  {
    ASSERT_TRUE(session::EnsureOptions(dir.path()).ok());
    auto options = session::OpenOptions(dir.path());
    ASSERT_TRUE(options.ok());
    session::CardOptions values;
    values.letters = {"T", "E", "S", "T", "A"};
    values.prizes[0] = "Uma moto";
    values.prizes[1] = "Uma geladeira";
    ASSERT_TRUE(session::WriteCardOptions(*options, values).ok());
  }
  const auto run =
      RunCli(dir.path(), "emite --modelo 2 --inicial 42 --quantidade 1 --pdf c.pdf", "TAVELAO_SENHA=ABCDE");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = PdfText(dir / "c.pdf");
  EXPECT_NE(text.find("T E S T A"), std::string::npos) << text;
  EXPECT_NE(text.find("Uma geladeira"), std::string::npos);
  EXPECT_NE(text.find("2º prêmio"), std::string::npos);
  const auto at = text.find("Autenticação:");
  ASSERT_NE(at, std::string::npos);
  const std::string code = text.substr(at + std::string("Autenticação:").size(), 5);
  EXPECT_EQ(code.find_first_not_of("0123456789"), std::string::npos) << code;
}

TEST(CliEmite, StubModelsKeepTheCardFile) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "emite --modelo 15 --inicial 1 --quantidade 6 --pdf s.pdf");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(dir / kCardFile));
  EXPECT_TRUE(std::filesystem::exists(dir / "s.pdf"));
  if (ToolAvailable("pdftotext")) {
    EXPECT_EQ(Pages(PdfText(dir / "s.pdf")), 2) << "five strips per page";
  }
}

TEST(CliEmite, ModelsWithoutLayoutPrintNothingAndLeaveNoCardFile) {
  TempFolder dir;
  for (const char* model : {"5", "7"}) {
    const auto run =
        RunCli(dir.path(), std::string("emite --modelo ") + model + " --inicial 1 --quantidade 2 --pdf x.pdf");
    EXPECT_EQ(run.status, 1) << model;
    EXPECT_NE(run.out.find("nada foi impresso"), std::string::npos) << run.out;
    EXPECT_FALSE(std::filesystem::exists(dir / kCardFile));
    EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
  }
}

TEST(CliEmite, RefusesWhatCannotBeIssued) {
  TempFolder dir;
  auto run = RunCli(dir.path(), "emite --modelo 1 --inicial 1x --quantidade 2 --pdf x.pdf");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("'1x' não é um número inteiro válido."), std::string::npos) << run.err;
  run = RunCli(dir.path(), "emite --modelo 99 --inicial 1 --quantidade 2 --pdf x.pdf");
  EXPECT_EQ(run.status, 2);
  run = RunCli(dir.path(), "emite --modelo 5 --inicial 1 --quantidade 2 --pdf x.pdf");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("não tem layout"), std::string::npos) << run.out;
  EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
  run = RunCli(dir.path(), "emite --modelo 1 --inicial 0 --quantidade 2 --pdf x.pdf");
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
}

TEST(CliEmite, CardsWithoutNumbersIssueNothing) {
  TempFolder dir;
  // A card file of an earlier run, kept by the stub model.
  ASSERT_EQ(RunCli(dir.path(), "emite --modelo 15 --inicial 1 --quantidade 2 --pdf s.pdf").status, 0);
  const std::string before = testing::ReadBytes(dir / kCardFile);
  const auto run = RunCli(dir.path(), "emite --modelo 1 --inicial 9998 --quantidade 150 --pdf x.pdf");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Emissão de cartelas: As cartelas 10.001 a 10.147 não têm dezenas no banco.\n"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
  EXPECT_EQ(testing::ReadBytes(dir / kCardFile), before);
}

}  // namespace
}  // namespace tavelao::issue
