// tavelao-cli lista: the listing written to a PDF, and its refusals.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "listing/card_listing.h"
#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::listing {
namespace {

using testing::PdfText;
using testing::RunCli;
using testing::TempFolder;

TEST(CliLista, DiagonalListingIsWrittenWithTitleAndLines) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "lista --inicial 1 --final 2 --estilo diagonal --pdf lista.pdf");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("2 cartela(s) em 1 página(s), estilo Diagonal"), std::string::npos) << run.out;
  ASSERT_TRUE(std::filesystem::exists(dir / "lista.pdf"));
  EXPECT_TRUE(std::filesystem::exists(dir / kListingFile));
  TAVELAO_REQUIRE_TOOL("pdftotext");
  const std::string text = PdfText(dir / "lista.pdf");
  EXPECT_NE(text.find("Tavelão"), std::string::npos) << text;
  EXPECT_NE(text.find("Relação das cartelas"), std::string::npos);
  // Card 1's diagonal, in the first five columns.
  const auto line = text.find("000001");
  ASSERT_NE(line, std::string::npos) << text;
  const std::string first_line = text.substr(line, text.find('\n', line) - line);
  EXPECT_EQ(first_line, "000001 -9 15 36 50 71 87");
}

TEST(CliLista, ThreeRowsIsTheDefaultAndThePastEndIsCut) {
  TempFolder dir;
  const auto run = RunCli(dir.path(), "lista --inicial 119999 --final 130000 --pdf l.pdf");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("2 cartela(s) em 1 página(s), estilo 3 linhas"), std::string::npos) << run.out;
}

TEST(CliLista, BadArgumentsAreRefusedWithoutWritingAnything) {
  TempFolder dir;
  for (const char* args :
       {"lista --inicial 1 --final 5", "lista --inicial um --final 5 --pdf l.pdf",
        "lista --inicial 1 --final 5 --estilo 6 --pdf l.pdf", "lista --inicial 1 --final 5 --pdf l.pdf extra"}) {
    const auto run = RunCli(dir.path(), args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_FALSE(run.err.empty()) << args;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "l.pdf"));
  EXPECT_FALSE(std::filesystem::exists(dir / kListingFile));
}

}  // namespace
}  // namespace tavelao::listing
