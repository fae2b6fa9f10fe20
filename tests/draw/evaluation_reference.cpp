#include "evaluation_reference.h"

#include <initializer_list>
#include <vector>

namespace tavelao::draw::testing {
namespace {

std::vector<int> Range(int a, int b) {
  std::vector<int> v;
  for (int k = a; k <= b; ++k) v.push_back(k);
  return v;
}
std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> v;
  for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

int Missing(const Balls& card, const std::vector<int>& cells, const std::array<bool, 101>& drawn) {
  int missing = 0;
  for (int k : cells) missing += drawn[card[k - 1]] ? 0 : 1;
  return missing;
}

}  // namespace

std::vector<std::vector<int>> ReferenceInstances(Pattern p) {
  switch (p) {
    case Pattern::Coluna:
      return {Range(1, 5), Range(6, 10), Range(11, 15), Range(16, 20), Range(21, 25)};
    case Pattern::Linha:
      return {{1, 6, 11, 16, 21}, {2, 7, 12, 17, 22}, {3, 8, 13, 18, 23}, {4, 9, 14, 19, 24}, {5, 10, 15, 20, 25}};
    case Pattern::Te:
      return {{1, 6, 11, 16, 21, 12, 13, 14, 15}};
    case Pattern::Janelao:
      return {Join({Range(1, 5), {6, 10, 11, 15, 16, 20}, Range(21, 25)})};
    case Pattern::Cruz:
      return {Join({{3, 8}, Range(11, 15), {18, 23}})};
    case Pattern::Xis:
      return {{1, 5, 7, 9, 13, 17, 19, 21, 25}};
    case Pattern::Janelinha:
      return {{7, 8, 9, 12, 14, 17, 18, 19}};
    case Pattern::Bin:
      return {Range(1, 15)};
    case Pattern::U:
      return {Join({Range(1, 5), {10, 15, 20}, Range(21, 25)})};
    case Pattern::Porta:
      return {Range(6, 20)};
    case Pattern::Ele:
      return {Join({Range(1, 5), {10, 15, 20, 25}})};
    case Pattern::Cantos:
      return {{1, 5, 21, 25}};
  }
  return {};
}

std::vector<int> ReferenceCardCells(CardSize size) {
  switch (size) {
    case CardSize::Fifteen:
      return {1, 2, 3, 6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23};
    case CardSize::Twenty:
      return Join({Range(1, 4), Range(6, 9), Range(11, 14), Range(16, 19), Range(21, 24)});
    case CardSize::Five:
      return {1, 7, 13, 19, 25};
    case CardSize::TwentyFive:
      return Range(1, 25);
  }
  return {};
}

CardFindings ReferenceFindings(const std::vector<Balls>& cards, const std::array<bool, 101>& drawn,
                               const EvaluationRequest& request) {
  CardFindings out;
  for (std::uint32_t i = 0; i < cards.size(); ++i) {
    if (request.test_card) {
      const int m = Missing(cards[i], ReferenceCardCells(request.size), drawn);
      if (m <= 5) ++out.counters.cartela[m];
      if (m <= StandingsLimit(request.size)) out.standings.push_back({i, static_cast<std::uint8_t>(m)});
      if (m == 0) out.completions.push_back({i, kWholeCard, 0});
    }
    if (request.size != CardSize::TwentyFive) continue;
    for (Pattern p : kPatterns) {
      if (!request.patterns[Index(p)]) continue;
      const auto instances = ReferenceInstances(p);
      for (std::size_t j = 0; j < instances.size(); ++j) {
        const int m = Missing(cards[i], instances[j], drawn);
        if (m <= 2) ++out.counters.patterns[Index(p)][m];
        if (m == 0) {
          out.completions.push_back({i, static_cast<std::int8_t>(Index(p)), static_cast<std::int8_t>(j)});
          out.won[Index(p)] = true;
        }
      }
    }
  }
  return out;
}

}  // namespace tavelao::draw::testing
