#pragma once
// A working directory with an empty validation store, the built-in card
// bank, and dialogs and sounds that the test scripts and reads.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "common/sounds.h"
#include "session/data_files.h"
#include "store/table.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "validation/entry_parser.h"
#include "validation/validation_store.h"

namespace tavelao::validation {

class RecordedSounds : public Sounds {
 public:
  void Play(const std::string& file_name) override { played.push_back(file_name); }
  std::vector<std::string> played;
};

// A card as the operator types it: number and check digit ("19").
inline std::string Typed(std::int32_t card) { return std::to_string(card) + card::CheckDigit(card); }

class ValidationFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    bank.LoadBuiltIn();
    auto opened = session::OpenValidation({dir.path(), nullptr});
    ASSERT_TRUE(opened) << opened.error();
    table = std::move(*opened);
    auto attached = ValidationStore::Attach(table, bank);
    ASSERT_TRUE(attached) << attached.error();
    store = std::move(*attached);
  }

  void SetPassword(const char* text) { password = *card::Password::FromText(text); }

  // The bar-code text printed on the card with the current password.
  std::string Scanned(std::int32_t card) const {
    return card::BarCodeText(card, card::CardAuthenticationCode(bank, card, password, issuer));
  }

  // What another program reading the file now finds in it.
  std::vector<std::int32_t> CardsOnDisk() {
    auto other = store::Table::Open(dir / session::kValidationFile);
    EXPECT_TRUE(other) << other.error();
    std::vector<std::int32_t> cards;
    if (!other) return cards;
    auto rows = other->Select({"", "Numero"});
    EXPECT_TRUE(rows);
    for (const auto& row : *rows) cards.push_back(row.record.Int("Numero").value_or(0));
    return cards;
  }

  testing::TempFolder dir;
  card::CardBank bank;
  card::Password password;
  card::IssuerNumber issuer;
  store::Table table;
  std::unique_ptr<ValidationStore> store;
  testing::ScriptedDialogs dialogs;
  RecordedSounds sounds;
  EntryKeys keys{bank, password, issuer};
};

}  // namespace tavelao::validation
