// tavelao-cli ata: the draws of the journal "Atas.cds", and the minutes of
// one of them shown, written as a PDF or checked against its balls.

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_gui.h"
#include "cli/cli_steps.h"
#include "cli/commands.h"
#include "common/text.h"
#include "draw/draw_journal.h"
#include "draw/draw_minutes.h"
#include "draw/journal_replay.h"
#include "draw/minutes_pdf.h"
#include "session/data_files.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {
    ValueOption("pdf", "ARQUIVO", "grava a ata do SORTEIO neste arquivo PDF"),
    FlagOption("verifica", "confere os selos da ata e se as ganhadoras do SORTEIO decorrem das pedras"),
    kOverwriteOption,
};
constexpr ArgumentDeclaration kArguments[] = {
    OptionalArgument("SORTEIO", "o número do sorteio; sem ele, a lista dos sorteios da ata")};

// The journal's events; none when the folder has no journal yet, nullopt
// (the error printed) when it cannot be read.
std::optional<std::vector<draw::JournalEvent>> ReadJournalEvents(CliContext& context, const session::Workspace& ws) {
  const auto failed = [&context](const std::string& message) {
    context.err << message << "\n";
    return std::nullopt;
  };
  const auto exists = session::SharedTableExists(ws.place(), session::kJournalFile);
  if (!exists) return failed(exists.error());
  if (!*exists) return std::vector<draw::JournalEvent>{};
  auto table = session::OpenJournal(ws.place());
  if (!table) return failed(table.error());
  auto events = draw::ReadJournal(*table);
  if (!events) return failed(events.error());
  return std::move(*events);
}

int ListDraws(CliContext& context, const std::vector<draw::JournalEvent>& events) {
  const std::vector<draw::JournalDraw> draws = draw::DrawsOf(events);
  if (draws.empty()) context.out << "Nenhum sorteio na ata.\n";
  for (const draw::JournalDraw& d : draws) {
    const std::string end = d.ended.empty() ? "em andamento" : d.interrupted ? "interrompido" : "fim " + d.ended;
    context.out << "Sorteio " << d.draw << ": início " << d.started << ", " << end << ", " << d.balls << " pedra(s), "
                << d.winners << " ganhadora(s).\n";
  }
  return kExitOk;
}

// The first prize text heads the minutes as it heads the hall's screen.
// Without the folder's lock a missing options table is not made.
std::string EventTitle(CliContext& context, session::Workspace& ws) {
  if (!ws.lock && !std::filesystem::exists(ws.File(session::kOptionsFile))) return {};
  const auto options = ReadStoredCardOptions(context, ws);
  return options ? options->prizes[0] : std::string();
}

void PrintMinutes(std::ostream& out, const draw::DrawMinutes& minutes) {
  out << minutes.title << "\n";
  if (!Trim(minutes.event_title).empty()) out << minutes.event_title << "\n";
  out << "Data: " << minutes.date << "  Início: " << minutes.started << "  Término: " << minutes.ended << "\n";
  std::size_t width = 0;
  for (const auto& section : minutes.sections) {
    for (const auto& line : section.lines) width = std::max(width, line.time.size());
  }
  for (const auto& section : minutes.sections) {
    out << "\n" << section.heading << "\n";
    for (const auto& line : section.lines) {
      out << "  " << line.time << std::string(width - line.time.size() + 2, ' ') << line.text << "\n";
    }
  }
}

int RunAta(CliContext& context, const CommandArgs& args) {
  const auto pdf = args.Value("pdf");
  const bool verify = args.Flag("verifica");
  const bool overwrite = args.Flag("sobrescreve");
  if (overwrite && !pdf) return context.UsageError("--sobrescreve só vale com --pdf.");
  std::optional<std::int32_t> draw;
  if (!args.arguments().empty()) {
    const std::string& typed = args.arguments().front();
    draw = ParseInt32(Trim(typed));
    if (!draw) return context.UsageError(ConversionErrorMessage(typed));
  } else if (pdf || verify) {
    return context.UsageError("Falta SORTEIO: o número do sorteio da ata.");
  }
  if (pdf) {
    if (auto refused = RefusePdfOutput(context, *pdf, overwrite)) return *refused;
  }

  // Reading the journal may go on while the program plays; the replay of
  // --verifica remakes the folder's draw tables, so it needs the folder.
  auto ws = context.OpenWorkspace(verify ? FolderAccess::Writes : FolderAccess::Reads);
  if (!ws) return context.workspace_failure;
  const auto events = ReadJournalEvents(context, *ws);
  if (!events) return kExitRefused;
  if (!draw) return ListDraws(context, *events);

  const std::vector<draw::JournalEvent> mine = draw::EventsOfDraw(*events, *draw);
  // Minor prizes drawn before the first draw are sealed in the chain as
  // draw 0, which has no minutes of its own.
  if (mine.empty() || mine.front().kind != draw::EventKind::Started) {
    context.err << "A ata não tem o sorteio " << *draw << ". Veja a lista com tavelao-cli ata.\n";
    return kExitRefused;
  }
  if (verify) {
    const auto verdict = draw::VerifyDraw(*ws, *events, *draw);
    if (!verdict) {
      context.err << verdict.error() << "\n";
      return kExitRefused;
    }
    context.out << *verdict << "\n";
  }
  const draw::DrawMinutes minutes = draw::MinutesOfDraw(mine, EventTitle(context, *ws));
  if (!pdf) {
    if (!verify) PrintMinutes(context.out, minutes);
    return kExitOk;
  }
  // Again, as the replay may have run for a while since the first look.
  if (auto refused = RefusePdfOutput(context, *pdf, overwrite)) return *refused;
  auto gui = StartGui();
  if (auto written = draw::WriteMinutesPdf(minutes, *pdf); !written) {
    context.err << written.error() << "\n";
    return kExitRefused;
  }
  context.out << *pdf << " gravado: " << minutes.title << ".\n";
  return kExitOk;
}

}  // namespace

constinit const CommandDeclaration kAtaCommand{
    .name = "ata",
    .summary = "lista os sorteios da ata (Atas.cds), mostra a ata de um sorteio, grava-a em PDF ou a verifica",
    .options = kOptions,
    .arguments = kArguments,
    .notes =
        "Sem --pdf nem --verifica, mostra a ata do SORTEIO na tela.\n"
        "--verifica refaz as pedras do sorteio sobre as cartelas validadas e precisa da pasta livre.",
    .run = RunAta,
};

}  // namespace tavelao::cli
