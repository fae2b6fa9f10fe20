// The road a sold card must survive: the program lists its folder in a file
// dialog, another program reads the tables, a second copy of the program
// and the command-line tool try the folder, and the program is killed.

#include <gtest/gtest.h>

#include <string>

#include "session/folder_lock.h"
#include "session/workspace.h"
#include "store/table.h"
#include "support/child_process.h"
#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

TEST(DataSafety, AValidatedCardSurvivesTheFileDialogAnotherReaderAnotherProgramAndAKill) {
  TAVELAO_REQUIRE_TOOL("sqlite3");
  TempFolder dir;
  ChildProcess program(TAVELAO_DATA_SAFETY_CHILD, {}, dir.path());
  const std::string dialog = program.ReadLine();
  ASSERT_EQ(dialog.rfind("dialogo ", 0), 0u) << "the file dialog did not open";
  ASSERT_EQ(program.ReadLine(), "validada 1");
  const std::string in_use = "está em uso pelo Tavelão (processo " + std::to_string(program.pid()) + ").";

  EXPECT_EQ(SqliteQuery(dir / "Validadas.cds", "SELECT Numero FROM tavelao_dados"), "42");

  const std::string before = ReadBytes(dir / "Validadas.cds");
  CliRun valida = RunCli(dir.path(), "valida 0000019");
  EXPECT_EQ(valida.status, 1);
  EXPECT_NE(valida.err.find(in_use), std::string::npos) << valida.err;
  EXPECT_TRUE(ReadBytes(dir / "Validadas.cds") == before) << "the refused command changed the store";
  EXPECT_EQ(RunCli(dir.path(), "cartela 42").status, 0) << "reading commands may run beside the program";

  auto second = session::RunStartup(dir.path(), {});
  ASSERT_FALSE(second);
  EXPECT_NE(second.error().find(in_use), std::string::npos) << second.error();

  program.Kill();
  auto restarted = session::RunStartup(dir.path(), {});
  ASSERT_TRUE(restarted) << restarted.error();
  EXPECT_EQ(*(*restarted)->validation.Count(), 1);
  auto card = (*restarted)->validation.Locate("Numero", 42);
  ASSERT_TRUE(card);
  EXPECT_TRUE(card->has_value());
}

}  // namespace
}  // namespace tavelao::testing
