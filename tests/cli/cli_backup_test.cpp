#include <gtest/gtest.h>

#include <filesystem>

#include "session/backups.h"
#include "session/folder_lock.h"
#include "store/table.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

std::int64_t Validated(const std::filesystem::path& folder) {
  auto t = store::Table::Open(folder / "Validadas.cds");
  return t ? *t->Count() : -1;
}

TEST(CliBackup, CopiesListsAndRestores) {
  TempFolder dir;
  ASSERT_EQ(RunCli(dir.path(), "valida 19-108").status, 0);
  CliRun backup = RunCli(dir.path(), "backup");
  ASSERT_EQ(backup.status, 0) << backup.err;
  EXPECT_NE(backup.out.find("backup/Validadas-"), std::string::npos) << backup.out;
  EXPECT_NE(backup.out.find("       10 backup/Validadas-"), std::string::npos) << backup.out;

  auto copies = session::ListBackups(dir.path());
  std::filesystem::path ten;
  for (const auto& copy : copies) {
    if (copy.table_file == "Validadas.cds" && copy.records == 10) ten = copy.path;
  }
  ASSERT_FALSE(ten.empty());
  ASSERT_EQ(RunCli(dir.path(), "valida 116-205").status, 0);
  EXPECT_EQ(Validated(dir.path()), 20);

  CliRun restored = RunCli(dir.path(), "restaura backup/" + ten.filename().string());
  EXPECT_EQ(restored.status, 0) << restored.err;
  EXPECT_EQ(Validated(dir.path()), 10);

  CliRun missing = RunCli(dir.path(), "restaura backup/nada.cds");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(RunCli(dir.path(), "restaura").status, 2);
}

TEST(CliBackup, RestoreIsRefusedWhileTheFolderIsInUse) {
  TempFolder dir;
  ASSERT_EQ(RunCli(dir.path(), "backup").status, 0);
  const auto copy = session::ListBackups(dir.path()).front().path;
  auto lock = session::FolderLock::Acquire(dir.path());  // this test process stands for the program
  ASSERT_TRUE(lock);
  CliRun refused = RunCli(dir.path(), "restaura backup/" + copy.filename().string());
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("está em uso pelo Tavelão"), std::string::npos) << refused.err;
  EXPECT_EQ(RunCli(dir.path(), "backup").status, 0) << "copying only reads";
}

}  // namespace
}  // namespace tavelao::testing
