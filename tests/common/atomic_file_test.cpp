// Exports and PDFs are renamed into place complete and on the disk.

#include "common/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(WriteFileAtomically, WritesReplacesAndCleansUpAfterAFailure) {
  TempFolder dir;
  const auto file = dir / "CARTGRAF.CSV";
  ASSERT_TRUE(WriteFileAtomically(file, "primeira").ok());
  EXPECT_EQ(ReadBytes(file), "primeira");
  ASSERT_TRUE(WriteFileAtomically(file, std::string(100000, 'x')).ok());
  EXPECT_EQ(ReadBytes(file), std::string(100000, 'x'));
  EXPECT_FALSE(std::filesystem::exists(dir / "CARTGRAF.CSV.tmp"));

  // The rename fails over a folder: the folder stays and no temporary is left.
  std::filesystem::create_directories(dir / "ocupado" / "dentro");
  const Status over_folder = WriteFileAtomically(dir / "ocupado", "x");
  ASSERT_FALSE(over_folder.ok());
  EXPECT_NE(over_folder.error().find("Não foi possível substituir o arquivo ocupado"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "ocupado" / "dentro"));
  EXPECT_FALSE(std::filesystem::exists(dir / "ocupado.tmp"));

  const Status no_folder = WriteFileAtomically(dir / "sem-pasta" / "a.csv", "x");
  ASSERT_FALSE(no_folder.ok());
  EXPECT_FALSE(std::filesystem::exists(dir / "sem-pasta"));
}

// The export is the program's real use of the function; strace shows the
// temporary synced before its rename and the folder synced after it.
TEST(WriteFileAtomically, TheFileIsSyncedBeforeItsRenameAndTheFolderAfter) {
  TAVELAO_REQUIRE_TOOL("strace");
  TempFolder dir;
  const auto trace = dir.path().string() + ".trace";
  const auto run =
      testing::RunCli(dir.path(), "exporta --inicial 1 --quantidade 3",
                      "strace -f -qq -o '" + trace + "' -e trace=openat,fsync,fdatasync,rename,renameat,renameat2");
  ASSERT_EQ(run.status, 0) << run.err;
  std::ifstream in(trace);
  std::string line;
  std::string temporary_fd, folder_fd;
  bool file_synced = false, renamed = false, folder_synced = false;
  const std::regex opened(R"re(openat\(.*"([^"]*)".*\) = (\d+))re");
  while (std::getline(in, line)) {
    std::smatch m;
    if (std::regex_search(line, m, opened)) {
      if (m[1].str().ends_with("CARTGRAF.CSV.tmp")) temporary_fd = m[2];
      if (renamed && line.find("O_DIRECTORY") != std::string::npos) folder_fd = m[2];
    } else if (!temporary_fd.empty() && !renamed && line.find("sync(" + temporary_fd + ")") != std::string::npos) {
      file_synced = true;
    } else if (line.find("rename") != std::string::npos && line.find("CARTGRAF.CSV.tmp") != std::string::npos) {
      renamed = true;
    } else if (!folder_fd.empty() && line.find("fsync(" + folder_fd + ")") != std::string::npos) {
      folder_synced = true;
    }
  }
  std::filesystem::remove(trace);
  EXPECT_TRUE(file_synced) << "fsync of the temporary before the rename";
  EXPECT_TRUE(renamed);
  EXPECT_TRUE(folder_synced) << "fsync of the folder after the rename";
}

}  // namespace
}  // namespace tavelao
