#include "draw/journal_replay.h"

#include <stdlib.h>

#include <utility>

#include "common/text.h"
#include "draw/draw_run.h"
#include "draw/draw_tables.h"
#include "draw/journal_fields.h"
#include "draw/seeded_random_source.h"
#include "session/data_files.h"

namespace tavelao::draw {
namespace {

class SilentDialogs : public Dialogs {
 public:
  void Inform(std::string_view, std::string_view) override {}
  bool Ask(std::string_view, std::string_view) override { return false; }
};

// A folder of its own for the replay's scratch tables, removed with it.
struct ScratchFolder {
  std::filesystem::path path;
  ScratchFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "tavelao-ata-XXXXXX").string();
    if (mkdtemp(name.data())) path = name;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
};

std::string Named(const JournalEvent& e) {
  return "O evento " + std::to_string(e.seq) + " (" + std::string(WordOf(e.kind)) + ")";
}

std::string WinnerText(const std::string& card, const std::string& title) { return card + " (" + title + ")"; }

// The winners the journal announced after the ball at `ball_event` against
// those the replayed pass found.
Status CheckWinners(const std::vector<JournalEvent>& events, std::size_t ball_event, const DrawRun& run) {
  const JournalEvent& ball = events[ball_event];
  std::vector<std::string> computed;
  for (const PassWinner& w : run.state().new_winners) {
    computed.push_back(WinnerText(SixDigits(w.card), std::string(AnnouncedTitle(w.pattern))));
  }
  std::size_t k = 0;
  for (std::size_t i = ball_event + 1; i < events.size() && events[i].kind == EventKind::Winner; ++i) {
    const JournalEvent& e = events[i];
    const std::string title = e.fields.Get("tipo");
    const bool same_ball = e.fields.Get("bola") == ball.fields.Get("bola");
    for (const AnnouncedCard& card : WinnersOf(e.fields)) {
      const std::string told = WinnerText(card.cartela, title);
      if (k >= computed.size() || computed[k] != told || !same_ball) {
        return Fail(Named(e) + " não decorre das pedras: a cartela " + told + " não completou com a pedra " +
                    ball.fields.Get("bola") + ".");
      }
      ++k;
    }
  }
  if (k < computed.size()) {
    return Fail("Falta a ganhadora " + computed[k] + " depois do " + Named(ball).substr(2) + ".");
  }
  return {};
}

}  // namespace

std::vector<JournalEvent> EventsOfDraw(const std::vector<JournalEvent>& events, std::int32_t draw) {
  std::vector<JournalEvent> mine;
  for (const JournalEvent& e : events) {
    if (e.draw == draw) mine.push_back(e);
  }
  return mine;
}

Result<std::string> VerifyDraw(session::Workspace& workspace, const std::vector<JournalEvent>& events,
                               std::int32_t draw) {
  if (auto broken = FirstBrokenSeal(events)) return Fail(*broken);
  const std::vector<JournalEvent> mine = EventsOfDraw(events, draw);
  if (mine.empty()) return Fail("A ata não tem o sorteio " + std::to_string(draw) + ".");

  // The options (title letters) and the validated cards, opened as they are:
  // no table of the folder is made again.
  if (!workspace.options.is_open()) {
    auto options = session::OpenOptions(workspace.folder);
    if (!options) return std::move(options).take_error();
    workspace.options = std::move(*options);
    if (auto status = session::ReloadCardOptions(workspace); !status) return std::move(status).take_error();
  }
  if (!workspace.validation.is_open()) {
    auto validation = session::OpenValidation(workspace.place());
    if (!validation) return std::move(validation).take_error();
    workspace.validation = std::move(*validation);
  }
  ScratchFolder scratch;
  if (scratch.path.empty()) return Fail("Não foi possível criar uma pasta temporária para conferir a ata.");
  auto standings = session::RebuildStandings(scratch.path);
  if (!standings) return std::move(standings).take_error();
  auto draw_type = session::RebuildDrawType(scratch.path, workspace.options);
  if (!draw_type) return std::move(draw_type).take_error();
  auto journal = session::OpenJournal({scratch.path, nullptr});
  if (!journal) return std::move(journal).take_error();
  const DrawTables tables{workspace.validation,      *standings,  *draw_type, *journal, workspace.bank,
                          workspace.issuer.Digits(), scratch.path};
  SilentDialogs dialogs;
  DrawRun run(tables, dialogs, [] { return std::make_unique<SeededRandomSource>(1); });
  run.WriteStandingsOnFlushOnly();
  const auto check = [&mine](std::size_t at, const DrawRun& replayed) -> Status {
    if (at == 0) {
      if (DigestOfCards(replayed.cards()) != mine[0].fields.Get("resumo")) {
        return Fail("As cartelas validadas não são as do sorteio " + std::to_string(mine[0].draw) + ": o resumo do " +
                    Named(mine[0]).substr(2) + " não confere.");
      }
      return {};
    }
    return CheckWinners(mine, at, replayed);
  };
  if (auto status = run.Replay(mine, workspace.card_options.letters, check); !status) {
    return std::move(status).take_error();
  }
  return "Ata íntegra: " + std::to_string(mine.size()) + " eventos, ganhadoras conferem.";
}

}  // namespace tavelao::draw
