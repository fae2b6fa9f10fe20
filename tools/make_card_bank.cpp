// Writes the delivered card bank: 10,000 lines of 50 digits, card n on line n.
// The output depends on nothing but this program, so the committed data file
// can always be made again and compared.
//
//   make_card_bank OUTPUT_FILE

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kCards = 10'000;
constexpr int kLow = 2'450;   // every number occurs within [kLow, kHigh] times,
constexpr int kHigh = 2'550;  // inside the band the bank promises

using Card = std::array<int, 25>;  // balls 1..100 in bank order N1..N25

// The five cards whose records are fixed by the system's documents.
const std::pair<int, const char*> kFixedRows[] = {
    {1, "15091402203736273023534450454876617371658183848987"},
    {2, "12070920103136352638494457505568738064779185889699"},
    {3, "19062005142439292328574360444280787371729899899293"},
    {9'999, "12030210112924263522494760425071657466649599929883"},
    {10'000, "08051419073032402925555152595374727880739200818596"},
};

// splitmix64: small, fast and identical on every platform.
struct Random {
  std::uint64_t state;
  std::uint64_t Next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, n) by rejection, so no value is favoured.
  int Below(int n) {
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % static_cast<std::uint64_t>(n);
    std::uint64_t x;
    do x = Next();
    while (x >= limit);
    return static_cast<int>(x % static_cast<std::uint64_t>(n));
  }
};

Card ParseRecord(const char* text) {
  Card card{};
  for (int k = 0; k < 25; ++k) {
    const int v = (text[2 * k] - '0') * 10 + (text[2 * k + 1] - '0');
    card[k] = v == 0 ? 100 : v;
  }
  return card;
}

void FillColumn(Card& card, int column, Random& random) {
  std::array<int, 20> pool{};
  for (int i = 0; i < 20; ++i) pool[i] = column * 20 + i + 1;
  for (int i = 0; i < 5; ++i) {
    const int j = i + random.Below(20 - i);
    std::swap(pool[i], pool[j]);
    card[column * 5 + i] = pool[i];
  }
}

bool HasBall(const Card& card, int column, int ball) {
  for (int i = 0; i < 5; ++i)
    if (card[column * 5 + i] == ball) return true;
  return false;
}

// Moves occurrences from the most frequent numbers of a column to the least
// frequent ones, keeping the position, until all lie within the band.
void Balance(std::vector<Card>& cards, const std::vector<bool>& fixed, Random& random) {
  std::array<int, 101> count{};
  for (const Card& c : cards)
    for (int b : c) ++count[b];
  for (int column = 0; column < 5; ++column) {
    for (;;) {
      int most = column * 20 + 1, least = most;
      for (int b = column * 20 + 1; b <= column * 20 + 20; ++b) {
        if (count[b] > count[most]) most = b;
        if (count[b] < count[least]) least = b;
      }
      if (count[most] <= kHigh && count[least] >= kLow && count[most] - count[least] <= 60) break;
      for (;;) {
        const int n = random.Below(kCards);
        if (fixed[n] || HasBall(cards[n], column, least)) continue;
        auto it = std::find(cards[n].begin() + column * 5, cards[n].begin() + column * 5 + 5, most);
        if (it == cards[n].begin() + column * 5 + 5) continue;
        *it = least;
        --count[most];
        ++count[least];
        break;
      }
    }
  }
}

using Key = std::pair<std::uint64_t, std::uint64_t>;
Key SetKey(const Card& card) {
  Key key{0, 0};
  for (int b : card) (b <= 64 ? key.first : key.second) |= std::uint64_t{1} << ((b - 1) % 64);
  return key;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "uso: make_card_bank ARQUIVO\n";
    return 2;
  }
  Random random{20'261'208};
  std::vector<Card> cards(kCards);
  std::vector<bool> fixed(kCards, false);
  for (const auto& [number, text] : kFixedRows) {
    cards[number - 1] = ParseRecord(text);
    fixed[number - 1] = true;
  }
  for (int n = 0; n < kCards; ++n) {
    if (fixed[n]) continue;
    for (int column = 0; column < 5; ++column) FillColumn(cards[n], column, random);
  }
  for (;;) {
    Balance(cards, fixed, random);
    std::set<Key> seen;
    bool repeated = false;
    for (int n = 0; n < kCards; ++n) {
      if (seen.insert(SetKey(cards[n])).second || fixed[n]) continue;
      for (int column = 0; column < 5; ++column) FillColumn(cards[n], column, random);
      repeated = true;
    }
    if (!repeated) break;
  }

  std::ofstream out(argv[1], std::ios::binary);
  for (const Card& card : cards) {
    std::string line;
    for (int b : card) {
      char two[4];
      std::snprintf(two, sizeof two, "%02d", b % 100);
      line += two;
    }
    out << line << '\n';
  }
  return out ? 0 : 1;
}
