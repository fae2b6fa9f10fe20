#pragma once
// Cards issued into a card file of a temporary folder and printed through a
// fixed layout, as the issue panel does.

#include <gtest/gtest.h>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "issue/card_file.h"
#include "issue/card_refresh.h"
#include "issue/issue_run.h"
#include "layouts/fixed_layouts.h"
#include "report/band_engine.h"
#include "report/record_source.h"
#include "support/temp_folder.h"

namespace tavelao::layouts {

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { bank.LoadBuiltIn(); }

  void Issue(int first, int quantity) {
    const auto range = issue::RangeToIssue(first, quantity);
    ASSERT_TRUE(range);
    ASSERT_TRUE(issue::WriteCardFile(card_file, dir.path(), bank, *range).ok());
  }

  report::Document Print(const report::Layout& layout) {
    auto document = report::BuildDocument(layout, report::TableRecords(card_file, {"", issue::kNumeroField}),
                                          issue::CardRefreshHook(password, issuer));
    EXPECT_TRUE(document.ok());
    return document.ok() ? std::move(*document) : report::Document{};
  }
  report::Document Print(int model, int first, int quantity) {
    Issue(first, quantity);
    auto layout = FixedLayoutForModel(model, options);
    EXPECT_TRUE(layout) << model;
    return layout ? Print(*layout) : report::Document{};
  }

  testing::TempFolder dir;
  card::CardBank bank;
  card::Password password;
  card::IssuerNumber issuer;
  store::Table card_file;
  LayoutOptions options;
};

inline constexpr int kFixedModels[] = {1, 2, 3, 6, 4, 12, 44, 15, 27, 26};

}  // namespace tavelao::layouts
