// A validated card is on disk before the screen confirms it: a process
// killed in the middle of a batch loses no card it confirmed, and leaves a
// file that opens.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <set>

#include "validation/batch_validation.h"
#include "validation_fixture.h"

namespace tavelao::validation {
namespace {

// In the child: validates cards 1, 2, ... in batches 1, 2, ... and writes
// each card to `out` once its entry returned Done. Never returns.
[[noreturn]] void ValidateUntilKilled(const std::filesystem::path& folder, int out) {
  card::CardBank bank;
  bank.LoadBuiltIn();
  card::Password password;
  card::IssuerNumber issuer;
  auto table = session::OpenValidation({folder, nullptr});
  if (!table) _exit(2);
  auto store = ValidationStore::Attach(*table, bank);
  if (!store) _exit(3);
  testing::ScriptedDialogs dialogs;
  RecordedSounds sounds;
  BatchValidation window(**store, {bank, password, issuer}, dialogs, sounds);
  window.Activate();
  std::int32_t batch = 1;
  window.LeaveLote(std::to_string(batch));
  for (std::int32_t card = 1; card <= card::kBuiltInCards; ++card) {
    const BatchReply reply = window.EnterCard(Typed(card));
    if (reply.outcome != EntryOutcome::Done) _exit(4);
    if (write(out, &card, sizeof card) != sizeof card) _exit(5);
    if (reply.batch_completed) window.LeaveLote(std::to_string(++batch));
  }
  _exit(0);
}

TEST(CrashDurability, EveryConfirmedCardSurvivesAKill) {
  testing::TempFolder dir;
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipe_ends[0]);
    ValidateUntilKilled(dir.path(), pipe_ends[1]);
  }
  close(pipe_ends[1]);

  // Kill it in the middle of its first batch, in the middle of whatever it is doing.
  std::vector<std::int32_t> confirmed;
  std::int32_t card = 0;
  while (confirmed.size() < 40 && read(pipe_ends[0], &card, sizeof card) == sizeof card) confirmed.push_back(card);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  while (read(pipe_ends[0], &card, sizeof card) == sizeof card) confirmed.push_back(card);
  close(pipe_ends[0]);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself with " << WEXITSTATUS(status);
  ASSERT_GE(confirmed.size(), 40u);

  card::CardBank bank;
  bank.LoadBuiltIn();
  auto table = session::OpenValidation({dir.path(), nullptr});
  ASSERT_TRUE(table) << table.error();
  auto store = ValidationStore::Attach(*table, bank);
  ASSERT_TRUE(store) << store.error();
  for (std::int32_t c : confirmed) {
    auto found = (*store)->Find(c);
    ASSERT_TRUE(found && *found) << "card " << c << " was confirmed but is not on disk";
    EXPECT_EQ(**found, (Placement{(c - 1) / 100 + 1, (c - 1) % 100 + 1})) << c;
  }
  // At most the card being written when the kill came is there unconfirmed.
  EXPECT_LE((*store)->Count(), static_cast<std::int64_t>(confirmed.size()) + 1);
  EXPECT_TRUE((*store)->ValidateInBatch(9999, 500, 1)) << "the file takes new cards";
}

}  // namespace
}  // namespace tavelao::validation
