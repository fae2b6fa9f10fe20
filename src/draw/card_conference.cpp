#include "draw/card_conference.h"

#include "common/text.h"

namespace tavelao::draw {
namespace {

std::string Headline(const DrawCardEntry& entry) {
  std::string line = "VALIDADA";
  if (!entry.HasBatch()) return line;
  // Both are zero-padded in the entry; the hall reads them as plain numbers.
  if (const auto batch = ParseInt32(Trim(entry.BatchText()))) line += " — lote " + std::to_string(*batch);
  if (const auto seq = ParseInt32(Trim(entry.EntryText()))) line += ", seq. " + std::to_string(*seq);
  return line;
}

CellMask FigureCells(const Completion& c, CardSize size) {
  if (c.pattern == kWholeCard) return CardCells(size);
  return Info(static_cast<Pattern>(c.pattern)).instances[c.instance];
}

}  // namespace

ConferResult ConferCard(const card::CardBank& bank, const card::Password& password, const card::IssuerNumber& issuer,
                        const BallSet& drawn, std::string_view typed) {
  ConferResult result;
  const std::string_view text = Trim(typed);
  const auto card = ParseInt32(text);
  if (!card) return result;
  result.kind = ConferResult::Kind::kRefused;
  if (!card::CardBank::InRange(*card)) {
    result.message = "A cartela " + std::to_string(*card) + " não existe: o banco de cartelas vai de 1 a " +
                     std::to_string(card::kBankCapacity) + ".";
    return result;
  }
  if (bank.CardRecord(*card).size() < 50) {
    result.message = "A cartela " + std::to_string(*card) + " não está no banco de cartelas desta instalação.";
    return result;
  }
  result.kind = ConferResult::Kind::kShown;
  Conference& c = result.conference;
  c.card = *card;
  c.card_caption = "Cartela: " + std::string(text);
  c.authentication_line = card::AuthenticationLine(card::CardAuthenticationCode(bank, *card, password, issuer));
  for (int k = 1; k <= 25; ++k) {
    ConferenceCell& cell = c.cells[k - 1];
    cell.text = std::string(bank.CardNumber(*card, k));
    const auto ball = BallOfNumber(cell.text);
    cell.drawn = ball && drawn.Has(*ball);
  }
  return result;
}

std::optional<EvaluationRequest> FiguresInPlay(const DrawChoice& choice, const PatternFlags& awarded) {
  if (!choice.card_size) return std::nullopt;
  EvaluationRequest request;
  request.size = *choice.card_size;
  request.test_card = true;
  for (Pattern p : kPatterns) request.patterns[Index(p)] = choice.Ticked(p) || awarded[Index(p)];
  return request;
}

void JudgeConference(Conference& conference, const DrawCards& cards, const BallSet& drawn,
                     const std::optional<EvaluationRequest>& figures) {
  ConferenceVerdict& verdict = conference.verdict;
  verdict = {};
  const auto position = cards.Find(conference.card);
  verdict.validated = position.has_value();
  verdict.headline = position ? Headline(cards.entry(*position)) : std::string(kNotValidated);
  for (ConferenceCell& cell : conference.cells) cell.winning = false;
  if (!figures) return;

  std::string numbers;
  for (const ConferenceCell& cell : conference.cells) numbers += cell.text;
  const auto rows = RowsOfNumbers(numbers);
  if (!rows) return;
  // The card alone through the pass's own evaluation: the same figures,
  // the same rule of what completes them.
  const CardFindings findings = EvaluateCards({*rows}, drawn, *figures);
  CellMask winning = 0;
  std::optional<std::int8_t> last;
  for (const Completion& c : findings.completions) {
    winning |= FigureCells(c, figures->size);
    if (last == c.pattern) continue;  // two rows are one "LINHA"
    last = c.pattern;
    const std::optional<Pattern> pattern =
        c.pattern == kWholeCard ? std::nullopt : std::optional(static_cast<Pattern>(c.pattern));
    verdict.completed.push_back("COMPLETOU " + std::string(AnnouncedTitle(pattern)));
  }
  for (int k = 0; k < 25; ++k) conference.cells[k].winning = (winning >> k) & 1;
}

}  // namespace tavelao::draw
