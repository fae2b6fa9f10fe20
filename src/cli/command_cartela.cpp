// tavelao-cli cartela N: a card of the bank with its identity.

#include <ostream>

#include "card/card_identity.h"
#include "cli/commands.h"
#include "common/text.h"

namespace tavelao::cli {
namespace {

constexpr ArgumentDeclaration kArguments[] = {Argument("NÚMERO", "o número da cartela no banco, de 1 a 120000")};

int RunCartela(CliContext& context, const CommandArgs& args) {
  const std::string& typed = args.arguments().front();
  const auto card = ParseInt32(Trim(typed));
  if (!card) {
    context.err << ConversionErrorMessage(typed) << "\n";
    return kExitUsage;
  }
  if (!card::CardBank::InRange(*card)) {
    context.err << "A cartela " << *card << " não existe: o banco de cartelas vai de 1 a " << card::kBankCapacity
                << ".\n";
    return kExitRefused;
  }
  auto ws = context.OpenWorkspace(FolderAccess::Reads);
  if (!ws) return context.workspace_failure;
  if (!ws->bank.HasRecord(*card)) {
    context.err << "A cartela " << *card << " não está no banco de cartelas desta instalação.\n";
    return kExitRefused;
  }
  const std::string code = card::CardAuthenticationCode(ws->bank, *card, ws->password, ws->issuer);
  context.out << "Cartela " << SixDigits(*card) << "-" << card::CheckDigit(*card) << "\n";
  for (int row = 1; row <= 5; ++row) {
    for (int column = 0; column < 5; ++column) {
      context.out << (column ? " " : "") << ws->bank.CardNumber(*card, row + 5 * column);
    }
    context.out << "\n";
  }
  if (!code.empty()) context.out << card::AuthenticationLine(code) << "\n";
  context.out << "Código de barras: " << card::BarCodeText(*card, code) << "\n";
  return kExitOk;
}

}  // namespace

constinit const CommandDeclaration kCartelaCommand{
    .name = "cartela",
    .summary = "mostra a cartela do banco com dígito, números, autenticação e código de barras",
    .arguments = kArguments,
    .run = RunCartela,
};

}  // namespace tavelao::cli
