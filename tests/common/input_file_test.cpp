// Input files are small regular files, read without blocking.

#include "common/input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_folder.h"

namespace tavelao {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(ReadInputFile, ReadsASmallRegularFileWholeUpToTheLimit) {
  TempFolder dir;
  WriteBytes(dir / "a.txt", std::string(1024, 'a'));
  auto read = ReadInputFile(dir / "a.txt", 1024);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(*read, std::string(1024, 'a'));
  WriteBytes(dir / "vazio.txt", "");
  EXPECT_EQ(*ReadInputFile(dir / "vazio.txt", 1024), "");

  EXPECT_FALSE(ReadInputFile(dir / "a.txt", 1023).ok());
  WriteBytes(dir / "b.txt", std::string((2 << 20) + 1, 'b'));
  EXPECT_EQ(ReadInputFile(dir / "b.txt", 2 << 20).error(),
            "O arquivo \"b.txt\" é grande demais (o limite é 2 MB) e não foi lido.");
}

TEST(ReadInputFile, FifosDevicesAndFoldersAreRefusedWithoutWaiting) {
  TempFolder dir;
  // Opening a fifo with no writer would block for ever.
  ASSERT_EQ(::mkfifo((dir / "fila.rtf").c_str(), 0600), 0);
  const auto fifo = ReadInputFile(dir / "fila.rtf", 1 << 20);
  ASSERT_FALSE(fifo.ok());
  EXPECT_EQ(fifo.error(),
            "\"fila.rtf\" não é um arquivo comum (é um dispositivo, uma fila ou um soquete) e não foi lido.");
  // A device that never ends.
  const auto zero = ReadInputFile("/dev/zero", 1 << 20);
  ASSERT_FALSE(zero.ok());
  EXPECT_NE(zero.error().find("\"zero\" não é um arquivo comum"), std::string::npos);
  const auto folder = ReadInputFile(dir.path().string() + "/", 1 << 20);
  ASSERT_FALSE(folder.ok());
  EXPECT_NE(folder.error().find("é uma pasta, não um arquivo."), std::string::npos) << folder.error();
  EXPECT_EQ(ReadInputFile(dir / "nada.rtf", 1 << 20).error(), "Não foi possível abrir o arquivo \"nada.rtf\".");
}

}  // namespace
}  // namespace tavelao
