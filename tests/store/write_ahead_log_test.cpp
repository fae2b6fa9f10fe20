// A durable table commits into a write-ahead log beside its file; these
// check the states a crash or a copy can leave on disk.

#include <gtest/gtest.h>

#include <filesystem>

#include "store/table.h"
#include "support/temp_folder.h"

namespace tavelao::store {
namespace {

using testing::TempFolder;

Schema NumberSchema() { return {IntegerField("Numero")}; }

Status InsertNumbers(Table& t, int from, int to) {
  for (int n = from; n <= to; ++n) {
    Record r = t.NewRecord();
    r.Set("Numero", n);
    if (auto id = t.Insert(r); !id) return Fail(id.error());
  }
  return {};
}

void CopyFileAndLog(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::copy_file(from, to);
  std::filesystem::copy_file(from.string() + "-wal", to.string() + "-wal");
}

TEST(WriteAheadLog, CommittedRowsSurviveWhenTheProgramDiesBeforeClosing) {
  TempFolder dir;
  auto t = Table::CreateAfresh(dir / "t.cds", NumberSchema());
  ASSERT_TRUE(t) << t.error();
  ASSERT_TRUE(InsertNumbers(*t, 1, 300));
  // What a killed program leaves: the file and its log, never copied back.
  CopyFileAndLog(dir / "t.cds", dir / "crashed.cds");

  auto crashed = Table::Open(dir / "crashed.cds");
  ASSERT_TRUE(crashed) << crashed.error();
  EXPECT_EQ(*crashed->Count(), 300);
  EXPECT_EQ(*crashed->MaxInt("Numero"), 300);
}

TEST(WriteAheadLog, ClosingLeavesOnlyTheTableFile) {
  TempFolder dir;
  {
    auto t = Table::CreateAfresh(dir / "t.cds", NumberSchema());
    ASSERT_TRUE(t) << t.error();
    ASSERT_TRUE(InsertNumbers(*t, 1, 10));
    EXPECT_TRUE(std::filesystem::exists(dir / "t.cds-wal"));
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "t.cds-wal"));
  EXPECT_FALSE(std::filesystem::exists(dir / "t.cds-shm"));
  auto t = Table::Open(dir / "t.cds");
  ASSERT_TRUE(t) << t.error();
  EXPECT_EQ(*t->Count(), 10);
}

}  // namespace
}  // namespace tavelao::store
