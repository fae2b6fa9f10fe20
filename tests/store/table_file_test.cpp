// What stands at a table's path and how a table file comes into being: a
// delivered file only read, a new file never seen half made, a dangling
// link refused, a copy taken and restored.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "store/table.h"
#include "support/temp_folder.h"

namespace tavelao::store {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

Schema NumberSchema() { return {IntegerField("Numero"), StringField("Nome", 10)}; }

Status Fill(Table& t, int from, int to) {
  for (int n = from; n <= to; ++n) {
    Record r = t.NewRecord();
    r.Set("Numero", n);
    if (auto id = t.Insert(r); !id) return Fail(id.error());
  }
  return {};
}

TEST(TableFile, AReadOnlyOpenLeavesEveryByteOfTheFile) {
  TempFolder dir;
  {
    auto t = Table::CreateAfresh(dir / "made.cds", NumberSchema());
    ASSERT_TRUE(Fill(*t, 1, 20));
    // A copy is one plain file, as a delivered table is.
    ASSERT_TRUE(t->CopyTo(dir / "delivered.cds"));
  }
  std::filesystem::permissions(dir / "delivered.cds", std::filesystem::perms::owner_read);
  const std::string before = ReadBytes(dir / "delivered.cds");
  {
    auto t = Table::OpenReadOnly(dir / "delivered.cds");
    ASSERT_TRUE(t) << t.error();
    EXPECT_EQ(*t->Count(), 20);
    Record r = t->NewRecord();
    r.Set("Numero", 99);
    EXPECT_FALSE(t->Insert(r));
  }
  EXPECT_EQ(ReadBytes(dir / "delivered.cds"), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "delivered.cds-wal"));
}

TEST(TableFile, ADanglingLinkIsRefusedByNameAndLeftInPlace) {
  TempFolder dir;
  std::filesystem::create_symlink(dir / "gone.cds", dir / "t.cds");
  EXPECT_EQ(TableFileState(dir / "t.cds"), FileState::DanglingLink);
  auto opened = Table::Open(dir / "t.cds");
  ASSERT_FALSE(opened);
  EXPECT_NE(opened.error().find("\"t.cds\""), std::string::npos);
  EXPECT_NE(opened.error().find("atalho"), std::string::npos);
  auto created = Table::CreateWhole(dir / "t.cds", NumberSchema());
  EXPECT_FALSE(created);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "t.cds"));
  EXPECT_FALSE(std::filesystem::exists(dir / "gone.cds"));
}

TEST(TableFile, AWholeFileAppearsOnlyWithItsRows) {
  TempFolder dir;
  ASSERT_TRUE(Table::CreateWhole(dir / "t.cds", NumberSchema(), [](Table& t) { return Fill(t, 1, 100); }));
  auto t = Table::Open(dir / "t.cds");
  ASSERT_TRUE(t) << t.error();
  EXPECT_EQ(*t->Count(), 100);
  EXPECT_FALSE(std::filesystem::exists(dir / "t.cds.parcial"));

  // A fill that fails leaves no table behind.
  auto failed = Table::CreateWhole(dir / "u.cds", NumberSchema(), [](Table&) -> Status { return Fail("falhou"); });
  EXPECT_FALSE(failed);
  EXPECT_FALSE(std::filesystem::exists(dir / "u.cds"));
}

// Killed at any moment while making a table, a process leaves either no
// table or the whole one, never one without its rows.
TEST(TableFile, KillsWhileCreatingNeverLeaveATableWithoutItsRows) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    TempFolder dir;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const bool made =
          Table::CreateWhole(dir / "t.cds", NumberSchema(), [](Table& t) { return Fill(t, 1, 100); }).ok();
      _exit(made ? 0 : 1);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 8000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    if (TableFileState(dir / "t.cds") == FileState::Missing) continue;
    auto t = Table::Open(dir / "t.cds");
    ASSERT_TRUE(t) << "round " << round << ": " << t.error();
    EXPECT_EQ(*t->Count(), 100) << "round " << round;
  }
}

TEST(TableFile, ACopyRestoresTheRecordsAndADamagedCopyChangesNothing) {
  TempFolder dir;
  auto t = Table::CreateAfresh(dir / "t.cds", NumberSchema());
  ASSERT_TRUE(Fill(*t, 1, 10));
  ASSERT_TRUE(t->CopyTo(dir / "copy.cds"));
  ASSERT_TRUE(Fill(*t, 11, 15));
  ASSERT_TRUE(t->RestoreFrom(dir / "copy.cds"));
  EXPECT_EQ(*t->Count(), 10);
  ASSERT_TRUE(Fill(*t, 11, 12)) << "the table goes on after a restore";
  EXPECT_EQ(*t->Count(), 12);

  std::string bytes = ReadBytes(dir / "copy.cds");
  for (std::size_t at = 4096; at < bytes.size(); ++at) bytes[at] = static_cast<char>(0xA5);
  WriteBytes(dir / "damaged.cds", bytes);
  auto refused = t->RestoreFrom(dir / "damaged.cds");
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().find("\"damaged.cds\""), std::string::npos) << refused.error();
  EXPECT_EQ(*t->Count(), 12);

  auto other = Table::CreateAfresh(dir / "other.cds", {IntegerField("Pedra")});
  ASSERT_TRUE(other->CopyTo(dir / "other-copy.cds"));
  EXPECT_FALSE(t->RestoreFrom(dir / "other-copy.cds")) << "a copy of another table";
  EXPECT_EQ(*t->Count(), 12);
}

}  // namespace
}  // namespace tavelao::store
