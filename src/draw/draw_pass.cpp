#include "draw/draw_pass.h"

#include <algorithm>

#include "common/text.h"
#include "draw/near_wins.h"
#include "draw/standings.h"
#include "draw/standings_list.h"

namespace tavelao::draw {

std::optional<EvaluationRequest> PlanPass(const DrawChoice& choice, int drawn_count) {
  if (!choice.card_size) return std::nullopt;
  EvaluationRequest request;
  request.size = *choice.card_size;
  if (request.size != CardSize::TwentyFive) {
    if (drawn_count < CardThreshold(request.size)) return std::nullopt;
    return request;
  }
  if (drawn_count < kPatternPassThreshold && !choice.AnyPattern()) return std::nullopt;
  request.test_card = drawn_count >= CardThreshold(CardSize::TwentyFive);
  request.patterns = choice.patterns;
  return request;
}

std::string AnnouncementLine(const DrawCardEntry& entry, Pattern pattern) {
  std::string line = "CARTELA " + std::string(entry.CardText()) + std::string(Info(pattern).suffix);
  if (entry.HasBatch()) {
    line += " Lote:" + std::string(Trim(entry.BatchText())) + " Seq:" + std::string(Trim(entry.EntryText()));
  }
  return line;
}

Result<PassResult> EvaluateDraw(const PassInput& input, PassMemory memory, StandingsFile& standings,
                                WinnersSheet& sheet) {
  PassResult result;
  const auto request = PlanPass(input.choice, input.drawn_count);
  if (!request) return result;
  result.ran = true;

  memory.evaluation.Findings(*request, memory.findings);
  const CardFindings& findings = memory.findings;
  const DrawCards& cards = *input.cards;
  if (auto status = standings.Write(input.cards, findings.standings); !status) return std::move(status).take_error();

  for (const Completion& c : findings.completions) {
    const DrawCardEntry& entry = cards.entry(c.card);
    if (c.pattern == kWholeCard) {
      result.memo_colour = MemoColour::White;
    } else {
      result.memo.push_back(AnnouncementLine(entry, static_cast<Pattern>(c.pattern)));
    }
    AddWinnerToSheet(sheet, result.winner_count, entry);
    result.winners.push_back(
        {entry.CardNumber(), c.pattern == kWholeCard ? std::nullopt : std::optional(static_cast<Pattern>(c.pattern))});
  }
  for (Pattern p : kUntickOrder) {
    if (findings.won[Index(p)]) result.won.push_back(p);
  }

  ReportNearWins(findings.counters, result.memo);

  if (result.winner_count > 0) {
    sheet.visible_frames = std::min(result.winner_count, WinnersSheet::kFrames);
    result.show_sheet = input.choice.show_winners;
    result.show_mostra_button = !input.choice.show_winners;
    AppendStandingsList(input.cards, findings.standings, result.memo);
  }
  return result;
}

}  // namespace tavelao::draw
