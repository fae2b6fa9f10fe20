#pragma once
// Cards issued into the card file of a temporary folder and printed through
// a frame editor's layout, as "Procede a emissão" does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/frame_card_layout.h"
#include "layouts/layout_fixture.h"

namespace tavelao::editors {

class FrameEditorTest : public layouts::LayoutTest {
 protected:
  void SetUp() override {
    LayoutTest::SetUp();
    for (int j = 0; j < 9; ++j) card.prizes[j] = "Prêmio " + std::to_string(j + 1);
  }

  // The first page of a print of one card.
  report::Page PrintPage(const FrameEditorVariant& variant, const FrameEditorState& state) {
    Issue(42, 1);
    auto document = PrintFrameCards(variant, state, card, dir.path(), card_file, password, issuer);
    EXPECT_TRUE(document.ok()) << (document.ok() ? "" : document.error());
    if (!document.ok() || document->pages.empty()) return {};
    return document->pages.front();
  }

  static std::vector<std::string> Names(const report::Page& page) {
    std::vector<std::string> names;
    for (const auto& item : page.items) names.push_back(item.name);
    return names;
  }
  static bool Has(const report::Page& page, const std::string& name) { return page.Find(name, 0) != nullptr; }

  session::CardOptions card;
};

}  // namespace tavelao::editors
