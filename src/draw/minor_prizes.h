#pragma once
// Minor prizes: a number of distinct validated cards drawn at random, each
// listed with a prize number in "SorteioPM.cds" (the first card drawn gets
// the highest prize number).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "common/random_source.h"
#include "common/result.h"
#include "store/table.h"

namespace tavelao::draw {

inline constexpr const char* kMinorPrizeFile = "SorteioPM.cds";

struct MinorPrize {
  std::int32_t premio = 0;
  std::string numero;  // "7-d": card number without leading zeros, "-", check digit
};

struct MinorPrizeDraw {
  bool ran = false;                // false when the number of prizes was not a whole number
  std::vector<MinorPrize> prizes;  // ordered by Premio, as the grid lists them
};

// `DrawMinorPrizes`: recreates the prize table of `folder` (kept open in
// `prize_table` for the panel) and fills it, unless the text is not a whole
// number. More prizes than validated cards, or none, leave it empty.
Result<MinorPrizeDraw> DrawMinorPrizes(const std::filesystem::path& folder, store::Table& validation,
                                       std::string_view prizes_text, RandomSource& random, store::Table& prize_table);

// Writes the prizes drawn into the journal "Atas.cds" (open in `journal`) as
// one event of its last draw, "quantidade=3;1=000007-2;2=...", committed
// before they are shown. A result without prizes writes nothing.
Status JournalMinorPrizes(store::Table& journal, const Clock& clock, const MinorPrizeDraw& draw);

}  // namespace tavelao::draw
