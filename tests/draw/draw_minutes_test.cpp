// The minutes of a draw from hand-built journal events.

#include "draw/draw_minutes.h"

#include <gtest/gtest.h>

namespace tavelao::draw {

void PrintTo(const MinutesLine& line, std::ostream* out) {
  *out << "{\"" << line.time << "\", \"" << line.text << "\"}";
}

namespace {

using Lines = std::vector<MinutesLine>;

// Events of draw 3 from journal row 41 on, each with a seal of its own.
class Events {
 public:
  Events& Add(std::string when, EventKind kind, EventFields fields) {
    const std::int64_t seq = 41 + static_cast<std::int64_t>(events_.size());
    const std::string seal = std::string(62, 'c') + std::to_string(seq);
    const std::string stamp = when.find('/') == std::string::npos ? "09/12/2026 " + when : when;
    events_.push_back({seq, 3, stamp, kind, std::move(fields), seal});
    return *this;
  }
  Events& Start(std::string when = "21:30:05") {
    return Add(when, EventKind::Started,
               {{"cartelas", "25"},
                {"cheia", "1"},
                {"padroes", "Linha"},
                {"tipos", "CARTELA CHEIA,LINHA"},
                {"modo", "manual"},
                {"emissor", "1"},
                {"validadas", "1234"},
                {"resumo", std::string(64, 'a')}});
  }
  Events& Ball(std::string when, int ball, int drawn) {
    return Add(when, EventKind::Marked, {{"bola", std::to_string(ball)}, {"pedras", std::to_string(drawn)}});
  }
  Events& Winner(std::string when, std::string card, std::string digit, std::string batch, std::string entry,
                 std::string type, int ball, int drawn) {
    return Add(when, EventKind::Winner,
               {{"cartela", card},
                {"digito", digit},
                {"lote", batch},
                {"seq", entry},
                {"tipo", type},
                {"bola", std::to_string(ball)},
                {"pedras", std::to_string(drawn)}});
  }
  const std::vector<JournalEvent>& list() const { return events_; }

 private:
  std::vector<JournalEvent> events_;
};

const MinutesSection& Section(const DrawMinutes& minutes, const std::string& heading) {
  for (const MinutesSection& s : minutes.sections) {
    if (s.heading == heading) return s;
  }
  static const MinutesSection none{"<none>", {}};
  ADD_FAILURE() << "no section " << heading;
  return none;
}

TEST(DrawMinutes, AFinishedDrawInTheOrderItWasPlayed) {
  Events events;
  events.Start()
      .Ball("21:31:00", 42, 1)
      .Ball("21:31:30", 7, 2)
      .Add("21:31:45", EventKind::Unmarked, {{"bola", "7"}, {"pedras", "1"}})
      .Ball("21:32:00", 100, 2)
      .Winner("21:32:00", "000042", "6", "000007", "001", "LINHA", 100, 2)
      .Add("21:33:00", EventKind::TypesChanged, {{"cartelas", "25"}, {"tipos", "CARTELA CHEIA,CANTOS,XIS"}})
      .Ball("21:34:00", 15, 3)
      // Two cards completed with the same ball: one event names both.
      .Add("21:34:00", EventKind::Winner,
           {{"cartela", "000108"},
            {"digito", "3"},
            {"lote", ""},
            {"seq", ""},
            {"cartela", "000200"},
            {"digito", "5"},
            {"lote", "000002"},
            {"seq", "010"},
            {"tipo", "CARTELA CHEIA"},
            {"bola", "15"},
            {"pedras", "3"}})
      .Add("21:35:00", EventKind::Conferred,
           {{"cartela", "108"}, {"marcadas", "1"}, {"veredito", "VALIDADA"}, {"completou", "COMPLETOU CARTELA CHEIA"}})
      .Add("21:36:00", EventKind::MinorPrizes, {{"quantidade", "2"}, {"1", "000007-2"}, {"2", "000555-0"}})
      .Add("21:40:10", EventKind::Ended, {{"pedras", "3"}});
  const DrawMinutes minutes = MinutesOfDraw(events.list(), "BINGO DA PARÓQUIA");

  EXPECT_EQ(minutes.draw, 3);
  EXPECT_EQ(minutes.title, "Ata do sorteio nº 3");
  EXPECT_EQ(minutes.event_title, "BINGO DA PARÓQUIA");
  EXPECT_EQ(minutes.date, "09/12/2026");
  EXPECT_EQ(minutes.started, "21:30:05");
  EXPECT_EQ(minutes.ended, "21:40:10");
  ASSERT_EQ(minutes.sections.size(), 4u);
  EXPECT_EQ(Section(minutes, "Abertura").lines,
            (Lines{{"21:30:05", "Início do sorteio, modo manual, emissor 1."},
                   {"", "Cartelas de 25 dezenas; tipos de sorteio: CARTELA CHEIA, LINHA."},
                   {"", "Cartelas validadas: 1.234."},
                   {"", "Resumo das cartelas validadas (SHA-256):"},
                   {"", std::string(64, 'a')}}));
  EXPECT_EQ(Section(minutes, "Andamento do sorteio").lines,
            (Lines{{"21:31:00", "1ª pedra: 42"},
                   {"21:31:30", "2ª pedra: 07"},
                   {"21:31:45", "Pedra 07 desmarcada; pedras sorteadas: 1."},
                   {"21:32:00", "2ª pedra: 00"},
                   {"21:32:00",
                    "Ganhadora LINHA: cartela 000042-6 (lote 000007, seq. 001) com a pedra 00; pedras sorteadas: 2."},
                   {"21:33:00", "Tipos de sorteio alterados: cartelas de 25 dezenas; CARTELA CHEIA, CANTOS, XIS."},
                   {"21:34:00", "3ª pedra: 15"},
                   {"21:34:00", "Ganhadora CARTELA CHEIA: cartela 000108-3 com a pedra 15; pedras sorteadas: 3."},
                   {"21:34:00",
                    "Ganhadora CARTELA CHEIA: cartela 000200-5 (lote 000002, seq. 010) com a pedra 15; pedras "
                    "sorteadas: 3."},
                   {"21:35:00", "Conferência da cartela 108: 1 dezena marcada; VALIDADA; COMPLETOU CARTELA CHEIA."},
                   {"21:36:00", "Prêmios menores sorteados: 2."},
                   {"", "Prêmio 1: cartela 000007-2."},
                   {"", "Prêmio 2: cartela 000555-0."}}));
  EXPECT_EQ(Section(minutes, "Ganhadoras").lines,
            (Lines{{"21:32:00", "LINHA: cartela 000042-6 (lote 000007, seq. 001), pedra 00."},
                   {"21:34:00", "CARTELA CHEIA: cartela 000108-3, pedra 15."},
                   {"21:34:00", "CARTELA CHEIA: cartela 000200-5 (lote 000002, seq. 010), pedra 15."}}));
  const std::string last_seal = events.list().back().seal;
  EXPECT_EQ(Section(minutes, "Encerramento").lines, (Lines{{"21:40:10", "Sorteio encerrado com 3 pedras sorteadas."},
                                                           {"", "Eventos registrados: 12, do nº 41 ao nº 52."},
                                                           {"", "Selo do último evento (nº 52):"},
                                                           {"", last_seal}}));
  EXPECT_EQ(minutes.seal, last_seal);
  EXPECT_EQ(minutes.signatures, (std::vector<std::string>{"Responsável pelo sorteio", "Fiscal", "Testemunha"}));
}

TEST(DrawMinutes, AnInterruptedOrOpenDrawSaysSoAndSealsWithItsLatestEvent) {
  Events interrupted;
  // The interruption BeginDraw writes for a draw left open says no count.
  interrupted.Start().Ball("21:31:00", 5, 1).Add("22:05:00", EventKind::Interrupted, {});
  const DrawMinutes stopped = MinutesOfDraw(interrupted.list(), "");
  EXPECT_EQ(stopped.ended, "interrompido");
  EXPECT_EQ(Section(stopped, "Encerramento").lines.front(),
            (MinutesLine{"22:05:00", "Sorteio interrompido com 1 pedra sorteada."}));
  EXPECT_EQ(stopped.seal, interrupted.list().back().seal);

  Events open;
  open.Start().Ball("21:31:00", 5, 1).Ball("21:32:00", 6, 2);
  const DrawMinutes going = MinutesOfDraw(open.list(), "");
  EXPECT_EQ(going.ended, "em andamento");
  EXPECT_EQ(Section(going, "Encerramento").lines.front(),
            (MinutesLine{"", "Sorteio em andamento: 2 pedras sorteadas até 21:32:00."}));
  EXPECT_EQ(Section(going, "Encerramento").lines.back().text, open.list().back().seal);
  EXPECT_EQ(Section(going, "Ganhadoras").lines, (Lines{{"", "Nenhuma cartela ganhadora."}}));
}

TEST(DrawMinutes, NoBallsAnUnknownRowAndADrawPastMidnight) {
  Events events;
  events.Start("09/12/2026 23:59:00")
      .Add("10/12/2026 00:01:00", EventKind::Interrupted, {{"evento", "apagado"}})
      .Add("10/12/2026 00:02:30", EventKind::Ended, {{"pedras", "0"}});
  const DrawMinutes minutes = MinutesOfDraw(events.list(), "");
  EXPECT_EQ(minutes.started, "23:59:00");
  EXPECT_EQ(minutes.ended, "10/12/2026 00:02:30") << "the end on another day shows that day";
  EXPECT_EQ(
      Section(minutes, "Andamento do sorteio").lines,
      (Lines{{"10/12/2026 00:01:00", "Evento desconhecido na ata: \"apagado\"."}, {"", "Nenhuma pedra sorteada."}}))
      << "an unknown row is shown, not taken for the end";
  EXPECT_EQ(Section(minutes, "Encerramento").lines.front().text, "Sorteio encerrado com 0 pedras sorteadas.");
}

}  // namespace
}  // namespace tavelao::draw
