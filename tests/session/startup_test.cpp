#include <gtest/gtest.h>

#include <set>

#include "session/data_files.h"
#include "session/workspace.h"
#include "support/temp_folder.h"

namespace tavelao::session {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// The table files; the write-ahead logs SQLite keeps beside open tables
// ("-wal", "-shm"), the folder's lock and the backup folder are not counted.
std::set<std::string> FilesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".cds")) names.insert(name);
  }
  return names;
}

std::unique_ptr<Workspace> Start(const std::filesystem::path& folder) {
  auto ws = RunStartup(folder, {});
  EXPECT_TRUE(ws) << ws.error();
  return ws ? std::move(*ws) : nullptr;
}

void AddValidated(store::Table& validation, int card) {
  store::Record r = validation.NewRecord();
  r.Set("Numero", card);
  ASSERT_TRUE(validation.Insert(r));
}

TEST(Startup, EmptyFolderGetsItsTablesWithDefaultRows) {
  TempFolder dir;
  auto ws = Start(dir.path());
  ASSERT_TRUE(ws);
  EXPECT_EQ(FilesIn(dir.path()), (std::set<std::string>{"premios.cds", "dados.cds", "empresas.cds", "Validadas.cds",
                                                        "sorteadas.cds", "TiposSor.cds", "Atas.cds"}));
  EXPECT_TRUE(ws->warnings.empty());

  auto options = ws->options.Select();
  ASSERT_EQ(options->size(), 1u);
  const auto& o = (*options)[0].record;
  EXPECT_EQ(o.Text("Lb") + o.Text("Li") + o.Text("Ln") + o.Text("Lg") + o.Text("Lo"), "BINGO");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(o.Text("Premio" + std::to_string(i)), "");

  auto sponsors = store::Table::Open(dir / kSponsorsFile);
  ASSERT_TRUE(sponsors);
  auto rows = sponsors->Select({"", "Pedra"});
  ASSERT_EQ(rows->size(), 100u);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ((*rows)[i].record.Int("Pedra"), i);
    EXPECT_EQ((*rows)[i].record.Text("Nome1"), "");
  }
  auto event = store::Table::Open(dir / kEventFile);
  ASSERT_TRUE(event);
  auto event_rows = event->Select();
  ASSERT_EQ(event_rows->size(), 1u);
  EXPECT_EQ((*event_rows)[0].record.Text("Titulo"), "BINGO EMPRESARIAL");
  EXPECT_FALSE((*event_rows)[0].record.Float("Valor").has_value());

  EXPECT_EQ(*ws->validation.Count(), 0);
  AddValidated(ws->validation, 42);
  store::Record twice = ws->validation.NewRecord();
  twice.Set("Numero", 42);
  EXPECT_FALSE(ws->validation.Insert(twice)) << "the unique index is in place";

  auto draw_type = ws->draw_type.Select();
  ASSERT_EQ(draw_type->size(), 1u);
  EXPECT_EQ((*draw_type)[0].record.Text("lo"), "O");
  EXPECT_EQ((*draw_type)[0].record.Text("Ultima"), "");
  EXPECT_FALSE((*draw_type)[0].record.Bool("P1").has_value());
  EXPECT_TRUE(ws->bank.HasRecord(10000));
}

TEST(Startup, ValidatedCardsSurviveARestartStandingsDoNot) {
  TempFolder dir;
  {
    auto ws = Start(dir.path());
    ASSERT_TRUE(ws);
    AddValidated(ws->validation, 7);
    store::Record standing = ws->standings.NewRecord();
    standing.Set("cartela", std::string("000007"));
    ASSERT_TRUE(ws->standings.Insert(standing));
    CloseAtExit(*ws);
    EXPECT_FALSE(ws->validation.is_open());
  }
  auto ws = Start(dir.path());
  ASSERT_TRUE(ws);
  EXPECT_EQ(*ws->validation.Count("Numero=7"), 1);
  EXPECT_EQ(*ws->standings.Count(), 0);
}

TEST(Startup, ExistingFilesAreKeptAndTheDrawTypeTakesTheirLetters) {
  TempFolder dir;
  {
    auto ws = Start(dir.path());
    ASSERT_TRUE(ws);
    auto row = ws->options.RowAt({}, 1);
    store::Record r = (*row)->record;
    r.Set("Lb", std::string("T"));
    r.Set("Lo", std::string("A"));
    r.Set("premio1", std::string("Uma TV"));
    ASSERT_TRUE(ws->options.Update((*row)->id, r));
    CloseAtExit(*ws);
  }
  auto ws = Start(dir.path());
  ASSERT_TRUE(ws);
  auto options = ws->options.RowAt({}, 1);
  EXPECT_EQ((*options)->record.Text("premio1"), "Uma TV");
  auto draw_type = ws->draw_type.RowAt({}, 1);
  EXPECT_EQ((*draw_type)->record.Text("lb"), "T");
  EXPECT_EQ((*draw_type)->record.Text("lo"), "A");
  EXPECT_EQ((*draw_type)->record.Text("li"), "I");
}

TEST(Startup, UnreadableValidationStoreStopsItUntouched) {
  TempFolder dir;
  WriteBytes(dir / kValidationFile, std::string(3000, 'x'));
  const std::string before = ReadBytes(dir / kValidationFile);
  auto ws = RunStartup(dir.path(), {});
  ASSERT_FALSE(ws);
  EXPECT_NE(ws.error().find("\"Validadas.cds\""), std::string::npos) << ws.error();
  EXPECT_EQ(ReadBytes(dir / kValidationFile), before);
}

TEST(Startup, UnreadableOptionsStopItBeforeAnythingElseIsWritten) {
  TempFolder dir;
  WriteBytes(dir / kOptionsFile, "premios antigos");
  auto ws = RunStartup(dir.path(), {});
  ASSERT_FALSE(ws);
  EXPECT_NE(ws.error().find("\"premios.cds\""), std::string::npos);
  EXPECT_EQ(ReadBytes(dir / kOptionsFile), "premios antigos");
  EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"premios.cds"});
}

TEST(Startup, UnreadableEventDataOrComplementOnlyWarn) {
  TempFolder dir;
  WriteBytes(dir / kEventFile, "?");
  WriteBytes(dir / "compl110.cds", "??");
  auto ws = RunStartup(dir.path(), {});
  ASSERT_TRUE(ws) << ws.error();
  ASSERT_EQ((*ws)->warnings.size(), 2u);
  EXPECT_NE((*ws)->warnings[0].find("dados.cds"), std::string::npos);
  EXPECT_NE((*ws)->warnings[1].find("compl110.cds"), std::string::npos);
  EXPECT_EQ(ReadBytes(dir / kEventFile), "?");
  EXPECT_TRUE((*ws)->bank.HasRecord(1));
}

TEST(Startup, OptionsWithoutARowGetTheDefaultOne) {
  TempFolder dir;
  { ASSERT_TRUE(store::Table::CreateAfresh(dir / kOptionsFile, OptionsSchema())); }
  auto ws = Start(dir.path());
  ASSERT_TRUE(ws);
  EXPECT_EQ(*ws->options.Count(), 1);
  EXPECT_EQ((*ws->draw_type.RowAt({}, 1))->record.Text("lg"), "G");
}

TEST(Startup, DesktopShortcutIsCopiedOnceAndNeverOverwritten) {
  TempFolder dir, desktop;
  CopyDesktopShortcut(dir.path(), desktop.path());
  EXPECT_FALSE(std::filesystem::exists(desktop / "vortinel.lnk")) << "nothing to copy";
  WriteBytes(dir / "vortinel.lnk", "atalho novo");
  WriteBytes(desktop / "vortinel.lnk", "atalho do usuário");
  CopyDesktopShortcut(dir.path(), desktop.path());
  EXPECT_EQ(ReadBytes(desktop / "vortinel.lnk"), "atalho do usuário");
  std::filesystem::remove(desktop / "vortinel.lnk");
  auto ws = RunStartup(dir.path(), {card::IssuerNumber(), desktop.path()});
  ASSERT_TRUE(ws);
  EXPECT_EQ(ReadBytes(desktop / "vortinel.lnk"), "atalho novo");
  CopyDesktopShortcut(dir.path(), std::nullopt);  // no desktop folder: skipped silently
}

TEST(PrepareForCommand, CreatesMissingTablesButRebuildsNothing) {
  TempFolder dir;
  {
    auto ws = Start(dir.path());
    store::Record standing = ws->standings.NewRecord();
    standing.Set("cartela", std::string("000001"));
    ASSERT_TRUE(ws->standings.Insert(standing));
    CloseAtExit(*ws);
  }
  std::filesystem::remove(dir / kEventFile);
  auto ws = PrepareForCommand(dir.path(), card::IssuerNumber(), FolderLock::Acquire(dir.path()).value(), nullptr);
  ASSERT_TRUE(ws) << ws.error();
  EXPECT_TRUE(std::filesystem::exists(dir / kEventFile));
  auto standings = store::Table::Open(dir / kStandingsFile);
  EXPECT_EQ(*standings->Count(), 1) << "the command did not use the standings, so they stay";
}

}  // namespace
}  // namespace tavelao::session

namespace tavelao::session {
namespace {

TEST(Startup, ADanglingLinkWhereATableShouldBeStopsTheStartByName) {
  TempFolder dir;
  std::filesystem::create_symlink(dir / "pendrive" / "Validadas.cds", dir / kValidationFile);
  auto ws = RunStartup(dir.path(), {});
  ASSERT_FALSE(ws);
  EXPECT_NE(ws.error().find("\"Validadas.cds\""), std::string::npos) << ws.error();
  EXPECT_TRUE(std::filesystem::is_symlink(dir / kValidationFile)) << "never replaced by an empty table";
  EXPECT_FALSE(std::filesystem::exists(dir / "pendrive"));
}

TEST(Startup, AFirstStartKilledMidwayLeavesNoTableWithoutItsRows) {
  TempFolder dir;
  // What a kill leaves: a partial file under the temporary name only.
  WriteBytes(dir / (std::string(kOptionsFile) + ".parcial"), "SQLite format 3");
  auto ws = Start(dir.path());
  ASSERT_TRUE(ws);
  EXPECT_EQ(*ws->options.Count(), 1);
  EXPECT_FALSE(std::filesystem::exists(dir / (std::string(kOptionsFile) + ".parcial")));
}

}  // namespace
}  // namespace tavelao::session
