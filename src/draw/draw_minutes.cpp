#include "draw/draw_minutes.h"

#include <cassert>
#include <string_view>

#include "common/text.h"
#include "draw/ball.h"
#include "draw/journal_fields.h"

namespace tavelao::draw {
namespace {

std::string DateOf(std::string_view when) { return std::string(when.substr(0, when.find(' '))); }

// The clock time of `when`; the whole stamp once the date is no longer the
// start's, so that a draw past midnight still reads in order.
std::string TimeOf(std::string_view when, std::string_view start_date) {
  const auto space = when.find(' ');
  if (space == std::string_view::npos || when.substr(0, space) != start_date) return std::string(when);
  return std::string(when.substr(space + 1));
}

std::string Counted(int n, std::string_view one, std::string_view many) {
  return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

// As the hall sees it ("00" is 100); an unreadable value as it was stored.
std::string BallText(const EventFields& fields) {
  const auto ball = fields.Int("bola");
  return ball && IsBall(*ball) ? BallLabel(*ball) : fields.Get("bola");
}

std::string BallsDrawn(const EventFields& fields) { return "pedras sorteadas: " + fields.Get("pedras"); }

// "CARTELA CHEIA, LINHA": the types as announced.
std::string TypesText(const EventFields& fields) {
  std::string types;
  for (char c : fields.Get("tipos")) {
    types += c;
    if (c == ',') types += ' ';
  }
  return types;
}

std::string WinningCard(const AnnouncedCard& card) {
  std::string text = "cartela " + card.cartela + "-" + card.digito;
  if (!card.lote.empty()) text += " (lote " + card.lote + ", seq. " + card.seq + ")";
  return text;
}

std::string ModeText(const std::string& mode) { return mode == "eletronico" ? "eletrônico" : mode; }

class MinutesBuilder {
 public:
  explicit MinutesBuilder(DrawMinutes& minutes) : minutes_(minutes) {}

  void Add(const JournalEvent& e) {
    const std::string time = TimeOf(e.when, minutes_.date);
    const EventFields& f = e.fields;
    switch (e.kind) {
      case EventKind::Started:
        opening_.push_back(
            {time, "Início do sorteio, modo " + ModeText(f.Get("modo")) + ", emissor " + f.Get("emissor") + "."});
        opening_.push_back(
            {"", "Cartelas de " + f.Get("cartelas") + " dezenas; tipos de sorteio: " + TypesText(f) + "."});
        opening_.push_back({"", "Cartelas validadas: " + ThousandsDots(f.Int("validadas").value_or(0)) + "."});
        opening_.push_back({"", "Resumo das cartelas validadas (SHA-256):"});
        opening_.push_back({"", f.Get("resumo")});
        return;
      case EventKind::Marked:
        ++marked_;
        balls_ = f.Int("pedras").value_or(balls_);
        progress_.push_back({time, f.Get("pedras") + "ª pedra: " + BallText(f)});
        return;
      case EventKind::Unmarked:
        balls_ = f.Int("pedras").value_or(balls_);
        progress_.push_back({time, "Pedra " + BallText(f) + " desmarcada; " + BallsDrawn(f) + "."});
        return;
      case EventKind::TypesChanged:
        progress_.push_back(
            {time, "Tipos de sorteio alterados: cartelas de " + f.Get("cartelas") + " dezenas; " + TypesText(f) + "."});
        return;
      case EventKind::Winner: {
        // The fields the cards share, read once: an event holds up to a
        // thousand cards.
        const std::string title = f.Get("tipo"), ball = BallText(f), drawn = BallsDrawn(f);
        for (const AnnouncedCard& card : WinnersOf(f)) {
          progress_.push_back(
              {time, "Ganhadora " + title + ": " + WinningCard(card) + " com a pedra " + ball + "; " + drawn + "."});
          winners_.push_back({time, title + ": " + WinningCard(card) + ", pedra " + ball + "."});
        }
        return;
      }
      case EventKind::Conferred: {
        // The verdict, in rows that hold one.
        std::string said = Counted(f.Int("marcadas").value_or(0), "dezena marcada", "dezenas marcadas");
        for (const char* field : {"veredito", "completou"}) {
          if (!f.Get(field).empty()) said += "; " + f.Get(field);
        }
        progress_.push_back({time, "Conferência da cartela " + f.Get("cartela") + ": " + said + "."});
        return;
      }
      case EventKind::MinorPrizes:
        // A long list goes on in further events, without the count.
        if (!f.Get("quantidade").empty()) {
          progress_.push_back({time, "Prêmios menores sorteados: " + f.Get("quantidade") + "."});
        }
        for (const auto& [prize, card] : f.items()) {
          if (ParseInt32(prize)) progress_.push_back({"", "Prêmio " + prize + ": cartela " + card + "."});
        }
        return;
      case EventKind::Ended:
      case EventKind::Interrupted:
        // A row of a word this program does not know is read so; it is
        // shown, not taken for the end.
        if (const std::string word = f.Get("evento"); !word.empty()) {
          progress_.push_back({time, "Evento desconhecido na ata: \"" + word + "\"."});
          return;
        }
        balls_ = f.Int("pedras").value_or(balls_);
        end_ = &e;
        return;
    }
  }

  void Finish(const JournalEvent& first, const JournalEvent& last) {
    if (marked_ == 0) progress_.push_back({"", "Nenhuma pedra sorteada."});
    if (winners_.empty()) winners_.push_back({"", "Nenhuma cartela ganhadora."});
    std::vector<MinutesLine> closing;
    const std::string balls = Counted(balls_, "pedra sorteada", "pedras sorteadas");
    if (!end_) {
      minutes_.ended = "em andamento";
      closing.push_back({"", "Sorteio em andamento: " + balls + " até " + TimeOf(last.when, minutes_.date) + "."});
    } else if (end_->kind == EventKind::Ended) {
      minutes_.ended = TimeOf(end_->when, minutes_.date);
      closing.push_back({minutes_.ended, "Sorteio encerrado com " + balls + "."});
    } else {
      minutes_.ended = "interrompido";
      closing.push_back({TimeOf(end_->when, minutes_.date), "Sorteio interrompido com " + balls + "."});
    }
    closing.push_back({"", "Eventos registrados: " + std::to_string(last.seq - first.seq + 1) + ", do nº " +
                               std::to_string(first.seq) + " ao nº " + std::to_string(last.seq) + "."});
    closing.push_back({"", "Selo do último evento (nº " + std::to_string(last.seq) + "):"});
    closing.push_back({"", last.seal});
    minutes_.seal = last.seal;
    minutes_.sections = {{"Abertura", std::move(opening_)},
                         {"Andamento do sorteio", std::move(progress_)},
                         {"Ganhadoras", std::move(winners_)},
                         {"Encerramento", std::move(closing)}};
  }

 private:
  DrawMinutes& minutes_;
  std::vector<MinutesLine> opening_, progress_, winners_;
  int marked_ = 0;
  int balls_ = 0;
  const JournalEvent* end_ = nullptr;
};

}  // namespace

DrawMinutes MinutesOfDraw(const std::vector<JournalEvent>& draw_events, std::string event_title) {
  assert(!draw_events.empty());
  DrawMinutes minutes;
  const JournalEvent& first = draw_events.front();
  minutes.draw = first.draw;
  minutes.title = "Ata do sorteio nº " + std::to_string(first.draw);
  minutes.event_title = std::move(event_title);
  minutes.date = DateOf(first.when);
  minutes.started = TimeOf(first.when, minutes.date);
  minutes.signatures = {"Responsável pelo sorteio", "Fiscal", "Testemunha"};
  MinutesBuilder builder(minutes);
  for (const JournalEvent& e : draw_events) builder.Add(e);
  builder.Finish(first, draw_events.back());
  return minutes;
}

}  // namespace tavelao::draw
