// Which files a PDF the user names may replace.

#include "common/output_file.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include "support/temp_folder.h"

namespace tavelao {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr Overwrite kBoth[] = {Overwrite::kOnlyOurPdf, Overwrite::kAnyOtherFile};

std::string TableRefusal(const std::string& name) {
  return "O arquivo \"" + name + "\" é uma tabela do Tavelão e não será substituído.";
}

TEST(PdfOutput, TableFilesAreRefusedEvenWhenTheUserSaysSo) {
  TempFolder dir;
  // By name, whether the table exists yet or not (the command creates the
  // folder's missing tables before it writes), with SQLite's companions.
  WriteBytes(dir / "Validadas.cds", "qualquer coisa");
  for (const char* name : {"Validadas.cds", "NOVA.CDS", "Validadas.cds-wal", "premios.cds-journal"}) {
    for (Overwrite overwrite : kBoth) {
      const Status status = CheckPdfOutput(dir / name, overwrite);
      ASSERT_FALSE(status.ok()) << name;
      EXPECT_EQ(status.error(), TableRefusal(name));
    }
  }
  // By content: a table copied under another name is still a table.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((dir / "copia.pdf").string().c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE t(a); INSERT INTO t VALUES (1);", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  for (Overwrite overwrite : kBoth) {
    const Status status = CheckPdfOutput(dir / "copia.pdf", overwrite);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), TableRefusal("copia.pdf"));
  }
  // Names that only look alike are not tables.
  EXPECT_TRUE(CheckPdfOutput(dir / "cds", Overwrite::kOnlyOurPdf).ok());
  EXPECT_TRUE(CheckPdfOutput(dir / "lista.cds.pdf", Overwrite::kOnlyOurPdf).ok());
}

TEST(PdfOutput, AnExistingFileNotOursNeedsTheUsersWord) {
  TempFolder dir;
  EXPECT_TRUE(CheckPdfOutput(dir / "nova.pdf", Overwrite::kOnlyOurPdf).ok()) << "a new file";
  WriteBytes(dir / "notas.txt", "lembrete");
  // A PDF that another program made.
  WriteBytes(dir / "alheio.pdf", "%PDF-1.4\n1 0 obj\n<<\n/Creator (Outro programa)\n>>\nendobj\n");
  for (const char* name : {"notas.txt", "alheio.pdf"}) {
    const Status refused = CheckPdfOutput(dir / name, Overwrite::kOnlyOurPdf, "use --sobrescreve para substituí-lo");
    ASSERT_FALSE(refused.ok()) << name;
    EXPECT_EQ(refused.error(), "O arquivo \"" + std::string(name) +
                                   "\" já existe e não é um PDF do Tavelão; use --sobrescreve para substituí-lo.");
    EXPECT_TRUE(CheckPdfOutput(dir / name, Overwrite::kAnyOtherFile).ok()) << name;
    EXPECT_FALSE(IsOurPdf(dir / name));
  }
  EXPECT_EQ(ReadBytes(dir / "notas.txt"), "lembrete");
}

TEST(PdfOutput, WhatIsNotARegularFileIsNeverReplaced) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "pasta.pdf");
  ASSERT_EQ(::mkfifo((dir / "fila.pdf").c_str(), 0600), 0);
  for (Overwrite overwrite : kBoth) {
    const Status folder = CheckPdfOutput(dir / "pasta.pdf", overwrite);
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error(), "\"pasta.pdf\" é uma pasta e não será substituída.");
    const Status fifo = CheckPdfOutput(dir / "fila.pdf", overwrite);
    ASSERT_FALSE(fifo.ok());
    EXPECT_EQ(fifo.error(), "\"fila.pdf\" não é um arquivo comum e não será substituído.");
  }
}

}  // namespace
}  // namespace tavelao
