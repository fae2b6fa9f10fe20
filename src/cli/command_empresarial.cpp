// tavelao-cli empresarial: a business bingo run without the panel: the
// issue run, then the business cards to PDF ("OK") and/or "CARTGRAFBE.CSV"
// ("Gerar CARTGRAFBE.CSV "), from the folder's "dados.cds" and
// "empresas.cds".

#include <ostream>

#include "business/business_cards.h"
#include "business/business_print.h"
#include "business/sponsors.h"
#include "cli/cli_gui.h"
#include "cli/cli_steps.h"
#include "cli/commands.h"
#include "session/data_files.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {
    kFirstCardOption,
    kQuantityOption,
    FlagOption("sem-dezenas", "cartelas só com os nomes das empresas, sem as dezenas"),
    ValueOption("pdf", "ARQUIVO", "grava as cartelas no arquivo PDF"),
    kOverwriteOption,
    FlagOption("csv", "grava CARTGRAFBE.CSV para a gráfica"),
};

Result<store::Table> OpenTable(const std::filesystem::path& folder, const char* name) {
  return store::Table::Open(folder / name);
}

int RunEmpresarial(CliContext& context, const CommandArgs& args) {
  const auto first = args.Value("inicial");
  const auto quantity = args.Value("quantidade");
  const auto pdf = args.Value("pdf");
  const bool names_only = args.Flag("sem-dezenas");
  const bool csv = args.Flag("csv");
  const bool overwrite = args.Flag("sobrescreve");
  if (!pdf && !csv) return context.UsageError("Falta --pdf ou --csv (pelo menos um dos dois).");
  if (pdf) {
    if (auto refused = RefusePdfOutput(context, *pdf, overwrite)) return *refused;
  }
  auto gui = pdf ? StartGui() : nullptr;
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;

  store::Table card_file;
  if (auto ended = IssueCardFile(context, *ws, *first, *quantity, card_file)) return *ended;
  auto event = OpenTable(ws->folder, session::kEventFile);
  if (!event) {
    context.err << event.error() << "\n";
    return kExitRefused;
  }
  auto sponsors = OpenTable(ws->folder, session::kSponsorsFile);
  if (!sponsors) {
    context.err << sponsors.error() << "\n";
    return kExitRefused;
  }

  if (pdf) {
    auto options = ReadStoredCardOptions(context, *ws);
    if (!options) return kExitRefused;
    const business::BusinessTables tables{card_file, *event, *sponsors};
    auto document = business::PrintBusinessCards(ws->folder, tables, *options, names_only);
    if (!document) {
      context.err << document.error() << "\n";
      return kExitRefused;
    }
    const int status = WritePdfAndReport(context, *document, *pdf, overwrite, "layout " + document->name);
    if (status != kExitOk) return status;
  }
  if (csv) {
    auto loaded = business::Sponsors::Load(*sponsors);
    Status written = loaded ? business::WriteBusinessExport(ws->folder, ws->bank, card_file, *loaded)
                            : Status(std::move(loaded).take_error());
    if (!written) {
      context.err << written.error() << "\n";
      return kExitRefused;
    }
    context.out << business::kBusinessExportFile << " gerado.\n";
  }
  if (auto ended = NoteIssuedCards(context, *ws, issue::CardFileRange(card_file))) return *ended;
  return kExitOk;
}

}  // namespace

constinit const CommandDeclaration kEmpresarialCommand{
    .name = "empresarial",
    .summary =
        "bingo empresarial: emite as cartelas N a N+Q-1 e grava as cartelas com os nomes das empresas em PDF "
        "e/ou CARTGRAFBE.CSV, com dados.cds e empresas.cds da pasta",
    .options = kOptions,
    .notes = "Dê pelo menos um de --pdf e --csv.",
    .run = RunEmpresarial,
};

}  // namespace tavelao::cli
