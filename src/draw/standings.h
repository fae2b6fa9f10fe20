#pragma once
// The draw standings "sorteadas.cds" (cartela, pedras, decres = 12 - pedras)
// and the standings list that `ListStandings` appends to `Memo1`.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/result.h"
#include "draw/draw_cards.h"
#include "draw/draw_evaluation.h"
#include "store/table.h"

namespace tavelao::draw {

// Deletes the file and creates the table afresh, open in `table`.
Status EmptyStandings(store::Table& table, const std::filesystem::path& folder);

// "sorteadas.cds" as the draw keeps it: after each pass it holds one record
// per standings entry (cartela, pedras, decres = 12 - pedras). It is a
// scratch table, so a pass writes only what changed since the one before,
// in one commit, instead of making the file again.
class StandingsFile {
 public:
  StandingsFile(store::Table& table, std::filesystem::path folder);

  // Deletes the file and creates the table afresh.
  Status Empty();
  // A new card list: what the table holds is no longer known by position.
  void Forget() { known_ = false; }
  // Makes the table hold exactly the pass's entries.
  Status Write(const DrawCards& cards, const std::vector<StandingsEntry>& standings);

 private:
  struct Kept {
    std::int64_t id;
    std::uint8_t missing;
  };
  store::Table& table_;
  std::filesystem::path folder_;
  bool known_ = false;                            // rows_ is what the table holds
  std::unordered_map<std::uint32_t, Kept> rows_;  // by position in the card list
};

// The standings list that `ListStandings` appends to `Memo1`, from the pass's
// entries taken as the table's index gives them (decres ascending, in the
// pass's order within a value). For each run of equal pedras a:
//   a = 0: "      Bateu:000042-6  " and, for a card of a batch,
//          " Lote:000007    Seq:001";
//   a > 0: " " + (25 - a) + "     " + count in three characters + " " and
//          the first three cards, then lines of twelve spaces with three cards
//          each up to the 15th card; only the heading beyond 15 cards.
void AppendStandingsList(const DrawCards& cards, const std::vector<StandingsEntry>& standings,
                         std::vector<std::string>& memo);

}  // namespace tavelao::draw
