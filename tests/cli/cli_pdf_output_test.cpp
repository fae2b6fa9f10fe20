// --pdf of every command never replaces a table file, nor a file that is not
// a PDF of ours unless --sobrescreve is given; a refusal comes before the
// command changes anything.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao::cli {
namespace {

using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* kLista = "lista --inicial 1 --final 2";
constexpr const char* kEmite = "emite --modelo 1 --inicial 1 --quantidade 2";
constexpr const char* kEmpresarial = "empresarial --inicial 1 --quantidade 2 --csv";

std::string With(const char* command, const std::string& rest) { return std::string(command) + " " + rest; }

TEST(CliPdfOutput, ATableIsNeverReplacedEvenWithSobrescreve) {
  TempFolder dir;
  ASSERT_EQ(RunCli(dir.path(), With(kLista, "--pdf l.pdf")).status, 0) << "creates the folder's tables";
  const std::string table = ReadBytes(dir / "Validadas.cds");
  ASSERT_FALSE(table.empty());
  for (const char* command : {kLista, kEmite, kEmpresarial}) {
    for (const char* option : {"", " --sobrescreve"}) {
      const auto run = RunCli(dir.path(), With(command, std::string("--pdf Validadas.cds") + option));
      EXPECT_EQ(run.status, 1) << command << option;
      EXPECT_NE(run.err.find("O arquivo \"Validadas.cds\" é uma tabela do Tavelão e não será substituído."),
                std::string::npos)
          << run.err;
    }
  }
  EXPECT_EQ(ReadBytes(dir / "Validadas.cds"), table);
  EXPECT_FALSE(std::filesystem::exists(dir / "Cartelas.cds")) << "refused before the issue run";
  EXPECT_FALSE(std::filesystem::exists(dir / "CARTGRAFBE.CSV"));
  // A table that is not there yet: the command would create it first.
  EXPECT_EQ(RunCli(dir.path(), With(kLista, "--pdf Outra.cds")).status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "Outra.cds"));
}

TEST(CliPdfOutput, AnotherFileNeedsSobrescreveAndAnEarlierPdfOfOursDoesNot) {
  TempFolder dir;
  WriteBytes(dir / "notas.txt", "lembrete");
  for (const char* command : {kLista, kEmite, kEmpresarial}) {
    const auto run = RunCli(dir.path(), With(command, "--pdf notas.txt"));
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_NE(run.err.find("O arquivo \"notas.txt\" já existe e não é um PDF do Tavelão; use --sobrescreve para "
                           "substituí-lo."),
              std::string::npos)
        << run.err;
  }
  EXPECT_EQ(ReadBytes(dir / "notas.txt"), "lembrete");
  EXPECT_FALSE(std::filesystem::exists(dir / "Cartelas.cds"));
  EXPECT_FALSE(std::filesystem::exists(dir / "CARTGRAFBE.CSV"));

  const auto replaced = RunCli(dir.path(), With(kLista, "--pdf notas.txt --sobrescreve"));
  ASSERT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_TRUE(ReadBytes(dir / "notas.txt").starts_with("%PDF-"));
  // Now a PDF of ours: every command replaces it without being told.
  for (const char* command : {kLista, kEmite, kEmpresarial}) {
    const auto again = RunCli(dir.path(), With(command, "--pdf notas.txt"));
    EXPECT_EQ(again.status, 0) << command << again.err;
  }
}

TEST(CliPdfOutput, TheUsageOfEveryCommandWritingAPdfNamesSobrescreve) {
  TempFolder dir;
  const std::string help = RunCli(dir.path(), "--help").out;
  for (const char* command : {"lista", "emite", "empresarial"}) {
    const auto run = RunCli(dir.path(), std::string(command) + " --help");
    EXPECT_NE(run.out.find("--sobrescreve"), std::string::npos) << command;
    const auto line = help.find("  " + std::string(command) + " ");
    ASSERT_NE(line, std::string::npos) << help;
    EXPECT_NE(help.substr(line, help.find('\n', line) - line).find("--sobrescreve"), std::string::npos) << command;
  }
}

}  // namespace
}  // namespace tavelao::cli
