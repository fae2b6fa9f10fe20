// OpenDrawTables over the two kinds of workspace: the program's, which keeps
// the draw tables open from start-up, and the command-line tool's, which
// keeps none open.

#include "draw/draw_tables.h"

#include <gtest/gtest.h>

#include "draw/ball.h"
#include "session/card_options.h"
#include "session/workspace.h"
#include "support/temp_folder.h"

namespace tavelao::draw {
namespace {

using tavelao::testing::TempFolder;

const TitleLetters kTavel = {"T", "A", "V", "E", "L"};

void AddStanding(store::Table& standings) {
  store::Record row = standings.NewRecord();
  row.Set("cartela", std::string("000042"));
  ASSERT_TRUE(standings.Insert(row));
}

std::int64_t Rows(store::Table& table) {
  auto n = table.Count();
  return n ? *n : -1;
}

std::unique_ptr<session::Workspace> ToolWorkspace(const std::filesystem::path& folder) {
  auto ws =
      session::PrepareForCommand(folder, card::IssuerNumber(), session::FolderLock::Acquire(folder).value(), nullptr);
  EXPECT_TRUE(ws) << ws.error();
  return ws ? std::move(*ws) : nullptr;
}

TEST(OpenDrawTables, OverTheProgramsWorkspaceTakesItsOpenTablesAsTheyAre) {
  TempFolder dir;
  auto ws = session::RunStartup(dir.path(), {});
  ASSERT_TRUE(ws) << ws.error();
  session::Workspace& w = **ws;
  // What the run changed since start-up: letters put in force, standings written.
  w.card_options.letters = kTavel;
  AddStanding(w.standings);

  auto tables = OpenDrawTables(w);
  ASSERT_TRUE(tables) << tables.error();
  EXPECT_EQ(&tables->validation, &w.validation);
  EXPECT_EQ(&tables->standings, &w.standings);
  EXPECT_EQ(&tables->draw_type, &w.draw_type);
  EXPECT_EQ(&tables->bank, &w.bank);
  EXPECT_EQ(tables->folder, dir.path());
  EXPECT_EQ(Rows(tables->standings), 1) << "an open scratch table is not made afresh";
  EXPECT_EQ(w.card_options.letters, kTavel) << "open options are not read again";
}

TEST(OpenDrawTables, OverTheToolsWorkspaceOpensEachTableAsStartUpDoesAndOnlyOnce) {
  TempFolder dir;
  {
    // A folder as an earlier run left it.
    auto ws = session::RunStartup(dir.path(), {});
    ASSERT_TRUE(ws) << ws.error();
    session::CardOptions saved = (*ws)->card_options;
    saved.letters = kTavel;
    ASSERT_TRUE(session::WriteCardOptions((*ws)->options, saved));
    store::Record card = (*ws)->validation.NewRecord();
    card.Set("Numero", 42);
    ASSERT_TRUE((*ws)->validation.Insert(card));
    AddStanding((*ws)->standings);
    session::CloseAtExit(**ws);
  }
  auto ws = ToolWorkspace(dir.path());
  ASSERT_TRUE(ws);
  ASSERT_FALSE(ws->validation.is_open());

  auto tables = OpenDrawTables(*ws);
  ASSERT_TRUE(tables) << tables.error();
  for (store::Table* t : {&ws->options, &ws->validation, &ws->standings, &ws->draw_type}) {
    EXPECT_TRUE(t->is_open()) << t->file_name();
  }
  EXPECT_EQ(&tables->validation, &ws->validation);
  EXPECT_EQ(&tables->draw_type, &ws->draw_type);
  EXPECT_EQ(Rows(tables->validation), 1);
  EXPECT_EQ(Rows(tables->standings), 0) << "the standings of the earlier run are gone, as after start-up";
  EXPECT_EQ(ws->card_options.letters, kTavel);
  auto record = tables->draw_type.RowAt({}, 1);
  ASSERT_TRUE(record && *record);
  EXPECT_EQ((*record)->record.Text("lb"), "T") << "the draw type carries the saved letters";

  // A second draw over the same workspace finds everything open.
  AddStanding(ws->standings);
  ASSERT_TRUE(OpenDrawTables(*ws));
  EXPECT_EQ(Rows(ws->standings), 1);
}

}  // namespace
}  // namespace tavelao::draw
