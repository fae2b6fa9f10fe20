#pragma once
// A folder with the default sponsor and event tables, a card bank and card
// files issued as the issue run writes them.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "business/sponsors.h"
#include "card/card_bank.h"
#include "card/card_identity.h"
#include "issue/card_file.h"
#include "session/data_files.h"
#include "support/temp_folder.h"

namespace tavelao::business {

class BusinessFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    bank.LoadBuiltIn();
    for (auto ensure : {session::EnsureSponsors, session::EnsureEvent}) {
      auto made = ensure(dir.path());
      ASSERT_TRUE(made) << made.error();
    }
    auto sponsors = store::Table::Open(dir / session::kSponsorsFile);
    ASSERT_TRUE(sponsors) << sponsors.error();
    sponsors_table = std::move(*sponsors);
    auto event = store::Table::Open(dir / session::kEventFile);
    ASSERT_TRUE(event) << event.error();
    event_table = std::move(*event);
  }
  void Name(int pedra, std::string a, std::string b = {}, std::string c = {}) {
    for (int line = 1; line <= 3; ++line) {
      auto stored = StoreSponsorName(sponsors_table, pedra, line, line == 1 ? a : line == 2 ? b : c);
      ASSERT_TRUE(stored) << stored.error();
    }
  }
  // A card file holding `cards` in the order given, numbers from the bank,
  // as the issue run writes its rows.
  store::Table CardFile(std::initializer_list<int> cards) {
    auto t = store::Table::CreateAfresh(dir / issue::kCardFile, issue::CardFileSchema());
    EXPECT_TRUE(t) << t.error();
    for (int n : cards) {
      store::Record r = t->NewRecord();
      r.Set(issue::kNumeroField, n);
      r.Set(issue::kDigitoField, std::string("-") + card::CheckDigit(n));
      for (int k = 1; k <= 25; ++k) r.Set(issue::NumberField(k), std::string(bank.CardNumber(n, k)));
      EXPECT_TRUE(t->Insert(r));
    }
    return std::move(*t);
  }
  Sponsors Load() { return std::move(*Sponsors::Load(sponsors_table)); }

  testing::TempFolder dir;
  card::CardBank bank;
  store::Table sponsors_table;
  store::Table event_table;
};

}  // namespace tavelao::business
