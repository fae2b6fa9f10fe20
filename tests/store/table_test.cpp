#include "store/table.h"

#include <gtest/gtest.h>

#include "store/server_store.h"
#include "support/postgres_server.h"
#include "support/temp_folder.h"

namespace tavelao::store {
namespace {

using testing::TempFolder;

// Every test of a table runs on both stores: a table file in a folder and a
// table on a real PostgreSQL server.
class TableTest : public ::testing::TestWithParam<const char*> {
 protected:
  bool on_server() const { return std::string_view(GetParam()) == "servidor"; }

  // A new empty table, replacing one of the same name.
  Result<Table> Create(const std::string& name, const Schema& schema) {
    if (!on_server()) return Table::CreateAfresh(dir / name, schema);
    if (auto dropped = DropServerTable(*Station(), name); !dropped) return std::move(dropped).take_error();
    return OpenServerTable(Station(), name, schema);
  }
  // The table opened again, as by another program or station.
  Result<Table> Reopen(const std::string& name, const Schema& schema) {
    if (!on_server()) return Table::Open(dir / name);
    auto other = ServerConnection::Connect(Database(), "outra");
    if (!other) return std::move(other).take_error();
    return OpenServerTable(*other, name, schema);
  }

  const std::string& Database() {
    if (database_.empty()) database_ = testing::PostgresServer::Shared().NewDatabase();
    return database_;
  }
  const std::shared_ptr<ServerConnection>& Station() {
    if (!station_) {
      auto connected = ServerConnection::Connect(Database(), "estacao1");
      EXPECT_TRUE(connected) << connected.error();
      station_ = *connected;
    }
    return station_;
  }

  TempFolder dir;

 private:
  std::string database_;
  std::shared_ptr<ServerConnection> station_;
};

INSTANTIATE_TEST_SUITE_P(Stores, TableTest, ::testing::Values("arquivo", "servidor"));

Schema CardSchema() {
  return {IntegerField("Numero"), IntegerField("Lote"), IntegerField("Lan"), StringField("Nome", 5),
          FloatField("Valor"),    DateField("Data"),    BooleanField("Col1")};
}

Record Card(Table& t, int numero, std::optional<int> lote = std::nullopt, std::optional<int> lan = std::nullopt) {
  Record r = t.NewRecord();
  r.Set("numero", numero);
  if (lote) r.Set("LOTE", *lote);
  if (lan) r.Set("lan", *lan);
  return r;
}

TEST_P(TableTest, ReopensWithItsFieldsAndValues) {
  {
    auto t = Create("t.cds", CardSchema());
    ASSERT_TRUE(t) << t.error();
    Record r = t->NewRecord();
    r.Set("Numero", 42);
    r.Set("Nome", std::string("ÇÃOabcdef"));  // cut to five characters, not bytes
    r.Set("Valor", 12.5);
    r.Set("Data", Date{2026, 12, 8});
    r.Set("Col1", true);
    ASSERT_TRUE(t->Insert(r));
  }
  auto t = Reopen("t.cds", CardSchema());
  ASSERT_TRUE(t) << t.error();
  ASSERT_EQ(t->schema().size(), 7u);
  EXPECT_EQ(t->schema()[3].name, "Nome");
  EXPECT_EQ(t->schema()[3].type, FieldType::String);
  EXPECT_EQ(t->schema()[3].size, 5);
  EXPECT_EQ(t->schema()[5].type, FieldType::Date);
  auto rows = t->Select();
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 1u);
  const Record& r = (*rows)[0].record;
  EXPECT_EQ(r.Int("NUMERO"), 42);
  EXPECT_EQ(r.Text("nome"), "ÇÃOab");
  EXPECT_EQ(r.Float("Valor"), 12.5);
  EXPECT_EQ(r.DateValue("Data"), (Date{2026, 12, 8}));
  EXPECT_EQ(r.Bool("Col1"), true);
  EXPECT_FALSE(r.Int("Lote").has_value()) << "an unset field stays empty";
}

TEST_P(TableTest, FiltersOrdersAndPositions) {
  auto t = Create("t.cds", CardSchema());
  ASSERT_TRUE(t);
  for (auto [n, lote, lan] : {std::tuple{5, 7, 2}, {3, 7, 1}, {9, 8, 1}, {1, 7, 3}})
    ASSERT_TRUE(t->Insert(Card(*t, n, lote, lan)));
  ASSERT_TRUE(t->Insert(Card(*t, 2)));  // direct: no batch

  auto in_batch = t->Select({"lote=7", "Lote;Lan"});
  ASSERT_TRUE(in_batch) << in_batch.error();
  std::vector<int> numbers;
  for (const Row& row : *in_batch) numbers.push_back(*row.record.Int("Numero"));
  EXPECT_EQ(numbers, (std::vector<int>{3, 5, 1}));

  EXPECT_EQ(*t->Count("lote=100000"), 0);
  EXPECT_EQ(*t->Count("Lote=7 and Lan>1"), 2);
  EXPECT_EQ(*t->Count(), 5);
  EXPECT_EQ(**t->MaxInt("Lan", "lote=7"), 3);
  EXPECT_FALSE(t->MaxInt("Lan", "lote=99")->has_value());

  auto third = t->RowAt({"", "Numero"}, 3);
  ASSERT_TRUE(third && *third);
  EXPECT_EQ((*third)->record.Int("Numero"), 3);
  EXPECT_FALSE(t->RowAt({"", "Numero"}, 6)->has_value());

  auto located = t->Locate("numero", Value{9});
  ASSERT_TRUE(located && *located);
  EXPECT_EQ((*located)->record.Int("Lote"), 8);

  EXPECT_EQ(*t->RemoveWhere("lote=7"), 3);
  EXPECT_EQ(*t->Count(), 2);

  EXPECT_FALSE(t->Select({"lote=abc", ""})) << "a value that does not suit the field";
  EXPECT_FALSE(t->Select({"sem=1", ""})) << "an unknown field";
  EXPECT_FALSE(t->Select({"", "Lote;Nada"}));
}

TEST_P(TableTest, AReaderAsksForTheFieldsItNeedsAndTheRestStayEmpty) {
  auto t = Create("t.cds", CardSchema());
  ASSERT_TRUE(t);
  for (auto [n, lote, lan] : {std::tuple{5, 7, 2}, {3, 7, 1}, {9, 8, 1}}) {
    Record r = Card(*t, n, lote, lan);
    r.Set("Nome", std::string("abc"));
    ASSERT_TRUE(t->Insert(r));
  }
  // The fields in another order than the schema's, with a filter and an order.
  auto rows = t->Select({"lote=7", "Numero", {"lan", "NUMERO"}});
  ASSERT_TRUE(rows) << rows.error();
  ASSERT_EQ(rows->size(), 2u);
  const Record& first = (*rows)[0].record;
  EXPECT_EQ(first.Int("Numero"), 3);
  EXPECT_EQ(first.Int("Lan"), 1);
  EXPECT_FALSE(first.Int("Lote").has_value());
  EXPECT_EQ(first.Text("Nome"), "");
  auto page = t->Range({"", "Numero", {"Numero"}}, 1, 5);
  ASSERT_TRUE(page);
  ASSERT_EQ(page->size(), 2u);
  EXPECT_EQ((*page)[1].record.Int("Numero"), 9);
  EXPECT_FALSE((*page)[1].record.Int("Lote").has_value());

  auto unknown = t->Select({"", "", {"Numero", "Cartela"}});
  ASSERT_FALSE(unknown);
  EXPECT_EQ(unknown.error(), "Campo desconhecido \"Cartela\".");
}

TEST_P(TableTest, EqualKeysKeepInsertionOrder) {
  auto t = Create("t.cds", CardSchema());
  ASSERT_TRUE(t);
  for (int n : {30, 10, 20}) ASSERT_TRUE(t->Insert(Card(*t, n, 1)));
  std::vector<int> numbers;
  ASSERT_TRUE(t->ForEach({"", "Lote"}, [&](const Row& row) {
    numbers.push_back(*row.record.Int("Numero"));
    return true;
  }));
  EXPECT_EQ(numbers, (std::vector<int>{30, 10, 20}));
}

TEST_P(TableTest, UniqueIndexRefusesARepeatedKeyAndSaysWhich) {
  auto t = Create("Validadas.cds", CardSchema());
  ASSERT_TRUE(t);
  ASSERT_TRUE(t->AddIndex("Validadas", "Numero", true));
  ASSERT_TRUE(t->Insert(Card(*t, 42)));
  auto again = t->Insert(Card(*t, 42));
  ASSERT_FALSE(again);
  EXPECT_NE(again.error().find("\"Validadas\""), std::string::npos) << again.error();
  EXPECT_NE(again.error().find("Numero = 42"), std::string::npos) << again.error();
  EXPECT_EQ(*t->Count(), 1);

  auto second = t->Insert(Card(*t, 43));
  ASSERT_TRUE(second);
  Record changed = Card(*t, 42);
  EXPECT_FALSE(t->Update(*second, changed)) << "an edit that repeats a number is refused too";
  EXPECT_EQ(*t->Count("Numero=43"), 1);

  t->Close();
  auto reopened = Reopen("Validadas.cds", CardSchema());
  ASSERT_TRUE(reopened);
  ASSERT_TRUE(reopened->AddIndex("Validadas", "Numero", true)) << "adding it again on every open is harmless";
  EXPECT_FALSE(reopened->Insert(Card(*reopened, 43)));
}

TEST_P(TableTest, EveryPostIsOnDiskWhenItReturns) {
  auto writer = Create("t.cds", CardSchema());
  ASSERT_TRUE(writer);
  ASSERT_TRUE(writer->Insert(Card(*writer, 1)));
  auto reader = Reopen("t.cds", CardSchema());
  ASSERT_TRUE(reader);
  EXPECT_EQ(*reader->Count(), 1) << "another reader sees the post without any close";
}

TEST_P(TableTest, TransactionCommitsAllOrNothing) {
  auto t = Create("t.cds", CardSchema());
  ASSERT_TRUE(t);
  {
    Table::Transaction tx(*t);
    for (int n = 1; n <= 100; ++n) ASSERT_TRUE(t->Insert(Card(*t, n)));
  }  // not committed
  EXPECT_EQ(*t->Count(), 0);
  {
    Table::Transaction tx(*t);
    for (int n = 1; n <= 100; ++n) ASSERT_TRUE(t->Insert(Card(*t, n)));
    ASSERT_TRUE(tx.Commit());
  }
  EXPECT_EQ(*t->Count(), 100);
}

TEST_P(TableTest, CreateAfreshReplacesWhatTheFileHeld) {
  {
    auto t = Create("t.cds", CardSchema());
    ASSERT_TRUE(t->Insert(Card(*t, 1)));
  }
  auto t = Create("t.cds", {StringField("cartela", 6)});
  ASSERT_TRUE(t);
  EXPECT_EQ(*t->Count(), 0);
  EXPECT_EQ(t->schema().size(), 1u);
}

}  // namespace
}  // namespace tavelao::store
