#pragma once
// Minor prizes: a number of distinct validated cards drawn at random, each
// listed with a prize number in "SorteioPM.cds" (the first card drawn gets
// the highest prize number).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
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
  std::int32_t card = 0;
};

struct MinorPrizeDraw {
  bool ran = false;                // false when the number of prizes was not a whole number
  std::vector<MinorPrize> prizes;  // ordered by Premio, as the grid lists them
  std::int64_t eligible = 0;       // the validated cards it drew among
};

// The number of prizes typed, or nullopt when it is not a whole number (and
// nothing is drawn).
std::optional<std::int32_t> PrizeCount(std::string_view prizes_text);

// `DrawMinorPrizes`: recreates the prize table of `folder` (kept open in
// `prize_table` for the panel) and fills it, unless the text is not a whole
// number. The cards of `excluded` are left out of the draw; more prizes than
// the cards left, or none, leave the table empty.
Result<MinorPrizeDraw> DrawMinorPrizes(const std::filesystem::path& folder, store::Table& validation,
                                       std::string_view prizes_text, RandomSource& random, store::Table& prize_table,
                                       const std::set<std::int32_t>& excluded = {});

// The cards of the last result "SorteioPM.cds" of `folder` holds (the
// cards that already won a minor prize); none when there is no file.
Result<std::set<std::int32_t>> StoredPrizeCards(const std::filesystem::path& folder);

inline constexpr std::string_view kMinorPrizeTitle = "Prêmios menores";
inline constexpr std::string_view kDrawAgainQuestion = "Sortear de novo? O resultado anterior será substituído.";
inline constexpr std::string_view kPrizesDrawn = "Prêmios sorteados.";
// Why a draw gave no prize: the number is not between 1 and the cards left.
std::string NoPrizeMessage(const MinorPrizeDraw& draw);

// Writes the prizes drawn into the journal "Atas.cds" (open in `journal`) as
// one event of its last draw, "quantidade=3;1=000007-2;2=...", committed
// before they are shown. A result without prizes writes nothing.
Status JournalMinorPrizes(store::Table& journal, const Clock& clock, const MinorPrizeDraw& draw);

}  // namespace tavelao::draw
