// A full disk, made real with a small memory file system in a private mount
// namespace (root only): the refusal says so and names the table, and the
// cards confirmed before stay.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "card/card_identity.h"
#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

bool CanMountPrivately() { return ::geteuid() == 0 && std::system("unshare -m true >/dev/null 2>&1") == 0; }

// Runs `script` in `mount`, a 300 KiB file system only it sees; returns what
// it printed.
std::string OnFullDisk(const std::filesystem::path& mount, const std::string& script) {
  const auto out = mount.parent_path() / (mount.filename().string() + ".out");
  const std::string command = "unshare -m sh -c \"mount -t tmpfs -o size=300k tmpfs '" + mount.string() + "' && cd '" +
                              mount.string() + "' && export XDG_CONFIG_HOME=/nonexistent && " + script + "\" >'" +
                              out.string() + "' 2>&1";
  (void)std::system(command.c_str());
  return ReadBytes(out);
}

TEST(CliFullDisk, ARangeAndAListingSayTheDiskIsFullAndNameTheTable) {
  TAVELAO_REQUIRE_TOOL("sqlite3");
  if (!CanMountPrivately()) {
    if (UnderCi()) FAIL() << "CI runs as root and can mount a private file system";
    GTEST_SKIP() << "needs root for a private mount";
  }
  TempFolder dir;
  const std::string cli = "'" + CliPath() + "'";
  const std::string range = "19-5000" + std::string(1, card::CheckDigit(5000));
  const std::string printed = OnFullDisk(
      dir.path(), cli + " valida 0000019; echo status=\\$?; " + cli + " valida " + range + "; echo status=\\$?; " +
                      cli + " lista --inicial 1 --final 20000 --pdf l.pdf; echo status=\\$?; " + cli +
                      " valida 0000027; echo status=\\$?; sqlite3 Validadas.cds 'SELECT group_concat(Numero) FROM "
                      "tavelao_dados'");
  EXPECT_NE(printed.find("A tabela \"Validadas.cds\" não cabe no disco, que está cheio"), std::string::npos) << printed;
  EXPECT_NE(printed.find("A tabela \"CartelasLista.cds\" não cabe no disco, que está cheio"), std::string::npos)
      << printed;
  EXPECT_EQ(printed.find("cannot rollback"), std::string::npos) << printed;
  EXPECT_NE(printed.find("status=0\n"), std::string::npos);
  EXPECT_NE(printed.find("status=1\n"), std::string::npos);
  // The first card stays, and the store goes on taking cards.
  EXPECT_NE(printed.find("\n1,2"), std::string::npos) << printed;
}

}  // namespace
}  // namespace tavelao::testing
