#include "draw/standings.h"

#include <algorithm>

#include "card/card_identity.h"
#include "common/text.h"
#include "session/data_files.h"

namespace tavelao::draw {
namespace {

struct Standing {
  std::string cartela;
  int pedras = 0;
};

// "000042-6  "
std::string Piece(const std::string& cartela) { return cartela + "-" + card::CheckDigit(cartela) + "  "; }

std::string WonLine(const std::string& cartela, const DrawCards& cards) {
  std::string line = "      Bateu:" + Piece(cartela);
  const auto at = ParseInt32(cartela);
  const auto index = at ? cards.Find(*at) : std::nullopt;
  if (index && cards.entry(*index).HasBatch()) {
    const DrawCardEntry& entry = cards.entry(*index);
    line += " Lote:" + std::string(Trim(entry.BatchText())) + "   " + " Seq:" + std::string(Trim(entry.EntryText()));
  }
  return line;
}

void AppendRun(const std::vector<Standing>& run, const DrawCards& cards, std::vector<std::string>& memo) {
  const int missing = run.front().pedras;
  if (missing == 0) {
    for (const Standing& s : run) memo.push_back(WonLine(s.cartela, cards));
    return;
  }
  constexpr std::size_t kListed = 15;
  const std::size_t n = run.size();
  std::string heading = " " + std::to_string(25 - missing) + "     " + (std::to_string(n) + "   ").substr(0, 3) + " ";
  if (n > kListed) {
    memo.push_back(heading);
    return;
  }
  for (std::size_t i = 0; i < std::min<std::size_t>(n, 3); ++i) heading += Piece(run[i].cartela);
  memo.push_back(heading);
  for (std::size_t first = 3; first < n; first += 3) {
    std::string line(12, ' ');
    for (std::size_t i = first; i < std::min(n, first + 3); ++i) line += Piece(run[i].cartela);
    memo.push_back(line);
  }
}

}  // namespace

Status EmptyStandings(store::Table& table, const std::filesystem::path& folder) {
  table.Close();
  auto fresh = session::RebuildStandings(folder);
  if (!fresh) return std::move(fresh).take_error();
  table = std::move(*fresh);
  return {};
}

Status WriteStandings(store::Table& table, const DrawCards& cards, const std::vector<StandingsEntry>& standings) {
  if (standings.empty()) return {};
  store::Table::Transaction transaction(table);
  store::Record record = table.NewRecord();
  for (const StandingsEntry& s : standings) {
    record.Set("cartela", std::string(cards.entry(s.card).CardText()));
    record.Set("pedras", std::int32_t{s.missing});
    record.Set("decres", std::int32_t{12 - s.missing});
    if (auto id = table.Insert(record); !id) return std::move(id).take_error();
  }
  return transaction.Commit();
}

Status AppendStandingsList(store::Table& table, const DrawCards& cards, std::vector<std::string>& memo) {
  std::vector<Standing> rows;
  auto status = table.ForEach({"", "decres"}, [&rows](const store::Row& row) {
    rows.push_back({row.record.Text("cartela"), row.record.Int("pedras").value_or(0)});
    return true;
  });
  if (!status) return status;
  std::vector<Standing> run;
  for (Standing& row : rows) {
    if (!run.empty() && run.front().pedras != row.pedras) {
      AppendRun(run, cards, memo);
      run.clear();
    }
    run.push_back(std::move(row));
  }
  if (!run.empty()) AppendRun(run, cards, memo);
  return {};
}

}  // namespace tavelao::draw
