#include "draw/standings.h"

#include <algorithm>
#include <utility>

#include "session/data_files.h"

namespace tavelao::draw {

Status EmptyStandings(store::Table& table, const std::filesystem::path& folder) {
  table.Close();
  auto fresh = session::RebuildStandings(folder);
  if (!fresh) return std::move(fresh).take_error();
  table = std::move(*fresh);
  return {};
}

StandingsFile::StandingsFile(store::Table& table, std::filesystem::path folder)
    : table_(table), folder_(std::move(folder)) {}

StandingsFile::~StandingsFile() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  if (writer_.joinable()) writer_.join();
}

Status StandingsFile::WaitIdle(std::unique_lock<std::mutex>& lock) {
  idle_.wait(lock, [this] { return !has_pending_ && !busy_; });
  if (!error_) return {};
  Error error = std::move(*error_);
  error_.reset();
  return error;
}

Status StandingsFile::Flush() {
  std::unique_lock lock(mutex_);
  flushing_ = true;
  wake_.notify_one();
  Status status = WaitIdle(lock);
  flushing_ = false;
  return status;
}

void StandingsFile::WriteOnFlushOnly() {
  std::lock_guard lock(mutex_);
  on_flush_only_ = true;
}

Status StandingsFile::Empty() {
  std::unique_lock lock(mutex_);
  has_pending_ = false;  // a pass still to write goes with the file
  (void)WaitIdle(lock);  // and so does whatever failed
  own_.Close();
  kept_.clear();
  present_.clear();
  reset_ = false;
  must_reset_ = false;
  return EmptyStandings(table_, folder_);
}

void StandingsFile::Forget() {
  std::lock_guard lock(mutex_);
  reset_ = true;
}

Status StandingsFile::Write(std::shared_ptr<const DrawCards> cards, const std::vector<StandingsEntry>& standings) {
  outgoing_.assign(standings.begin(), standings.end());
  std::optional<Error> failed;
  {
    std::lock_guard lock(mutex_);
    std::swap(outgoing_, pending_);
    pending_cards_ = std::move(cards);
    has_pending_ = true;
    failed = std::exchange(error_, std::nullopt);
    if (!writer_.joinable()) writer_ = std::thread(&StandingsFile::Run, this);
  }
  wake_.notify_one();
  if (failed) return std::move(*failed);
  return {};
}

void StandingsFile::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return (has_pending_ && (!on_flush_only_ || flushing_)) || stop_; });
    if (!has_pending_) return;
    std::swap(pending_, working_);
    working_cards_ = std::move(pending_cards_);
    has_pending_ = false;
    const bool reset = std::exchange(reset_, false);
    busy_ = true;
    lock.unlock();
    Status status = Apply(*working_cards_, working_, reset);
    if (!status) own_.Close();  // opened afresh for the next write
    lock.lock();
    busy_ = false;
    if (!status) error_ = std::move(status).take_error();
    idle_.notify_all();
  }
}

Status StandingsFile::Apply(const DrawCards& cards, const std::vector<StandingsEntry>& entries, bool reset) {
  if (!own_.is_open()) {
    auto opened = store::Table::Open(folder_ / session::kStandingsFile, store::Durability::Scratch);
    if (!opened) return std::move(opened).take_error();
    own_ = std::move(*opened);
  }
  const auto cartela = store::FindField(own_.schema(), "cartela");
  const auto pedras = store::FindField(own_.schema(), "pedras");
  const auto decres = store::FindField(own_.schema(), "decres");
  if (!cartela || !pedras || !decres) {
    return Fail("A tabela \"" + own_.file_name() + "\" não tem os campos cartela, pedras e decres.");
  }
  // Until the commit the table's rows are not known for sure.
  const bool from_empty = reset || must_reset_;
  must_reset_ = true;
  store::Table::Transaction transaction(own_);
  if (from_empty) {
    if (auto status = own_.RemoveAll(); !status) return status;
    kept_.clear();
    present_.clear();
  }
  ++pass_;
  store::Record record = own_.NewRecord();
  const auto fill = [&](const StandingsEntry& e) {
    record.SetAt(*cartela, std::string(cards.entry(e.card).CardText()));
    record.SetAt(*pedras, std::int32_t{e.missing});
    record.SetAt(*decres, std::int32_t{12 - e.missing});
  };
  for (const StandingsEntry& e : entries) {
    if (e.card >= kept_.size()) kept_.resize(e.card + 1);
    Kept& kept = kept_[e.card];
    if (kept.id == 0) {
      fill(e);
      auto id = own_.Insert(record);
      if (!id) return std::move(id).take_error();
      kept.id = *id;
    } else if (kept.missing != e.missing) {
      fill(e);
      if (auto status = own_.Update(kept.id, record); !status) return status;
    }
    kept.missing = e.missing;
    kept.pass = pass_;
  }
  // What is left was in the last pass's standings and is not in this one's.
  for (std::uint32_t card : present_) {
    Kept& kept = kept_[card];
    if (kept.pass == pass_) continue;
    if (auto status = own_.Remove(kept.id); !status) return status;
    kept.id = 0;
  }
  if (auto status = transaction.Commit(); !status) return status;
  present_.clear();
  for (const StandingsEntry& e : entries) present_.push_back(e.card);
  must_reset_ = false;
  return {};
}

}  // namespace tavelao::draw
