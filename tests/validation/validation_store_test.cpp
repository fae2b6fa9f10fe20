#include "validation/validation_store.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "validation_fixture.h"

namespace tavelao::validation {
namespace {

using StoreTest = ValidationFixture;

TEST_F(StoreTest, RecordsCopyTheBankAndLeaveDirectPlacementEmpty) {
  ASSERT_TRUE(store->ValidateDirectly(1));
  ASSERT_TRUE(store->ValidateInBatch(10'000, 7, 1));
  ASSERT_TRUE(store->ValidateDirectly(10'001));  // empty bank record: empty numbers
  table.Close();

  auto reopened = session::OpenValidation({dir.path(), nullptr});
  ASSERT_TRUE(reopened) << reopened.error();
  auto rows = reopened->Select({"", "Numero"});
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 3u);
  const store::Record& first = (*rows)[0].record;
  EXPECT_EQ(first.Int("Numero"), 1);
  EXPECT_FALSE(first.Int("Lote").has_value());
  EXPECT_FALSE(first.Int("Lan").has_value());
  EXPECT_EQ(first.Text("N1"), "15");
  EXPECT_EQ(first.Text("N5"), "20");
  EXPECT_EQ(first.Text("N25"), "87");
  const store::Record& batch = (*rows)[1].record;
  EXPECT_EQ(batch.Int("Lote"), 7);
  EXPECT_EQ(batch.Int("Lan"), 1);
  EXPECT_EQ(batch.Text("N22"), "00");
  const store::Record& empty = (*rows)[2].record;
  for (int k = 1; k <= 25; ++k) EXPECT_EQ(empty.Text("N" + std::to_string(k)), "") << k;
}

TEST_F(StoreTest, ACardOnceAndOnlyCardsOfTheBank) {
  ASSERT_TRUE(store->ValidateDirectly(5));
  const Status again = store->ValidateDirectly(5);
  ASSERT_FALSE(again);
  EXPECT_NE(again.error().find("Validadas"), std::string::npos) << again.error();
  EXPECT_FALSE(store->ValidateInBatch(5, 1, 1));
  for (std::int32_t outside : {0, -3, 120'001}) EXPECT_FALSE(store->ValidateDirectly(outside)) << outside;
  EXPECT_EQ(store->Count(), 1);
  EXPECT_EQ(CardsOnDisk(), (std::vector<std::int32_t>{5}));
  EXPECT_EQ(**store->Find(5), Placement{});
  EXPECT_FALSE(store->Find(6)->has_value());
}

TEST_F(StoreTest, BatchEntriesRunUpwardsToAHundredAndAFullBatchStaysFull) {
  EXPECT_EQ(*store->HighestEntry(3), 0);
  EXPECT_FALSE(store->ValidateInBatch(1, 3, 2)) << "the first entry is 1";
  ASSERT_TRUE(store->BeginBulk());
  for (std::int32_t entry = 1; entry <= 100; ++entry) ASSERT_TRUE(store->ValidateInBatch(entry, 3, entry)) << entry;
  ASSERT_TRUE(store->EndBulk());
  EXPECT_EQ(*store->HighestEntry(3), 100);
  EXPECT_FALSE(store->ValidateInBatch(200, 3, 101));
  ASSERT_TRUE(store->Remove(5));
  ASSERT_TRUE(store->Remove(60));
  EXPECT_EQ(*store->HighestEntry(3), 100);
  EXPECT_FALSE(store->ValidateInBatch(200, 3, 100)) << "a full batch takes no more cards";
  EXPECT_FALSE(store->ValidateInBatch(200, 3, 5)) << "a removed entry is not given again";
  EXPECT_EQ(**store->Find(7), (Placement{3, 7}));
  EXPECT_EQ(store->Count(), 98);
}

TEST_F(StoreTest, RemovalsKeepTheCountOfTheWholeTable) {
  for (std::int32_t card = 1; card <= 4; ++card) ASSERT_TRUE(store->ValidateInBatch(card, 7, card));
  ASSERT_TRUE(store->ValidateInBatch(10, 8, 1));
  ASSERT_TRUE(store->ValidateDirectly(20));
  ASSERT_TRUE(store->ValidateDirectly(21));
  EXPECT_EQ(store->Count(), 7);

  ASSERT_TRUE(store->RemoveBatch(7));
  EXPECT_EQ(store->Count(), 3);
  EXPECT_EQ(*store->HighestEntry(7), 0);
  ASSERT_TRUE(store->Remove(20));
  ASSERT_TRUE(store->Remove(20)) << "removing a card that is not there changes nothing";
  EXPECT_EQ(store->Count(), 2);
  EXPECT_EQ(CardsOnDisk(), (std::vector<std::int32_t>{10, 21}));

  auto again = ValidationStore::Attach(table, bank);
  ASSERT_TRUE(again);
  EXPECT_EQ((*again)->Count(), 2);
  ASSERT_TRUE(store->Clear());
  EXPECT_EQ(store->Count(), 0);
  EXPECT_TRUE(CardsOnDisk().empty());
}

TEST_F(StoreTest, IteratesAndPositionsInCardNumberOrder) {
  ASSERT_TRUE(store->ValidateDirectly(9));
  ASSERT_TRUE(store->ValidateInBatch(3, 2, 1));
  ASSERT_TRUE(store->ValidateDirectly(5));
  std::vector<std::int32_t> seen;
  ASSERT_TRUE(store->ForEach([&seen](const ValidatedCard& c) {
    seen.push_back(c.card);
    return true;
  }));
  EXPECT_EQ(seen, (std::vector<std::int32_t>{3, 5, 9}));
  seen.clear();
  ASSERT_TRUE(store->ForEach([&seen](const ValidatedCard& c) {
    seen.push_back(c.card);
    return false;
  }));
  EXPECT_EQ(seen, (std::vector<std::int32_t>{3}));

  auto first = store->CardAt(1);
  ASSERT_TRUE(first && *first);
  EXPECT_EQ((*first)->placement, (Placement{2, 1}));
  EXPECT_EQ((*store->CardAt(2))->card, 5);
  EXPECT_FALSE(store->CardAt(4)->has_value());
  EXPECT_FALSE(store->CardAt(0)->has_value());
}

TEST_F(StoreTest, GridEditsGoThroughTheStore) {
  ASSERT_TRUE(store->ValidateDirectly(1));
  ASSERT_TRUE(store->ValidateDirectly(2));
  auto row = table.Locate("Numero", 2);
  ASSERT_TRUE(row && *row);
  store::Record edited = (*row)->record;
  edited.Set("Numero", 1);
  EXPECT_FALSE(store->UpdateRecord((*row)->id, edited)) << "the unique index refuses a repeated card";
  edited.Set("Numero", 3);
  ASSERT_TRUE(store->UpdateRecord((*row)->id, edited));
  EXPECT_TRUE(*store->IsValidated(3));
  ASSERT_TRUE(store->RemoveRecord((*row)->id));
  EXPECT_EQ(store->Count(), 1);
  EXPECT_FALSE(*store->IsValidated(3));
}

TEST_F(StoreTest, ViewsOfTheScreens) {
  ASSERT_TRUE(store->ValidateInBatch(4, 7, 1));
  ASSERT_TRUE(store->ValidateInBatch(2, 7, 2));
  ASSERT_TRUE(store->ValidateInBatch(3, 8, 1));
  ASSERT_TRUE(store->ValidateDirectly(1));
  EXPECT_EQ(BatchView(7).filter, "lote=7");
  EXPECT_EQ(BatchView(7).order, "Lote;Lan");
  EXPECT_EQ(NoBatchView().filter, "lote=100000");
  EXPECT_EQ(NoBatchView().order, "Lote;Lan");
  EXPECT_EQ(DirectView().filter, "");
  EXPECT_EQ(DirectView().order, "Numero");

  auto in_batch = table.Select(BatchView(7));
  ASSERT_TRUE(in_batch) << in_batch.error();
  ASSERT_EQ(in_batch->size(), 2u);
  EXPECT_EQ((*in_batch)[0].record.Int("Numero"), 4);
  EXPECT_EQ((*in_batch)[1].record.Int("Numero"), 2);
  EXPECT_TRUE(table.Select(NoBatchView())->empty());
  EXPECT_EQ(table.Select(DirectView())->size(), 4u);
}

TEST_F(StoreTest, GridEditsKeepTheRecordACardOfTheBank) {
  ASSERT_TRUE(store->ValidateDirectly(1));
  ASSERT_TRUE(store->ValidateInBatch(2, 7, 1));
  auto row = [this](int card) { return **table.Locate("Numero", card); };

  // A new card number brings that card's numbers along.
  ASSERT_TRUE(store->EditField(row(1), "Numero", " 10000 "));
  const store::Row edited = row(10000);
  for (int k = 1; k <= 25; ++k) {
    EXPECT_EQ(edited.record.Text("N" + std::to_string(k)), bank.CardNumber(10000, k)) << k;
  }

  auto repeated = store->EditField(row(2), "Numero", "10000");
  ASSERT_FALSE(repeated);
  EXPECT_NE(repeated.error().find("Validadas"), std::string::npos) << repeated.error();
  auto outside = store->EditField(row(2), "Numero", "120001");
  ASSERT_FALSE(outside);
  EXPECT_FALSE(store->EditField(row(2), "Numero", ""));
  auto letters = store->EditField(row(2), "Lan", "1a");
  ASSERT_FALSE(letters);
  EXPECT_EQ(letters.error(), ConversionErrorMessage("1a"));
  EXPECT_EQ(row(2).record.Int("Lan"), 1);

  // Lote and Lan may be emptied, which makes the card a direct one.
  ASSERT_TRUE(store->EditField(row(2), "Lote", ""));
  ASSERT_TRUE(store->EditField(row(2), "Lan", " "));
  EXPECT_EQ(*store->Find(2), (Placement{}));
  ASSERT_TRUE(store->EditField(row(2), "N1", "99"));
  EXPECT_EQ(row(2).record.Text("N1"), "99");
  EXPECT_EQ(store->Count(), 2);
}

}  // namespace
}  // namespace tavelao::validation
