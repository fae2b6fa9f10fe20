#include "draw/draw_journal.h"

#include <openssl/evp.h>

#include <array>
#include <cstdio>
#include <ctime>

#include "common/text.h"

namespace tavelao::draw {
namespace {

constexpr std::array<std::pair<EventKind, std::string_view>, 9> kWords = {{
    {EventKind::Started, "inicio"},
    {EventKind::Marked, "pedra"},
    {EventKind::Unmarked, "desmarca"},
    {EventKind::TypesChanged, "tipos"},
    {EventKind::Winner, "ganhadora"},
    {EventKind::Conferred, "conferencia"},
    {EventKind::MinorPrizes, "premios"},
    {EventKind::Ended, "fim"},
    {EventKind::Interrupted, "interrompido"},
}};

std::string LocalTime(std::chrono::system_clock::time_point at) {
  const std::time_t t = std::chrono::system_clock::to_time_t(at);
  std::tm local{};
  localtime_r(&t, &local);
  char text[20];
  std::strftime(text, sizeof text, "%d/%m/%Y %H:%M:%S", &local);
  return text;
}

std::string Hex(const unsigned char* bytes, unsigned length) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned i = 0; i < length; ++i) {
    hex += kDigits[bytes[i] >> 4];
    hex += kDigits[bytes[i] & 15];
  }
  return hex;
}

// What a row's seal covers, field by field, one per line.
// What a seal covers: the previous seal, then the row's fields.
std::string SealedText(std::string_view previous, const JournalEvent& e, std::string_view fields_text) {
  std::string text;
  text.reserve(previous.size() + e.when.size() + fields_text.size() + 48);
  text += previous;
  const std::string seq = std::to_string(e.seq);
  const std::string draw = std::to_string(e.draw);
  for (const std::string_view part :
       {std::string_view(seq), std::string_view(draw), std::string_view(e.when), WordOf(e.kind), fields_text}) {
    (text += '\n') += part;
  }
  return text;
}

}  // namespace

std::string_view WordOf(EventKind kind) {
  for (const auto& [k, word] : kWords) {
    if (k == kind) return word;
  }
  return {};
}

std::optional<EventKind> KindOfWord(std::string_view word) {
  for (const auto& [k, w] : kWords) {
    if (w == word) return k;
  }
  return std::nullopt;
}

EventFields::EventFields(std::initializer_list<std::pair<std::string, std::string>> fields) {
  for (const auto& [key, value] : fields) Add(key, value);
}

EventFields& EventFields::Add(std::string key, std::string value) {
  for (char& c : value) {
    if (c == ';') c = ',';
  }
  items_.emplace_back(std::move(key), std::move(value));
  return *this;
}

std::string EventFields::Get(std::string_view key) const {
  for (const auto& [k, v] : items_) {
    if (k == key) return v;
  }
  return {};
}

std::optional<int> EventFields::Int(std::string_view key) const { return ParseInt32(Get(key)); }

std::string EventFields::Text() const {
  std::size_t size = 0;
  for (const auto& [key, value] : items_) size += key.size() + value.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& [key, value] : items_) {
    if (!text.empty()) text += ';';
    ((text += key) += '=') += value;
  }
  return text;
}

EventFields EventFields::FromText(std::string_view text) {
  EventFields fields;
  while (!text.empty()) {
    const auto cut = text.find(';');
    const std::string_view item = text.substr(0, cut);
    const auto equals = item.find('=');
    fields.items_.emplace_back(std::string(item.substr(0, equals)),
                               equals == std::string_view::npos ? std::string() : std::string(item.substr(equals + 1)));
    text = cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
  }
  return fields;
}

std::string Sha256Hex(std::string_view bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned length = 0;
  // Fetched once: an implicit fetch at every row costs more than the digest.
  static EVP_MD* const sha256 = EVP_MD_fetch(nullptr, "SHA256", nullptr);
  if (!sha256 || !EVP_Digest(bytes.data(), bytes.size(), digest, &length, sha256, nullptr)) return {};
  return Hex(digest, length);
}

std::string SealOf(std::string_view previous, const JournalEvent& event) {
  return Sha256Hex(SealedText(previous, event, event.fields.Text()));
}

Result<std::vector<JournalEvent>> ReadJournal(store::Table& table) {
  std::vector<JournalEvent> events;
  auto status = table.ForEach({"", "Seq", {}}, [&events](const store::Row& row) {
    JournalEvent e;
    e.seq = row.record.Int("Seq").value_or(0);
    e.draw = row.record.Int("Sorteio").value_or(0);
    e.when = row.record.Text("Quando");
    const std::string word = row.record.Text("Evento");
    e.fields = EventFields::FromText(row.record.Text("Dados"));
    if (const auto kind = KindOfWord(word)) {
      e.kind = *kind;
    } else {
      e.kind = EventKind::Interrupted;  // never sealed so: the chain names it
      e.fields.Add("evento", word);
    }
    e.seal = row.record.Text("Selo");
    events.push_back(std::move(e));
    return true;
  });
  if (!status) return std::move(status).take_error();
  return events;
}

DrawJournal::DrawJournal(store::Table& table, const Clock& clock) : table_(table), clock_(clock) {}

Result<DrawJournal::Last> DrawJournal::ReadLast() {
  Last last;
  auto seq = table_.MaxInt("Seq");
  if (!seq) return std::move(seq).take_error();
  if (!*seq) return last;
  auto row = table_.Locate("Seq", store::Value{**seq});
  if (!row) return std::move(row).take_error();
  if (!*row) return last;
  const store::Record& r = (*row)->record;
  last.seq = **seq;
  last.seal = r.Text("Selo");
  last.draw = r.Int("Sorteio").value_or(0);
  const auto kind = KindOfWord(r.Text("Evento"));
  last.open = kind != EventKind::Ended && kind != EventKind::Interrupted;
  return last;
}

void DrawJournal::Add(EventKind kind, EventFields fields) {
  // The events of one ball share their second.
  const std::time_t now = std::chrono::system_clock::to_time_t(clock_.Now());
  if (now != stamped_at_ || when_.empty()) {
    stamped_at_ = now;
    when_ = LocalTime(clock_.Now());
  }
  JournalEvent e;
  e.draw = draw_;
  e.when = when_;
  e.kind = kind;
  e.fields = std::move(fields);
  pending_.push_back(std::move(e));
}

Status DrawJournal::Commit() {
  if (pending_.empty()) return {};
  store::Table::Transaction transaction(table_);
  auto last = ReadLast();
  if (!last) return std::move(last).take_error();
  // Seq and Selo are given to the pending events only once they are stored.
  std::vector<std::string> seals;
  seals.reserve(pending_.size());
  store::Record record = table_.NewRecord();
  const auto at = [&](const char* field) { return *store::FindField(record.schema(), field); };
  const std::size_t seq_at = at("Seq"), draw_at = at("Sorteio"), when_at = at("Quando"), kind_at = at("Evento"),
                    fields_at = at("Dados"), seal_at = at("Selo");
  std::int64_t seq = last->seq;
  const std::string* previous = &last->seal;
  for (JournalEvent& e : pending_) {
    e.seq = ++seq;
    std::string fields = e.fields.Text();
    // A row cut to its field would no longer match its seal.
    const int room = record.schema()[fields_at].size;
    if (room > 0 && fields.size() > static_cast<std::size_t>(room) &&
        store::CutToSize(fields, room).size() < fields.size()) {
      return Fail("O evento " + std::string(WordOf(e.kind)) + " não cabe na ata: " + std::to_string(fields.size()) +
                  " caracteres.");
    }
    seals.push_back(Sha256Hex(SealedText(*previous, e, fields)));
    previous = &seals.back();
    record.SetAt(seq_at, static_cast<std::int32_t>(e.seq));
    record.SetAt(draw_at, e.draw);
    record.SetAt(when_at, e.when);
    record.SetAt(kind_at, std::string(WordOf(e.kind)));
    record.SetAt(fields_at, std::move(fields));
    record.SetAt(seal_at, seals.back());
    if (auto id = table_.Insert(record); !id) return std::move(id).take_error();
  }
  if (auto status = transaction.Commit(); !status) return status;
  pending_.clear();
  return {};
}

Status DrawJournal::BeginDraw(EventFields started) {
  auto last = ReadLast();
  if (!last) return std::move(last).take_error();
  if (last->open) {
    draw_ = last->draw;
    Add(EventKind::Interrupted, {});
  }
  draw_ = last->draw + 1;
  Add(EventKind::Started, std::move(started));
  return Commit();
}

Status DrawJournal::ContinueLastDraw() {
  auto last = ReadLast();
  if (!last) return std::move(last).take_error();
  draw_ = last->draw;
  return {};
}

std::vector<JournalDraw> DrawsOf(const std::vector<JournalEvent>& events) {
  std::vector<JournalDraw> draws;
  for (const JournalEvent& e : events) {
    if (e.kind == EventKind::Started) draws.push_back({e.draw, e.when, {}, false, 0, 0});
    if (draws.empty() || draws.back().draw != e.draw) continue;
    JournalDraw& d = draws.back();
    switch (e.kind) {
      case EventKind::Marked:
      case EventKind::Unmarked:
        d.balls = e.fields.Int("pedras").value_or(d.balls);
        break;
      case EventKind::Winner:
        // One event names every card that won with its ball.
        for (const auto& item : e.fields.items()) d.winners += item.first == "cartela";
        break;
      case EventKind::Ended:
      case EventKind::Interrupted:
        d.ended = e.when;
        d.interrupted = e.kind == EventKind::Interrupted;
        break;
      default:
        break;
    }
  }
  return draws;
}

std::optional<std::string> FirstBrokenSeal(const std::vector<JournalEvent>& events) {
  std::string previous = kFirstSeal;
  std::int64_t expected = 1;
  for (const JournalEvent& e : events) {
    const std::string name = "O evento " + std::to_string(expected) + " (" + std::string(WordOf(e.kind)) + ")";
    if (e.seq > expected) {
      return "Falta" + std::string(e.seq == expected + 1 ? " o evento " : " desde o evento ") +
             std::to_string(expected) + ": a ata foi cortada.";
    }
    if (e.seq < expected) return "O evento " + std::to_string(e.seq) + " está repetido ou fora de ordem.";
    if (SealOf(previous, e) != e.seal) return name + " foi alterado.";
    previous = e.seal;
    ++expected;
  }
  return std::nullopt;
}

}  // namespace tavelao::draw
