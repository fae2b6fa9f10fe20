// tavelao-cli emite: an issue run and the print of its model, as "OK" of the
// issue panel does, with the document written to a PDF file instead of the
// preview.

#include <QFont>
#include <QString>
#include <memory>
#include <ostream>

#include "cli/cli_gui.h"
#include "cli/cli_steps.h"
#include "cli/commands.h"
#include "common/text.h"
#include "editors/stored_frame_print.h"
#include "issue/card_file.h"
#include "issue/issue_run.h"
#include "layouts/card_models.h"
#include "layouts/print_card_file.h"
#include "session/data_files.h"
#include "texteditor/free_text_file.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {
    RequiredOption("modelo", "M", "o modelo de cartela, como na tela de emissão"),
    kFirstCardOption,
    kQuantityOption,
    ValueOption("linhas", "L", "as linhas de cada cartela, nos modelos que as pedem"),
    FlagOption("sem-cercadura", "sem a cercadura das cartelas, nos modelos que a têm"),
    ValueOption("texto", "ARQUIVO", "o texto livre das cartelas, em RTF, TXT ou HTML (até 2 MB)"),
    ValueOption("quadros", "N", "os quadros de cada cartela, nos modelos do editor de quadros"),
    FlagOption("grande", "cartela grande, no modelo do editor de quadros que a tem"),
    kPdfOption,
    kOverwriteOption,
};

int RunEmite(CliContext& context, const CommandArgs& args) {
  const auto model_text = args.Value("modelo");
  const auto first = args.Value("inicial");
  const auto quantity = args.Value("quantidade");
  const auto lines = args.Value("linhas");
  const auto free_text_file = args.Value("texto");
  const auto pdf = args.Value("pdf");
  const bool no_border = args.Flag("sem-cercadura");
  const auto frames = args.Value("quadros");
  const bool large_card = args.Flag("grande");
  const bool overwrite = args.Flag("sobrescreve");
  const auto code = ParseInt32(Trim(*model_text));
  const layouts::CardModel* model = code ? layouts::FindCardModel(*code) : nullptr;
  if (!model) {
    context.err << "Modelo desconhecido: " << *model_text << ". Os modelos são:";
    for (const auto& m : layouts::CardModels()) context.err << " " << m.code;
    context.err << ".\n";
    return kExitUsage;
  }
  if (auto refused = RefusePdfOutput(context, *pdf, overwrite)) return *refused;

  auto gui = StartGui();
  layouts::PrintRequest request;
  request.model_code = model->code;
  request.number_box_text = lines.value_or("");
  request.options.suppress_border = no_border;
  if (frames) request.number_box_text = *frames;
  request.large_card = large_card;
  if (free_text_file) {
    auto html = texteditor::FreeTextHtml(*free_text_file, QFont(QStringLiteral("Arial"), 12));
    if (!html) {
      context.err << html.error() << "\n";
      return kExitUsage;
    }
    request.options.free_text = std::make_shared<const std::string>(std::move(*html));
  }

  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  auto card_options = ReadStoredCardOptions(context, *ws);
  if (!card_options) return kExitRefused;
  request.options.card = std::move(*card_options);

  store::Table card_file;
  if (auto ended = IssueCardFile(context, *ws, *first, *quantity, card_file)) return *ended;
  // Read now: the print may delete the card file.
  auto issued = issue::CardFileRange(card_file);

  auto printed = layouts::PrintCardFile(request, card_file, ws->password, ws->issuer);
  if (!printed) {
    context.err << printed.error() << "\n";
    return kExitRefused;
  }
  switch (printed->kind) {
    case layouts::PrintKind::kPreview:
      break;
    case layouts::PrintKind::kNothingPrinted:
      context.out << "O modelo \"" << model->name_shown << "\" não tem layout: nada foi impresso e " << issue::kCardFile
                  << " foi apagado.\n";
      return kExitRefused;
    case layouts::PrintKind::kEditor: {
      if (model->route == layouts::PrintRoute::kNumberEditor) {
        auto numbers = editors::PrintWithStoredNumberEditor(ws->folder, card_file, ws->password, ws->issuer);
        if (!numbers) {
          context.err << numbers.error() << "\n";
          return kExitRefused;
        }
        printed->document = std::move(*numbers);
        printed->card_file_deleted = true;
        break;
      }
      if (model->route == layouts::PrintRoute::kFrameEditor) {
        auto stored =
            editors::PrintWithStoredFrameEditor(model->code, printed->frames, printed->large_card, request.options.card,
                                                ws->folder, card_file, ws->password, ws->issuer);
        if (!stored) {
          context.err << stored.error() << "\n";
          return kExitRefused;
        }
        printed->document = std::move(stored->document);
        printed->card_file_deleted = true;
        break;
      }
      context.out << "O modelo \"" << model->name_shown << "\" abre a sua própria tela; não há impressão por aqui.\n";
      return kExitRefused;
    }
  }
  const int status = WritePdfAndReport(context, printed->document, *pdf, overwrite, "layout " + printed->document.name);
  if (status != kExitOk) return status;
  // Printed cards are issued cards: validation checks against them.
  if (auto ended = NoteIssuedCards(context, *ws, std::move(issued))) return *ended;
  if (!printed->card_file_deleted) context.out << issue::kCardFile << " fica na pasta até a próxima emissão.\n";
  return kExitOk;
}

}  // namespace

constinit const CommandDeclaration kEmiteCommand{
    .name = "emite",
    .summary = "emite as cartelas N a N+Q-1 em Cartelas.cds e grava o layout do modelo M em PDF",
    .options = kOptions,
    .run = RunEmite,
};

}  // namespace tavelao::cli
