// A data folder whose name has accents and spaces, as organisers name them.

#include <gtest/gtest.h>

#include <filesystem>

#include "card/card_identity.h"
#include "session/workspace.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

TEST(FolderName, EveryCommandWorksInAFolderWithAccents) {
  TempFolder dir;
  const auto folder = dir / "Bingo São João – salão";
  std::filesystem::create_directory(folder);
  for (const char* command : {"valida 19-108", "emite --modelo 1 --inicial 1 --quantidade 2 --pdf 'cartelas ação.pdf'",
                              "lista --inicial 1 --final 30 --pdf listagem.pdf", "exporta --inicial 1 --quantidade 5",
                              "sorteia --cartelas 25 --padroes LINHA --bolas 7,42,100", "premios 2", "backup"}) {
    const CliRun run = RunCli(folder, command);
    EXPECT_EQ(run.status, 0) << command << ": " << run.err;
  }
  EXPECT_TRUE(std::filesystem::exists(folder / "cartelas ação.pdf"));
  EXPECT_TRUE(std::filesystem::exists(folder / "CARTGRAF.CSV"));
  auto ws = session::RunStartup(folder, {});
  ASSERT_TRUE(ws) << ws.error();
  EXPECT_EQ(*(*ws)->validation.Count(), 10);
  EXPECT_TRUE((*ws)->warnings.empty());
}

}  // namespace
}  // namespace tavelao::testing
