#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "session/folder_lock.h"
#include "support/temp_folder.h"

namespace tavelao::session {
namespace {

using testing::TempFolder;

// Another process that takes the folder, says so and waits to be killed.
pid_t HoldInAnotherProcess(const std::filesystem::path& folder) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    auto lock = FolderLock::Acquire(folder);
    const char byte = lock ? 'y' : 'n';
    (void)::write(ready[1], &byte, 1);
    for (;;) ::pause();
  }
  char byte = 0;
  (void)::read(ready[0], &byte, 1);
  ::close(ready[0]);
  ::close(ready[1]);
  return byte == 'y' ? child : -1;
}

TEST(FolderLock, AnotherProcessIsRefusedByNumberUntilItIsKilled) {
  TempFolder dir;
  const pid_t holder = HoldInAnotherProcess(dir.path());
  ASSERT_GT(holder, 0);
  auto refused = FolderLock::Acquire(dir.path());
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error(),
            "A pasta " + dir.path().string() + " está em uso pelo Tavelão (processo " + std::to_string(holder) + ").");
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  auto taken = FolderLock::Acquire(dir.path());
  EXPECT_TRUE(taken) << "the lock of a killed program is taken over";
}

TEST(FolderLock, IsSharedWithinOneProcessAndFreedWithItsLastHolder) {
  TempFolder dir;
  {
    auto first = FolderLock::Acquire(dir.path());
    ASSERT_TRUE(first);
    auto second = FolderLock::Acquire(dir.path());
    EXPECT_TRUE(second) << second.error();
  }
  // Let go: another process gets it now.
  const pid_t holder = HoldInAnotherProcess(dir.path());
  EXPECT_GT(holder, 0);
  if (holder > 0) {
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
  }
}

}  // namespace
}  // namespace tavelao::session
