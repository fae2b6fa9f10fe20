// A table open in one process keeps its locks whatever else the process
// opens and closes, so another process reading the folder never takes the
// write-ahead log away from it.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/table.h"
#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::store {
namespace {

using testing::TempFolder;

Schema NumberSchema() { return {IntegerField("Numero")}; }

void TouchAndClose(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd >= 0) ::close(fd);
}

// The writer: inserts 1, then opens and closes its files as a file dialog
// would, inserts 2, and waits; inserts 3 when told. It writes each number to
// `confirmed` once the insert returned, and never closes the table.
[[noreturn]] void Writer(const std::filesystem::path& path, int confirmed, int go) {
  auto table = Table::CreateAfresh(path, NumberSchema());
  if (!table) _exit(10);
  auto insert = [&](int n) {
    Record r = table->NewRecord();
    r.Set("Numero", n);
    if (!table->Insert(r)) _exit(11);
    const char byte = static_cast<char>(n);
    if (::write(confirmed, &byte, 1) != 1) _exit(12);
  };
  insert(1);
  TouchAndClose(path);
  TouchAndClose(path.string() + "-wal");
  TouchAndClose(path.string() + "-shm");
  insert(2);
  char byte;
  if (::read(go, &byte, 1) != 1) _exit(13);
  insert(3);
  for (;;) ::pause();
}

TEST(LockSafety, ConfirmedRowsSurviveAnUnrelatedCloseAnotherReaderAndAKill) {
  TAVELAO_REQUIRE_TOOL("sqlite3");
  TempFolder dir;
  const auto path = dir / "Validadas.cds";
  int confirmed[2], go[2];
  ASSERT_EQ(::pipe(confirmed), 0);
  ASSERT_EQ(::pipe(go), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) Writer(path, confirmed[1], go[0]);

  auto wait_for = [&](int n) {
    char byte = 0;
    return ::read(confirmed[0], &byte, 1) == 1 && byte == n;
  };
  ASSERT_TRUE(wait_for(1));
  ASSERT_TRUE(wait_for(2));
  // Another program reads the folder while the writer runs, and ends.
  EXPECT_EQ(testing::SqliteQuery(path, "SELECT count(*) FROM tavelao_dados"), "2");
  ASSERT_EQ(::write(go[1], "x", 1), 1);
  ASSERT_TRUE(wait_for(3));
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);

  auto table = Table::Open(path);
  ASSERT_TRUE(table) << table.error();
  EXPECT_EQ(*table->Count(), 3);
  EXPECT_EQ(*table->MaxInt("Numero"), 3);
}

}  // namespace
}  // namespace tavelao::store
