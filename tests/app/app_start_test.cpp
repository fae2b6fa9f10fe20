#include "app/app_start.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

TEST(AppStart, ARefusedIssuerSettingIsShownAndNothingStarts) {
  TempFolder dir;
  ScriptedDialogs dialogs;
  const Result<card::IssuerNumber> refused = Fail("O número do emissor deve ter 5 dígitos.");
  EXPECT_EQ(app::StartWorkspace(dir.path(), refused, dialogs), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, app::kStartFailureTitle);
  EXPECT_EQ(dialogs.last().text, "O número do emissor deve ter 5 dígitos.");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(AppStart, AnUnreadableOptionsTableStopsTheStartAndIsLeftAlone) {
  TempFolder dir;
  WriteBytes(dir / "premios.cds", "isto não é uma tabela");
  ScriptedDialogs dialogs;
  EXPECT_EQ(app::StartWorkspace(dir.path(), card::IssuerNumber(), dialogs), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, app::kStartFailureTitle);
  EXPECT_NE(dialogs.last().text.find("premios.cds"), std::string::npos) << dialogs.last().text;
  EXPECT_EQ(ReadBytes(dir / "premios.cds"), "isto não é uma tabela");
}

TEST(AppStart, WarningsAreShownAndTheStartGoesOn) {
  TempFolder dir;
  WriteBytes(dir / "dados.cds", "estragado");
  ScriptedDialogs dialogs;
  auto workspace = app::StartWorkspace(dir.path(), card::IssuerNumber(), dialogs);
  ASSERT_NE(workspace, nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, app::kStartWarningTitle);
  EXPECT_NE(dialogs.last().text.find("dados.cds"), std::string::npos) << dialogs.last().text;
  EXPECT_TRUE(workspace->options.is_open());
}

}  // namespace
}  // namespace tavelao::testing
