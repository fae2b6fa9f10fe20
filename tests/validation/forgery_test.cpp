// A forger holding a dozen genuine cards: under the default scheme he can
// work out enough of the key to make valid codes for other cards; under
// hmac the same cards tell him nothing.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "validation/entry_parser.h"
#include "validation/validation_messages.h"

namespace tavelao::validation {
namespace {

// What the forger reads on a genuine card.
struct GenuineCard {
  card::CardNumbers numbers;  // N1..N25
  std::string code;           // the printed authentication code
};

// What he assumes of each code digit: the check digit of D + N * P, for
// one number N of the card, one digit D and one character P, all unknown.
struct DigitRule {
  int number = 0;  // index into N1..N25
  int d = 0;
  int p = 0;
  int explained = 0;  // genuine cards this rule agrees with
};

int Value(const std::string& number) { return (number[0] - '0') * 10 + (number[1] - '0'); }

char Apply(const DigitRule& rule, const card::CardNumbers& numbers) {
  return card::CheckDigit(rule.d + static_cast<std::int64_t>(Value(numbers[rule.number])) * rule.p);
}

// For each of the five digits, the rule agreeing with the most genuine
// cards, trying every number of the card, every digit and every character
// a password may hold (Latin-1).
std::array<DigitRule, 5> Solve(const std::vector<GenuineCard>& genuine) {
  std::array<DigitRule, 5> best{};
  for (int digit = 0; digit < 5; ++digit) {
    for (int number = 0; number < 25; ++number) {
      for (int d = 0; d <= 9; ++d) {
        for (int p = 32; p <= 255; ++p) {
          DigitRule rule{number, d, p, 0};
          for (const GenuineCard& card : genuine) rule.explained += Apply(rule, card.numbers) == card.code[digit];
          if (rule.explained > best[digit].explained) best[digit] = rule;
        }
      }
    }
  }
  return best;
}

std::string Forge(const std::array<DigitRule, 5>& rules, const card::CardNumbers& numbers) {
  std::string code;
  for (const DigitRule& rule : rules) code += Apply(rule, numbers);
  return code;
}

class ForgeryTest : public ::testing::Test {
 protected:
  void SetUp() override { bank.LoadBuiltIn(); }

  // Twelve cards sold with the organiser's password and issuer, which the
  // forger does not know.
  std::vector<GenuineCard> GenuineCards(const card::IssuerNumber& issuer) const {
    std::vector<GenuineCard> cards;
    for (std::int32_t n = 101; n <= 112; ++n) {
      cards.push_back({bank.Numbers(n), card::CardAuthenticationCode(bank, n, password, issuer)});
    }
    return cards;
  }

  PartCheck Present(std::int32_t card, const std::string& code, const card::IssuerNumber& issuer) const {
    return CheckBarCode(card::BarCodeText(card, code), EntryKeys{bank, password, issuer});
  }

  card::CardBank bank;
  const card::Password password = *card::Password::FromText("K7Q2Z");
  const card::IssuerNumber padrao = *card::IssuerNumber::FromValue(48213);
  const card::IssuerNumber hmac = padrao.WithScheme(card::AuthenticationScheme::Hmac);
  const std::vector<std::int32_t> targets{777, 5000, 9999};
};

TEST_F(ForgeryTest, TwelveCardsBreakTheDefaultScheme) {
  const auto rules = Solve(GenuineCards(padrao));
  for (const DigitRule& rule : rules) EXPECT_EQ(rule.explained, 12);
  for (std::int32_t target : targets) {
    const std::string forged = Forge(rules, bank.Numbers(target));
    EXPECT_EQ(Present(target, forged, padrao).card, target) << "forged " << forged << " for card " << target;
    // The same forgery where the installation signs with hmac.
    const PartCheck refused = Present(target, forged, hmac);
    EXPECT_FALSE(refused.card) << target;
    EXPECT_EQ(refused.refusal.title, kForgedTitle);
  }
}

TEST_F(ForgeryTest, TwelveHmacCardsTeachNothing) {
  const auto rules = Solve(GenuineCards(hmac));
  // With 56,000 rules tried per digit, the best explains some cards by
  // chance, but no rule explains all twelve.
  for (const DigitRule& rule : rules) EXPECT_LT(rule.explained, 12);
  for (std::int32_t target : targets) {
    const std::string forged = Forge(rules, bank.Numbers(target));
    const PartCheck refused = Present(target, forged, hmac);
    EXPECT_FALSE(refused.card) << "forged " << forged << " for card " << target;
    EXPECT_EQ(refused.refusal.text, kForgedMessage);
    EXPECT_EQ(Present(target, card::CardAuthenticationCode(bank, target, password, hmac), hmac).card, target);
  }
}

}  // namespace
}  // namespace tavelao::validation
