// tavelao-cli lista: the card listing, as "Emite" of the listing panel makes
// it, written to a PDF file instead of the preview.

#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_gui.h"
#include "cli/cli_steps.h"
#include "cli/commands.h"
#include "common/text.h"
#include "listing/card_listing.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {
    RequiredOption("inicial", "A", "a cartela inicial"),
    RequiredOption("final", "B", "a cartela final"),
    ValueOption("estilo", "3|4|5|diagonal", "3 linhas (o padrão), 4 linhas, 5 linhas ou diagonal"),
    kPdfOption,
    kOverwriteOption,
};

struct StyleName {
  const char* option;
  const char* caption;
  listing::ListingStyle style;
};

constexpr StyleName kStyles[] = {
    {"3", "3 linhas", listing::ListingStyle::kThreeRows},
    {"4", "4 linhas", listing::ListingStyle::kFourRows},
    {"5", "5 linhas", listing::ListingStyle::kFiveRows},
    {"diagonal", "Diagonal", listing::ListingStyle::kDiagonal},
};

const StyleName* FindStyle(std::string_view option) {
  const std::string wanted = ToUpperLatin(Trim(option));
  for (const StyleName& s : kStyles) {
    if (ToUpperLatin(s.option) == wanted) return &s;
  }
  return nullptr;
}

int RunLista(CliContext& context, const CommandArgs& args) {
  const auto first = args.Value("inicial");
  const auto last = args.Value("final");
  const auto style_option = args.Value("estilo");
  const auto pdf = args.Value("pdf");
  const bool overwrite = args.Flag("sobrescreve");
  const StyleName* style = FindStyle(style_option.value_or("3"));
  if (!style) {
    context.err << "Estilo desconhecido: " << *style_option << ". Os estilos são 3, 4, 5 e diagonal.\n";
    return kExitUsage;
  }
  const auto range = listing::ListingRange(*first, *last);
  if (!range) {
    // The panel does nothing here; a command says why.
    context.err << "A cartela inicial e a cartela final devem ser números inteiros.\n";
    return kExitUsage;
  }
  if (auto refused = RefusePdfOutput(context, *pdf, overwrite)) return *refused;

  auto gui = StartGui();
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  auto document = listing::BuildCardListing(ws->folder, ws->bank, *range, style->style);
  if (!document) {
    context.err << document.error() << "\n";
    return kExitRefused;
  }
  return WritePdfAndReport(context, *document, *pdf, overwrite, std::string("estilo ") + style->caption);
}

}  // namespace

constinit const CommandDeclaration kListaCommand{
    .name = "lista",
    .summary = "grava em PDF a listagem das cartelas A a B (estilo 3 linhas, 4 linhas, 5 linhas ou diagonal)",
    .options = kOptions,
    .run = RunLista,
};

}  // namespace tavelao::cli
