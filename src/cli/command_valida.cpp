// tavelao-cli valida [--lote L] [--exclui] [--forca] ENTRADA...: each entry
// as the direct panel takes it, or as the batch window takes it with batch L
// open. A card that was not issued is refused unless --forca is given.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/silent_sounds.h"
#include "common/text.h"
#include "session/data_files.h"
#include "validation/batch_validation.h"
#include "validation/direct_validation.h"
#include "validation/validation_messages.h"
#include "validation/validation_store.h"

namespace tavelao::cli {
namespace {

using validation::EntryOutcome;

constexpr OptionDeclaration kOptions[] = {
    ValueOption("lote", "LOTE", "valida como a janela de lotes, com o lote LOTE aberto"),
    FlagOption("exclui", "responde Sim a \"Exclui da validação?\""),
    FlagOption("forca", "valida também as cartelas que não foram emitidas (fora de Emitidas.cds)"),
};
constexpr ArgumentDeclaration kArguments[] = {
    RepeatedArgument(
        "ENTRADA",
        "uma cartela com dígito (19, ou como impressa: 000001-9), uma faixa (19-108), um código de folha ou de barras"),
};

// The command's two answers: --exclui to the removal of a card, --forca to
// a card that was not issued.
class ValidaDialogs : public Dialogs {
 public:
  ValidaDialogs(CliDialogs& kept, bool force) : kept_(kept), force_(force) {}
  void Inform(std::string_view title, std::string_view text) override { kept_.Inform(title, text); }
  bool Ask(std::string_view title, std::string_view text) override {
    if (title != validation::kNotIssuedTitle) return kept_.Ask(title, text);
    refused_unissued_ |= !force_;
    kept_.Inform(title, std::string(text) + (force_ ? " Sim (--forca)" : " Não"));
    return force_;
  }
  // Whether the last entry was refused as not issued; cleared.
  bool TakeUnissuedRefusal() { return std::exchange(refused_unissued_, false); }

 private:
  CliDialogs& kept_;
  bool force_;
  bool refused_unissued_ = false;
};

constexpr const char* kForceHint = " (use --forca para validá-la mesmo assim)";

std::string Cards(const std::vector<std::int32_t>& cards, const char* one, const char* many) {
  if (cards.size() == 1) return "cartela " + SixDigits(cards[0]) + " " + one;
  return std::to_string(cards.size()) + " cartelas " + many + " (" + SixDigits(cards.front()) + " a " +
         SixDigits(cards.back()) + ")";
}

std::string DirectLine(const validation::DirectEntryResult& r, const std::string& messages) {
  std::string done;
  if (!r.added.empty()) done = Cards(r.added, "validada", "validadas");
  if (!r.removed.empty()) done += (done.empty() ? "" : "; ") + Cards(r.removed, "excluída da validação", "excluídas");
  switch (r.outcome) {
    case EntryOutcome::Done:
      if (done.empty()) done = "nenhuma cartela validada (já estavam validadas)";
      if (!messages.empty()) done += " — " + messages;
      return done + "; última validada " + r.view.last_validated + ", cartelas validadas " + r.view.count;
    case EntryOutcome::Stopped:
      return (done.empty() ? "" : done + "; ") + "parou — " + messages;
    case EntryOutcome::Dropped:
      return "descartada: não é um código de folha válido";
    case EntryOutcome::Ignored:
      return "ignorada: não indica nenhuma cartela";
    case EntryOutcome::Refused:
      return "recusada — " + messages;
    case EntryOutcome::Failed:
      return (done.empty() ? "" : done + "; ") + "erro — " + messages;
  }
  return {};
}

std::string BatchLine(const validation::BatchReply& r, const std::string& messages, std::int32_t batch) {
  switch (r.outcome) {
    case EntryOutcome::Done: {
      std::string line = "cartela " + SixDigits(*r.card) + " validada no lote " + std::to_string(batch) +
                         ", lançamento " + std::to_string(r.entry) + "; cartelas validadas " + r.view.count;
      if (r.batch_completed) line += "; lote " + std::to_string(batch) + " completo";
      return line;
    }
    case EntryOutcome::Refused:
      return "recusada — " + messages;
    case EntryOutcome::Failed:
      return "erro — " + messages;
    default:
      break;
  }
  if (r.view.state != validation::BatchState::Open) {
    return "recusada — o lote " + std::to_string(batch) + " está completo: não aceita mais cartelas";
  }
  return "ignorada: não indica nenhuma cartela";
}

int RunValida(CliContext& context, const CommandArgs& args) {
  const auto lote = args.Value("lote");
  const bool remove = args.Flag("exclui");
  std::optional<std::int32_t> batch;
  if (lote) {
    batch = ParseInt32(Trim(*lote));
    if (!batch) return context.UsageError(ConversionErrorMessage(*lote));
  }

  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  auto table = session::OpenValidation(ws->place());
  if (!table) {
    context.err << table.error() << "\n";
    return kExitUsage;
  }
  ws->validation = std::move(*table);
  auto store = validation::ValidationStore::Attach(ws->validation, ws->bank);
  if (!store) {
    context.err << store.error() << "\n";
    return kExitUsage;
  }

  auto kept = CliDialogs::Kept(remove);
  ValidaDialogs dialogs(kept, args.Flag("forca"));
  // The boxes of one entry, and the hint when it stopped at a card not issued.
  auto messages = [&kept, &dialogs] {
    const bool unissued = dialogs.TakeUnissuedRefusal();
    return kept.Take() + (unissued ? kForceHint : "");
  };
  SilentSounds sounds;
  const validation::EntryKeys keys{ws->bank, ws->password, ws->issuer};
  bool refused = false;
  if (batch) {
    const auto claims = validation::BatchClaimsFor(ws->server);
    validation::BatchValidation window(**store, keys, dialogs, sounds, ws->place(), claims.get());
    (void)window.Activate();
    (void)window.LeaveLote(std::to_string(*batch));
    if (window.view().state == validation::BatchState::NoBatch) {  // another station's batch
      context.err << messages() << "\n";
      return kExitRefused;
    }
    // std::endl: each line is a confirmation, shown as soon as it is true.
    for (const auto& entry : args.arguments()) {
      const auto reply = window.EnterCard(entry);
      context.out << entry << ": " << BatchLine(reply, messages(), *batch) << std::endl;
      refused |= reply.outcome != EntryOutcome::Done;
    }
  } else {
    validation::DirectValidation panel(**store, keys, dialogs, ws->place());
    (void)panel.Open();
    for (const auto& entry : args.arguments()) {
      const auto result = panel.Enter(entry);
      context.out << entry << ": " << DirectLine(result, messages()) << std::endl;
      refused |= result.outcome != EntryOutcome::Done;
    }
  }
  return refused ? kExitRefused : kExitOk;
}

}  // namespace

constinit const CommandDeclaration kValidaCommand{
    .name = "valida",
    .summary =
        "valida cada entrada como a validação direta, ou por lote com o lote LOTE aberto; --exclui responde "
        "Sim a \"Exclui da validação?\"",
    .options = kOptions,
    .arguments = kArguments,
    .run = RunValida,
};

}  // namespace tavelao::cli
