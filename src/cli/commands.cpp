#include "cli/commands.h"

#include <ostream>

#include "common/version.h"

namespace tavelao::cli {
namespace {

const CommandDeclaration* const kCommands[] = {
    &kCartelaCommand, &kExportaCommand, &kListaCommand,    &kEmiteCommand,   &kEmpresarialCommand,
    &kSorteiaCommand, &kAtaCommand,     &kFalaCommand,     &kPremiosCommand, &kConfereCommand,
    &kValidaCommand,  &kBackupCommand,  &kRestauraCommand, &kMigraCommand,
};

}  // namespace

std::span<const CommandDeclaration* const> Commands() { return kCommands; }

void PrintHelp(std::ostream& out) {
  out << "Uso: tavelao-cli COMANDO [ARGUMENTOS]\n\n"
         "Trabalha sobre as tabelas (*.cds) da pasta atual, como o Tavelão.\n"
         "A senha de autenticação, quando usada, vem da variável TAVELAO_SENHA.\n"
         "--pdf nunca substitui uma tabela; um arquivo que já existe e não é um PDF do\n"
         "Tavelão só é substituído com --sobrescreve.\n\n"
         "Comandos:\n";
  for (const CommandDeclaration* c : kCommands) {
    const std::string synopsis = Synopsis(*c);
    out << "  " << c->name << (synopsis.empty() ? "" : " ") << synopsis << "\n      " << c->summary << "\n";
  }
  out << "\ntavelao-cli COMANDO --help explica as opções de um comando.\n"
         "tavelao-cli --version mostra a versão.\n";
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.front() == "--help" || args.front() == "-h") {
    PrintHelp(out);
    return args.empty() ? kExitUsage : kExitOk;
  }
  if (args.front() == "--version") {
    out << "tavelao-cli " << kVersion << "\n";
    return kExitOk;
  }
  for (const CommandDeclaration* c : kCommands) {
    if (args.front() != c->name) continue;
    CliContext context{*c, out, err};
    const auto parsed = ParseCommandLine(*c, {args.begin() + 1, args.end()});
    if (!parsed) return context.UsageError(parsed.error());
    if (parsed->help()) {
      PrintCommandHelp(*c, out);
      return kExitOk;
    }
    return c->run(context, *parsed);
  }
  err << "Comando desconhecido: " << args.front() << "\n";
  PrintHelp(err);
  return kExitUsage;
}

}  // namespace tavelao::cli
