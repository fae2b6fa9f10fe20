// Every command of tavelao-cli, run as a program: its --help names all it
// accepts, it accepts all it declares, and an unknown option is refused
// before the folder is touched.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao::cli {
namespace {

using testing::RunCli;
using testing::TempFolder;

std::string Word(const OptionDeclaration& option) {
  std::string word = "--" + std::string(option.name);
  if (option.takes_value()) word += " " + std::string(option.value_name);
  return word;
}

// Shell quoting for value names such as "3|4|5|diagonal".
std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

bool FolderIsEmpty(const TempFolder& dir) { return std::filesystem::is_empty(dir.path()); }

TEST(CliCommands, TheOptionsScriptsUseAreStillDeclared) {
  const std::map<std::string, std::vector<std::string>> expected = {
      {"cartela", {}},
      {"exporta", {"inicial", "quantidade"}},
      {"lista", {"inicial", "final", "estilo", "pdf", "sobrescreve"}},
      {"emite",
       {"modelo", "inicial", "quantidade", "linhas", "sem-cercadura", "texto", "quadros", "grande", "pdf",
        "sobrescreve"}},
      {"empresarial", {"inicial", "quantidade", "sem-dezenas", "pdf", "sobrescreve", "csv"}},
      {"sorteia", {"cartelas", "padroes", "sem-cheia", "bolas", "servir"}},
      {"ata", {"pdf", "verifica", "sobrescreve"}},
      {"fala", {"wav", "vitoria"}},
      {"premios", {"exclui-premiadas"}},
      {"confere", {"bolas", "cartelas", "padroes"}},
      {"valida", {"lote", "exclui", "forca"}},
      {"backup", {}},
      {"restaura", {}},
      {"migra", {"para-servidor", "para-pasta"}},
  };
  std::map<std::string, std::vector<std::string>> declared;
  for (const CommandDeclaration* command : Commands()) {
    auto& names = declared[std::string(command->name)];
    for (const OptionDeclaration& option : command->options) names.emplace_back(option.name);
  }
  EXPECT_EQ(declared, expected);
}

TEST(CliCommands, HelpOfEveryCommandNamesEveryOptionAndArgument) {
  TempFolder dir;
  const auto general = RunCli(dir.path(), "--help");
  ASSERT_EQ(general.status, 0) << general.err;
  for (const CommandDeclaration* command : Commands()) {
    const std::string name(command->name);
    const auto help = RunCli(dir.path(), name + " --help");
    EXPECT_EQ(help.status, 0) << name << ": " << help.err;
    EXPECT_TRUE(help.err.empty()) << name << ": " << help.err;
    EXPECT_NE(help.out.find("Uso: tavelao-cli " + name), std::string::npos) << help.out;
    const auto line_at = general.out.find("\n  " + name);
    ASSERT_NE(line_at, std::string::npos) << name << " missing from:\n" << general.out;
    const std::string line = general.out.substr(line_at + 1, general.out.find('\n', line_at + 1) - line_at - 1);
    for (const OptionDeclaration& option : command->options) {
      EXPECT_NE(help.out.find(Word(option)), std::string::npos) << name << " --help lacks " << Word(option);
      EXPECT_NE(help.out.find(option.help), std::string::npos) << name << " --help lacks the help of " << option.name;
      EXPECT_NE(line.find(Word(option)), std::string::npos) << "--help lacks " << Word(option) << " of " << name;
    }
    for (const ArgumentDeclaration& argument : command->arguments) {
      EXPECT_NE(help.out.find(argument.name), std::string::npos) << name << " --help lacks " << argument.name;
    }
  }
  EXPECT_TRUE(FolderIsEmpty(dir)) << "--help touches no table";
}

TEST(CliCommands, UnknownOptionIsRefusedByNameBeforeTheFolderIsTouched) {
  TempFolder dir;
  for (const CommandDeclaration* command : Commands()) {
    const std::string name(command->name);
    const auto run = RunCli(dir.path(), name + " --nao-existe 1");
    EXPECT_EQ(run.status, 2) << name;
    EXPECT_NE(run.err.find("Argumento desconhecido: --nao-existe."), std::string::npos) << name << ": " << run.err;
    EXPECT_NE(run.err.find("Uso: tavelao-cli " + name), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << name << ": " << run.out;
  }
  EXPECT_TRUE(FolderIsEmpty(dir));
}

TEST(CliCommands, EveryDeclaredOptionIsAccepted) {
  TempFolder dir;
  for (const CommandDeclaration* command : Commands()) {
    const std::string name(command->name);
    for (const OptionDeclaration& option : command->options) {
      // Alone, each still lacks a required option or argument: refused
      // for that, never as unknown, and before anything runs.
      const std::string args =
          "--" + std::string(option.name) + (option.takes_value() ? " " + Quoted(option.value_name) : std::string());
      const auto run = RunCli(dir.path(), name + " " + args);
      EXPECT_EQ(run.status, 2) << name << " " << args;
      EXPECT_EQ(run.err.find("desconhecid"), std::string::npos) << name << " " << args << ": " << run.err;
      EXPECT_EQ(run.err.find("Falta o valor"), std::string::npos) << name << " " << args << ": " << run.err;
    }
  }
  EXPECT_TRUE(FolderIsEmpty(dir));
}

}  // namespace
}  // namespace tavelao::cli
