#pragma once
// The sponsor of each ball: up to three short name lines, from
// "empresas.cds" (Pedra 0 stands for ball 100, shown "00").

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"
#include "store/table.h"

namespace tavelao::business {

inline constexpr const char* kBusinessTitle = "Bingo Empresarial";
inline constexpr int kNameLength = 15;

struct SponsorNames {
  std::array<std::string, 3> lines;  // Nome1, Nome2, Nome3
};

// The hundred sponsors by Pedra 0..99; balls without a row have no names.
class Sponsors {
 public:
  static Result<Sponsors> Load(store::Table& sponsors);

  // The sponsor of the ball a card shows as `number` ("07", "00" = Pedra 0);
  // no names for a text that is not a ball.
  const SponsorNames& OfNumber(std::string_view number) const;
  const SponsorNames& OfPedra(int pedra) const;

 private:
  std::array<SponsorNames, 100> by_pedra_;
  SponsorNames none_;
};

// A sponsor name line as typed in the grid: refused when it holds ";",
// which would split the printing-house file's columns.
std::optional<std::string> SponsorNameProblem(std::string_view text);

// Posts name line `line` (1..3) of the sponsor of Pedra `pedra` (0..99), cut
// to 15 characters; a row missing for that Pedra is added. A name holding
// ";" is refused and nothing is stored.
Status StoreSponsorName(store::Table& sponsors, int pedra, int line, std::string_view text);

// The first sponsor name of the table that holds ";" (a file edited by hand),
// as a message naming its ball; nullopt when every name is fit for the
// printing-house file.
std::optional<std::string> SponsorTableProblem(const Sponsors& sponsors);

}  // namespace tavelao::business
