#include <gtest/gtest.h>

#include "session/backups.h"
#include "session/data_files.h"
#include "session/workspace.h"
#include "support/temp_folder.h"

namespace tavelao::session {
namespace {

using namespace std::chrono_literals;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class SetClock : public Clock {
 public:
  std::chrono::system_clock::time_point Now() const override { return now; }
  // Later than the copies the start takes.
  std::chrono::system_clock::time_point now = std::chrono::system_clock::now() + 24h;
};

void Validate(store::Table& validation, int from, int to) {
  for (int card = from; card <= to; ++card) {
    store::Record r = validation.NewRecord();
    r.Set("Numero", card);
    ASSERT_TRUE(validation.Insert(r));
  }
}

std::vector<BackupFile> CopiesOf(const std::filesystem::path& folder, const std::string& table) {
  std::vector<BackupFile> copies;
  for (auto& copy : ListBackups(folder)) {
    if (copy.table_file == table) copies.push_back(copy);
  }
  return copies;
}

std::unique_ptr<Workspace> Start(const std::filesystem::path& folder) {
  auto ws = RunStartup(folder, {});
  EXPECT_TRUE(ws) << ws.error();
  return ws ? std::move(*ws) : nullptr;
}

TEST(Backups, StartCopiesTheNightsTablesAndTheListTellsWhenAndHowMany) {
  TempFolder dir;
  {
    auto ws = Start(dir.path());
    Validate(ws->validation, 1, 7);
    ASSERT_TRUE(OpenIssued({dir.path(), nullptr}));  // the first issue run makes it
  }
  auto ws = Start(dir.path());
  ASSERT_TRUE(ws->warnings.empty());
  EXPECT_EQ(CopiesOf(dir.path(), kIssuedFile).size(), 1u);
  EXPECT_EQ(CopiesOf(dir.path(), kJournalFile).size(), 2u);
  const auto validation = CopiesOf(dir.path(), kValidationFile);
  ASSERT_EQ(validation.size(), 2u);
  EXPECT_EQ(validation[0].records, 7) << "newest first";
  EXPECT_EQ(validation[1].records, 0);
  EXPECT_EQ(validation[0].taken.size(), std::string("09/12/2026 21:30:05").size());
  EXPECT_EQ(CopiesOf(dir.path(), kOptionsFile).size(), 2u);
  EXPECT_EQ(CopiesOf(dir.path(), kSponsorsFile).size(), 2u);
  EXPECT_EQ(CopiesOf(dir.path(), kStandingsFile).size(), 0u) << "scratch tables are not copied";
}

TEST(Backups, OnlyTheLastTenOfEachTableAreKept) {
  TempFolder dir;
  auto ws = Start(dir.path());
  SetClock clock;
  for (int i = 0; i < 12; ++i) {
    clock.now += 1s;  // two of them in the same second
    if (i == 5) clock.now -= 1s;
    ASSERT_TRUE(BackUpTable(ws->validation, clock.now));
  }
  const auto copies = CopiesOf(dir.path(), kValidationFile);
  ASSERT_EQ(copies.size(), 10u);
  EXPECT_GT(copies.front().path.filename(), copies.back().path.filename());
}

TEST(Backups, RestoreKeepsTheCurrentTableFirstAndRefusesADamagedCopy) {
  TempFolder dir;
  auto ws = Start(dir.path());
  SetClock clock;
  Validate(ws->validation, 1, 5);
  ASSERT_TRUE(BackUpTable(ws->validation, clock.now));
  const auto five = CopiesOf(dir.path(), kValidationFile).front().path;
  Validate(ws->validation, 6, 8);

  clock.now += 1min;
  ASSERT_TRUE(RestoreIntoWorkspace(*ws, five, clock.now));
  EXPECT_EQ(*ws->validation.Count(), 5);
  EXPECT_EQ(CopiesOf(dir.path(), kValidationFile).front().records, 8) << "the table as it was, copied first";

  std::string bytes = ReadBytes(five);
  bytes.resize(bytes.size() / 2);
  WriteBytes(dir / kBackupFolder / "Validadas-20300101-120000.cds", bytes);
  const auto copies_before = CopiesOf(dir.path(), kValidationFile).size();
  auto refused = RestoreIntoWorkspace(*ws, dir / kBackupFolder / "Validadas-20300101-120000.cds", clock.now + 1min);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().find("Validadas-20300101-120000.cds"), std::string::npos) << refused.error();
  EXPECT_EQ(*ws->validation.Count(), 5);
  EXPECT_EQ(CopiesOf(dir.path(), kValidationFile).size(), copies_before) << "nothing done for a refused copy";
}

TEST(Backups, RestoredOptionsAreReadAgain) {
  TempFolder dir;
  auto ws = Start(dir.path());
  SetClock clock;
  ASSERT_TRUE(BackUpTable(ws->options, clock.now));
  CardOptions changed = ws->card_options;
  changed.prizes[0] = "GELADEIRA";
  ASSERT_TRUE(WriteCardOptions(ws->options, changed));
  ws->card_options = changed;
  const auto copy = CopiesOf(dir.path(), kOptionsFile).front().path;  // the one before the change
  ASSERT_TRUE(RestoreIntoWorkspace(*ws, copy, clock.now + 1min));
  EXPECT_EQ(ws->card_options.prizes[0], "");
}

TEST(Backups, TheScheduleCopiesAfterEachBatchAndEveryTenMinutesOfValidation) {
  TempFolder dir;
  auto ws = Start(dir.path());
  const auto at_start = CopiesOf(dir.path(), kValidationFile).size();
  SetClock clock;
  BackupSchedule schedule(ws->validation, clock);
  clock.now += 9min;
  ASSERT_TRUE(schedule.AfterValidation());
  EXPECT_EQ(CopiesOf(dir.path(), kValidationFile).size(), at_start);
  clock.now += 1min;
  ASSERT_TRUE(schedule.AfterValidation());
  EXPECT_EQ(CopiesOf(dir.path(), kValidationFile).size(), at_start + 1);
  clock.now += 1s;
  ASSERT_TRUE(schedule.AfterValidation());
  EXPECT_EQ(CopiesOf(dir.path(), kValidationFile).size(), at_start + 1);
  ASSERT_TRUE(schedule.AfterBatch());
  EXPECT_EQ(CopiesOf(dir.path(), kValidationFile).size(), at_start + 2);
}

}  // namespace
}  // namespace tavelao::session
