#pragma once
// The record of the night, "Atas.cds": one row per event of every draw (its
// start, each ball marked or unmarked, each change of the draw types, each
// winner announced, each card conferred, the minor prizes, its end), each
// with its sequence number, its time and a seal: the SHA-256 of the previous
// row's seal and its own content. A row altered, removed or inserted breaks
// the chain from there on. Events are committed, synced, before the screen
// shows what they did.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/result.h"
#include "store/table.h"

namespace tavelao::draw {

enum class EventKind { Started, Marked, Unmarked, TypesChanged, Winner, Conferred, MinorPrizes, Ended, Interrupted };

// The word stored in the Evento field: "inicio", "pedra", "desmarca", "tipos",
// "ganhadora", "conferencia", "premios", "fim", "interrompido".
std::string_view WordOf(EventKind kind);
std::optional<EventKind> KindOfWord(std::string_view word);

// What an event says, as "key=value" pairs in the order given. Values hold
// no ";" (one is replaced by ",").
class EventFields {
 public:
  EventFields() = default;
  EventFields(std::initializer_list<std::pair<std::string, std::string>> fields);
  EventFields& Add(std::string key, std::string value);
  // The value of `key`, empty when the event has none.
  std::string Get(std::string_view key) const;
  std::optional<int> Int(std::string_view key) const;
  const std::vector<std::pair<std::string, std::string>>& items() const { return items_; }

  // "bola=42;pedras=3", and back.
  std::string Text() const;
  static EventFields FromText(std::string_view text);

 private:
  std::vector<std::pair<std::string, std::string>> items_;
};

struct JournalEvent {
  std::int64_t seq = 0;   // 1, 2, ... over the whole journal
  std::int32_t draw = 0;  // the draw it belongs to, 1, 2, ...
  std::string when;       // "09/12/2026 21:30:05", local time
  EventKind kind = EventKind::Started;
  EventFields fields;
  std::string seal;  // 64 hexadecimal digits
};

// SHA-256 in 64 hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

// The seal of `event` after the row sealed `previous` (64 zeros for the
// first row).
std::string SealOf(std::string_view previous, const JournalEvent& event);
inline const std::string kFirstSeal(64, '0');

// The journal's rows in sequence order, as stored; a row whose Evento is not
// an event word is read with its word kept in the fields ("evento").
Result<std::vector<JournalEvent>> ReadJournal(store::Table& table);

class DrawJournal {
 public:
  // `table` is "Atas.cds", open; the clock stamps the events. The journal's
  // last row is read again at each commit, so that every DrawJournal over
  // the same table (the draw's, the minor prizes') goes on the one chain.
  DrawJournal(store::Table& table, const Clock& clock);

  // Events added wait for Commit, which writes them in one synced commit,
  // each sealed after the one before. A failed commit writes none of them
  // and keeps them for the next.
  void Add(EventKind kind, EventFields fields);
  Status Commit();
  bool has_pending() const { return !pending_.empty(); }
  // Drops what was added since the last commit.
  void Discard() { pending_.clear(); }

  // A new draw: its number is one more than the last in the journal; a
  // draw left without an end is first closed as interrupted.
  Status BeginDraw(EventFields started);
  // The draw events are added to; 0 before the first.
  std::int32_t draw() const { return draw_; }
  // Goes on with the journal's last draw (after a resume): events join it.
  Status ContinueLastDraw();

 private:
  struct Last {
    std::int64_t seq = 0;
    std::string seal = kFirstSeal;
    std::int32_t draw = 0;
    bool open = false;
  };
  Result<Last> ReadLast();

  store::Table& table_;
  const Clock& clock_;
  std::int32_t draw_ = 0;
  std::vector<JournalEvent> pending_;
  std::time_t stamped_at_ = 0;  // the second `when_` writes
  std::string when_;
};

// The draws of a journal: number, start and end times, balls left marked.
struct JournalDraw {
  std::int32_t draw = 0;
  std::string started;  // "09/12/2026 21:30:05"
  std::string ended;    // empty while open
  bool interrupted = false;
  int balls = 0;  // drawn at the end (or now)
  int winners = 0;
};
std::vector<JournalDraw> DrawsOf(const std::vector<JournalEvent>& events);

// The chain checked row by row: nullopt when every seal follows, else the
// message naming the first row that was altered, removed or inserted
// ("O evento 17 (pedra) foi alterado.").
std::optional<std::string> FirstBrokenSeal(const std::vector<JournalEvent>& events);

}  // namespace tavelao::draw
