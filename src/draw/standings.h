#pragma once
// The draw standings "sorteadas.cds" (cartela, pedras, decres = 12 - pedras):
// after each pass it holds one record per standings entry. It is a scratch
// table that other programs read, and late in a big draw a ball changes tens
// of thousands of its rows: a thread of its own writes them, so that no ball
// waits for the table.

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "common/result.h"
#include "draw/draw_cards.h"
#include "draw/draw_evaluation.h"
#include "store/table.h"

namespace tavelao::draw {

// Deletes the file and creates the table afresh, open in `table`.
Status EmptyStandings(store::Table& table, const std::filesystem::path& folder);

class StandingsFile {
 public:
  // `table` is the program's own connection to the file, used to make it
  // afresh; the writer has a connection of its own.
  StandingsFile(store::Table& table, std::filesystem::path folder);
  ~StandingsFile();  // after the last write
  StandingsFile(const StandingsFile&) = delete;
  StandingsFile& operator=(const StandingsFile&) = delete;

  // Deletes the file and creates the table afresh.
  Status Empty();
  // A new card list: what the table holds is no longer known by position.
  void Forget();
  // Hands the pass's entries to the writer, which makes the table hold
  // exactly them, in one commit and writing only what changed; returns at
  // once. When the writer is behind, only the last entries handed over are
  // written. A write that failed is reported by the next call.
  Status Write(std::shared_ptr<const DrawCards> cards, const std::vector<StandingsEntry>& standings);
  // Waits until the table holds the last entries handed over.
  Status Flush();
  // From now on passes are written only by Flush (and at the end): for a
  // replay, whose passes follow each other faster than any reader looks.
  void WriteOnFlushOnly();

 private:
  struct Kept {
    std::int64_t id = 0;  // 0: no row
    std::uint8_t missing = 0;
    std::uint32_t pass = 0;  // the last pass that had the card
  };

  void Run();
  Status Apply(const DrawCards& cards, const std::vector<StandingsEntry>& entries, bool reset);
  // With the lock held: waits for the writer to be idle and takes its error.
  Status WaitIdle(std::unique_lock<std::mutex>& lock);

  store::Table& table_;
  std::filesystem::path folder_;

  std::mutex mutex_;
  std::condition_variable wake_;  // work for the writer, or the end
  std::condition_variable idle_;  // the writer has nothing left to do
  std::shared_ptr<const DrawCards> pending_cards_;
  std::vector<StandingsEntry> pending_;
  bool has_pending_ = false;
  bool reset_ = false;  // the next write starts from an empty table
  bool on_flush_only_ = false;
  bool flushing_ = false;
  bool busy_ = false;
  bool stop_ = false;
  std::optional<Error> error_;
  std::thread writer_;

  std::vector<StandingsEntry> outgoing_;  // the caller's, filled outside the lock

  // The writer's own, touched by others only while it is idle.
  store::Table own_;
  std::shared_ptr<const DrawCards> working_cards_;
  std::vector<StandingsEntry> working_;
  bool must_reset_ = false;             // a failed write left the table unknown
  std::vector<Kept> kept_;              // by position
  std::vector<std::uint32_t> present_;  // positions with a row
  std::uint32_t pass_ = 0;
};

}  // namespace tavelao::draw
