#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "business/business_cards.h"
#include "business/sponsors.h"
#include "issue/card_file.h"
#include "session/data_files.h"
#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/temp_folder.h"

namespace tavelao::business {
namespace {

using testing::PdfText;
using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;
using testing::ToolAvailable;

TEST(CliEmpresarial, PrintsTheCardsAndWritesThePrintingHouseFileFromTheFolderTables) {
  TempFolder dir;
  ASSERT_TRUE(session::EnsureSponsors(dir.path()));
  {
    auto sponsors = store::Table::Open(dir / session::kSponsorsFile);
    ASSERT_TRUE(StoreSponsorName(*sponsors, 15, 1, "Padaria"));
  }
  const auto run = RunCli(dir.path(), "empresarial --inicial 1 --quantidade 3 --pdf cartelas.pdf --csv");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("cartelas.pdf gravado: 3 cartela(s) em 2 página(s)"), std::string::npos) << run.out;
  const std::string csv = ReadBytes(dir / kBusinessExportFile);
  EXPECT_NE(csv.find("\r\n00001;15;Padaria; ; ;"), std::string::npos);
  EXPECT_NE(csv.find("\r\n00003;"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / kBusinessCardFile));
  EXPECT_TRUE(std::filesystem::exists(dir / issue::kCardFile)) << "the card file stays, as after the panel";
  if (ToolAvailable("pdftotext")) {
    const std::string text = PdfText(dir / "cartelas.pdf");
    EXPECT_NE(text.find("BINGO EMPRESARIAL"), std::string::npos) << text;
    EXPECT_NE(text.find("Cartela: 1-9"), std::string::npos) << text;
    EXPECT_NE(text.find("Padaria"), std::string::npos);
  }
}

TEST(CliEmpresarial, CsvAloneAndWrongArguments) {
  TempFolder dir;
  const auto csv_only = RunCli(dir.path(), "empresarial --inicial 2 --quantidade 1 --csv --sem-dezenas");
  ASSERT_EQ(csv_only.status, 0) << csv_only.err;
  EXPECT_NE(ReadBytes(dir / kBusinessExportFile).find("\r\n00002;"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / kBusinessCardFile)) << "no print, no business card file";
  EXPECT_EQ(RunCli(dir.path(), "empresarial --inicial 1 --quantidade 3").status, 2) << "neither --pdf nor --csv";
  EXPECT_EQ(RunCli(dir.path(), "empresarial --inicial x --quantidade 3 --csv").status, 1);
}

}  // namespace
}  // namespace tavelao::business
