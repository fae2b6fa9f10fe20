// A table file that is not a readable table of this system is reported by
// name and never modified.

#include <sqlite3.h>

#include <gtest/gtest.h>

#include "store/table.h"
#include "support/temp_folder.h"

namespace tavelao::store {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

void ExpectRefusedAndUntouched(const std::filesystem::path& path) {
  const std::string before = ReadBytes(path);
  auto t = Table::Open(path);
  ASSERT_FALSE(t);
  EXPECT_NE(t.error().find("\"" + path.filename().string() + "\""), std::string::npos) << t.error();
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_FALSE(std::filesystem::exists(path.string() + "-journal"));
}

TEST(DamagedTableFile, RandomBytes) {
  TempFolder dir;
  std::string noise;
  for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919 + 13) % 251);
  WriteBytes(dir / "premios.cds", noise);
  ExpectRefusedAndUntouched(dir / "premios.cds");
}

TEST(DamagedTableFile, EmptyFile) {
  TempFolder dir;
  WriteBytes(dir / "Validadas.cds", "");
  ExpectRefusedAndUntouched(dir / "Validadas.cds");
}

TEST(DamagedTableFile, CutShort) {
  TempFolder dir;
  {
    auto t = Table::CreateAfresh(dir / "Validadas.cds", {IntegerField("Numero"), StringField("N1", 2)});
    Table::Transaction tx(*t);
    for (int n = 1; n <= 5000; ++n) {
      Record r = t->NewRecord();
      r.Set("Numero", n);
      r.Set("N1", std::string("15"));
      ASSERT_TRUE(t->Insert(r));
    }
    ASSERT_TRUE(tx.Commit());
  }
  const std::string whole = ReadBytes(dir / "Validadas.cds");
  WriteBytes(dir / "Validadas.cds", whole.substr(0, whole.size() / 2));
  ExpectRefusedAndUntouched(dir / "Validadas.cds");
}

TEST(DamagedTableFile, DatabaseOfAnotherProgram) {
  TempFolder dir;
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((dir / "dados.cds").string().c_str(), &db), SQLITE_OK);
  ASSERT_EQ(
      sqlite3_exec(db, "CREATE TABLE notas(texto TEXT); INSERT INTO notas VALUES('x');", nullptr, nullptr, nullptr),
      SQLITE_OK);
  sqlite3_close(db);
  ExpectRefusedAndUntouched(dir / "dados.cds");
}

TEST(DamagedTableFile, MissingFileIsNamed) {
  TempFolder dir;
  auto t = Table::Open(dir / "empresas.cds");
  ASSERT_FALSE(t);
  EXPECT_NE(t.error().find("\"empresas.cds\""), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "empresas.cds")) << "opening never creates";
}

}  // namespace
}  // namespace tavelao::store
