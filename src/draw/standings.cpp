#include "draw/standings.h"

#include <algorithm>

#include "card/card_identity.h"
#include "common/text.h"
#include "session/data_files.h"

namespace tavelao::draw {
namespace {

// "000042-6  "
std::string Piece(std::string_view cartela) {
  return std::string(cartela) + "-" + card::CheckDigit(std::string(cartela)) + "  ";
}

std::string WonLine(const DrawCardEntry& entry) {
  std::string line = "      Bateu:" + Piece(entry.CardText());
  if (entry.HasBatch()) {
    line += " Lote:" + std::string(Trim(entry.BatchText())) + "   " + " Seq:" + std::string(Trim(entry.EntryText()));
  }
  return line;
}

// One run of entries missing the same count.
void AppendRun(const std::vector<const StandingsEntry*>& run, const DrawCards& cards, std::vector<std::string>& memo) {
  const int missing = run.front()->missing;
  if (missing == 0) {
    for (const StandingsEntry* s : run) memo.push_back(WonLine(cards.entry(s->card)));
    return;
  }
  constexpr std::size_t kListed = 15;
  const std::size_t n = run.size();
  std::string heading = " " + std::to_string(25 - missing) + "     " + (std::to_string(n) + "   ").substr(0, 3) + " ";
  if (n > kListed) {
    memo.push_back(heading);
    return;
  }
  const auto piece = [&](std::size_t i) { return Piece(cards.entry(run[i]->card).CardText()); };
  for (std::size_t i = 0; i < std::min<std::size_t>(n, 3); ++i) heading += piece(i);
  memo.push_back(heading);
  for (std::size_t first = 3; first < n; first += 3) {
    std::string line(12, ' ');
    for (std::size_t i = first; i < std::min(n, first + 3); ++i) line += piece(i);
    memo.push_back(line);
  }
}

store::Record RecordOf(store::Record record, const DrawCards& cards, const StandingsEntry& s) {
  record.Set("cartela", std::string(cards.entry(s.card).CardText()));
  record.Set("pedras", std::int32_t{s.missing});
  record.Set("decres", std::int32_t{12 - s.missing});
  return record;
}

}  // namespace

Status EmptyStandings(store::Table& table, const std::filesystem::path& folder) {
  table.Close();
  auto fresh = session::RebuildStandings(folder);
  if (!fresh) return std::move(fresh).take_error();
  table = std::move(*fresh);
  return {};
}

StandingsFile::StandingsFile(store::Table& table, std::filesystem::path folder)
    : table_(table), folder_(std::move(folder)) {}

Status StandingsFile::Empty() {
  rows_.clear();
  known_ = false;
  if (auto status = EmptyStandings(table_, folder_); !status) return status;
  known_ = true;
  return {};
}

Status StandingsFile::Write(const DrawCards& cards, const std::vector<StandingsEntry>& standings) {
  // Until the commit succeeds the table holds neither list for sure.
  const bool was_known = known_;
  known_ = false;
  store::Table::Transaction transaction(table_);
  std::unordered_map<std::uint32_t, Kept> rows;
  rows.reserve(standings.size());
  if (!was_known) {
    rows_.clear();
    if (auto status = table_.RemoveAll(); !status) return status;
  }
  const store::Record blank = table_.NewRecord();
  for (const StandingsEntry& s : standings) {
    auto kept = rows_.find(s.card);
    if (kept == rows_.end()) {
      auto id = table_.Insert(RecordOf(blank, cards, s));
      if (!id) return std::move(id).take_error();
      rows.emplace(s.card, Kept{*id, s.missing});
      continue;
    }
    if (kept->second.missing != s.missing) {
      if (auto status = table_.Update(kept->second.id, RecordOf(blank, cards, s)); !status) return status;
    }
    rows.emplace(s.card, Kept{kept->second.id, s.missing});
    rows_.erase(kept);
  }
  // What is left was in the last pass's standings and is not in this one's.
  for (const auto& [card, kept] : rows_) {
    if (auto status = table_.Remove(kept.id); !status) return status;
  }
  if (auto status = transaction.Commit(); !status) return status;
  rows_ = std::move(rows);
  known_ = true;
  return {};
}

void AppendStandingsList(const DrawCards& cards, const std::vector<StandingsEntry>& standings,
                         std::vector<std::string>& memo) {
  std::vector<const StandingsEntry*> ordered;
  ordered.reserve(standings.size());
  for (const StandingsEntry& s : standings) ordered.push_back(&s);
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const StandingsEntry* a, const StandingsEntry* b) { return a->missing > b->missing; });
  std::vector<const StandingsEntry*> run;
  for (const StandingsEntry* s : ordered) {
    if (!run.empty() && run.front()->missing != s->missing) {
      AppendRun(run, cards, memo);
      run.clear();
    }
    run.push_back(s);
  }
  if (!run.empty()) AppendRun(run, cards, memo);
}

}  // namespace tavelao::draw
