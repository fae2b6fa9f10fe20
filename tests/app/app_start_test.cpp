#include "app/app_start.h"
#include "app/start_options.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

const Result<std::shared_ptr<store::ServerConnection>> kNoServer = std::shared_ptr<store::ServerConnection>();

TEST(AppStart, ARefusedIssuerSettingIsShownAndNothingStarts) {
  TempFolder dir;
  ScriptedDialogs dialogs;
  const Result<card::IssuerNumber> refused = Fail("O número do emissor deve ter 5 dígitos.");
  EXPECT_EQ(app::StartWorkspace(dir.path(), refused, kNoServer, dialogs), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, app::kStartFailureTitle);
  EXPECT_EQ(dialogs.last().text, "O número do emissor deve ter 5 dígitos.");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(AppStart, AnUnreadableOptionsTableStopsTheStartAndIsLeftAlone) {
  TempFolder dir;
  WriteBytes(dir / "premios.cds", "isto não é uma tabela");
  ScriptedDialogs dialogs;
  EXPECT_EQ(app::StartWorkspace(dir.path(), card::IssuerNumber(), kNoServer, dialogs), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, app::kStartFailureTitle);
  EXPECT_NE(dialogs.last().text.find("premios.cds"), std::string::npos) << dialogs.last().text;
  EXPECT_EQ(ReadBytes(dir / "premios.cds"), "isto não é uma tabela");
}

TEST(AppStart, WarningsAreShownAndTheStartGoesOn) {
  TempFolder dir;
  WriteBytes(dir / "dados.cds", "estragado");
  ScriptedDialogs dialogs;
  auto workspace = app::StartWorkspace(dir.path(), card::IssuerNumber(), kNoServer, dialogs);
  ASSERT_NE(workspace, nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, app::kStartWarningTitle);
  EXPECT_NE(dialogs.last().text.find("dados.cds"), std::string::npos) << dialogs.last().text;
  EXPECT_TRUE(workspace->options.is_open());
}

TEST(AppStart, ASharedStoreThatCannotBeReachedIsShownAndNothingStarts) {
  TempFolder dir;
  ScriptedDialogs dialogs;
  const Result<std::shared_ptr<store::ServerConnection>> unreachable =
      Fail("Não foi possível conectar ao servidor do banco 127.0.0.1:1/x: recusado.");
  EXPECT_EQ(app::StartWorkspace(dir.path(), card::IssuerNumber(), unreachable, dialogs), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, app::kStartFailureTitle);
  EXPECT_EQ(dialogs.last().text.rfind("Não foi possível conectar", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "not half-connected: no table was made";
}

TEST(StartOptions, TheMenuEntrysFolderAndTheFreeTextAreRead) {
  const std::filesystem::path home = "/home/organizador";
  auto menu = app::ParseStartOptions({"--pasta", "~/Tavelao"}, home);
  ASSERT_TRUE(menu) << menu.error();
  EXPECT_EQ(menu->folder, home / "Tavelao");
  EXPECT_FALSE(menu->help || menu->version);

  auto both = app::ParseStartOptions({"aviso.rtf", "--pasta=/srv/bingo"}, home);
  ASSERT_TRUE(both) << both.error();
  EXPECT_EQ(both->folder, std::filesystem::path("/srv/bingo"));
  EXPECT_EQ(both->editor_file, "aviso.rtf");

  auto plain = app::ParseStartOptions({}, home);
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->folder) << "without --pasta the program stays in the folder it was started in";
  EXPECT_TRUE(app::ParseStartOptions({"--help"}, home)->help);
  EXPECT_TRUE(app::ParseStartOptions({"--version"}, home)->version);
}

TEST(StartOptions, BadArgumentsAreRefusedWithAMessage) {
  const std::filesystem::path home = "/home/organizador";
  EXPECT_NE(app::ParseStartOptions({"--pastas", "x"}, home).error().find("Opção desconhecida: --pastas"),
            std::string::npos);
  EXPECT_NE(app::ParseStartOptions({"--pasta"}, home).error().find("--pasta precisa"), std::string::npos);
  EXPECT_NE(app::ParseStartOptions({"a.rtf", "b.rtf"}, home).error().find("b.rtf"), std::string::npos);
  EXPECT_NE(app::ParseStartOptions({"--pasta", "~/Tavelao"}, "").error().find("HOME"), std::string::npos);
}

TEST(StartOptions, TheDataFolderIsMadeWhenMissingAndWorkedIn) {
  TempFolder dir;
  const auto before = std::filesystem::current_path();
  ASSERT_TRUE(app::EnterDataFolder(dir / "noites/Tavelao"));
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir / "noites/Tavelao"));
  std::filesystem::current_path(before);

  WriteBytes(dir / "arquivo", "não é uma pasta");
  const auto refused = app::EnterDataFolder(dir / "arquivo");
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().find((dir / "arquivo").string()), std::string::npos) << refused.error();
  EXPECT_EQ(std::filesystem::current_path(), before);
  EXPECT_EQ(ReadBytes(dir / "arquivo"), "não é uma pasta");
}

}  // namespace
}  // namespace tavelao::testing
