// Checks that the electronic draw is fair: simulates complete draws of all
// 100 balls with the generator the program uses (seeded afresh for every
// draw, as each electronic draw starts) and the ball choice of
// DrawRandomBall, then runs chi-square tests at 99% confidence on
//   1. which ball comes out first (100 classes, 99 degrees of freedom);
//   2. the ball × position table (100 × 100, both margins fixed by the draw
//      being a permutation, 99 × 99 degrees of freedom);
//   3. each ball's 100 positions (99 degrees of freedom each): at 99% about
//      one ball in a hundred fails by chance, so the count of failures is
//      held against the 99% bound of a binomial(100, 0.01).
//
//   draw_fairness [DRAWS]   (default 100000)

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "draw/random_ball.h"
#include "draw/seeded_random_source.h"

namespace {

using tavelao::draw::BallSet;
using tavelao::draw::ColumnFlags;

constexpr double kConfidence = 0.99;

// Regularized lower incomplete gamma P(a, x): series below a + 1, continued
// fraction above.
double LowerGamma(double a, double x) {
  if (x <= 0) return 0;
  const double log_front = a * std::log(x) - x - std::lgamma(a);
  if (x < a + 1) {
    double term = 1 / a, sum = term;
    for (int n = 1; n < 10000 && std::fabs(term) > std::fabs(sum) * 1e-15; ++n) {
      term *= x / (a + n);
      sum += term;
    }
    return sum * std::exp(log_front);
  }
  const double tiny = 1e-300;
  double b = x + 1 - a, c = 1 / tiny, d = 1 / b, h = d;
  for (int i = 1; i < 10000; ++i) {
    const double an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < tiny) d = tiny;
    c = b + an / c;
    if (std::fabs(c) < tiny) c = tiny;
    d = 1 / d;
    const double step = d * c;
    h *= step;
    if (std::fabs(step - 1) < 1e-15) break;
  }
  return 1 - std::exp(log_front) * h;
}

double ChiSquareCdf(double x, double dof) { return LowerGamma(dof / 2, x / 2); }

// The value that a chi-square variable stays below with probability p.
double ChiSquareQuantile(double p, double dof) {
  double low = 0, high = dof + 40 * std::sqrt(2 * dof) + 100;
  for (int i = 0; i < 200; ++i) {
    const double mid = (low + high) / 2;
    (ChiSquareCdf(mid, dof) < p ? low : high) = mid;
  }
  return (low + high) / 2;
}

// The smallest k with P(X <= k) >= p for X binomial(n, q).
int BinomialQuantile(double p, int n, double q) {
  double cumulative = 0;
  for (int k = 0; k <= n; ++k) {
    cumulative += std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) + k * std::log(q) +
                           (n - k) * std::log(1 - q));
    if (cumulative >= p) return k;
  }
  return n;
}

double ChiSquare(const std::vector<double>& observed, double expected) {
  double sum = 0;
  for (double o : observed) sum += (o - expected) * (o - expected) / expected;
  return sum;
}

bool Report(const char* name, double statistic, double dof) {
  const double critical = ChiSquareQuantile(kConfidence, dof);
  const double p_value = 1 - ChiSquareCdf(statistic, dof);
  const bool pass = statistic <= critical;
  std::printf("%s\n  qui-quadrado = %.3f  graus de liberdade = %.0f  valor crítico (99%%) = %.3f  p = %.4f  %s\n", name,
              statistic, dof, critical, p_value, pass ? "PASS" : "FAIL");
  return pass;
}

}  // namespace

int main(int argc, char** argv) {
  const long draws = argc > 1 ? std::atol(argv[1]) : 100'000;
  if (draws < 1000) {
    std::fprintf(stderr, "uso: draw_fairness [SORTEIOS]  (pelo menos 1000)\n");
    return 2;
  }
  const ColumnFlags all = {true, true, true, true, true};
  // table[ball][position]
  std::vector<std::array<long, 100>> table(101, std::array<long, 100>{});
  for (long d = 0; d < draws; ++d) {
    auto random = tavelao::draw::SeededRandomSource::FromClock();
    BallSet drawn;
    for (int position = 0; position < 100; ++position) {
      const auto ball = tavelao::draw::PickRandomBall(drawn, all, *random);
      if (!ball || drawn.Has(*ball)) {
        std::fprintf(stderr, "sorteio %ld: pedra repetida ou faltando na posição %d\n", d + 1, position + 1);
        return 1;
      }
      drawn.Add(*ball);
      ++table[*ball][position];
    }
  }
  const double expected = static_cast<double>(draws) / 100;
  std::printf("Sorteios eletrônicos simulados: %ld, 100 pedras cada, gerador semeado a cada sorteio\n", draws);
  std::printf("Frequência esperada por casa: %.1f\n\n", expected);

  std::vector<double> first;
  for (int b = 1; b <= 100; ++b) first.push_back(static_cast<double>(table[b][0]));
  bool pass = Report("1. Primeira pedra sorteada (100 pedras)", ChiSquare(first, expected), 99);

  std::vector<double> cells;
  for (int b = 1; b <= 100; ++b) {
    for (int p = 0; p < 100; ++p) cells.push_back(static_cast<double>(table[b][p]));
  }
  pass &= Report("2. Tabela pedra x posição (100 x 100)", ChiSquare(cells, expected), 99.0 * 99.0);

  const double critical = ChiSquareQuantile(kConfidence, 99);
  int failed = 0;
  double worst = 0;
  int worst_ball = 0;
  for (int b = 1; b <= 100; ++b) {
    std::vector<double> positions(table[b].begin(), table[b].end());
    const double statistic = ChiSquare(positions, expected);
    if (statistic > critical) ++failed;
    if (statistic > worst) worst = statistic, worst_ball = b;
  }
  const int allowed = BinomialQuantile(kConfidence, 100, 1 - kConfidence);
  const bool positions_pass = failed <= allowed;
  std::printf(
      "3. Posições de cada pedra (100 testes, 99 graus de liberdade, valor crítico %.3f)\n"
      "  pedras acima do valor crítico = %d  limite (binomial 100 x 1%%, 99%%) = %d  maior qui-quadrado = "
      "%.3f (pedra %d)  %s\n",
      critical, failed, allowed, worst, worst_ball, positions_pass ? "PASS" : "FAIL");
  pass &= positions_pass;
  std::printf("\nResultado: %s\n", pass ? "PASS" : "FAIL");
  return pass ? 0 : 1;
}
