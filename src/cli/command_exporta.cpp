// tavelao-cli exporta: "CARTGRAF.CSV" for a printing house, as "Gera" does.

#include <ostream>

#include "cli/cli_dialogs.h"
#include "cli/cli_steps.h"
#include "cli/commands.h"
#include "issue/printing_house_export.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {kFirstCardOption, kQuantityOption};

int RunExporta(CliContext& context, const CommandArgs& args) {
  const auto first = args.Value("inicial");
  const auto quantity = args.Value("quantidade");
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  CliDialogs dialogs(context.err);
  switch (issue::ExportForPrintingHouse(ws->bank, ws->password, ws->issuer, ws->place(), *first, *quantity, dialogs,
                                        SystemClock())) {
    case issue::ExportOutcome::kWritten:
      context.out << issue::kExportFile << " gerado.\n";
      return kExitOk;
    case issue::ExportOutcome::kNothing:
      context.out << "Nada a gerar: a cartela inicial ou a quantidade é 0.\n";
      return kExitOk;
    case issue::ExportOutcome::kRefused:
      break;
  }
  return kExitRefused;
}

}  // namespace

constinit const CommandDeclaration kExportaCommand{
    .name = "exporta",
    .summary = "grava CARTGRAF.CSV para a gráfica com as cartelas N a N+Q-1",
    .options = kOptions,
    .run = RunExporta,
};

}  // namespace tavelao::cli
