// tavelao-cli premios: the minor-prize draw over the validated cards of the
// working directory, as "Sorteia" of the minor-prize panel does.

#include <iomanip>
#include <ostream>

#include "cli/commands.h"
#include "common/text.h"
#include "draw/minor_prizes.h"
#include "draw/seeded_random_source.h"
#include "session/data_files.h"

namespace tavelao::cli {

int RunPremios(CliContext& context) {
  if (context.args.size() != 1 || !ParseInt32(Trim(context.args.front()))) {
    context.err << "Uso: tavelao-cli premios N (N = número de prêmios, um número inteiro)\n";
    return kExitUsage;
  }
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  auto validation = session::OpenValidation(ws->folder);
  if (!validation) {
    context.err << validation.error() << "\n";
    return kExitRefused;
  }
  const auto random = draw::SeededRandomSource::FromClock();
  store::Table prizes;
  auto result = draw::DrawMinorPrizes(ws->folder, *validation, context.args.front(), *random, prizes);
  if (!result) {
    context.err << result.error() << "\n";
    return kExitRefused;
  }
  if (result->prizes.empty()) {
    // The screen stays silent here; a script must be able to tell.
    const auto validated = validation->Count();
    context.err << "Nenhum prêmio sorteado: o número de prêmios deve ir de 1 ao número de cartelas validadas ("
                << (validated ? *validated : 0) << ").\n";
    return kExitRefused;
  }
  context.out << "Prêmio Cartela\n";
  for (const draw::MinorPrize& prize : result->prizes) {
    context.out << std::setw(6) << prize.premio << " " << std::setw(7) << prize.numero << "\n";
  }
  return kExitOk;
}

}  // namespace tavelao::cli
