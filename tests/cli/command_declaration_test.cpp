// The declarative command line of tavelao-cli: parsing, its usage errors
// and the help made from one declaration.

#include "cli/command_declaration.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {
    RequiredOption("inicial", "N", "a primeira cartela"),
    ValueOption("pdf", "ARQUIVO", "o PDF"),
    FlagOption("csv", "grava o CSV"),
};
constexpr ArgumentDeclaration kNumber[] = {Argument("NÚMERO", "a cartela")};
constexpr ArgumentDeclaration kEntries[] = {RepeatedArgument("ENTRADA", "uma entrada")};

constexpr CommandDeclaration kCommand{.name = "teste", .summary = "um teste", .options = kOptions, .arguments = kNumber};
constexpr CommandDeclaration kRepeating{.name = "varios", .summary = "vários", .arguments = kEntries};

Result<CommandArgs> Parse(const CommandDeclaration& declaration, std::vector<std::string> args) {
  return ParseCommandLine(declaration, args);
}

TEST(CommandDeclaration, OptionsFlagsAndArgumentsInAnyOrder) {
  const auto parsed = Parse(kCommand, {"7", "--csv", "--inicial", "-1", "--pdf=a b.pdf"});
  ASSERT_TRUE(parsed) << parsed.error();
  EXPECT_EQ(parsed->Value("inicial"), "-1") << "a value may start with one dash";
  EXPECT_EQ(parsed->Value("pdf"), "a b.pdf");
  EXPECT_TRUE(parsed->Flag("csv"));
  EXPECT_EQ(parsed->arguments(), std::vector<std::string>{"7"});
  EXPECT_FALSE(parsed->help());

  const auto plain = Parse(kCommand, {"--inicial", "1", "-5"});
  ASSERT_TRUE(plain) << plain.error();
  EXPECT_EQ(plain->Value("pdf"), std::nullopt);
  EXPECT_FALSE(plain->Flag("csv"));
  EXPECT_EQ(plain->arguments(), std::vector<std::string>{"-5"}) << "a negative number is an argument";

  const auto ended = Parse(kCommand, {"--inicial", "1", "--", "--csv"});
  ASSERT_TRUE(ended) << ended.error();
  EXPECT_FALSE(ended->Flag("csv"));
  EXPECT_EQ(ended->arguments(), std::vector<std::string>{"--csv"}) << "after \"--\" nothing is an option";
}

TEST(CommandDeclaration, UsageErrorsNameWhatIsWrong) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  for (const Case& c : {
           Case{{"--inicial", "1", "--outra", "7"}, "Argumento desconhecido: --outra."},
           Case{{"--inicial", "1", "--outra=x", "7"}, "Argumento desconhecido: --outra."},
           Case{{"7", "--inicial"}, "Falta o valor de --inicial."},
           Case{{"7", "--inicial", "--csv"}, "Falta o valor de --inicial."},
           Case{{"7", "--inicial", "--", "8"}, "Falta o valor de --inicial."},
           Case{{"7"}, "Falta --inicial: a primeira cartela."},
           Case{{"--inicial", "1"}, "Falta NÚMERO: a cartela."},
           Case{{"--inicial", "1", "7", "8"}, "Argumento a mais: 8."},
           Case{{"--inicial", "1", "--inicial", "2", "7"}, "A opção --inicial foi dada mais de uma vez."},
           Case{{"--inicial", "1", "--csv", "--csv", "7"}, "A opção --csv foi dada mais de uma vez."},
           Case{{"--inicial", "1", "--csv=sim", "7"}, "A opção --csv não leva valor."},
       }) {
    const auto parsed = Parse(kCommand, c.args);
    ASSERT_FALSE(parsed) << c.message;
    EXPECT_EQ(parsed.error(), c.message);
  }
}

TEST(CommandDeclaration, HelpWinsUnlessItIsAnArgument) {
  const auto help = Parse(kCommand, {"--outra", "--inicial", "--help"});
  ASSERT_TRUE(help);
  EXPECT_TRUE(help->help());
  const auto argument = Parse(kCommand, {"--inicial", "1", "--", "--help"});
  ASSERT_TRUE(argument) << argument.error();
  EXPECT_FALSE(argument->help());
  EXPECT_EQ(argument->arguments(), std::vector<std::string>{"--help"});
}

TEST(CommandDeclaration, RepeatedArgumentTakesOneOrMore) {
  const auto many = Parse(kRepeating, {"19-108", "19", "-3"});
  ASSERT_TRUE(many) << many.error();
  EXPECT_EQ(many->arguments(), (std::vector<std::string>{"19-108", "19", "-3"}));
  const auto none = Parse(kRepeating, {});
  ASSERT_FALSE(none);
  EXPECT_EQ(none.error(), "Falta ENTRADA: uma entrada.");
}

TEST(CommandDeclaration, UsageAndHelpComeFromTheDeclaration) {
  EXPECT_EQ(UsageLine(kCommand), "tavelao-cli teste --inicial N [--pdf ARQUIVO] [--csv] NÚMERO");
  EXPECT_EQ(UsageLine(kRepeating), "tavelao-cli varios ENTRADA...");
  std::ostringstream out;
  PrintCommandHelp(kCommand, out);
  // Help texts line up on screen although "NÚMERO" has more bytes than letters.
  EXPECT_EQ(out.str(),
            "Uso: tavelao-cli teste --inicial N [--pdf ARQUIVO] [--csv] NÚMERO\n"
            "um teste\n"
            "\n"
            "Argumentos:\n"
            "  NÚMERO         a cartela\n"
            "\n"
            "Opções:\n"
            "  --inicial N    a primeira cartela\n"
            "  --pdf ARQUIVO  o PDF\n"
            "  --csv          grava o CSV\n");
}

}  // namespace
}  // namespace tavelao::cli
