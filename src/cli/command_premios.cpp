// tavelao-cli premios: the minor-prize draw over the validated cards of the
// working directory, as "Sorteia" of the minor-prize panel does.

#include <iomanip>
#include <ostream>
#include <set>

#include "cli/commands.h"
#include "common/text.h"
#include "draw/minor_prizes.h"
#include "draw/seeded_random_source.h"
#include "session/data_files.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {
    FlagOption("exclui-premiadas", "deixa de fora as cartelas do último resultado gravado em SorteioPM.cds"),
};
constexpr ArgumentDeclaration kArguments[] = {Argument("N", "o número de prêmios, um número inteiro")};

int RunPremios(CliContext& context, const CommandArgs& args) {
  const std::string& count = args.arguments().front();
  if (!ParseInt32(Trim(count))) return context.UsageError(ConversionErrorMessage(count));
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  auto validation = session::OpenValidation(ws->place());
  if (!validation) {
    context.err << validation.error() << "\n";
    return kExitRefused;
  }
  auto journal = session::OpenJournal(ws->place());
  if (!journal) {
    context.err << journal.error() << "\n";
    return kExitRefused;
  }
  std::set<std::int32_t> excluded;
  if (args.Flag("exclui-premiadas")) {
    auto stored = draw::StoredPrizeCards(ws->folder);
    if (!stored) {
      context.err << stored.error() << "\n";
      return kExitRefused;
    }
    excluded = std::move(*stored);
  }
  const auto random = draw::SeededRandomSource::FromClock();
  store::Table prizes;
  auto result = draw::DrawMinorPrizes(ws->folder, *validation, count, *random, prizes, excluded);
  if (!result) {
    context.err << result.error() << "\n";
    return kExitRefused;
  }
  if (result->prizes.empty()) {
    // A script must be able to tell.
    context.err << draw::NoPrizeMessage(*result) << "\n";
    return kExitRefused;
  }
  const SystemClock clock;
  if (auto journalled = draw::JournalMinorPrizes(*journal, clock, *result); !journalled) {
    context.err << "A ata não pôde ser gravada: " << journalled.error() << "\n";
    return kExitRefused;
  }
  context.out << "Prêmio Cartela\n";
  for (const draw::MinorPrize& prize : result->prizes) {
    context.out << std::setw(6) << prize.premio << " " << std::setw(7) << prize.numero << "\n";
  }
  return kExitOk;
}

}  // namespace

constinit const CommandDeclaration kPremiosCommand{
    .name = "premios",
    .summary = "sorteia N prêmios menores entre as cartelas validadas e grava SorteioPM.cds",
    .options = kOptions,
    .arguments = kArguments,
    .run = RunPremios,
};

}  // namespace tavelao::cli
