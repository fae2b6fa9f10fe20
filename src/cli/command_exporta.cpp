// tavelao-cli exporta: "CARTGRAF.CSV" for a printing house, as "Gera" does.

#include <ostream>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "issue/printing_house_export.h"

namespace tavelao::cli {

int RunExporta(CliContext& context) {
  const auto first = TakeOption(context.args, "inicial");
  const auto quantity = TakeOption(context.args, "quantidade");
  if (!first || !quantity || !context.args.empty()) {
    context.err << "Uso: tavelao-cli exporta --inicial N --quantidade Q\n";
    return kExitUsage;
  }
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  CliDialogs dialogs(context.err);
  switch (issue::ExportForPrintingHouse(ws->bank, ws->password, ws->issuer, ws->folder, *first, *quantity, dialogs)) {
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

}  // namespace tavelao::cli
