#pragma once
// Built-in cards validated straight into a folder's store, for the tests
// that run the draw's commands over it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "card/card_bank.h"
#include "session/data_files.h"
#include "store/table.h"

namespace tavelao::draw::testing {

// Cards 1..count of the built-in bank; card 1 in batch 7 as entry 3, then
// every third card in a batch, the others validated directly.
inline void ValidateCards(const std::filesystem::path& folder, int count = 2) {
  card::CardBank bank;
  bank.LoadBuiltIn();
  auto table = session::OpenValidation({folder, nullptr});
  ASSERT_TRUE(table) << table.error();
  store::Table::Transaction all(*table);
  for (int card = 1; card <= count; ++card) {
    store::Record r = table->NewRecord();
    r.Set("Numero", card);
    if (card == 1) r.Set("Lote", 7), r.Set("Lan", 3);
    if (card > 2 && card % 3 == 0) r.Set("Lote", card / 30 + 1), r.Set("Lan", card % 30 + 1);
    for (int k = 1; k <= 25; ++k) r.Set("N" + std::to_string(k), std::string(bank.CardNumber(card, k)));
    ASSERT_TRUE(table->Insert(r));
  }
  ASSERT_TRUE(all.Commit());
}

}  // namespace tavelao::draw::testing
