#pragma once
// The minutes of one draw ("Ata do sorteio") as plain data: the heading
// texts and sections of timed lines, in the order the printed minutes show
// them, made from the draw's journal events alone.

#include <cstdint>
#include <string>
#include <vector>

#include "draw/draw_journal.h"

namespace tavelao::draw {

struct MinutesLine {
  // "21:31:02" for the line of an event (with the date once the draw went
  // past midnight); empty for a line that goes on from the one above.
  std::string time;
  std::string text;
  friend bool operator==(const MinutesLine&, const MinutesLine&) = default;
};

struct MinutesSection {
  std::string heading;  // "Abertura", "Andamento do sorteio", "Ganhadoras", "Encerramento"
  std::vector<MinutesLine> lines;
};

struct DrawMinutes {
  std::int32_t draw = 0;
  std::string title;        // "Ata do sorteio nº 3"
  std::string event_title;  // the first prize text of the options
  std::string date;         // "09/12/2026", of the start
  std::string started;      // "21:30:05"
  std::string ended;        // "22:10:40", "interrompido" or "em andamento"
  std::vector<MinutesSection> sections;
  std::string seal;  // of the draw's last event: it seals everything before it
  // Captions under the signature lines.
  std::vector<std::string> signatures;
};

// `draw_events`: the events of one draw in journal order (EventsOfDraw of a
// draw DrawsOf lists), never empty.
DrawMinutes MinutesOfDraw(const std::vector<JournalEvent>& draw_events, std::string event_title);

}  // namespace tavelao::draw
